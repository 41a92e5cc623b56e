#include "tests/ui/game_registry.h"

#include "wizard/game_folder_registry.h"

namespace {

// Named here, not taken from the program, so that a wrong view in the program
// shows: the 32-bit game writes the 32-bit view; the 64-bit one is the other.
constexpr REGSAM kGamesView = KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;

std::string GameSubKey(const std::string& sub_key) {
  return std::string(wizard::kGameRegistryKey) + "\\" + sub_key;
}

HKEY CreateKey(const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                  &key, nullptr);
  return key;
}

void RemoveKeyTree(REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, wizard::kGameRegistryKey, 0, KEY_ALL_ACCESS | view, &key) !=
      ERROR_SUCCESS)
    return;
  RegDeleteTreeA(key, nullptr);
  RegCloseKey(key);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, wizard::kGameRegistryKey, view, 0);
}

void WriteTargetFolder(HKEY key, DWORD type, const std::string& data, DWORD size) {
  RegSetValueExA(key, wizard::kTargetFolderValue, 0, type,
                 reinterpret_cast<const BYTE*>(data.data()), size);
  RegCloseKey(key);
}

}  // namespace

void RemoveGameKey() {
  RemoveKeyTree(kGamesView);
  RemoveKeyTree(kOtherView);
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
