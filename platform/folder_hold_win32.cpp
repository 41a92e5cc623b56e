// Holding the install's folders under Windows: each opened as itself, its final
// path compared with the one its name promises, held without sharing deletion.

#include <windows.h>

#include <string>

#include "base/paths.h"
#include "platform/file_win32.h"
#include "platform/folder_hold.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {

using detail::FileApiName;
using detail::FinalPath;
using detail::FolderIdentity;
using detail::ScopedFile;

namespace {

// Windows with redirection trust enforced (app/redirection_trust.cpp) refuses
// to follow a junction that no administrator made.
constexpr DWORD kUntrustedMountPoint = 448;  // ERROR_UNTRUSTED_MOUNT_POINT

// The folder itself, never what a link there leads to, held so that nobody can
// delete, rename or replace it (no FILE_SHARE_DELETE) while the files in it
// are written. Reading its entries makes the handle count in sharing checks.
HANDLE OpenFolderAsItself(const std::string& path) {
  return CreateFileA(path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// File systems compare names without case, and so must we: the game may spell
// "Interf3\maps\skirmish" with other capitals than the install does.
bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// A leftover is removed only while the file it belongs to exists: after a
// replace that failed halfway it may be the list's only copy.
void RemoveStaleTemporaries(HANDLE folder, const std::string& folder_path,
                            const std::vector<std::string>& file_names) {
  FolderIdentity identity;  // known once there is something to remove
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder_path + "*.~zs*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
        detail::IsTemporaryOfAny(file_names, name) &&
        GetFileAttributesA((folder_path + name.substr(0, name.rfind(".~zs"))).c_str()) !=
            INVALID_FILE_ATTRIBUTES &&
        (!identity.path.empty() || detail::IdentifyFolder(folder, identity)))
      detail::RemoveFileNamed(identity, folder_path, name, detail::Removal::Leftover);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// Opens path as itself and checks that it is the folder whose final path is
// expected. Ok with handle open: held; Ok with no handle: nothing there to
// write into (missing, not a folder, not ours to open).
HoldOutcome CheckFolder(const std::string& path, const std::wstring& expected, HANDLE& handle) {
  handle = OpenFolderAsItself(path);
  if (handle == INVALID_HANDLE_VALUE)
    return GetLastError() == kUntrustedMountPoint ? HoldOutcome::UntrustedLink : HoldOutcome::Ok;
  FILE_BASIC_INFO info;
  HoldOutcome outcome = HoldOutcome::Ok;
  const bool folder = GetFileInformationByHandleEx(handle, FileBasicInfo, &info, sizeof info) &&
                      (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (folder && ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
                 !SamePath(FinalPath(handle), expected)))
    outcome = HoldOutcome::Link;
  if (!folder || outcome != HoldOutcome::Ok) {
    CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
  }
  return outcome;
}

// The folder a refusal names: the first on the way down to relative that is a
// link or that Windows refused, looked for only once one is known to be there.
std::string FirstLinkOnTheWay(const std::string& game_folder, const std::string& relative,
                              const std::wstring& root) {
  for (const std::string& step : detail::FolderSteps(relative)) {
    HANDLE handle;
    const bool sound = CheckFolder(JoinPath(game_folder, step), root + FileApiName(step), handle) ==
                       HoldOutcome::Ok;
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    if (!sound) return JoinPath(game_folder, step);
  }
  return JoinPath(game_folder, relative);
}

}  // namespace

bool detail::TemporaryFits(const std::string& target) {
  return TemporaryPath(target, GetCurrentProcessId(), kTemporaryAttempts - 1).size() < MAX_PATH;
}

void FolderHold::Take(const std::string& game_folder, const std::vector<FolderToWrite>& folders) {
  // The game folder may be reached through links; its final path is where they lead.
  ScopedFile game(CreateFileA(JoinPath(game_folder, "\\").c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  std::wstring root = game.IsOpen() ? FinalPath(game.Get()) : std::wstring();
  if (root.empty()) {  // nothing held, so nothing is written
    if (GetLastError() == kUntrustedMountPoint) Refuse(HoldOutcome::UntrustedLink, game_folder);
    return;
  }
  if (root.back() == L'\\') root.pop_back();

  for (const FolderToWrite& folder : folders) {
    const std::string path = JoinPath(game_folder, folder.relative);
    HANDLE handle;
    const HoldOutcome checked = CheckFolder(path, root + FileApiName(folder.relative), handle);
    if (checked != HoldOutcome::Ok)
      return Refuse(checked, FirstLinkOnTheWay(game_folder, folder.relative, root));
    if (handle == INVALID_HANDLE_VALUE) continue;
    held_.emplace_back(path + "\\", reinterpret_cast<std::intptr_t>(handle));
    for (const std::string& name : folder.file_names)
      if (!detail::TemporaryFits(path + "\\" + name))
        return Refuse(HoldOutcome::PathTooLong, path + "\\" + name);
  }
}

void FolderHold::RemoveLeftovers(const std::string& game_folder,
                                 const std::vector<FolderToWrite>& folders) const {
  for (const FolderToWrite& folder : folders) {
    const std::string path = JoinPath(game_folder, folder.relative) + "\\";
    for (const auto& held : held_)
      if (held.first == path)
        RemoveStaleTemporaries(reinterpret_cast<HANDLE>(held.second), path, folder.file_names);
  }
}

void FolderHold::Release() {
  for (const auto& held : held_) CloseHandle(reinterpret_cast<HANDLE>(held.second));
}

}  // namespace platform
