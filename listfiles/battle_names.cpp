#include "listfiles/battle_names.h"

#include "listfiles/line_list.h"
#include "listfiles/raw_lines.h"
#include "listfiles/text_key.h"

std::string MapTitleFromLine(const std::string& first_line) {
  if (first_line.size() < 2) return std::string();
  const std::string::size_type last = first_line.size() - 1;
  const std::string::size_type brace = first_line.rfind('}', last - 1);
  const std::string::size_type start = brace == std::string::npos ? 0 : brace + 1;
  return first_line.substr(start, last - start);
}

std::string ReadMapTitle(platform::System& system, const std::string& path) {
  return MapTitleFromLine(LineList::LoadLines(system, path).GetLine(0));
}

std::string MapTitleFromText(std::string bytes) {
  return MapTitleFromLine(LineList::FromBytes(std::move(bytes)).GetLine(0));
}

std::string BattleNameLine(const std::string& entry, const std::string& title) {
  return TextKey(entry) + " " + title;
}

void AddBattleName(platform::System& system, const std::string& path, const std::string& line) {
  LineList list = LineList::LoadLines(system, path);
  if (!list.ContainsText(line)) list.AppendLine(line);
  list.SaveLines(system, path);
}

bool RemoveBattleNames(platform::System& system, const std::string& path,
                       const pack::MapCatalogue& catalogue) {
  RawLines lines(LoadBytes(system, path));
  std::vector<std::string> keys;
  for (const std::string& entry : catalogue.MapNames) {
    keys.push_back(BattleNameLine(pack::MarkedEntry(entry), ""));
    keys.push_back(BattleNameLine(pack::BaseName(entry), ""));
  }
  for (std::size_t index = 0; index < lines.Count(); ++index) {
    const std::string line = lines.Line(index);
    for (const std::string& key : keys)
      if (line.compare(0, key.size(), key) == 0) lines.Remove(index);
  }
  if (!lines.Changed()) return false;
  SaveBytes(system, path, lines.Bytes());
  return true;
}
