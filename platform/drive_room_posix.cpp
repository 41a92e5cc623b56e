// How much a drive can still take, on POSIX.

#include <sys/statvfs.h>

#include "platform/file_layer.h"
#include "platform/file_posix.h"

namespace platform {

bool FreeRoom(const std::string& folder, std::uint64_t& bytes) {
  struct statvfs drive {};
  if (::statvfs(detail::Native(folder).c_str(), &drive) != 0) return false;
  // The blocks left to a user who is not root, as Windows counts quotas.
  bytes = static_cast<std::uint64_t>(drive.f_bavail) * drive.f_frsize;
  return true;
}

}  // namespace platform
