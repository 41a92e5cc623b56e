#include "base/failure.h"

std::string FillIn(const std::string& pattern, const std::string& value) {
  std::string text = pattern;
  for (std::string::size_type at = text.find('%'); at != std::string::npos;
       at = text.find('%', at + 1)) {
    if (at + 1 < text.size() && (text[at + 1] == 's' || text[at + 1] == 'd'))
      return text.replace(at, 2, value);
  }
  return text;
}

void Fail(const std::string& pattern, const std::string& value) {
  throw Failure(FillIn(pattern, value));
}
