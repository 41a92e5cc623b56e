// How much a drive can still take, on Windows.

#include <windows.h>

#include "platform/file_layer.h"

namespace platform {

bool FreeRoom(const std::string& folder, std::uint64_t& bytes) {
  // The room left to this user, within a disk quota where one is set; a UNC
  // name needs its trailing backslash.
  const std::string directory = !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
  ULARGE_INTEGER available = {};
  if (!GetDiskFreeSpaceExA(directory.c_str(), &available, nullptr, nullptr)) return false;
  bytes = available.QuadPart;
  return true;
}

}  // namespace platform
