#include "listfiles/single_mission_list.h"

#include <set>

#include "base/text_routines.h"
#include "listfiles/entry_search.h"
#include "listfiles/line_list.h"
#include "listfiles/raw_lines.h"

void UpdateSingleMissionList(platform::System& system, const std::string& path,
                             const pack::MapCatalogue& catalogue) {
  LineList list = LineList::LoadLines(system, path);
  // Searched in marked form: the base name alone would also match lines that
  // merely mention the map.
  const std::vector<std::string> marked = pack::MarkedEntries(catalogue);
  EntrySearch search(list, marked);
  for (std::size_t i = 0; i < marked.size(); ++i)
    if (!search.Contains(i)) search.AppendTo(list, marked[i]);

  int non_empty = 0;
  for (int index = 0; index < list.LineCount(); ++index)
    if (!list.GetLine(index).empty()) ++non_empty;
  if (non_empty >= 1) {
    ParseInt(list.GetLine(0));  // only its form matters; the value is recomputed
    list.SetLine(0, FormatInt(non_empty - 1));
  }
  list.SaveLines(system, path);
}

bool RemoveFromSingleMissionList(platform::System& system, const std::string& path,
                                 const pack::MapCatalogue& catalogue) {
  RawLines lines(LoadBytes(system, path));
  const std::vector<std::string> marked = pack::MarkedEntries(catalogue);
  const std::set<std::string> entries(marked.begin(), marked.end());
  for (std::size_t index = 1; index < lines.Count(); ++index)
    if (entries.count(lines.Line(index)) != 0) lines.Remove(index);
  if (!lines.Changed()) return false;

  int non_empty = 0;
  for (std::size_t index = 0; index < lines.Count(); ++index)
    if (!lines.IsRemoved(index) && !lines.Line(index).empty()) ++non_empty;
  ParseInt(lines.Line(0));  // only its form matters, as in the update
  lines.Replace(0, FormatInt(non_empty - 1));
  SaveBytes(system, path, lines.Bytes());
  return true;
}
