#include "entry/runs_without_wizard.h"

#include <windows.h>

#include "app/error_handler.h"
#include "app/message_services.h"
#include "app/title.h"
#include "base/failure.h"
#include "base/messages.h"
#include "setup/unattended_runs.h"
#include "wizard/game_search.h"

namespace entry {

bool BoxPerson::Agrees(const std::string& question) {
  return app::ShowMessageBox(question, app::ApplicationTitle(),
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void BoxPerson::Tell(const std::string& text) { app::ShowNotice(text); }

void BoxPerson::TellFailure(const std::string& message) { app::HandleFailure(message); }

namespace {

// The folder the wizard shows at its start; none where the registry's entry is damaged.
std::string WizardDefault(platform::System& system, engine::StepLog& log) {
  try {
    const wizard::DefaultFolder found = wizard::DefaultGameFolder(system);
    if (!found.folder.empty())
      log.Write(FillIn(messages::kLogGameFolder, {found.folder, found.source}));
    return found.folder;
  } catch (const Failure& failure) {
    log.Write(failure.what());
    return std::string();
  }
}

}  // namespace

int RunSilentInstall(const setup::SetupOptions& options, platform::System& system,
                     engine::StepLog& log) {
  const std::string wizard_folder = options.game_folder.empty() ? WizardDefault(system, log) : "";
  return setup::RunSilentInstall(options, wizard_folder, system, log);
}

int RunRemoval(const setup::SetupOptions& options, platform::System& system, engine::StepLog& log) {
  BoxPerson person;
  return setup::RunRemoval(options, system, person, log);
}

}  // namespace entry
