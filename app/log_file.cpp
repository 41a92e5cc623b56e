#include "app/log_file.h"

#include "app/error_handler.h"
#include "setup/exit_codes.h"
#include "base/failure.h"
#include "base/messages.h"

namespace app {

LogFile::LogFile(const std::string& path) : path_(path), file_(path) {
  if (file_.Opening() == platform::AppendOpening::NotPlain) Fail(messages::kLogNotAPlainFile, path);
  if (file_.Opening() != platform::AppendOpening::Ok) Fail(messages::kCannotCreateFile, path);
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
  if (file_.Append(text + "\r\n")) return;
  failed_ = true;
  first_lost_ = text;
}

int LogFile::Reported(int exit_code, bool silent) const {
  if (!failed_) return exit_code;
  if (!silent) HandleFailure(FillIn(messages::kLogCannotBeWritten, {path_, first_lost_}));
  return exit_code == setup::kExitDone ? setup::kExitBadArguments : exit_code;
}

}  // namespace app
