#pragma once
// Where a player's copy of the game lies when its own registry entry names no
// folder: Steam's and GOG's records on Windows, and the Linux user's Steam
// libraries under Wine.

#include <string>

#include "platform/system.h"

namespace setup {

// The first folder that engine::IsGameFolder accepts, looked for in this
// order: Steam's uninstall entry for the game (both registry views); the
// libraries of Steam's folder as the registry names it (the user's SteamPath,
// else the machine's InstallPath); each GOG entry whose name names the game;
// under Wine, the Steam libraries under the Linux home. Empty when none is;
// reports nothing.
std::string FindGameFolder(platform::System& system);

}  // namespace setup
