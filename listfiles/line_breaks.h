#pragma once
// Where the lines of a text end, by the loading rules: at CR LF, a lone LF or
// a lone CR. Shared by the lists loaded for editing and by the removal that
// keeps a file's own bytes.

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace line_breaks {

// Position of the next c at or after from, before end; end when there is none.
// Remembered between calls so that a run of lone CRs is not rescanned.
class NextByte {
 public:
  NextByte(const char* data, std::size_t end, char c) : data_(data), end_(end), c_(c) {}
  std::size_t From(std::size_t from) {
    if (!known_ || found_ < from) {
      const void* hit = std::memchr(data_ + from, c_, end_ - from);
      found_ = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data_) : end_;
      known_ = true;
    }
    return found_;
  }

 private:
  const char* data_;
  std::size_t end_;
  char c_;
  std::size_t found_ = 0;
  bool known_ = false;
};

// Calls visit(start, stop, next) for each line of data[0, end): the line is
// data[start, stop), its line break data[stop, next). Returns whether every
// line ends in CR LF.
template <typename Visit>
bool ForEachLine(const char* data, std::size_t end, Visit visit) {
  NextByte next_cr(data, end, '\r'), next_lf(data, end, '\n');
  bool all_crlf = true;
  std::size_t at = 0;
  while (at < end) {
    const std::size_t start = at;
    const std::size_t stop = std::min(next_cr.From(at), next_lf.From(at));
    at = stop;
    all_crlf = all_crlf && at + 1 < end && data[at] == '\r' && data[at + 1] == '\n';
    if (at < end && data[at] == '\r') ++at;
    if (at < end && data[at] == '\n') ++at;
    visit(start, stop, at);
  }
  return all_crlf;
}

// Where the text ends: at its first NUL byte, else at its end.
inline std::size_t TextEnd(const char* data, std::size_t size) {
  const void* nul = std::memchr(data, '\0', size);
  return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - data) : size;
}

}  // namespace line_breaks
