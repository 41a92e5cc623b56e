#pragma once
// Where the pack's files and the game's lists lie in a game folder, for the
// install and the removal alike: every path is the game folder, the layout
// prefix and a path under "\Data\", joined as they are.

#include <string>
#include <vector>

#include "pack/map_catalogue.h"
#include "platform/system.h"

namespace engine {

class GamePaths {
 public:
  // The layout is chosen here, by UsesRunLayout.
  GamePaths(platform::System& system, const std::string& game_folder);

  std::string SingleMissionList() const;
  std::string MissionList() const;
  std::string BattleNameList() const;
  // Where a map's file goes: its picture (PreviewExt) under "Interf3\maps\skirmish",
  // its map and description file under "Missions\Skirmish".
  std::string MapDestination(const std::string& file_name) const;

  // The folders all of these lie in, relative to the game folder, each with
  // the names of the files written there: what an install or a removal holds.
  std::vector<platform::FolderToWrite> FoldersToWrite(const pack::MapCatalogue& catalogue) const;

 private:
  // Relative to the game folder.
  std::string UnderData(const std::string& under_data) const;
  std::string game_folder_;
  std::string layout_;
};

}  // namespace engine
