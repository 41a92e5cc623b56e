#pragma once
// How the fake machine compares names: as Windows does, without case.

#include <string>

#include "base/text_routines.h"

namespace fake {

inline std::string Key(const std::string& path) { return AsciiLowerCase(path); }

// A folder's name is the same with separators after it.
inline std::string FolderKey(std::string path) {
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  return Key(path);
}

// Whether path lies below folder, case aside.
inline bool Under(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() + 1 &&
         Key(path.substr(0, folder.size() + 1)) == Key(folder + "\\");
}

// The folder that holds path, without its separator.
inline std::string Parent(const std::string& path) {
  const std::string::size_type at = path.rfind('\\');
  return at == std::string::npos ? std::string() : path.substr(0, at);
}

}  // namespace fake
