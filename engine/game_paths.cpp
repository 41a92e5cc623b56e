#include "engine/game_paths.h"

#include "base/paths.h"
#include "engine/game_folder.h"
#include "pack/map_catalogue.h"

namespace engine {

GamePaths::GamePaths(const std::string& game_folder)
    : game_folder_(game_folder), layout_(LayoutPrefix(game_folder)) {}

std::string GamePaths::UnderData(const std::string& under_data) const {
  return JoinPath(game_folder_, layout_ + "\\Data\\" + under_data);
}

std::string GamePaths::SingleMissionList() const { return UnderData("Missions\\SingleMiss.txt"); }

std::string GamePaths::MissionList() const { return UnderData("Missions\\missions.txt"); }

std::string GamePaths::BattleNameList() const {
  return UnderData("Missions\\Text\\Skirbatlnames.txt");
}

std::string GamePaths::MapDestination(const std::string& file_name) const {
  const std::string& picture = pack::PreviewExt;
  const bool is_picture =
      file_name.size() >= picture.size() &&
      file_name.compare(file_name.size() - picture.size(), picture.size(), picture) == 0;
  return UnderData((is_picture ? "Interf3\\maps\\skirmish\\" : "Missions\\Skirmish\\") + file_name);
}

}  // namespace engine
