// The log's file on POSIX: opened without following a link at its name,
// checked through the descriptor to be a plain file of one name.

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/append_file.h"
#include "platform/file_posix.h"

namespace platform {

AppendFile::AppendFile(const std::string& path) {
  // O_NOFOLLOW refuses a link at the name, a dangling one too, instead of
  // making what it leads to; O_NONBLOCK keeps a FIFO there from stopping the run.
  detail::ScopedDescriptor file(
      ::open(detail::Native(path).c_str(),
             O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
  struct stat status {};
  if (!file.IsOpen()) {
    opening_ = errno == ELOOP ? AppendOpening::NotPlain : AppendOpening::CannotOpen;
  } else if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
             status.st_nlink != 1) {
    opening_ = AppendOpening::NotPlain;
  }
  handle_ = opening_ == AppendOpening::Ok ? file.Release() : -1;
}

AppendFile::~AppendFile() {
  if (opening_ == AppendOpening::Ok) ::close(static_cast<int>(handle_));
}

bool AppendFile::Append(const std::string& bytes) {
  return opening_ == AppendOpening::Ok &&
         detail::WriteAll(static_cast<int>(handle_), bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace platform
