#include "setup/log_file.h"

#include "base/failure.h"
#include "base/messages.h"
#include "setup/exit_codes.h"

namespace setup {

LogFile::LogFile(platform::System& system, const std::string& path) : path_(path) {
  platform::AppendOpening opening = platform::AppendOpening::CannotOpen;
  file_ = system.OpenForAppending(path, opening);
  if (opening == platform::AppendOpening::NotPlain) Fail(messages::kLogNotAPlainFile, path);
  if (opening != platform::AppendOpening::Ok) Fail(messages::kCannotCreateFile, path);
}

void LogFile::Write(const std::string& line) {
  if (failed_) return;
  // One line a step: a message's own line breaks become spaces.
  std::string text;
  for (char c : line)
    if (c != '\r' && c != '\n')
      text += c;
    else if (text.empty() || text.back() != ' ')
      text += ' ';
  if (file_->Append(text + "\r\n")) return;
  failed_ = true;
  first_lost_ = text;
}

int LogFile::Reported(int exit_code, Person* watching) const {
  if (!failed_) return exit_code;
  if (watching != nullptr)
    watching->TellFailure(FillIn(messages::kLogCannotBeWritten, {path_, first_lost_}));
  return exit_code == kExitDone ? kExitBadArguments : exit_code;
}

}  // namespace setup
