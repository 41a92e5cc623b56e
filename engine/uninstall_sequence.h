#pragma once
// Taking the pack out of a game folder again.

#include <string>

#include "engine/step_log.h"
#include "pack/map_catalogue.h"
#include "platform/system.h"

namespace engine {

enum class RemovalOutcome { Removed, NotTheGame };

// Takes the pack's lines out of the battle-name, mission and single-mission
// lists (in that order, the reverse of the install's), every other byte of
// them kept, then removes the three files of each catalogue map from the
// game's folders; files that are not there, and links or folders of their
// names, are passed over. NotTheGame, with
// nothing changed, where the folder check refuses game_folder. Fails, having
// changed nothing, where a folder below the game folder is not where its name
// says (as the install does); else like the list removals, or with "Cannot
// remove file %s" for a map file that stays.
// Each step goes to log.
RemovalOutcome RunUninstall(platform::System& system, const std::string& game_folder,
                            const pack::MapCatalogue& catalogue, StepLog& log);

}  // namespace engine
