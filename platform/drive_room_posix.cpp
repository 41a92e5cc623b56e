// How much a drive can still take, and what the files there take now, on POSIX.

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "platform/file_posix.h"
#include "platform/file_system.h"

namespace platform {

bool FreeRoom(const std::string& folder, std::uint64_t& bytes) {
  struct statvfs drive {};
  if (::statvfs(detail::Native(folder).c_str(), &drive) != 0) return false;
  // The blocks left to a user who is not root, as Windows counts quotas.
  bytes = static_cast<std::uint64_t>(drive.f_bavail) * drive.f_frsize;
  return true;
}

std::uint64_t FileSizeAt(const std::string& path) {
  struct stat status {};
  if (::lstat(detail::Native(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
  return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace platform
