#include <windows.h>

#include <string>

#include "platform/file_system.h"
#include "platform/temporary_name.h"
#include "platform/write_limit.h"

namespace platform {
namespace {

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ~ScopedFile() { Close(); }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (IsOpen()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

// A 32-bit process cannot hold a list file anywhere near this size anyway.
constexpr DWORD kLargestReadableFile = 512u * 1024u * 1024u;

// Virus scanners and the search indexer open a file for a moment right after
// it is written or renamed. An attempt that meets such a hold is made again,
// with growing pauses, for about a second in all; any other failure ends it at
// once. attempt returns whether it succeeded and leaves the system's error code
// set when it did not. A hold shows as a sharing violation on opening, and as
// access denied on replacing a file that is open (which the open for saving
// has just shown we are otherwise allowed to do).
template <typename Attempt>
bool RetryWhileHeld(Attempt attempt, DWORD other_sign_of_a_hold = ERROR_SHARING_VIOLATION) {
  constexpr DWORD kPatience = 1000;
  DWORD waited = 0;
  for (DWORD pause = 10;; pause *= 2) {
    if (attempt()) return true;
    const DWORD error = GetLastError();
    if ((error != ERROR_SHARING_VIOLATION && error != other_sign_of_a_hold) || waited >= kPatience)
      return false;
    const DWORD step = pause < kPatience - waited ? pause : kPatience - waited;
    Sleep(step);
    waited += step;
  }
}

// A fresh file beside the target for the new content; empty handle if none can
// be made. Others may delete or rename it, so that it can be moved over the
// target while it is still held open: another run's clean-up then sees it held
// and leaves it alone.
HANDLE CreateTemporaryBeside(const std::string& target, std::string& temporary_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_path = detail::TemporaryPath(target, GetCurrentProcessId(), attempt);
    HANDLE file = CreateFileA(temporary_path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

CopyOutcome CopyOutcomeOfError(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND ? CopyOutcome::SourceMissing : CopyOutcome::Failed;
}

constexpr UINT kWindows1252 = 1252;

// The bytes read as text in code_page; false when flags ask for valid text and
// they are not.
bool Widen(const std::string& bytes, UINT code_page, DWORD flags, std::wstring& wide) {
  wide.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page, flags, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  wide.assign(static_cast<std::size_t>(length), L'\0');
  return MultiByteToWideChar(code_page, flags, bytes.data(), size, &wide[0], length) == length;
}

// The name that the ...A file functions make of bytes: read in their code page,
// with what that code page leaves undefined turned into its default character,
// as they do (so the game, opening these bytes, meets the same name).
std::wstring FileApiName(const std::string& bytes) {
  std::wstring wide;
  Widen(bytes, AreFileApisANSI() ? CP_ACP : CP_OEMCP, 0, wide);
  return wide;
}

// Removes the temporaries of target that a run ended between creating and
// moving them left behind. Deleting on close with no sharing succeeds only
// while nobody else holds the file, so a temporary in use is kept.
void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = detail::FolderOf(target);
  const std::string list_name = detail::FileNameOf(target);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((target + ".~zs*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !detail::IsTemporaryName(list_name, found.cFileName))
      continue;
    HANDLE stale = CreateFileA((folder + found.cFileName).c_str(), DELETE, 0, nullptr,
                               OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (stale != INVALID_HANDLE_VALUE) CloseHandle(stale);  // closing deletes it
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string CurrentDirectory() {
  std::string buffer(MAX_PATH + 1, '\0');
  for (;;) {
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), &buffer[0]);
    if (length == 0) return std::string();
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    // Too small: length is the size needed, terminating zero included.
    buffer.assign(length, '\0');
  }
}

CopyOutcome CopyFileReplacing(const std::string& source, const std::string& destination) {
  if (CopyFileA(source.c_str(), destination.c_str(), FALSE)) return CopyOutcome::Ok;
  return CopyOutcomeOfError(GetLastError());
}

CopyOutcome CopyFileNamedInWindows1252(const std::string& folder, const std::string& file_name,
                                       const std::string& destination) {
  std::wstring western_name;
  if (!Widen(file_name, kWindows1252, MB_ERR_INVALID_CHARS, western_name))
    return CopyOutcome::Failed;
  if (FileApiName(file_name) == western_name) return CopyOutcome::SourceMissing;
  if (CopyFileW((FileApiName(folder) + western_name).c_str(), FileApiName(destination).c_str(),
                FALSE))
    return CopyOutcome::Ok;
  return CopyOutcomeOfError(GetLastError());
}

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::size_t headroom) {
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return ReadOutcome::CannotOpen;

  LONG high = 0;
  const DWORD length = SetFilePointer(file.Get(), 0, &high, FILE_END);
  if ((length == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) || high != 0 ||
      length > kLargestReadableFile)
    return ReadOutcome::CannotRead;
  if (SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN) != 0) return ReadOutcome::CannotRead;

  bytes.reserve(length + headroom);
  bytes.assign(length, '\0');
  DWORD read = 0;
  if (length != 0 && (!ReadFile(file.Get(), &bytes[0], length, &read, nullptr) || read != length))
    return ReadOutcome::CannotRead;
  return ReadOutcome::Ok;
}

WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes) {
  bool existed = false;
  {
    // The rule for saving: the target must open for writing with nobody else sharing it.
    HANDLE probe = INVALID_HANDLE_VALUE;
    const bool opened = RetryWhileHeld([&] {
      probe = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
      existed = GetLastError() == ERROR_ALREADY_EXISTS;
      return probe != INVALID_HANDLE_VALUE;
    });
    ScopedFile target(probe);
    if (!opened) return WriteOutcome::CannotCreate;
  }
  const auto give_up = [&](const std::string& temporary, WriteOutcome outcome) {
    if (!temporary.empty()) DeleteFileA(temporary.c_str());
    if (!existed) DeleteFileA(path.c_str());
    return outcome;
  };
  RemoveStaleTemporaries(path);

  std::string temporary_path;
  ScopedFile temporary(CreateTemporaryBeside(path, temporary_path));
  if (!temporary.IsOpen()) return give_up(std::string(), WriteOutcome::CannotCreate);

  DWORD written = 0;
  const bool stored =
      bytes.empty() ||
      (WriteFile(temporary.Get(), bytes.data(),
                 static_cast<DWORD>(detail::TakeWriteAllowance(bytes.size())), &written, nullptr) &&
       written == bytes.size());
  if (!stored || !FlushFileBuffers(temporary.Get())) {
    temporary.Close();
    return give_up(temporary_path, WriteOutcome::ShortWrite);
  }
  // Moved while still held, so that no moment exists in which it is closed but
  // not yet in place (see CreateTemporaryBeside).
  const bool moved = RetryWhileHeld(
      [&] {
        return MoveFileExA(temporary_path.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
      },
      ERROR_ACCESS_DENIED);
  temporary.Close();
  if (!moved) return give_up(temporary_path, WriteOutcome::CannotCreate);
  return WriteOutcome::Ok;
}

}  // namespace platform
