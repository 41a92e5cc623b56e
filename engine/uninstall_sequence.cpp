#include "engine/uninstall_sequence.h"

#include "base/failure.h"
#include "base/messages.h"
#include "engine/game_folder.h"
#include "engine/game_paths.h"
#include "engine/install_folders.h"
#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "listfiles/single_mission_list.h"

namespace engine {

RemovalOutcome RunUninstall(platform::System& system, const std::string& game_folder,
                            const pack::MapCatalogue& catalogue, StepLog& log) {
  if (!IsGameFolder(system, game_folder)) {
    log.Write(FillIn(messages::kLogNotTheGame, game_folder));
    return RemovalOutcome::NotTheGame;
  }
  const GamePaths paths(system, game_folder);
  const InstallFolders folders(system, game_folder, paths, catalogue);
  const auto take_out = [&](bool (*remove)(platform::System&, const std::string&,
                                           const pack::MapCatalogue&),
                            const std::string& list) {
    log.Write(FillIn(
        remove(system, list, catalogue) ? messages::kLogListSaved : messages::kLogListLeft, list));
  };
  take_out(RemoveBattleNames, paths.BattleNameList());
  take_out(RemoveFromMissionList, paths.MissionList());
  take_out(RemoveFromSingleMissionList, paths.SingleMissionList());

  for (const std::string& name : pack::PackFileNames(catalogue)) {
    const std::string file = paths.MapDestination(name);
    switch (system.RemoveFile(file)) {
      case platform::RemoveOutcome::Removed:
        log.Write(FillIn(messages::kLogRemoved, file));
        break;
      case platform::RemoveOutcome::Missing:
        break;
      case platform::RemoveOutcome::NotOurs:
        log.Write(FillIn(messages::kLogNotOurs, file));
        break;
      case platform::RemoveOutcome::Failed:
        Fail(messages::kCannotRemoveFile, file);
    }
  }
  return RemovalOutcome::Removed;
}

}  // namespace engine
