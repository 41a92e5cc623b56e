#include "base/paths.h"

namespace {

std::string::size_type LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

}  // namespace

std::string JoinPath(const std::string& a, const std::string& b) { return a + b; }

std::string FolderOf(const std::string& path) {
  const std::string::size_type separator = LastSeparator(path);
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string FileNameOf(const std::string& path) {
  const std::string::size_type separator = LastSeparator(path);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}
