#include "engine/game_paths.h"

#include "base/paths.h"
#include "engine/game_folder.h"

namespace engine {
namespace {

const char kSingleMissionList[] = "Missions\\SingleMiss.txt";
const char kMissionList[] = "Missions\\missions.txt";
const char kBattleNameList[] = "Missions\\Text\\Skirbatlnames.txt";

// A map's file under the data folder: pictures apart, in lower-case "skirmish".
std::string MapUnderData(const std::string& file_name) {
  const std::string& picture = pack::PreviewExt;
  const bool is_picture =
      file_name.size() >= picture.size() &&
      file_name.compare(file_name.size() - picture.size(), picture.size(), picture) == 0;
  return (is_picture ? "Interf3\\maps\\skirmish\\" : "Missions\\Skirmish\\") + file_name;
}

}  // namespace

GamePaths::GamePaths(platform::System& system, const std::string& game_folder)
    : game_folder_(game_folder), layout_(LayoutPrefix(system, game_folder)) {}

std::string GamePaths::UnderData(const std::string& under_data) const {
  return layout_ + "\\Data\\" + under_data;
}

std::string GamePaths::SingleMissionList() const {
  return JoinPath(game_folder_, UnderData(kSingleMissionList));
}

std::string GamePaths::MissionList() const {
  return JoinPath(game_folder_, UnderData(kMissionList));
}

std::string GamePaths::BattleNameList() const {
  return JoinPath(game_folder_, UnderData(kBattleNameList));
}

std::string GamePaths::MapDestination(const std::string& file_name) const {
  return JoinPath(game_folder_, UnderData(MapUnderData(file_name)));
}

std::vector<platform::FolderToWrite> GamePaths::FoldersToWrite(
    const pack::MapCatalogue& catalogue) const {
  std::vector<std::string> files = {UnderData(kSingleMissionList), UnderData(kMissionList),
                                    UnderData(kBattleNameList)};
  for (const std::string& name : pack::PackFileNames(catalogue))
    files.push_back(UnderData(MapUnderData(name)));

  std::vector<platform::FolderToWrite> folders;
  for (const std::string& file : files) {
    std::string folder = FolderOf(file);
    folder.pop_back();  // its separator
    auto held = folders.begin();
    while (held != folders.end() && held->relative != folder) ++held;
    if (held == folders.end()) held = folders.insert(folders.end(), {folder, {}});
    held->file_names.push_back(FileNameOf(file));
  }
  return folders;
}

}  // namespace engine
