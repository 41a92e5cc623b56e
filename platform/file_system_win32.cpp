#include <windows.h>

#include <string>
#include <vector>

#include "base/paths.h"
#include "platform/file_layer.h"
#include "platform/file_win32.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {

using detail::FileApiName;
using detail::GrowingText;
using detail::ScopedFile;

namespace {

// A 32-bit process cannot hold a list file anywhere near this size anyway.
constexpr DWORD kLargestReadableFile = 512u * 1024u * 1024u;

constexpr DWORD kCopyChunk = 256 * 1024;

// Copies the rest of in into out, keeping the bytes in copied when given; false
// on any failed or short read or write.
bool CopyBytes(HANDLE in, HANDLE out, std::string* copied) {
  // Made once: clearing a fresh buffer for each of an install's copies costs
  // more than the copies themselves gain from it.
  static std::vector<char> chunk(kCopyChunk);
  for (;;) {
    DWORD read = 0, written = 0;
    if (!ReadFile(in, chunk.data(), kCopyChunk, &read, nullptr)) return false;
    if (read == 0) return true;
    if (!WriteFile(out, chunk.data(), read, &written, nullptr)) return false;
    if (written != read) {  // a short write that reports no error: the drive is full
      SetLastError(ERROR_HANDLE_DISK_FULL);
      return false;
    }
    if (copied != nullptr) copied->append(chunk.data(), read);
  }
}

// How opening a source ended: Missing only where no file of that name is.
SourceFile Opened(HANDLE file) {
  LARGE_INTEGER size = {};
  if (file != INVALID_HANDLE_VALUE && GetFileSizeEx(file, &size))
    return SourceFile(reinterpret_cast<std::intptr_t>(file), Readability::Readable,
                      static_cast<std::uint64_t>(size.QuadPart),
                      [](std::intptr_t handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); });
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return SourceFile(SourceFile::kNoHandle, Readability::Unreadable);
  }
  const Readability state =
      GetLastError() == ERROR_FILE_NOT_FOUND ? Readability::Missing : Readability::Unreadable;
  return SourceFile(SourceFile::kNoHandle, state);
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

// The path with every short (8.3) name in it spelled out; unchanged when the
// system cannot tell.
std::string LongPath(const std::string& path) {
  const std::string long_path = GrowingText(
      [&](char* buffer, DWORD size) { return GetLongPathNameA(path.c_str(), buffer, size); });
  return long_path.empty() ? path : long_path;
}

// What the error of a failed step of a copy tells its caller.
CopyOutcome CopyFailure(DWORD error) {
  switch (error) {
    case ERROR_PATH_NOT_FOUND:
      return CopyOutcome::NoFolder;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return CopyOutcome::NoRoom;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return CopyOutcome::InUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return CopyOutcome::Refused;
  }
  return CopyOutcome::Failed;
}

}  // namespace

std::wstring detail::FileApiName(const std::string& bytes) {
  std::wstring wide;
  Widen(bytes, AreFileApisANSI() ? CP_ACP : CP_OEMCP, 0, wide);
  return wide;
}

// Wine alone exports its version from ntdll.
bool RunsUnderWine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string CurrentDirectory() {
  return GrowingText([](char* buffer, DWORD size) { return GetCurrentDirectoryA(size, buffer); });
}

std::string ProgramFile() {
  return GrowingText(
      [](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); });
}

bool ProgramRunsFromTemporaryFolder() {
  const std::string temporary =
      LongPath(GrowingText([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); }));
  const std::string program = LongPath(ProgramFile());
  return !temporary.empty() && program.size() > temporary.size() &&
         lstrcmpiA(program.substr(0, temporary.size()).c_str(), temporary.c_str()) == 0;
}

SourceFile OpenSource(const std::string& path) {
  return Opened(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

SourceFile OpenSourceNamedInWindows1252(const std::string& folder, const std::string& file_name) {
  std::wstring western_name;
  if (!Widen(file_name, kWindows1252, MB_ERR_INVALID_CHARS, western_name) ||
      FileApiName(file_name) == western_name)
    return SourceFile(SourceFile::kNoHandle, Readability::Missing);
  return Opened(CreateFileW((FileApiName(folder) + western_name).c_str(), GENERIC_READ,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                            nullptr));
}

// The opened source copied into a fresh temporary beside the destination, which
// is then renamed over it through its own handle: the destination holds the
// old bytes or all the new ones, and what the rename moves is the very file
// written. A failed copy deletes the temporary through that handle.
CopyOutcome CopyFileReplacing(SourceFile source, const std::string& destination,
                              std::string* copied) {
  if (source.State() != Readability::Readable)
    return source.State() == Readability::Missing ? CopyOutcome::SourceMissing
                                                  : CopyOutcome::Failed;
  ScopedFile in(reinterpret_cast<HANDLE>(source.Release()));
  int attempt = 0;
  ScopedFile out(detail::CreateTemporaryBeside(destination, FILE_ATTRIBUTE_NORMAL,
                                               detail::kTemporaryAttempts, attempt));
  if (!out.IsOpen())
    return attempt == detail::kTemporaryAttempts ? CopyOutcome::InUse : CopyFailure(GetLastError());
  if (CopyBytes(in.Get(), out.Get(), copied) && detail::MoveOver(out.Get(), destination))
    return CopyOutcome::Ok;
  const DWORD error = GetLastError();
  detail::Discard(out.Get());
  return CopyFailure(error);
}

RemoveOutcome RemoveFile(const std::string& path) {
  return detail::RemoveOwnFile(path, detail::Removal::Installed);
}

bool NameFromUtf8(const std::string& utf8, std::string& name) {
  name.clear();
  std::wstring wide, back;
  if (!Widen(utf8, CP_UTF8, MB_ERR_INVALID_CHARS, wide)) return false;
  if (wide.empty()) return true;
  // A best-fit letter would name another file: only a name that reads back
  // unchanged is the same one.
  const UINT code_page = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return false;
  name.assign(static_cast<std::size_t>(length), '\0');
  return WideCharToMultiByte(code_page, 0, wide.data(), size, &name[0], length, nullptr, nullptr) ==
             length &&
         Widen(name, code_page, 0, back) && back == wide;
}

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::size_t headroom,
                          std::size_t largest) {
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return ReadOutcome::CannotOpen;

  LONG high = 0;
  const DWORD length = SetFilePointer(file.Get(), 0, &high, FILE_END);
  if ((length == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) || high != 0 ||
      length > kLargestReadableFile || length > largest)
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
