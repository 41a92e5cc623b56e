// How much a drive can still take, and what the files there take now, on Windows.

#include <windows.h>

#include "platform/file_system.h"

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

std::uint64_t FileSizeAt(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return 0;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace platform
