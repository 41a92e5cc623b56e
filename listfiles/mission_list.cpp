#include "listfiles/mission_list.h"

#include <map>

#include "listfiles/entry_search.h"
#include "listfiles/line_list.h"
#include "listfiles/raw_lines.h"
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

void UpdateMissionList(platform::System& system, const std::string& path, MapCatalogue& catalogue) {
  LineList list = LineList::LoadLines(system, path);
  const std::vector<std::string> marked = MarkedEntries(catalogue);
  EntrySearch search(list, marked);
  for (std::size_t i = 0; i < marked.size(); ++i) {
    if (search.Contains(i)) continue;
    for (const std::string& line : MissionBlock(marked[i])) search.AppendTo(list, line);
    catalogue.MapNames[i] = BaseName(marked[i]);
  }
  list.SaveLines(system, path);
}

bool RemoveFromMissionList(platform::System& system, const std::string& path,
                           const MapCatalogue& catalogue) {
  RawLines lines(LoadBytes(system, path));
  std::map<std::string, std::vector<std::string>> blocks;  // by their first line
  for (const std::string& marked : MarkedEntries(catalogue))
    blocks.emplace(marked, MissionBlock(marked));
  for (std::size_t index = 0; index < lines.Count();) {
    const auto block = blocks.find(lines.Line(index));
    bool whole = block != blocks.end() && index + block->second.size() <= lines.Count();
    for (std::size_t k = 1; whole && k < block->second.size(); ++k)
      whole = lines.Line(index + k) == block->second[k];
    if (!whole) {
      ++index;
      continue;
    }
    for (std::size_t k = 0; k < block->second.size(); ++k) lines.Remove(index + k);
    index += block->second.size();
  }
  if (!lines.Changed()) return false;
  SaveBytes(system, path, lines.Bytes());
  return true;
}
