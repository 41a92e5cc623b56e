#include "app/pack_record.h"

#include <windows.h>
// shlobj.h builds on windows.h.
#include <shlobj.h>

#include <vector>

#include "base/failure.h"
#include "base/messages.h"
#include "engine/game_paths.h"
#include "pack/map_catalogue.h"
#include "platform/file_system.h"
#include "wizard/game_folder_registry.h"

namespace app {

const char kPackUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelmora pack";

namespace {

const char kKeptFolderName[] = "\\Zelmora Setup";
const char kKeptProgramName[] = "\\Setup.exe";
// The game's registry view: Installed apps shows both, and 32-bit is what the pack is.
constexpr REGSAM kView = wizard::kGameRegistryView;

[[noreturn]] void NotRecorded(const std::string& why) {
  Fail(FailureKind::NotRecorded, messages::kCannotRecord, {why});
}

// The folder for the kept copy, from the system's own record of Program Files
// (not the environment, which the user who started Setup may set).
std::string KeptFolder() {
  char folder[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return std::string();
  return std::string(folder) + kKeptFolderName;
}

// Whether both paths name one file, however they spell it.
bool SameFile(const std::string& a, const std::string& b) {
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

// Whether b has a's size and time of last change, as a copy of a keeps them:
// the copy made by an earlier install of this very program, kept where only
// administrators change it, is not made again.
bool SameSizeAndTime(const std::string& a, const std::string& b) {
  WIN32_FILE_ATTRIBUTE_DATA first, second;
  return GetFileAttributesExA(a.c_str(), GetFileExInfoStandard, &first) &&
         GetFileAttributesExA(b.c_str(), GetFileExInfoStandard, &second) &&
         first.nFileSizeHigh == second.nFileSizeHigh && first.nFileSizeLow == second.nFileSizeLow &&
         CompareFileTime(&first.ftLastWriteTime, &second.ftLastWriteTime) == 0;
}

// This program, copied into its kept folder; that copy's path.
std::string KeepProgram() {
  const std::string folder = KeptFolder();
  if (folder.empty()) NotRecorded("the Program Files folder is unknown");
  // Made here with the folder's inherited rights; one already there is ours
  // from an earlier install, for no user but an administrator makes one there.
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  const bool is_folder = attributes != INVALID_FILE_ATTRIBUTES &&
                         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
                             FILE_ATTRIBUTE_DIRECTORY;
  if (!is_folder && !CreateDirectoryA(folder.c_str(), nullptr))
    NotRecorded(folder + " cannot be made");
  const std::string kept = folder + kKeptProgramName;
  const std::string running = platform::ProgramFile();
  // Run from the kept copy itself, both names show the same size and time.
  if (!SameSizeAndTime(running, kept) && !CopyFileA(running.c_str(), kept.c_str(), FALSE))
    NotRecorded("Setup.exe cannot be kept in " + folder);
  return kept;
}

class EntryKey {
 public:
  EntryKey() {
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPackUninstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | kView, nullptr, &key_, nullptr) != ERROR_SUCCESS)
      NotRecorded(std::string("the registry key ") + kPackUninstallKey + " cannot be written");
  }
  ~EntryKey() { RegCloseKey(key_); }
  EntryKey(const EntryKey&) = delete;
  EntryKey& operator=(const EntryKey&) = delete;

  void Text(const char* name, const std::string& text) {
    Set(name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
        static_cast<DWORD>(text.size() + 1));
  }
  void Number(const char* name, DWORD number) {
    Set(name, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  }

 private:
  void Set(const char* name, DWORD type, const BYTE* data, DWORD size) {
    if (RegSetValueExA(key_, name, 0, type, data, size) != ERROR_SUCCESS)
      NotRecorded(std::string("the registry value ") + name + " cannot be written");
  }
  HKEY key_ = nullptr;
};

// The pack's files in the game, in kilobytes, rounded up.
DWORD InstalledKilobytes(const std::string& game_folder) {
  const engine::GamePaths paths(game_folder);
  const pack::MapCatalogue catalogue;
  ULONGLONG bytes = 0;
  for (const std::string& entry : catalogue.MapNames)
    for (const std::string* extension : {&pack::MapExt, &pack::TextExt, &pack::PreviewExt}) {
      WIN32_FILE_ATTRIBUTE_DATA data;
      if (GetFileAttributesExA(paths.MapDestination(pack::BaseName(entry) + *extension).c_str(),
                               GetFileExInfoStandard, &data))
        bytes += (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  return static_cast<DWORD>((bytes + 1023) / 1024);
}

}  // namespace

void RecordPackInstall(const std::string& game_folder) {
  const std::string kept = KeepProgram();
  EntryKey entry;
  entry.Text("DisplayName", messages::kPackDisplayName);
  entry.Text("DisplayVersion", "1.60");
  entry.Text("Publisher", "Kolvard");
  entry.Text("InstallLocation", game_folder);
  entry.Text("DisplayIcon", kept + ",0");
  entry.Text("UninstallString", "\"" + kept + "\" /uninstall");
  entry.Text("QuietUninstallString", "\"" + kept + "\" /uninstall /S");
  entry.Number("EstimatedSize", InstalledKilobytes(game_folder));
  entry.Number("NoModify", 1);
  entry.Number("NoRepair", 1);
}

std::string RecordedGameFolder() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPackUninstallKey, 0, KEY_QUERY_VALUE | kView, &key) !=
      ERROR_SUCCESS)
    return std::string();
  DWORD type = 0, size = 0;
  std::string folder;
  if (RegQueryValueExA(key, "InstallLocation", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    // One spare zero byte: string data need not be terminated.
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key, "InstallLocation", nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS)
      folder = data.data();
  }
  RegCloseKey(key);
  return folder;
}

void ForgetPackInstall() {
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kPackUninstallKey, kView, 0);
  const std::string folder = KeptFolder();
  if (folder.empty()) return;
  const std::string kept = folder + kKeptProgramName;
  if (SameFile(platform::ProgramFile(), kept)) {
    MoveFileExA(kept.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  } else {
    DeleteFileA(kept.c_str());
    RemoveDirectoryA(folder.c_str());
  }
}

}  // namespace app
