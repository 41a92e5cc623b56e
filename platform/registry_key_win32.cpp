#include "platform/registry_key_win32.h"

namespace platform {

RegistryKey::~RegistryKey() {
  if (key_ != nullptr) RegCloseKey(key_);
}

std::vector<std::string> RegistryKey::SubKeyNames() const {
  std::vector<std::string> names;
  DWORD count = 0, longest = 0;
  if (key_ == nullptr ||
      RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS)
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

StringValue RegistryKey::ReadString(const char* name, std::string& text) const {
  DWORD type = 0, size = 0;
  if (key_ == nullptr ||
      RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0)
    return StringValue::Missing;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return StringValue::OtherType;
  // One spare zero byte: string data need not be terminated.
  std::vector<char> data(size + 1, '\0');
  DWORD fetched = size;
  if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                       &fetched) != ERROR_SUCCESS)
    return StringValue::Unfetched;
  text = data.data();
  return StringValue::Text;
}

RegistryKey OpenForReading(HKEY root, const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) key = nullptr;
  return RegistryKey(key);
}

std::string ReadText(HKEY root, const std::string& path, REGSAM view, const char* name) {
  std::string text;
  OpenForReading(root, path, view).ReadString(name, text);
  return text;
}

}  // namespace platform
