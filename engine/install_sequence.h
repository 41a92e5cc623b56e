#pragma once
// The whole installation, run once per press of Install.

#include <string>

#include "engine/install_record.h"
#include "engine/install_view.h"
#include "engine/step_log.h"
#include "pack/map_catalogue.h"
#include "platform/system.h"

namespace engine {

inline constexpr int kProgressMaximum = 50000;

// Checks the game folder (a rejected one gets the notice and nothing is
// written) and that the pack's maps are all there to be read, in the current
// directory's Maps folder or else in the one beside the program (if not, it
// fails before anything is written); holds the folders it writes into and
// checks that the game's drive has room for the copies (refusals come before
// the first write); updates the single-mission and mission lists, then per map
// copies its three files (a failed copy fails, but for a folder the game does
// not have, passed over) and registers its battle name;
// has record keep the install for removal; last fills the progress bar and
// shows the finish page. The first failure propagates; what was written before
// it stays written. Each step goes to log.
void RunInstall(platform::System& system, InstallView& view, InstallRecord& record,
                pack::MapCatalogue& catalogue, StepLog& log);

}  // namespace engine
