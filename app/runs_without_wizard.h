#pragma once
// Setup.exe asked on its command line to install without the wizard (/S), or
// to take the pack out again (/uninstall, with /S without a question). Each
// returns the exit code; the messages the wizard would show go to the log
// (and, where a player is asked, to a box as well).

#include "engine/setup_options.h"
#include "engine/step_log.h"

namespace app {

// Installs into options.game_folder, else into the folder the wizard would
// show, exactly as the wizard's Install does.
int RunSilentInstall(const engine::SetupOptions& options, engine::StepLog& log);

// Takes the pack out of options.game_folder, else out of the folder its entry
// in Installed apps names; without /S only after a Yes to the question, whose
// default is No. The entry and the kept copy go when the folder is the entry's.
int RunRemoval(const engine::SetupOptions& options, engine::StepLog& log);

}  // namespace app
