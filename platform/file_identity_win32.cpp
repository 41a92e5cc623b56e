// The files Setup makes and replaces: telling a file of ours from a link, and
// making, moving and deleting only such files.

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/paths.h"
#include "platform/file_win32.h"
#include "platform/temporary_name.h"

namespace platform::detail {

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

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
         SamePath(FinalPath(file), folder.path + FileApiName(name));
}

bool ClearReadOnly(HANDLE file, DWORD attributes) {
  FILE_BASIC_INFO basic = {};  // times of zero stay as they are
  basic.FileAttributes = attributes & ~FILE_ATTRIBUTE_READONLY;
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != 0;
}

RemoveOutcome RemoveFileNamed(const FolderIdentity& folder, const std::string& folder_path,
                              const std::string& name, Removal removal) {
  const std::string path = folder_path + name;
  // Backup semantics, or a folder there would not open at all and could not be
  // told from a file that will not go.
  ScopedFile file(CreateFileA(
      path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
      removal != Removal::Leftover ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.IsOpen()) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      return RemoveOutcome::Missing;
    // Not open for deleting (a folder some program works in): still not ours
    // when it is a folder or a link.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
                   (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0
               ? RemoveOutcome::NotOurs
               : RemoveOutcome::Failed;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!IsFileNamed(file.Get(), folder, name, info) ||
      (removal != Removal::Own && info.nNumberOfLinks != 1))
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

HANDLE CreateTemporaryBeside(const std::string& target, DWORD attributes, int attempts,
                             int& attempt) {
  for (attempt = 0; attempt < attempts; ++attempt) {
    HANDLE file = CreateFileA(TemporaryPath(target, GetCurrentProcessId(), attempt).c_str(),
                              GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                              attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

namespace {

bool RenameTo(HANDLE file, const std::wstring& destination) {
  std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + destination.size() * sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->ReplaceIfExists = TRUE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = static_cast<DWORD>(destination.size() * sizeof(wchar_t));
  std::memcpy(rename->FileName, destination.data(), rename->FileNameLength);
  return SetFileInformationByHandle(file, FileRenameInfo, rename,
                                    static_cast<DWORD>(buffer.size())) != 0;
}

// Takes the read-only mark off a plain file of one name at path; false when
// there is none to take off.
bool TakeReadOnlyMarkOff(const std::string& path) {
  ScopedFile old(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  return old.IsOpen() && GetFileInformationByHandle(old.Get(), &info) && IsPlainFile(info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 &&
         ClearReadOnly(old.Get(), info.dwFileAttributes);
}

}  // namespace

bool MoveOver(HANDLE file, const std::string& destination) {
  const std::wstring name = FileApiName(destination);
  if (RenameTo(file, name)) return true;
  const DWORD error = GetLastError();
  if (error == ERROR_ACCESS_DENIED && TakeReadOnlyMarkOff(destination) && RenameTo(file, name))
    return true;
  SetLastError(error);
  return false;
}

void Discard(HANDLE file) {
  FILE_DISPOSITION_INFO deletion = {TRUE};
  SetFileInformationByHandle(file, FileDispositionInfo, &deletion, sizeof deletion);
}

RemoveOutcome RemoveOwnFile(const std::string& path, Removal removal) {
  FolderIdentity folder;
  if (!IdentifyFolderOf(path, folder)) return RemoveOutcome::Missing;
  return RemoveFileNamed(folder, FolderOf(path), FileNameOf(path), removal);
}

}  // namespace platform::detail
