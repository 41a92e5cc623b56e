#include "wizard/game_folder_registry.h"

#include "base/failure.h"
#include "base/messages.h"
#include "platform/registry_key_win32.h"

namespace wizard {

const char kGameRegistryKey[] =
    "Software\\CDV Software Entertainment AG\\Cossacks 2 - Battle for Europe";
const char kTargetFolderValue[] = "target folder";

namespace {

// Opens path below HKEY_LOCAL_MACHINE with full access, creating it when
// missing, as the game's own tools do; a failed open leaves no key open.
platform::RegistryKey OpenOrCreate(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS | kGameRegistryView, nullptr, &key, nullptr) != ERROR_SUCCESS)
    key = nullptr;
  return platform::RegistryKey(key);
}

}  // namespace

void ReadGameFolder(std::string& folder) {
  const std::vector<std::string> names = OpenOrCreate(kGameRegistryKey).SubKeyNames();
  for (const std::string& name : names) {
    switch (OpenOrCreate(std::string(kGameRegistryKey) + "\\" + name)
                .ReadString(kTargetFolderValue, folder)) {
      case platform::StringValue::OtherType:
        Fail(messages::kInvalidDataType, kTargetFolderValue);
      case platform::StringValue::Unfetched:
        Fail(messages::kFailedToGetData, kTargetFolderValue);
      case platform::StringValue::Missing:
      case platform::StringValue::Text:
        break;
    }
    if (!folder.empty()) return;
  }
}

}  // namespace wizard
