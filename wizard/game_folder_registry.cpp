#include "wizard/game_folder_registry.h"

#include <windows.h>

#include <vector>

#include "base/failure.h"
#include "base/messages.h"
#include "base/text_routines.h"

namespace wizard {

const char kGameRegistryKey[] =
    "Software\\CDV Software Entertainment AG\\Cossacks 2 - Battle for Europe";
const char kTargetFolderValue[] = "target folder";

namespace {

// The registry context: HKEY_LOCAL_MACHINE with at most one key open.
class RegistryContext {
 public:
  RegistryContext() = default;
  ~RegistryContext() { Close(); }
  RegistryContext(const RegistryContext&) = delete;
  RegistryContext& operator=(const RegistryContext&) = delete;

  // Opens path with full access, creating it when missing; a failed open leaves
  // no key open and is not reported.
  void Open(const std::string& path) {
    Close();
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS | kGameRegistryView, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
      key_ = key;
  }

  void Close() {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = nullptr;
  }

  // Names of the open key's direct sub-keys in enumeration order; none when no key is open.
  std::vector<std::string> SubKeyNames() const {
    std::vector<std::string> names;
    DWORD count = 0, longest = 0;
    if (key_ == nullptr ||
        RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      return names;
    for (DWORD index = 0; index < count; ++index) {
      std::vector<char> buffer(longest + 1, '\0');
      DWORD length = static_cast<DWORD>(buffer.size());
      RegEnumKeyExA(key_, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
      buffer.back() = '\0';
      names.emplace_back(buffer.data());
    }
    return names;
  }

  // The value read rule: empty when there is no key, no value or no data; the
  // text up to its first NUL for a string; a failure for any other type.
  std::string ReadString(const char* name) const {
    DWORD type = 0, size = 0;
    if (key_ == nullptr ||
        RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0)
      return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ) Fail(messages::kInvalidDataType, name);
    // One spare zero byte: string data need not be terminated.
    std::vector<char> data(size + 1, '\0');
    DWORD fetched = size;
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &fetched) != ERROR_SUCCESS)
      Fail(messages::kFailedToGetData, name);
    return std::string(data.data());
  }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

void ReadGameFolder(std::string& folder) {
  RegistryContext registry;
  registry.Open(kGameRegistryKey);
  const std::vector<std::string> names = registry.SubKeyNames();
  for (std::size_t i = 0; folder.empty(); ++i) {
    if (i >= names.size())
      Fail(messages::kListIndexOutOfBounds, FormatInt(static_cast<std::int32_t>(i)));
    registry.Open(std::string(kGameRegistryKey) + "\\" + names[i]);
    folder = registry.ReadString(kTargetFolderValue);
  }
}

}  // namespace wizard
