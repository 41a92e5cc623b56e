#include "setup/unattended_runs.h"

#include "base/failure.h"
#include "base/messages.h"
#include "base/paths.h"
#include "base/text_routines.h"
#include "engine/game_folder.h"
#include "engine/install_sequence.h"
#include "engine/uninstall_sequence.h"
#include "setup/exit_codes.h"
#include "setup/pack_entry.h"

namespace setup {
namespace {

// The install's view where there is no window: it only learns how it ended.
class SilentInstallView : public engine::InstallView {
 public:
  explicit SilentInstallView(std::string game_folder) : game_folder_(std::move(game_folder)) {}
  std::string GameFolderText() override { return game_folder_; }
  void ShowNotice(const std::string& text) override { notice = text; }
  void SetProgressRange(int, int) override {}
  void SetProgressPosition(int) override {}
  void ShowFinishPage() override { finished = true; }

  std::string notice;
  bool finished = false;

 private:
  std::string game_folder_;
};

// Ends the run with message: into the log, and told where a player watches.
int Ended(ExitCode code, const std::string& message, Person* person, engine::StepLog& log) {
  log.Write(FillIn(messages::kLogFailed, {FormatInt(code), message}));
  if (person != nullptr) person->TellFailure(message);
  return code;
}

enum class GamePlace { Game, Gone, Unreachable, NotTheGame };

// Where the removal finds the game. An entry's folder that is not the game is
// gone where the folder above it is there, as an uninstalled game or a deleted
// folder leaves it; where that is missing too, its drive, card or share is
// away just now. A folder named on the command line is only checked.
GamePlace PlaceOf(platform::System& system, const std::string& folder, bool entry_folder) {
  if (engine::IsGameFolder(system, folder)) return GamePlace::Game;
  if (!entry_folder) return GamePlace::NotTheGame;
  if (system.IsFolder(folder)) return GamePlace::Gone;
  std::string above = folder;
  while (!above.empty() && above.back() == '\\') above.pop_back();
  above = FolderOf(above);
  return !above.empty() && system.IsFolder(above) ? GamePlace::Gone : GamePlace::Unreachable;
}

// Windows compares folder names without regard to case.
bool SameFolderName(const std::string& a, const std::string& b) {
  return AsciiLowerCase(a) == AsciiLowerCase(b);
}

}  // namespace

int RunSilentInstall(const SetupOptions& options, const std::string& wizard_folder,
                     platform::System& system, engine::StepLog& log) {
  std::string folder = options.game_folder;
  if (!folder.empty())
    log.Write(FillIn(messages::kLogGameFolder, {folder, messages::kLogFromCommandLine}));
  else
    folder = wizard_folder;
  if (folder.empty()) return Ended(kExitFolderRefused, messages::kNoGameFolderFound, nullptr, log);
  try {
    SilentInstallView view(folder);
    PackEntryRecord record(system, log);
    engine::RunInstall(system, view, record, pack::ProcessMapCatalogue(), log);
    if (!view.finished) return Ended(kExitFolderRefused, view.notice, nullptr, log);
  } catch (const Failure& failure) {
    return Ended(ExitCodeOf(failure.Kind()), failure.what(), nullptr, log);
  }
  log.Write(FillIn(messages::kLogDone, messages::kLogInstalled));
  return kExitDone;
}

int RunRemoval(const SetupOptions& options, platform::System& system, Person& player,
               engine::StepLog& log) {
  Person* const person = options.silent ? nullptr : &player;
  const std::string recorded = RecordedGameFolder(system);
  const std::string folder = options.game_folder.empty() ? recorded : options.game_folder;
  if (folder.empty()) return Ended(kExitFolderRefused, messages::kNotRecordedAnywhere, person, log);
  log.Write(FillIn(messages::kLogGameFolder,
                   {folder, options.game_folder.empty() ? messages::kLogFromInstalledApps
                                                        : messages::kLogFromCommandLine}));
  // The entry stays for another folder it names.
  const bool entry_folder = !recorded.empty() && SameFolderName(recorded, folder);
  const GamePlace place = PlaceOf(system, folder, entry_folder);
  if (place == GamePlace::NotTheGame)
    return Ended(kExitFolderRefused, messages::kIncorrectGameFolder, person, log);
  if (place == GamePlace::Unreachable)
    return Ended(kExitFolderRefused, FillIn(messages::kGameFolderUnreachable, folder), person, log);
  const bool gone = place == GamePlace::Gone;
  if (gone) log.Write(FillIn(messages::kLogGameGone, folder));
  if (person != nullptr &&
      !person->Agrees(
          FillIn(gone ? messages::kGameGoneQuestion : messages::kRemoveQuestion, folder))) {
    log.Write(messages::kLogCancelled);
    return kExitCancelled;
  }
  try {
    if (!gone && engine::RunUninstall(system, folder, pack::ProcessMapCatalogue(), log) ==
                     engine::RemovalOutcome::NotTheGame)
      return Ended(kExitFolderRefused, messages::kIncorrectGameFolder, person, log);
    if (entry_folder) {
      ForgetPackInstall(system);
      log.Write(messages::kLogUnrecorded);
    }
  } catch (const Failure& failure) {
    return Ended(ExitCodeOf(failure.Kind()), failure.what(), person, log);
  }
  log.Write(FillIn(messages::kLogDone, messages::kLogRemovedPack));
  if (person != nullptr)
    person->Tell(gone ? messages::kEntryTakenOut : FillIn(messages::kRemoved, folder));
  return kExitDone;
}

}  // namespace setup
