#include "listfiles/mission_list.h"

#include "listfiles/entry_search.h"
#include "listfiles/line_list.h"
#include "listfiles/text_key.h"

using namespace pack;

namespace {

// The fixed texts of a mission block, whose meaning belongs to the game. The
// paths are relative to its data folder.
const std::string MissionDir = "Missions\\Skirmish\\";
const std::string PreviewDir = "Interf3\\maps\\Skirmish\\";
const std::string BlockLastLine = "236 125 1007 400";
const std::string BlockDashLine = "-";
const std::string PreviewLineSuffix = " 444 211";

}  // namespace

std::vector<std::string> MissionBlock(const std::string& marked_entry) {
  const std::string base = BaseName(marked_entry);
  return {marked_entry,
          TextKey(marked_entry),
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
