#include <windows.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/file_win32.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {

using detail::FileApiName;
using detail::ScopedFile;

namespace {

// A 32-bit process cannot hold a list file anywhere near this size anyway.
constexpr DWORD kLargestReadableFile = 512u * 1024u * 1024u;

constexpr DWORD kCopyChunk = 256 * 1024;

CopyOutcome CopyOutcomeOfError(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND ? CopyOutcome::SourceMissing : CopyOutcome::Failed;
}

// Copies the rest of in into out; false on any failed or short read or write.
bool CopyBytes(HANDLE in, HANDLE out) {
  // Made once: clearing a fresh buffer for each of an install's copies costs
  // more than the copies themselves gain from it.
  static std::vector<char> chunk(kCopyChunk);
  for (;;) {
    DWORD read = 0, written = 0;
    if (!ReadFile(in, chunk.data(), kCopyChunk, &read, nullptr)) return false;
    if (read == 0) return true;
    if (!WriteFile(out, chunk.data(), read, &written, nullptr) || written != read) return false;
  }
}

// The opened source copied into a fresh temporary beside the destination, which
// is then renamed over it through its own handle: the destination holds the
// old bytes or all the new ones, and what the rename moves is the very file
// written. A failed copy deletes the temporary through that handle.
CopyOutcome CopyOver(HANDLE source, const std::string& destination) {
  if (source == INVALID_HANDLE_VALUE) return CopyOutcomeOfError(GetLastError());
  ScopedFile in(source);
  if (!detail::MayWriteInto(destination)) return CopyOutcome::Failed;
  int attempt = 0;
  ScopedFile out(detail::CreateTemporaryBeside(destination, FILE_ATTRIBUTE_NORMAL,
                                               detail::kTemporaryAttempts, attempt));
  if (!out.IsOpen()) return CopyOutcome::Failed;
  if (CopyBytes(in.Get(), out.Get()) && detail::MoveOver(out.Get(), destination))
    return CopyOutcome::Ok;
  detail::Discard(out.Get());
  return CopyOutcome::Failed;
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

}  // namespace

std::wstring detail::FileApiName(const std::string& bytes) {
  std::wstring wide;
  Widen(bytes, AreFileApisANSI() ? CP_ACP : CP_OEMCP, 0, wide);
  return wide;
}

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
  return CopyOver(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr),
                  destination);
}

CopyOutcome CopyFileNamedInWindows1252(const std::string& folder, const std::string& file_name,
                                       const std::string& destination) {
  std::wstring western_name;
  if (!Widen(file_name, kWindows1252, MB_ERR_INVALID_CHARS, western_name))
    return CopyOutcome::Failed;
  if (FileApiName(file_name) == western_name) return CopyOutcome::SourceMissing;
  return CopyOver(
      CreateFileW((FileApiName(folder) + western_name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr),
      destination);
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

}  // namespace platform
