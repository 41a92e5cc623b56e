#include "listfiles/mission_list.h"

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
  for (std::string& entry : catalogue.MapNames) {
    const std::string marked = MarkedEntry(entry);
    if (list.ContainsText(marked)) continue;
    for (const std::string& line : MissionBlock(marked)) list.AppendLine(line);
    entry = BaseName(marked);
  }
  list.SaveLines(path);
}
