// Holding the install's folders under Windows: each opened as itself, its final
// path compared with the one its name promises, held without sharing deletion.

#include <windows.h>

#include <string>

#include "base/paths.h"
#include "platform/file_win32.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform::detail {
namespace {

// Windows with redirection trust enforced (app/redirection_trust.cpp) refuses
// to follow a junction that no administrator made.
constexpr DWORD kUntrustedMountPoint = 448;  // ERROR_UNTRUSTED_MOUNT_POINT

}  // namespace

bool TemporaryFits(const std::string& target) {
  return TemporaryPath(target, GetCurrentProcessId(), kTemporaryAttempts - 1).size() < MAX_PATH;
}

GameFolderRoot::GameFolderRoot(const std::string& game_folder) : game_folder_(game_folder) {
  ScopedFile game(CreateFileA(JoinPath(game_folder, "\\").c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (game.IsOpen()) root_ = FinalPath(game.Get());
  found_ = !root_.empty();
  if (!found_ && GetLastError() == kUntrustedMountPoint) refusal_ = HoldOutcome::UntrustedLink;
  if (found_ && root_.back() == L'\\') root_.pop_back();
}

HoldOutcome GameFolderRoot::Check(const std::string& relative, std::intptr_t& folder) const {
  folder = kNoFolder;
  // The folder itself, never what a link there leads to, held so that nobody
  // can delete, rename or replace it (no FILE_SHARE_DELETE) while the files in
  // it are written. Reading its entries makes the handle count in sharing checks.
  HANDLE handle = CreateFileA(JoinPath(game_folder_, relative).c_str(),
                              FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == kUntrustedMountPoint) return HoldOutcome::UntrustedLink;
    // Only a folder that is not there gets no writes; one that is there but
    // does not open (another program holds it, no right to list it) refuses.
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? HoldOutcome::Ok
                                                                          : HoldOutcome::CannotOpen;
  }
  FILE_BASIC_INFO info;
  const bool is_folder = GetFileInformationByHandleEx(handle, FileBasicInfo, &info, sizeof info) &&
                         (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const bool link = is_folder && ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
                                  !SamePath(FinalPath(handle), root_ + FileApiName(relative)));
  if (is_folder && !link) {
    folder = reinterpret_cast<std::intptr_t>(handle);
    return HoldOutcome::Ok;
  }
  CloseHandle(handle);
  return link ? HoldOutcome::Link : HoldOutcome::Ok;
}

void CloseFolder(std::intptr_t folder) { CloseHandle(reinterpret_cast<HANDLE>(folder)); }

void RemoveStaleTemporaries(std::intptr_t folder, const std::string& folder_path,
                            const std::vector<std::string>& file_names) {
  FolderIdentity identity;  // known once there is something to remove
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder_path + "*.~zs*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
        IsTemporaryOfAny(file_names, name) &&
        GetFileAttributesA((folder_path + name.substr(0, name.rfind(".~zs"))).c_str()) !=
            INVALID_FILE_ATTRIBUTES &&
        (!identity.path.empty() || IdentifyFolder(reinterpret_cast<HANDLE>(folder), identity)))
      RemoveFileNamed(identity, folder_path, name, Removal::Leftover);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace platform::detail
