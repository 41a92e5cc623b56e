#include "app/log_file.h"

#include "base/failure.h"
#include "base/messages.h"

namespace app {

LogFile::LogFile(const std::string& path)
    : file_(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (file_ == INVALID_HANDLE_VALUE) Fail(messages::kCannotCreateFile, path);
}

LogFile::~LogFile() { CloseHandle(file_); }

void LogFile::Write(const std::string& line) {
  // One line a step: a message's own line breaks become spaces.
  std::string text;
  for (char c : line)
    if (c != '\r' && c != '\n')
      text += c;
    else if (text.empty() || text.back() != ' ')
      text += ' ';
  text += "\r\n";
  DWORD written = 0;
  WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace app
