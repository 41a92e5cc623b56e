// Saving a list file under Windows: through a temporary beside it that
// replaces it, or in place where only that is allowed.

#include <windows.h>

#include <string>

#include "base/paths.h"
#include "platform/file_layer.h"
#include "platform/file_win32.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {

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

// The list opened for saving: reading and writing, with nobody else sharing
// it; the name itself, never what a link there leads to.
HANDLE OpenList(const std::string& path, DWORD disposition) {
  return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// The same, waiting out a hold. A missing list is created, under a new name only.
HANDLE OpenListWaiting(const std::string& path, bool& existed) {
  HANDLE list = INVALID_HANDLE_VALUE;
  RetryWhileHeld([&] {
    list = OpenList(path, OPEN_EXISTING);
    existed = list != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND;
    if (!existed) list = OpenList(path, CREATE_NEW);
    return list != INVALID_HANDLE_VALUE;
  });
  return list;
}

// The attributes of the list that its replacement is given from the start, so
// that they stay where the system's replace does not carry them (Wine's does not).
constexpr DWORD kCarriedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A fresh file beside the target for the new content (see
// detail::CreateTemporaryBeside), with the list's carried attributes. The last
// temporary name is left for the replace's backup of the old list.
HANDLE CreateTemporaryBeside(const std::string& target, DWORD attributes, int& attempt) {
  return detail::CreateTemporaryBeside(target, attributes & kCarriedAttributes,
                                       detail::kTemporaryAttempts - 1, attempt);
}

// Writes all of bytes at the file's position; false when fewer were written.
bool Store(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return bytes.empty() ||
         (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
          written == bytes.size());
}

// The plain way of saving, which needs no right beyond writing the list: the
// content written over the old one from the start, cut at its end, flushed.
// Only into a plain file of one name: never through a link, never into a file
// that other names share.
WriteOutcome WriteInPlace(const std::string& path, const std::string& bytes) {
  HANDLE opened = INVALID_HANDLE_VALUE;
  RetryWhileHeld([&] {
    opened = OpenList(path, OPEN_EXISTING);
    return opened != INVALID_HANDLE_VALUE;
  });
  ScopedFile list(opened);
  detail::FolderIdentity folder;
  BY_HANDLE_FILE_INFORMATION info;
  if (!list.IsOpen() || !detail::IdentifyFolderOf(path, folder) ||
      !detail::IsFileNamed(list.Get(), folder, FileNameOf(path), info) || info.nNumberOfLinks != 1)
    return WriteOutcome::CannotCreate;
  if (!Store(list.Get(), bytes) || !SetEndOfFile(list.Get()) || !FlushFileBuffers(list.Get()))
    return WriteOutcome::ShortWrite;
  return WriteOutcome::Ok;
}

enum class Put {
  Replaced,
  Held,      // another program has the list open: worth waiting for
  Refused,   // for lack of rights: the list is ours to write in place
  NameFree,  // the old list under the backup's name, the new one under the temporary's
  Failed,    // both under their own names
};

// The temporary: its path, and its handle until the system's replace, which
// opens it with no sharing, needs it closed.
struct Temporary {
  std::string path;
  ScopedFile file;
  // Deleted through its handle while it has one, else through a checked one.
  void Remove() {
    if (file.IsOpen()) {
      detail::Discard(file.Get());
      file.Close();
    } else {
      detail::RemoveOwnFile(path, detail::Removal::Own);
    }
  }
};

// Puts the flushed temporary in the list's place. ReplaceFileA keeps the
// list's identity (what it keeps: see README.md) and is given a backup name so
// that after a failure halfway the old list is where we can find it.
Put PutInPlaceOf(const std::string& path, Temporary& temporary, const std::string& backup,
                 DWORD attributes, ListPut put) {
  if (put == ListPut::SystemReplace) {
    temporary.file.Close();
    if (ReplaceFileA(path.c_str(), temporary.path.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
      detail::RemoveOwnFile(backup, detail::Removal::Own);
      return Put::Replaced;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION) return Put::Held;
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) return Put::NameFree;
    if (error != ERROR_ACCESS_DENIED) return Put::Failed;
    // A program that has the list open shows as a sharing violation on opening
    // it for saving; otherwise the refusal is for lack of rights.
    ScopedFile list(OpenList(path, OPEN_EXISTING));
    return !list.IsOpen() && GetLastError() == ERROR_SHARING_VIOLATION ? Put::Held : Put::Refused;
  }
  // Windows refuses to rename over a read-only file; Wine, run as root, does
  // not, and the list would lose its mark.
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Put::Refused;
  if (detail::MoveOver(temporary.file.Get(), path)) return Put::Replaced;
  // Wine refuses to rename over a file that another program has open at all.
  const DWORD error = GetLastError();
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? Put::Held : Put::Failed;
}

WriteOutcome ReplaceWithTemporary(const std::string& path, Temporary& temporary,
                                  const std::string& backup, DWORD attributes,
                                  const std::string& bytes, ListPut way) {
  Put put = Put::Failed;
  RetryWhileHeld([&] {
    put = PutInPlaceOf(path, temporary, backup, attributes, way);
    SetLastError(put == Put::Held ? ERROR_SHARING_VIOLATION : NO_ERROR);
    return put != Put::Held;
  });
  WriteOutcome outcome = WriteOutcome::CannotCreate;
  if (put == Put::Replaced) return WriteOutcome::Ok;
  if (put == Put::Refused) outcome = WriteInPlace(path, bytes);
  if (put == Put::NameFree) {
    // The temporary has taken on the old list's attributes and streams: moved
    // into the free name, it is the list. Else the old list goes back.
    if (MoveFileExA(temporary.path.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
      detail::RemoveOwnFile(backup, detail::Removal::Own);
      return WriteOutcome::Ok;
    }
    // If that fails too, both stay beside the list, kept by later clean-ups
    // while the list is missing.
    if (!MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) return outcome;
  }
  temporary.Remove();
  return outcome;
}

// The list exists and opens for saving: the new content goes to a temporary
// beside it that then replaces it or, where the folder allows no temporary, into
// the list itself.
WriteOutcome SaveOverExisting(const std::string& path, const std::string& bytes, DWORD attributes,
                              ListPut put) {
  int attempt = 0;
  Temporary temporary{std::string(), ScopedFile(CreateTemporaryBeside(path, attributes, attempt))};
  if (!temporary.file.IsOpen())
    return GetLastError() == ERROR_ACCESS_DENIED ? WriteInPlace(path, bytes)
                                                 : WriteOutcome::CannotCreate;
  temporary.path = detail::TemporaryPath(path, GetCurrentProcessId(), attempt);
  if (!Store(temporary.file.Get(), bytes) || !FlushFileBuffers(temporary.file.Get())) {
    temporary.Remove();
    return WriteOutcome::ShortWrite;
  }
  return ReplaceWithTemporary(path, temporary,
                              detail::TemporaryPath(path, GetCurrentProcessId(), attempt + 1),
                              attributes, bytes, put);
}

}  // namespace

WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes, ListPut put) {
  if (!detail::TemporaryFits(path)) return WriteOutcome::NameTooLong;
  // The rule for saving: the target must open for writing with nobody else
  // sharing it. A new list is created here, empty, to be replaced like any other.
  bool existed = false;
  ScopedFile probe(OpenListWaiting(path, existed));
  // The attributes only: asking for the volume too costs Wine a millisecond.
  FILE_BASIC_INFO basic;
  const bool known = probe.IsOpen() &&
                     GetFileInformationByHandleEx(probe.Get(), FileBasicInfo, &basic, sizeof basic);
  if (!probe.IsOpen()) return WriteOutcome::CannotCreate;
  probe.Close();
  const WriteOutcome outcome =
      known ? SaveOverExisting(path, bytes, basic.FileAttributes, put) : WriteOutcome::CannotCreate;
  if (outcome != WriteOutcome::Ok && !existed) detail::RemoveOwnFile(path, detail::Removal::Own);
  return outcome;
}

}  // namespace platform
