#include "base/failure.h"

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values) {
  std::string text;
  auto value = values.begin();
  for (std::string::size_type at = 0; at < pattern.size(); ++at) {
    const bool placeholder = pattern[at] == '%' && at + 1 < pattern.size() &&
                             (pattern[at + 1] == 's' || pattern[at + 1] == 'd');
    if (placeholder && value != values.end()) {
      text += *value++;
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}

std::string FillIn(const std::string& pattern, const std::string& value) {
  return FillIn(pattern, {value});
}

void Fail(const std::string& pattern, std::initializer_list<std::string> values) {
  throw Failure(FillIn(pattern, values));
}

void Fail(FailureKind kind, const std::string& pattern, std::initializer_list<std::string> values) {
  throw Failure(FillIn(pattern, values), kind);
}

void Fail(const std::string& pattern, const std::string& value) { Fail(pattern, {value}); }
