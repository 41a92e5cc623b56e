// Saving a list file under Windows: through a temporary beside it that
// replaces it, or in place where that is not allowed; and the clean-up of
// temporaries that cut-off runs left.

#include <windows.h>

#include <string>

#include "base/paths.h"
#include "platform/file_system.h"
#include "platform/file_win32.h"
#include "platform/temporary_name.h"
#include "platform/write_limit.h"

namespace platform {

using detail::FileApiName;
using detail::ScopedFile;

namespace {

// Virus scanners and the search indexer open a file for a moment right after
// it is written or renamed. An attempt that meets such a hold (a sharing
// violation) is made again, with growing pauses, for about a second in all; any
// other failure ends it at once. attempt returns whether it succeeded and leaves
// the system's error code set when it did not.
template <typename Attempt>
bool RetryWhileHeld(Attempt attempt) {
  constexpr DWORD kPatience = 1000;
  DWORD waited = 0;
  for (DWORD pause = 10;; pause *= 2) {
    if (attempt()) return true;
    if (GetLastError() != ERROR_SHARING_VIOLATION || waited >= kPatience) return false;
    const DWORD step = pause < kPatience - waited ? pause : kPatience - waited;
    Sleep(step);
    waited += step;
  }
}

// The list opened for saving: reading and writing, with nobody else sharing it.
HANDLE OpenList(const std::string& path, DWORD disposition) {
  return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The same, waiting out a hold.
HANDLE OpenListWaiting(const std::string& path, DWORD disposition) {
  HANDLE list = INVALID_HANDLE_VALUE;
  RetryWhileHeld([&] {
    list = OpenList(path, disposition);
    return list != INVALID_HANDLE_VALUE;
  });
  return list;
}

// The attributes of the list that its replacement is given from the start, so
// that they stay where the system's replace does not carry them (Wine's does not).
constexpr DWORD kCarriedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A fresh file beside the target for the new content, with the given attributes;
// empty handle if none can be made. Creating only a new name, it never opens
// what another program put under a temporary's name, a link included.
HANDLE CreateTemporaryBeside(const std::string& target, DWORD attributes,
                             std::string& temporary_path) {
  if (detail::TakeTemporaryRefusal()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_path = detail::TemporaryPath(target, GetCurrentProcessId(), attempt);
    HANDLE file = CreateFileA(temporary_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Writes all of bytes at the file's position; false when fewer were written.
bool Store(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return bytes.empty() || (WriteFile(file, bytes.data(),
                                     static_cast<DWORD>(detail::TakeWriteAllowance(bytes.size())),
                                     &written, nullptr) &&
                           written == bytes.size());
}

// The plain way of saving, which needs no right beyond writing the list: the
// content written over the old one from the start, cut at its end, flushed.
WriteOutcome WriteInPlace(HANDLE list, const std::string& bytes) {
  if (!Store(list, bytes) || !SetEndOfFile(list) || !FlushFileBuffers(list))
    return WriteOutcome::ShortWrite;
  return WriteOutcome::Ok;
}

// ReplaceFileA's failures that leave the list's name free and the new content
// under the temporary's name: the old list deleted (..._REPLACEMENT) or under a
// name of the system's choosing (..._REPLACEMENT_2). Any other failure leaves
// both files under their own names.
bool LeftTheNameFree(DWORD error) {
  return error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
}

// Wine's ReplaceFile moves the old list away, deletes it and only then moves
// the new content in: a process ended between those steps leaves no list at
// all. There a rename over the list is one step, and the temporary already has
// the list's attributes, all of its identity that Wine keeps.
bool SystemReplaceIsOneStep() { return !RunsUnderWine(); }

bool PutInPlaceOf(const std::string& path, const std::string& temporary_path) {
  if (SystemReplaceIsOneStep())
    return ReplaceFileA(path.c_str(), temporary_path.c_str(), nullptr, 0, nullptr, nullptr) != 0;
  // Windows refuses to rename over a read-only file; Wine, run as root, does
  // not, and the list would lose its mark.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return MoveFileExA(temporary_path.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Puts the flushed and closed temporary in the list's place with ReplaceFileA,
// which keeps the list's identity: the new content takes on its permissions,
// owner, attributes and streams. Where the replace is refused for anything but a
// hold (the right to delete the list, to carry its permissions, a file system
// that cannot), the list is written in place instead; no failure loses the new
// content while the list's name is free.
WriteOutcome ReplaceWithTemporary(const std::string& path, const std::string& temporary_path,
                                  const std::string& bytes) {
  HANDLE list = INVALID_HANDLE_VALUE;
  DWORD refusal = NO_ERROR;
  const bool settled = RetryWhileHeld([&] {
    if (PutInPlaceOf(path, temporary_path)) return true;
    refusal = GetLastError();
    if (refusal == ERROR_SHARING_VIOLATION || LeftTheNameFree(refusal)) {
      SetLastError(refusal);
      return false;
    }
    // Refused with both names kept: a hold on the list shows as a sharing
    // violation on opening it for saving, and is waited out; otherwise it is
    // ours to write in place.
    list = OpenList(path, OPEN_EXISTING);
    return list != INVALID_HANDLE_VALUE;
  });
  if (settled && list == INVALID_HANDLE_VALUE) return WriteOutcome::Ok;
  const bool name_free = !settled && LeftTheNameFree(refusal);
  // The temporary holds the new content (after ..._2 with the list's attributes
  // and streams too): moved into the free name, it is the list.
  if (name_free && MoveFileExA(temporary_path.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
    return WriteOutcome::Ok;
  if (list == INVALID_HANDLE_VALUE) list = OpenList(path, name_free ? OPEN_ALWAYS : OPEN_EXISTING);
  ScopedFile in_place(list);
  const WriteOutcome outcome =
      in_place.IsOpen() ? WriteInPlace(in_place.Get(), bytes) : WriteOutcome::CannotCreate;
  in_place.Close();
  // With the name left free and not filled, the temporary is the new content's only copy.
  if (outcome == WriteOutcome::Ok || !name_free) DeleteFileA(temporary_path.c_str());
  return outcome;
}

// The final path of what file is, links resolved as the system resolves them;
// empty when unknown.
std::wstring FinalPath(HANDLE file) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleW(file, &path[0], static_cast<DWORD>(path.size()), 0);
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.assign(length, L'\0');  // length counts the terminating zero here
  }
}

// The list's folder as the system knows it: its final path with a trailing
// backslash, and its volume.
struct FolderIdentity {
  std::wstring path;
  DWORD volume = 0;
};

bool IdentifyFolderOf(const std::string& target, FolderIdentity& folder) {
  ScopedFile list(CreateFileA(target.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!list.IsOpen() || !GetFileInformationByHandle(list.Get(), &info)) return false;
  folder.path = FinalPath(list.Get());
  folder.path.resize(folder.path.rfind(L'\\') + 1);  // empty without a backslash
  folder.volume = info.dwVolumeSerialNumber;
  return !folder.path.empty();
}

// True only for a plain file with one name, name, directly in folder: not a
// folder, not a link of any kind (Windows marks symbolic links and junctions as
// reparse points; under Wine a Linux link shows only in the final path, which is
// its target's), not one of several names of one file.
bool IsPlainFileNamed(HANDLE file, const FolderIdentity& folder, const std::string& name) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileInformationByHandle(file, &info) &&
         (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
         info.nNumberOfLinks == 1 && info.dwVolumeSerialNumber == folder.volume &&
         FinalPath(file) == folder.path + FileApiName(name);
}

// Removes the temporaries of target that a run ended between creating and
// replacing them left behind. The setup runs elevated in folders that users
// may write to, so what it deletes is checked through the very handle that
// deletes it: opened as the name itself, never what a link leads to, and with
// no sharing, so that a temporary in use is kept.
void RemoveStaleTemporaries(const std::string& target) {
  FolderIdentity folder;
  if (!IdentifyFolderOf(target, folder)) return;
  const std::string folder_path = FolderOf(target);
  const std::string list_name = FileNameOf(target);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((target + ".~zs*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
        !detail::IsTemporaryName(list_name, found.cFileName))
      continue;
    ScopedFile stale(CreateFileA((folder_path + found.cFileName).c_str(),
                                 DELETE | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    FILE_DISPOSITION_INFO deletion = {TRUE};
    if (stale.IsOpen() && IsPlainFileNamed(stale.Get(), folder, found.cFileName))
      SetFileInformationByHandle(stale.Get(), FileDispositionInfo, &deletion, sizeof deletion);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// The list exists and opens for saving: the new content goes to a temporary
// beside it that then replaces it or, where no temporary can be made, straight
// into the list.
WriteOutcome SaveOverExisting(const std::string& path, const std::string& bytes) {
  RemoveStaleTemporaries(path);
  const DWORD attributes = GetFileAttributesA(path.c_str());
  std::string temporary_path;
  ScopedFile temporary(CreateTemporaryBeside(
      path, attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kCarriedAttributes,
      temporary_path));
  if (!temporary.IsOpen()) {
    ScopedFile list(OpenListWaiting(path, OPEN_EXISTING));
    return list.IsOpen() ? WriteInPlace(list.Get(), bytes) : WriteOutcome::CannotCreate;
  }
  if (!Store(temporary.Get(), bytes) || !FlushFileBuffers(temporary.Get())) {
    temporary.Close();
    DeleteFileA(temporary_path.c_str());
    return WriteOutcome::ShortWrite;
  }
  temporary.Close();  // ReplaceFileA opens it with no sharing
  return ReplaceWithTemporary(path, temporary_path, bytes);
}

}  // namespace

WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes) {
  bool existed = false;
  {
    // The rule for saving: the target must open for writing with nobody else
    // sharing it. A new list is created here, empty, to be replaced like any other.
    ScopedFile probe(OpenListWaiting(path, OPEN_ALWAYS));
    if (!probe.IsOpen()) return WriteOutcome::CannotCreate;
    existed = GetLastError() == ERROR_ALREADY_EXISTS;
  }
  const WriteOutcome outcome = SaveOverExisting(path, bytes);
  if (outcome != WriteOutcome::Ok && !existed) DeleteFileA(path.c_str());
  return outcome;
}

}  // namespace platform
