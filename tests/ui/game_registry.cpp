#include "tests/ui/game_registry.h"

#include "wizard/game_folder_registry.h"

void RemoveGameKey() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, wizard::kGameRegistryKey); }

void CreateGameKey() {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, wizard::kGameRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr);
  RegCloseKey(key);
}

void SetTargetFolder(const std::string& sub_key, DWORD type, const std::string& data,
                     bool no_value) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                  (std::string(wizard::kGameRegistryKey) + "\\" + sub_key).c_str(), 0, nullptr, 0,
                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
  // data is passed with exactly its own bytes: no terminating NUL unless it holds one.
  if (!no_value)
    RegSetValueExA(key, wizard::kTargetFolderValue, 0, type,
                   reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
  RegCloseKey(key);
}

void SetUnterminatedTargetFolder(const std::string& sub_key, const std::string& text) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                  (std::string(wizard::kGameRegistryKey) + "\\" + sub_key).c_str(), 0, nullptr, 0,
                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
  // The byte after the counted ones must not be NUL, or the registry counts it too.
  const std::string buffer = text + "QQ";
  RegSetValueExA(key, wizard::kTargetFolderValue, 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(buffer.data()), static_cast<DWORD>(text.size()));
  RegCloseKey(key);
}
