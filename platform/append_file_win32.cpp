// The log's file under Windows: opened as its name itself, checked through the
// handle to be a plain file of one name there.

#include <windows.h>

#include "base/paths.h"
#include "platform/append_file.h"
#include "platform/file_win32.h"

namespace platform {
namespace {

using detail::ScopedFile;

constexpr DWORD kAppendAccess = FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

// An existing name is opened as itself: a symbolic link or junction there, not
// what it leads to. A missing one is made only as a new name (CREATE_NEW): under
// Wine, which follows a Linux link whatever the flag, an open that may create
// would make the file a dangling link leads to.
HANDLE OpenAsItself(const std::string& path) {
  for (int attempt = 0; attempt < 2; ++attempt) {  // the name may come or go between the two
    HANDLE file = CreateFileA(path.c_str(), kAppendAccess, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) return file;
    file = CreateFileA(path.c_str(), kAppendAccess, FILE_SHARE_READ, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// A plain file of one name, and the very one the path names: under Wine a Linux
// link shows only in the final path, which is its target's.
bool IsPlainFileNamed(HANDLE file, const std::string& path) {
  BY_HANDLE_FILE_INFORMATION info;
  detail::FolderIdentity folder;
  return GetFileInformationByHandle(file, &info) && detail::IsPlainFile(info) &&
         detail::IdentifyFolderOf(path, folder) && info.dwVolumeSerialNumber == folder.volume &&
         detail::SamePath(detail::FinalPath(file),
                          folder.path + detail::FileApiName(FileNameOf(path)));
}

}  // namespace

AppendFile::AppendFile(const std::string& path) {
  ScopedFile file(OpenAsItself(path));
  if (!file.IsOpen()) {
    opening_ = AppendOpening::CannotOpen;
  } else if (!IsPlainFileNamed(file.Get(), path)) {
    opening_ = AppendOpening::NotPlain;
  }
  handle_ = opening_ == AppendOpening::Ok ? reinterpret_cast<std::intptr_t>(file.Release())
                                          : reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
}

AppendFile::~AppendFile() {
  if (opening_ == AppendOpening::Ok) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool AppendFile::Append(const std::string& bytes) {
  DWORD written = 0;
  return opening_ == AppendOpening::Ok &&
         WriteFile(reinterpret_cast<HANDLE>(handle_), bytes.data(),
                   static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace platform
