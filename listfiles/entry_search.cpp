#include "listfiles/entry_search.h"

EntrySearch::EntrySearch(const LineList& loaded, std::vector<std::string> needles)
    : needles_(std::move(needles)), in_loaded_text_(loaded.ContainsEach(needles_)) {}

bool EntrySearch::Contains(std::size_t index) const {
  return in_loaded_text_[index] || appended_.ContainsText(needles_[index]);
}

void EntrySearch::AppendTo(LineList& list, const std::string& line) {
  list.AppendLine(line);
  appended_.AppendLine(line);
}
