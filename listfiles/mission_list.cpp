#include "listfiles/mission_list.h"

#include "listfiles/entry_search.h"
#include "listfiles/line_list.h"

using namespace engine;

std::vector<std::string> MissionBlock(const std::string& marked_entry) {
  const std::string base = BaseName(marked_entry);
  return {marked_entry,
          marked_entry + TextKeySuffix,
          BlockDashLine,
          MissionDir + base + MapExt,
          MissionDir + base + TextExt,
          "2",
          PreviewDir + base + PreviewExt + PreviewLineSuffix,
          BlockLastLine};
}

void UpdateMissionList(const std::string& path, MapCatalogue& catalogue) {
  LineList list = LineList::LoadLines(path);
  const std::vector<std::string> marked = MarkedEntries(catalogue);
  EntrySearch search(list, marked);
  for (std::size_t i = 0; i < marked.size(); ++i) {
    if (search.Contains(i)) continue;
    for (const std::string& line : MissionBlock(marked[i])) search.AppendTo(list, line);
    catalogue.MapNames[i] = BaseName(marked[i]);
  }
  list.SaveLines(path);
}
