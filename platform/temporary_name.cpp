#include "platform/temporary_name.h"

namespace platform::detail {
namespace {

const std::string kInfix = ".~zs";

// Skips one or more decimal digits from at; npos when there are none.
std::string::size_type SkipDigits(const std::string& text, std::string::size_type at) {
  const std::string::size_type start = at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  return at == start ? std::string::npos : at;
}

}  // namespace

std::string TemporaryPath(const std::string& target, unsigned long process_id, int attempt) {
  return target + kInfix + std::to_string(process_id) + "_" + std::to_string(attempt);
}

bool IsTemporaryName(const std::string& list_name, const std::string& name) {
  const std::string prefix = list_name + kInfix;
  if (list_name.empty() || name.compare(0, prefix.size(), prefix) != 0) return false;
  std::string::size_type at = SkipDigits(name, prefix.size());
  if (at == std::string::npos || at >= name.size() || name[at] != '_') return false;
  return SkipDigits(name, at + 1) == name.size();
}

bool IsTemporaryOfAny(const std::vector<std::string>& file_names, const std::string& name) {
  for (const std::string& file_name : file_names)
    if (IsTemporaryName(file_name, name)) return true;
  return false;
}

}  // namespace platform::detail
