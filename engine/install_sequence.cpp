#include "engine/install_sequence.h"

#include "base/failure.h"
#include "base/messages.h"
#include "engine/game_folder.h"
#include "engine/game_paths.h"
#include "engine/install_folders.h"
#include "engine/install_room.h"
#include "engine/map_copy.h"
#include "engine/pack_source.h"
#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "listfiles/single_mission_list.h"

namespace engine {

using namespace pack;

void RunInstall(platform::System& system, InstallView& view, InstallRecord& record,
                MapCatalogue& catalogue, StepLog& log) {
  const std::string game = view.GameFolderText();
  if (!IsGameFolder(system, game)) {
    log.Write(FillIn(messages::kLogNotTheGame, game));
    view.ShowNotice(messages::kIncorrectGameFolder);
    return;
  }
  const std::string pack_folder = PackFolder(system);
  log.Write(FillIn(messages::kLogMapsFolder, MapSourcePath(pack_folder, "")));
  PackSources sources(system, pack_folder, catalogue);
  const GamePaths paths(system, game);
  const InstallFolders folders(system, game, paths, catalogue);
  CheckRoomForPack(system, game, paths, sources);

  UpdateSingleMissionList(system, paths.SingleMissionList(), catalogue);
  log.Write(FillIn(messages::kLogListSaved, paths.SingleMissionList()));
  UpdateMissionList(system, paths.MissionList(), catalogue);
  log.Write(FillIn(messages::kLogListSaved, paths.MissionList()));

  // The pack was checked whole: a copy that fails is a failure. Only where the
  // game has no folder for it is the file passed over, as the game's own
  // installs leave such folders out.
  const auto copy = [&](const std::string& file_name, std::string* content = nullptr) {
    const std::string source = MapSourcePath(pack_folder, file_name);
    const std::string destination = paths.MapDestination(file_name);
    const platform::CopyOutcome outcome =
        system.CopyFileReplacing(sources.Take(file_name), destination, content);
    const bool copied = outcome == platform::CopyOutcome::Ok;
    if (!copied && outcome != platform::CopyOutcome::NoFolder)
      Fail(messages::kCannotCopyFile, {source, destination, CopyFailureReason(outcome)});
    log.Write(
        FillIn(copied ? messages::kLogCopied : messages::kLogNotCopied, {source, destination}));
    return copied;
  };
  for (const std::string& entry : catalogue.MapNames) {
    const MapFiles files = FilesOfMap(entry);
    copy(files.map);
    std::string description;
    const bool fresh = copy(files.description, &description);
    copy(files.picture);
    // The title is that of the description now in the game: the bytes just
    // copied there, or, where the copy failed, whatever the game folder holds.
    const std::string title = fresh ? MapTitleFromText(std::move(description))
                                    : ReadMapTitle(system, paths.MapDestination(files.description));
    AddBattleName(system, paths.BattleNameList(), BattleNameLine(entry, title));
    log.Write(FillIn(messages::kLogListSaved, paths.BattleNameList()));
  }
  record.Record(game);

  // Only the bar's final state shows: no message is handled while the install
  // runs, so the intermediate positions 1 .. 49998 are never drawn.
  view.SetProgressRange(0, kProgressMaximum);
  view.SetProgressPosition(0);
  view.SetProgressPosition(kProgressMaximum - 1);
  view.ShowFinishPage();
}

}  // namespace engine
