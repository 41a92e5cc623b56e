#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/system_win32.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

std::wstring Widened(const std::string& bytes, UINT code_page) {
  // Never more UTF-16 units than bytes.
  std::wstring wide(bytes.size() + 1, L'\0');
  const int length = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()),
                                         &wide[0], static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return wide;
}

std::vector<std::wstring> WideNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// Wide, so that names the code page cannot spell (a pack file under code page
// 1251) go too.
void RemoveWideTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    for (const std::wstring& name : WideNames(path)) RemoveWideTree(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
  } else {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
  }
}

}  // namespace

std::string TemporaryRoot() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof buffer, buffer);
  return std::string(buffer, length < sizeof buffer ? length : 0);
}

unsigned long ProcessId() { return GetCurrentProcessId(); }

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool CreateOneFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr); }

void RemoveTree(const std::string& path) { RemoveWideTree(Widened(path, CP_ACP)); }

bool ChangeDirectory(const std::string& path) { return SetCurrentDirectoryA(path.c_str()) != 0; }

bool WriteUnderWindows1252Name(const std::string& folder, const std::string& name,
                               const std::string& bytes) {
  const std::wstring path = Widened(folder, CP_ACP) + L"\\" + Widened(name, 1252);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

// Wine starts a Linux program named by its Linux path, in the folder given, but
// hands back no process to wait for: the link is looked for instead, for up
// to ten seconds. True once it is there (planting) or gone (removing).
bool RunLinuxProgram(const std::string& folder, const std::string& program,
                     const std::string& arguments, const std::string& link, bool planting) {
  const ChildProcess linux_program(program, arguments, folder);
  if (!linux_program.Started()) return false;
  for (int waited = 0; waited < 10000; waited += 10) {
    if ((GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES) == planting) return true;
    Sleep(10);
  }
  return false;
}

PlantedLink::PlantedLink(const std::string& folder, const std::string& name,
                         const std::string& target, bool symbolic)
    : folder_(folder),
      name_(name),
      planted_(RunLinuxProgram(folder, "/bin/ln", (symbolic ? "-s " : "") + target + " " + name,
                               folder + "\\" + name, true)) {}

// Deleting it through Windows would delete what it leads to.
PlantedLink::~PlantedLink() {
  RunLinuxProgram(folder_, "/bin/rm", "-f " + name_, folder_ + "\\" + name_, false);
}

bool SetOwnMark(const std::string& path) {
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN) != 0;
}

bool SetReadOnlyMark(const std::string& path) {
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN) != 0;
}

bool SetFileLength(const std::string& path, std::uint64_t length) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD returned = 0;  // NTFS would take the room itself for a file that is not sparse
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(length);
  const bool set = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return set;
}

bool SavesThroughSystemReplace() {
  const char* through = std::getenv("ZELMORA_SAVE_THROUGH");
  return through != nullptr && std::string(through) == "ReplaceFileA";
}

platform::System& ThisMachine() {
  static platform::Win32System machine =
      SavesThroughSystemReplace() ? platform::Win32System(platform::ListPut::SystemReplace)
                                  : platform::Win32System();
  return machine;
}

bool HasOwnMark(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

std::wstring WideNamesIn(const std::string& folder) {
  std::wstring lines;
  for (const std::wstring& name : WideNames(Widened(folder, CP_ACP))) lines += name + L"\n";
  return lines;
}

std::string LinuxPathOf(const std::string& path) {
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  const auto unix_file_name = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char* linux_path =
      unix_file_name == nullptr ? nullptr : unix_file_name(Widened(path, CP_ACP).c_str());
  if (linux_path == nullptr) return std::string();
  const std::string result = linux_path;
  HeapFree(GetProcessHeap(), 0, linux_path);
  return result;
}

FileHold::FileHold(const std::string& path)
    : FileHold(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE) {}

FileHold::FileHold(const std::string& path, unsigned long access, unsigned long share)
    : handle_(reinterpret_cast<std::intptr_t>(CreateFileA(path.c_str(), access, share, nullptr,
                                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                                          nullptr))) {}

FileHold::~FileHold() {
  if (IsHeld()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool FileHold::IsHeld() const { return reinterpret_cast<HANDLE>(handle_) != INVALID_HANDLE_VALUE; }

TemporaryFolderMovedTo::TemporaryFolderMovedTo(const std::string& path) : was_set_(false) {
  char previous[MAX_PATH + 1];
  const DWORD length = GetEnvironmentVariableA("TMP", previous, sizeof previous);
  was_set_ = length > 0 && length < sizeof previous;
  if (was_set_) previous_.assign(previous, length);
  SetEnvironmentVariableA("TMP", path.c_str());
}

TemporaryFolderMovedTo::~TemporaryFolderMovedTo() {
  SetEnvironmentVariableA("TMP", was_set_ ? previous_.c_str() : nullptr);
}
