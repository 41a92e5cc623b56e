#pragma once
// Whether a list holds each catalogue entry, judged entry after entry against
// the list as it then stands, lines appended for earlier entries included: what
// ContainsText before each entry tells, with one pass over the loaded text.

#include <string>
#include <vector>

#include "listfiles/line_list.h"

class EntrySearch {
 public:
  EntrySearch(const LineList& loaded, std::vector<std::string> needles);

  // Is needle number index in the loaded text or in a line appended since?
  bool Contains(std::size_t index) const;
  // Appends the line to the list and counts it in later answers.
  void AppendTo(LineList& list, const std::string& line);

 private:
  std::vector<std::string> needles_;
  std::vector<bool> in_loaded_text_;
  // Needles hold no line breaks, so a match lies wholly in the loaded text or
  // wholly in the appended lines.
  LineList appended_;
};
