#include "tests/ui/game_registry.h"

#include "wizard/game_folder_registry.h"

const char kSteamUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 4890";
const char kValveSteamKey[] = "Software\\Valve\\Steam";
const char kGogGamesKey[] = "Software\\GOG.com\\Games";

namespace {

// Named here, not taken from the program, so that a wrong view in the program
// shows: the 32-bit game writes the 32-bit view; the 64-bit one is the other.
constexpr REGSAM kGamesView = KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;

std::string GameSubKey(const std::string& sub_key) {
  return std::string(wizard::kGameRegistryKey) + "\\" + sub_key;
}

HKEY CreateKey(HKEY root, const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr);
  return key;
}

HKEY CreateKey(const std::string& path, REGSAM view) {
  return CreateKey(HKEY_LOCAL_MACHINE, path, view);
}

void RemoveKeyTree(HKEY root, const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS) return;
  RegDeleteTreeA(key, nullptr);
  RegCloseKey(key);
  RegDeleteKeyExA(root, path.c_str(), view, 0);
}

void WriteValue(HKEY key, const char* name, DWORD type, const std::string& data, DWORD size) {
  RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), size);
  RegCloseKey(key);
}

void WriteTargetFolder(HKEY key, DWORD type, const std::string& data, DWORD size) {
  WriteValue(key, wizard::kTargetFolderValue, type, data, size);
}

}  // namespace

void RemoveGameEntries() {
  for (REGSAM view : {kGamesView, kOtherView}) {
    RemoveKeyTree(HKEY_LOCAL_MACHINE, wizard::kGameRegistryKey, view);
    RemoveKeyTree(HKEY_LOCAL_MACHINE, kSteamUninstallKey, view);
  }
  RemoveKeyTree(HKEY_CURRENT_USER, kValveSteamKey, 0);
  RemoveKeyTree(HKEY_LOCAL_MACHINE, kValveSteamKey, kGamesView);
  RemoveKeyTree(HKEY_LOCAL_MACHINE, kGogGamesKey, kGamesView);
}

void CreateGameKey() { RegCloseKey(CreateKey(wizard::kGameRegistryKey, kGamesView)); }

void SetTargetFolder(const std::string& sub_key, DWORD type, const std::string& data,
                     bool no_value) {
  HKEY key = CreateKey(GameSubKey(sub_key), kGamesView);
  // data is passed with exactly its own bytes: no terminating NUL unless it holds one.
  if (no_value)
    RegCloseKey(key);
  else
    WriteTargetFolder(key, type, data, static_cast<DWORD>(data.size()));
}

void SetTargetFolderInTheOtherView(const std::string& sub_key, const std::string& text) {
  WriteTargetFolder(CreateKey(GameSubKey(sub_key), kOtherView), REG_SZ, text,
                    static_cast<DWORD>(text.size() + 1));
}

void SetUnterminatedTargetFolder(const std::string& sub_key, const std::string& text) {
  // The byte after the counted ones must not be NUL, or the registry counts it too.
  WriteTargetFolder(CreateKey(GameSubKey(sub_key), kGamesView), REG_SZ, text + "QQ",
                    static_cast<DWORD>(text.size()));
}

void SetText(HKEY root, const std::string& path, REGSAM view, const char* name,
             const std::string& text) {
  WriteValue(CreateKey(root, path, view), name, REG_SZ, text, static_cast<DWORD>(text.size() + 1));
}
