// libFuzzer target: the line rules, the integer parse and the title rule on
// arbitrary bytes. Aborts on any broken property.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/failure.h"
#include "base/text_routines.h"
#include "listfiles/battle_names.h"
#include "listfiles/line_breaks.h"
#include "listfiles/line_list.h"
#include "listfiles/raw_lines.h"

namespace {

void Check(bool property) {
  if (!property) std::abort();
}

void CheckLineRules(const std::string& bytes) {
  const LineList list = LineList::FromBytes(bytes);
  std::size_t total = 0;
  for (int i = 0; i < list.LineCount(); ++i) {
    const std::string line = list.GetLine(i);
    Check(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    total += line.size() + 2;
  }
  const std::string& joined = list.JoinedText();
  Check(joined.size() == total);
  // The saved form is a fixed point: loading it gives the same lines again.
  const LineList again = LineList::FromBytes(joined);
  Check(again.LineCount() == list.LineCount() && again.JoinedText() == joined);
  // Without NUL or lone line breaks, the file comes back byte for byte.
  if (bytes.find('\0') == std::string::npos && (bytes.empty() || bytes.back() == '\n')) {
    bool only_crlf = true;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) only_crlf = false;
      if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) only_crlf = false;
    }
    if (only_crlf) Check(joined == bytes);
  }
}

// An independent reading of the integer forms, digit by digit in wide arithmetic.
bool ReferenceParse(const std::string& text, std::int64_t& value) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  std::string rest = text.substr(at);
  int base = 10;
  bool negative = false;
  for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
    const std::string p = prefix;
    if (rest.compare(0, p.size(), p) == 0) {
      base = 16;
      rest = rest.substr(p.size());
      break;
    }
  }
  if (base == 10 && !rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
    negative = rest[0] == '-';
    rest = rest.substr(1);
  }
  if (rest.empty() || rest.size() > 64) return false;
  __int128 magnitude = 0;
  for (char c : rest) {
    const char* digits = "0123456789abcdef";
    const char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
    const char* found = std::char_traits<char>::find(digits, static_cast<std::size_t>(base), lower);
    if (found == nullptr || c == '\0') return false;
    magnitude = magnitude * base + (found - digits);
    if (magnitude > (static_cast<__int128>(1) << 40)) return false;
  }
  if (base == 16) {
    if (magnitude > 0xFFFFFFFF) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    return true;
  }
  const __int128 signed_value = negative ? -magnitude : magnitude;
  if (signed_value < INT32_MIN || signed_value > INT32_MAX) return false;
  value = static_cast<std::int64_t>(signed_value);
  return true;
}

void CheckParseInt(const std::string& text) {
  std::int64_t expected = 0;
  const bool valid = ReferenceParse(text, expected);
  try {
    const std::int32_t parsed = ParseInt(text);
    Check(valid && parsed == expected);
    // Plain decimal text parses back to itself.
    Check(ParseInt(FormatInt(parsed)) == parsed);
  } catch (const Failure& failure) {
    Check(!valid && failure.what() == "'" + text + "' is not a valid integer value");
  }
}

void CheckTitle(const std::string& line) {
  const std::string title = MapTitleFromLine(line);
  Check(title.find('}') == std::string::npos);
  if (line.size() < 2) {
    Check(title.empty());
    return;
  }
  // The title ends right before the final character and starts after a "}" or at 0.
  const std::size_t start = line.size() - 1 - title.size();
  Check(line.compare(start, title.size(), title) == 0);
  Check(start == 0 || line[start - 1] == '}');
}

// Lines taken out of a file's own bytes (here those that begin with "#", as the
// pack's entries do): the result reads as the other lines, in order, none
// changed, with whatever followed a NUL byte as it was; doing it again changes nothing.
void CheckLinesTakenOut(const std::string& bytes) {
  RawLines lines(bytes);
  for (std::size_t i = 0; i < lines.Count(); ++i)
    if (lines.Line(i).compare(0, 1, "#") == 0) lines.Remove(i);
  const std::string out = lines.Bytes();
  const RawLines original(bytes), result(out);
  std::size_t matched = 0;
  for (std::size_t i = 0; i < original.Count(); ++i) {
    if (matched < result.Count() && original.Line(i) == result.Line(matched))
      ++matched;
    else
      Check(original.Line(i).compare(0, 1, "#") == 0);
  }
  Check(matched == result.Count());
  for (std::size_t i = 0; i < result.Count(); ++i) Check(result.Line(i).compare(0, 1, "#") != 0);
  const auto tail = [](const std::string& text) {
    return text.substr(line_breaks::TextEnd(text.data(), text.size()));
  };
  Check(tail(out) == tail(bytes));
  RawLines again(out);
  for (std::size_t i = 0; i < again.Count(); ++i)
    if (again.Line(i).compare(0, 1, "#") == 0) again.Remove(i);
  Check(again.Bytes() == out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckLineRules(bytes);
  CheckLinesTakenOut(bytes);
  // Texts that reach the parse are lines: they never hold a NUL.
  CheckParseInt(bytes.substr(0, std::min<std::size_t>(40, bytes.find('\0'))));
  CheckTitle(bytes.substr(0, bytes.find_first_of(std::string("\r\n\0", 3))));
  return 0;
}
