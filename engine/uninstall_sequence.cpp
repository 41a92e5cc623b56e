#include "engine/uninstall_sequence.h"

#include "base/failure.h"
#include "base/messages.h"
#include "engine/game_folder.h"
#include "engine/game_paths.h"
#include "engine/install_folders.h"
#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "listfiles/single_mission_list.h"
#include "platform/file_system.h"

namespace engine {

RemovalOutcome RunUninstall(const std::string& game_folder, const pack::MapCatalogue& catalogue,
                            StepLog& log) {
  if (!IsGameFolder(game_folder)) {
    log.Write(FillIn(messages::kLogNotTheGame, game_folder));
    return RemovalOutcome::NotTheGame;
  }
  const GamePaths paths(game_folder);
  const InstallFolders folders(game_folder, paths, catalogue);
  const auto take_out = [&](bool (*remove)(const std::string&, const pack::MapCatalogue&),
                            const std::string& list) {
    log.Write(
        FillIn(remove(list, catalogue) ? messages::kLogListSaved : messages::kLogListLeft, list));
  };
  take_out(RemoveBattleNames, paths.BattleNameList());
  take_out(RemoveFromMissionList, paths.MissionList());
  take_out(RemoveFromSingleMissionList, paths.SingleMissionList());

  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = pack::BaseName(entry);
    for (const std::string* extension : {&pack::MapExt, &pack::TextExt, &pack::PreviewExt}) {
      const std::string file = paths.MapDestination(base + *extension);
      switch (platform::RemoveFile(file)) {
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
  }
  return RemovalOutcome::Removed;
}

}  // namespace engine
