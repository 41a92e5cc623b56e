#include "engine/install_sequence.h"

#include "base/messages.h"
#include "base/paths.h"
#include "engine/game_folder.h"
#include "engine/install_folders.h"
#include "engine/map_copy.h"
#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "listfiles/single_mission_list.h"
#include "platform/file_system.h"

namespace engine {

using namespace pack;

void RunInstall(InstallView& view, pack::MapCatalogue& catalogue) {
  const std::string game = view.GameFolderText();
  if (!IsGameFolder(game)) {
    view.ShowNotice(messages::kIncorrectGameFolder);
    return;
  }
  const std::string layout = LayoutPrefix(game);
  const InstallFolders folders(game, layout, catalogue);
  const auto game_path = [&](const std::string& under_data) {
    return JoinPath(game, layout + "\\Data\\" + under_data);
  };

  UpdateSingleMissionList(game_path("Missions\\SingleMiss.txt"), catalogue);
  UpdateMissionList(game_path("Missions\\missions.txt"), catalogue);

  const std::string current_directory = platform::CurrentDirectory();
  const std::string battle_names = game_path("Missions\\Text\\Skirbatlnames.txt");
  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = BaseName(entry);
    const std::string description = game_path("Missions\\Skirmish\\" + base + TextExt);
    CopyMapFile(current_directory, base + MapExt,
                game_path("Missions\\Skirmish\\" + base + MapExt));
    CopyMapFile(current_directory, base + TextExt, description);
    CopyMapFile(current_directory, base + PreviewExt,
                game_path("Interf3\\maps\\skirmish\\" + base + PreviewExt));
    AddBattleName(battle_names, BattleNameLine(entry, ReadMapTitle(description)));
  }

  // Only the bar's final state shows: no message is handled while the install
  // runs, so the intermediate positions 1 .. 49998 are never drawn.
  view.SetProgressRange(0, kProgressMaximum);
  view.SetProgressPosition(0);
  view.SetProgressPosition(kProgressMaximum - 1);
  view.ShowFinishPage();
}

}  // namespace engine
