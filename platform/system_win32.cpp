#include "platform/system_win32.h"

#include <windows.h>
// shlobj.h builds on windows.h.
#include <shlobj.h>

#include <vector>

#include "platform/file_win32.h"
#include "platform/registry_key_win32.h"
#include "platform/registry_view_win32.h"

namespace platform {
namespace {

bool SetMachineValue(const std::string& key, const std::string& name, DWORD type, const void* data,
                     DWORD size) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE | kGameRegistryView, nullptr, &opened,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const bool set = RegSetValueExA(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                  size) == ERROR_SUCCESS;
  RegCloseKey(opened);
  return set;
}

Removal RemovalFrom(BOOL done) {
  if (done) return Removal::Removed;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Removal::Missing
                                                                        : Removal::Failed;
}

HKEY RootOf(Hive hive) { return hive == Hive::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

REGSAM ViewOf(Hive hive) {
  switch (hive) {
    case Hive::Machine:
      return kGameRegistryView;
    case Hive::Machine64:
      return KEY_WOW64_64KEY;
    case Hive::User:
      break;
  }
  return 0;
}

bool Attributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

}  // namespace

Win32System::Win32System()
    : LocalSystem(platform::RunsUnderWine() ? ListPut::Rename : ListPut::SystemReplace) {}

bool Win32System::ReadRegistryText(Hive hive, const std::string& key, const std::string& name,
                                   std::string& text) {
  return OpenForReading(RootOf(hive), key, ViewOf(hive)).ReadString(name.c_str(), text) ==
         StringValue::Text;
}

std::vector<std::string> Win32System::SubKeyNames(Hive hive, const std::string& key) {
  return OpenForReading(RootOf(hive), key, ViewOf(hive)).SubKeyNames();
}

bool Win32System::WriteMachineText(const std::string& key, const std::string& name,
                                   const std::string& text) {
  return SetMachineValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool Win32System::WriteMachineNumber(const std::string& key, const std::string& name,
                                     std::uint32_t number) {
  const DWORD value = number;
  return SetMachineValue(key, name, REG_DWORD, &value, sizeof value);
}

Removal Win32System::RemoveMachineKey(const std::string& key) {
  const LSTATUS status = RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), kGameRegistryView, 0);
  if (status == ERROR_SUCCESS) return Removal::Removed;
  return status == ERROR_FILE_NOT_FOUND ? Removal::Missing : Removal::Failed;
}

std::string Win32System::ProgramFilesFolder() {
  char folder[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return std::string();
  return folder;
}

std::string Win32System::FullPath(const std::string& path) {
  return detail::GrowingText([&](char* buffer, DWORD size) {
    return GetFullPathNameA(path.c_str(), size, buffer, nullptr);
  });
}

std::string Win32System::EnvironmentValue(const std::string& name) {
  return detail::GrowingText([&](char* buffer, DWORD size) {
    return GetEnvironmentVariableA(name.c_str(), buffer, size);
  });
}

bool Win32System::RunsUnderWine() { return platform::RunsUnderWine(); }

bool Win32System::IsPlainFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
             FILE_ATTRIBUTE_DIRECTORY;
}

bool Win32System::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32System::MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32System::FileSize(const std::string& path, std::uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Attributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

bool Win32System::SameSizeAndTime(const std::string& a, const std::string& b) {
  WIN32_FILE_ATTRIBUTE_DATA first, second;
  return Attributes(a, first) && Attributes(b, second) &&
         first.nFileSizeHigh == second.nFileSizeHigh && first.nFileSizeLow == second.nFileSizeLow &&
         CompareFileTime(&first.ftLastWriteTime, &second.ftLastWriteTime) == 0;
}

bool Win32System::SameFile(const std::string& a, const std::string& b) {
  const auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    const bool known = file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &info);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return known;
  };
  BY_HANDLE_FILE_INFORMATION first = {}, second = {};
  return identify(a, first) && identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

bool Win32System::CopyOver(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool Win32System::Rename(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
}

Removal Win32System::Delete(const std::string& path) {
  return RemovalFrom(DeleteFileA(path.c_str()));
}

Removal Win32System::RemoveFolder(const std::string& path) {
  return RemovalFrom(RemoveDirectoryA(path.c_str()));
}

bool Win32System::DeleteAtRestart(const std::string& path) {
  return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

}  // namespace platform
