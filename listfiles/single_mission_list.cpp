#include "listfiles/single_mission_list.h"

#include "listfiles/line_list.h"
#include "listfiles/text_routines.h"

void UpdateSingleMissionList(const std::string& path, const engine::MapCatalogue& catalogue) {
  LineList list = LineList::LoadLines(path);
  for (const std::string& entry : catalogue.MapNames) {
    // The base name alone would also match lines that merely mention the map.
    const std::string marked = engine::MarkedEntry(entry);
    if (!list.ContainsText(marked)) list.AppendLine(marked);
  }

  int non_empty = 0;
  for (int index = 0; index < list.LineCount(); ++index)
    if (!list.GetLine(index).empty()) ++non_empty;
  if (non_empty >= 1) {
    ParseInt(list.GetLine(0));  // only its form matters; the value is recomputed
    list.SetLine(0, FormatInt(non_empty - 1));
  }
  list.SaveLines(path);
}
