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
#include "platform/file_system.h"

namespace engine {

using namespace pack;

void RunInstall(InstallView& view, InstallRecord& record, MapCatalogue& catalogue,
                StepLog& log) {
  const std::string game = view.GameFolderText();
  if (!IsGameFolder(game)) {
    log.Write(FillIn(messages::kLogNotTheGame, game));
    view.ShowNotice(messages::kIncorrectGameFolder);
    return;
  }
  const std::string pack_folder = PackFolder(platform::CurrentDirectory());
  log.Write(FillIn(messages::kLogMapsFolder, MapSourcePath(pack_folder, "")));
  PackSources sources(pack_folder, catalogue);
  const GamePaths paths(game);
  const InstallFolders folders(game, paths, catalogue);
  CheckRoomForPack(game, paths, sources);

  UpdateSingleMissionList(paths.SingleMissionList(), catalogue);
  log.Write(FillIn(messages::kLogListSaved, paths.SingleMissionList()));
  UpdateMissionList(paths.MissionList(), catalogue);
  log.Write(FillIn(messages::kLogListSaved, paths.MissionList()));

  // The pack was checked whole: a copy that fails is a failure. Only where the
  // game has no folder for it is the file passed over, as the game's own
  // installs leave such folders out.
  const auto copy = [&](const std::string& file_name, std::string* content = nullptr) {
    const std::string source = MapSourcePath(pack_folder, file_name);
    const std::string destination = paths.MapDestination(file_name);
    const platform::CopyOutcome outcome =
        CopyMapFile(sources.Take(file_name), destination, content);
    const bool copied = outcome == platform::CopyOutcome::Ok;
    if (!copied && outcome != platform::CopyOutcome::NoFolder)
      Fail(messages::kCannotCopyFile, {source, destination, CopyFailureReason(outcome)});
    log.Write(
        FillIn(copied ? messages::kLogCopied : messages::kLogNotCopied, {source, destination}));
    return copied;
  };
  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = BaseName(entry);
    copy(base + MapExt);
    std::string description;
    const bool fresh = copy(base + TextExt, &description);
    copy(base + PreviewExt);
    // The title is that of the description now in the game: the bytes just
    // copied there, or, where the copy failed, whatever the game folder holds.
    const std::string title = fresh ? MapTitleFromText(std::move(description))
                                    : ReadMapTitle(paths.MapDestination(base + TextExt));
    AddBattleName(paths.BattleNameList(), BattleNameLine(entry, title));
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
