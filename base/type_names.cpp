#include "base/type_names.h"

#include <cstddef>

// The runtime's general demangler adds over 40 KB to Setup.exe, for names of
// failures that are all plain classes.

namespace {

// One <source-name> (its length in decimal, then its characters) at text[at];
// false when there is none.
bool ReadSourceName(const std::string& text, std::size_t& at, std::string& name) {
  if (at >= text.size() || text[at] < '1' || text[at] > '9') return false;
  std::size_t length = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    length = length * 10 + static_cast<std::size_t>(text[at++] - '0');
    if (length > text.size()) return false;
  }
  if (length > text.size() - at) return false;
  name = text.substr(at, length);
  at += length;
  if (name.compare(0, 10, "_GLOBAL__N") == 0) name = "(anonymous namespace)";
  return true;
}

}  // namespace

std::string ReadableTypeName(const std::string& mangled) {
  const bool nested = mangled.compare(0, 1, "N") == 0;
  std::size_t at = nested ? 1 : 0;
  std::string readable;
  if (mangled.compare(at, 2, "St") == 0) {
    readable = "std::";
    at += 2;
  }
  std::string name;
  if (!ReadSourceName(mangled, at, name)) return mangled;
  readable += name;
  if (nested) {
    while (ReadSourceName(mangled, at, name)) readable += "::" + name;
    if (mangled.compare(at, 1, "E") != 0) return mangled;
    ++at;
  }
  return at == mangled.size() ? readable : mangled;
}
