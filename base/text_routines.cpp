#include "base/text_routines.h"

#include "base/failure.h"
#include "base/messages.h"

int FindText(const std::string& needle, const std::string& text) {
  if (needle.empty()) return 0;
  const std::string::size_type at = text.find(needle);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseDecimal(const std::string& text, std::size_t at, std::int32_t& value) {
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at == text.size()) return false;
  // Accumulate the magnitude in 64 bits; digits past the range fail at once.
  std::int64_t magnitude = 0;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return false;
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

bool ParseHexadecimal(const std::string& text, std::size_t at, std::int32_t& value) {
  if (at == text.size()) return false;
  std::uint64_t bits = 0;
  for (; at < text.size(); ++at) {
    const int digit = HexDigitValue(text[at]);
    if (digit < 0) return false;
    bits = bits * 16 + static_cast<std::uint64_t>(digit);
    if (bits > 0xFFFFFFFFull) return false;
  }
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
  return true;
}

// Length of the hexadecimal prefix at position at, or 0 when there is none.
std::size_t HexPrefixLength(const std::string& text, std::size_t at) {
  if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) return 2;
  if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) return 1;
  return 0;
}

}  // namespace

std::int32_t ParseInt(const std::string& text) {
  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string::npos) at = text.size();
  std::int32_t value = 0;
  const std::size_t prefix = HexPrefixLength(text, at);
  const bool ok =
      prefix != 0 ? ParseHexadecimal(text, at + prefix, value) : ParseDecimal(text, at, value);
  if (!ok) Fail(messages::kNotAValidInteger, text);
  return value;
}

std::string FormatInt(std::int32_t value) { return std::to_string(value); }

std::string AsciiLowerCase(const std::string& text) {
  std::string lower = text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}
