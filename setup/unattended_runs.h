#pragma once
// Setup.exe asked on its command line to install without the wizard (/S), or
// to take the pack out again (/uninstall, with /S without a question). Each
// returns the exit code; the messages the wizard would show go to the log
// and, where a player watches, to person as well.

#include <string>

#include "engine/step_log.h"
#include "platform/system.h"
#include "setup/person.h"
#include "setup/setup_options.h"

namespace setup {

// Installs into options.game_folder, else into wizard_folder (the folder the
// wizard would show; empty when it has none), exactly as the wizard's Install
// does, and enters the pack in Installed apps.
int RunSilentInstall(const SetupOptions& options, const std::string& wizard_folder,
                     platform::System& system, engine::StepLog& log);

// Takes the pack out of options.game_folder, else out of the folder its entry
// in Installed apps names; without /S only after a Yes to the question. The
// entry and the kept copy go when the folder is the entry's. Where the entry's
// game is gone (its folder, or the game in it, where the folder above is
// there), nothing is left to remove: without /S the player is asked whether to
// take the entry out, with /S it is taken out. Where the folder above is
// missing too (a drive, a card, a share not there just now), the entry stays.
int RunRemoval(const SetupOptions& options, platform::System& system, Person& person,
               engine::StepLog& log);

}  // namespace setup
