#include <windows.h>

#include <string>

#include "platform/file_system.h"
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

// A fresh file beside the target for the new content; empty handle if none can be made.
HANDLE CreateTemporaryBeside(const std::string& target, std::string& temporary_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_path =
        target + ".~zs" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(attempt);
    HANDLE file = CreateFileA(temporary_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

CopyOutcome CopyOutcomeOfError(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND ? CopyOutcome::SourceMissing : CopyOutcome::Failed;
}

constexpr UINT kWindows1252 = 1252;

// The bytes read as text in code_page; false when they are not valid text there.
bool Widen(const std::string& bytes, UINT code_page, std::wstring& wide) {
  wide.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  wide.assign(static_cast<std::size_t>(length), L'\0');
  return MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, &wide[0],
                             length) == length;
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
  // The code page in which the ...A file calls read names.
  const UINT system_code_page = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
  std::wstring western_name, system_name, wide_folder, wide_destination;
  if (!Widen(file_name, kWindows1252, western_name)) return CopyOutcome::Failed;
  if (Widen(file_name, system_code_page, system_name) && system_name == western_name)
    return CopyOutcome::SourceMissing;
  // A multi-byte code page may not form a name of these bytes at all; the
  // destination is then left as a plain copy would have left it.
  if (!Widen(folder, system_code_page, wide_folder) ||
      !Widen(destination, system_code_page, wide_destination))
    return CopyOutcome::Failed;
  if (CopyFileW((wide_folder + western_name).c_str(), wide_destination.c_str(), FALSE))
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
    ScopedFile target(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target.IsOpen()) return WriteOutcome::CannotCreate;
    existed = GetLastError() == ERROR_ALREADY_EXISTS;
  }
  const auto give_up = [&](const std::string& temporary, WriteOutcome outcome) {
    if (!temporary.empty()) DeleteFileA(temporary.c_str());
    if (!existed) DeleteFileA(path.c_str());
    return outcome;
  };

  std::string temporary_path;
  ScopedFile temporary(CreateTemporaryBeside(path, temporary_path));
  if (!temporary.IsOpen()) return give_up(std::string(), WriteOutcome::CannotCreate);

  if (!bytes.empty()) {
    const DWORD allowed = static_cast<DWORD>(detail::TakeWriteAllowance(bytes.size()));
    DWORD written = 0;
    if (!WriteFile(temporary.Get(), bytes.data(), allowed, &written, nullptr) ||
        written != bytes.size()) {
      temporary.Close();
      return give_up(temporary_path, WriteOutcome::ShortWrite);
    }
  }
  const bool flushed = FlushFileBuffers(temporary.Get()) != 0;
  temporary.Close();
  if (!flushed) return give_up(temporary_path, WriteOutcome::ShortWrite);

  if (!MoveFileExA(temporary_path.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return give_up(temporary_path, WriteOutcome::CannotCreate);
  return WriteOutcome::Ok;
}

}  // namespace platform
