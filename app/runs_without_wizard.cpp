#include "app/runs_without_wizard.h"

#include <windows.h>

#include "app/error_handler.h"
#include "app/exit_codes.h"
#include "app/message_services.h"
#include "app/pack_record.h"
#include "app/title.h"
#include "base/failure.h"
#include "base/messages.h"
#include "base/text_routines.h"
#include "engine/install_sequence.h"
#include "engine/uninstall_sequence.h"
#include "wizard/game_search.h"

namespace app {
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
  void RecordInstall(const std::string& game_folder) override { RecordPackInstall(game_folder); }

  std::string notice;
  bool finished = false;

 private:
  std::string game_folder_;
};

// Ends the run with message: into the log, and shown where a player watches.
int Ended(ExitCode code, const std::string& message, bool silent, engine::StepLog& log) {
  log.Write(FillIn(messages::kLogFailed, {FormatInt(code), message}));
  if (!silent) HandleFailure(message);
  return code;
}

// The folder the wizard shows at its start; none where the registry's entry is damaged.
std::string WizardDefault(engine::StepLog& log) {
  try {
    const wizard::DefaultFolder found = wizard::DefaultGameFolder();
    if (!found.folder.empty())
      log.Write(FillIn(messages::kLogGameFolder, {found.folder, found.source}));
    return found.folder;
  } catch (const Failure& failure) {
    log.Write(failure.what());
    return std::string();
  }
}

}  // namespace

int RunSilentInstall(const engine::SetupOptions& options, engine::StepLog& log) {
  std::string folder = options.game_folder;
  if (!folder.empty())
    log.Write(FillIn(messages::kLogGameFolder, {folder, messages::kLogFromCommandLine}));
  else
    folder = WizardDefault(log);
  if (folder.empty()) return Ended(kExitFolderRefused, messages::kNoGameFolderFound, true, log);
  try {
    SilentInstallView view(folder);
    engine::RunInstall(view, pack::ProcessMapCatalogue(), log);
    if (!view.finished) return Ended(kExitFolderRefused, view.notice, true, log);
  } catch (const Failure& failure) {
    return Ended(ExitCodeOf(failure.Kind()), failure.what(), true, log);
  }
  log.Write(FillIn(messages::kLogDone, messages::kLogInstalled));
  return kExitDone;
}

int RunRemoval(const engine::SetupOptions& options, engine::StepLog& log) {
  const bool silent = options.silent;
  const std::string recorded = RecordedGameFolder();
  const std::string folder = options.game_folder.empty() ? recorded : options.game_folder;
  if (folder.empty()) return Ended(kExitFolderRefused, messages::kNotRecordedAnywhere, silent, log);
  log.Write(FillIn(messages::kLogGameFolder,
                   {folder, options.game_folder.empty() ? messages::kLogFromInstalledApps
                                                        : messages::kLogFromCommandLine}));
  if (!silent && ShowMessageBox(FillIn(messages::kRemoveQuestion, folder), ApplicationTitle(),
                                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
    log.Write(messages::kLogCancelled);
    return kExitCancelled;
  }
  try {
    if (engine::RunUninstall(folder, pack::ProcessMapCatalogue(), log) ==
        engine::RemovalOutcome::NotTheGame)
      return Ended(kExitFolderRefused, messages::kIncorrectGameFolder, silent, log);
    // The entry stays for another folder it names.
    if (recorded.empty() || lstrcmpiA(recorded.c_str(), folder.c_str()) == 0) {
      ForgetPackInstall();
      log.Write(messages::kLogUnrecorded);
    }
  } catch (const Failure& failure) {
    return Ended(ExitCodeOf(failure.Kind()), failure.what(), silent, log);
  }
  log.Write(FillIn(messages::kLogDone, messages::kLogRemovedPack));
  if (!silent) ShowNotice(FillIn(messages::kRemoved, folder));
  return kExitDone;
}

}  // namespace app
