#pragma once
// Where the pack's files and the game's lists lie in a game folder, for the
// install and the removal alike: every path is the game folder, the layout
// prefix and a path under "\Data\", joined as they are.

#include <string>

namespace engine {

class GamePaths {
 public:
  // The layout is chosen here, by UsesRunLayout.
  explicit GamePaths(const std::string& game_folder);

  std::string SingleMissionList() const;
  std::string MissionList() const;
  std::string BattleNameList() const;
  // Where a map's file goes: its picture (PreviewExt) under "Interf3\maps\skirmish",
  // its map and description file under "Missions\Skirmish".
  std::string MapDestination(const std::string& file_name) const;
  // "\Run" or empty.
  const std::string& Layout() const { return layout_; }

 private:
  std::string UnderData(const std::string& under_data) const;
  std::string game_folder_;
  std::string layout_;
};

}  // namespace engine
