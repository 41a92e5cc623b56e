#pragma once
// One open registry key, closed with its owner, and the reads made of it.

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// What a read of a string value found.
enum class StringValue {
  Missing,    // no key open, no such value, or a value without data
  Text,       // a string or expandable string: its text up to the first NUL
  OtherType,  // data of another type
  Unfetched,  // the data could not be fetched after its size was known
};

class RegistryKey {
 public:
  // Owns key; null for none open.
  explicit RegistryKey(HKEY key = nullptr) : key_(key) {}
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Names of the key's direct sub-keys in enumeration order; none when no key is open.
  std::vector<std::string> SubKeyNames() const;
  // Reads the value name; text receives the string for Text, else nothing.
  // An expandable string is left unexpanded.
  StringValue ReadString(const char* name, std::string& text) const;

 private:
  HKEY key_;
};

// Opens path below root for reading, in view (0 for the program's own,
// KEY_WOW64_32KEY or KEY_WOW64_64KEY); no key is open when that fails.
RegistryKey OpenForReading(HKEY root, const std::string& path, REGSAM view);

// The text of a string value, or empty when it is anything else.
std::string ReadText(HKEY root, const std::string& path, REGSAM view, const char* name);

}  // namespace platform
