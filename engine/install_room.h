#pragma once
// Whether the game's drive can take the pack, asked before the install writes.

#include <string>

#include "engine/game_paths.h"
#include "engine/pack_source.h"

namespace engine {

// Fails (NoRoom) with kNoRoomForPack, naming the room needed and the room free,
// when the drive of game_folder has less room free than the map copies take at
// their most (below); goes on where the system cannot tell.
void CheckRoomForPack(platform::System& system, const std::string& game_folder,
                      const GamePaths& paths, const PackSources& sources);

}  // namespace engine
