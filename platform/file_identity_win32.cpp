// Telling a plain file of ours from a link, and deleting only such a file.

#include <windows.h>

#include <string>

#include "base/paths.h"
#include "platform/file_win32.h"

namespace platform::detail {

std::wstring FinalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleW(handle, &path[0], static_cast<DWORD>(path.size()), 0);
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.assign(length, L'\0');  // length counts the terminating zero here
  }
}

bool IdentifyFolder(HANDLE folder, FolderIdentity& identity) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(folder, &info)) return false;
  identity.path = FinalPath(folder);
  if (identity.path.empty()) return false;
  if (identity.path.back() != L'\\') identity.path += L'\\';
  identity.volume = info.dwVolumeSerialNumber;
  return true;
}

bool IsPlainFile(const BY_HANDLE_FILE_INFORMATION& info) {
  return (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
         info.nNumberOfLinks == 1;
}

bool IsFileNamed(HANDLE file, const FolderIdentity& folder, const std::string& name,
                 BY_HANDLE_FILE_INFORMATION& info) {
  return GetFileInformationByHandle(file, &info) &&
         (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
         info.dwVolumeSerialNumber == folder.volume &&
         FinalPath(file) == folder.path + FileApiName(name);
}

bool ClearReadOnly(HANDLE file, DWORD attributes) {
  FILE_BASIC_INFO basic = {};  // times of zero stay as they are
  basic.FileAttributes = attributes & ~FILE_ATTRIBUTE_READONLY;
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != 0;
}

RemoveOutcome RemoveFileNamed(const FolderIdentity& folder, const std::string& folder_path,
                              const std::string& name, Removal removal) {
  const bool own = removal == Removal::Own;
  ScopedFile file(CreateFileA((folder_path + name).c_str(),
                              DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              own ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0,
                              nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.IsOpen()) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? RemoveOutcome::Missing
                                                                          : RemoveOutcome::Failed;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!IsFileNamed(file.Get(), folder, name, info) || (!own && info.nNumberOfLinks != 1))
    return RemoveOutcome::NotOurs;
  // A read-only file refuses deletion; copies from a disc keep that mark.
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
    ClearReadOnly(file.Get(), info.dwFileAttributes);
  FILE_DISPOSITION_INFO deletion = {TRUE};
  return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &deletion, sizeof deletion)
             ? RemoveOutcome::Removed
             : RemoveOutcome::Failed;
}

bool IdentifyFolderOf(const std::string& path, FolderIdentity& identity) {
  const std::string folder_path = FolderOf(path);
  ScopedFile folder(CreateFileA(folder_path.empty() ? "." : folder_path.c_str(),
                                FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return folder.IsOpen() && IdentifyFolder(folder.Get(), identity);
}

RemoveOutcome RemoveOwnFile(const std::string& path) {
  FolderIdentity folder;
  if (!IdentifyFolderOf(path, folder)) return RemoveOutcome::Missing;
  return RemoveFileNamed(folder, FolderOf(path), FileNameOf(path), Removal::Own);
}

}  // namespace platform::detail
