#pragma once
// Is a folder the game's, and where does it keep its data? Paths are used
// exactly as given: nothing is trimmed, inserted or made absolute.

#include <string>

#include "platform/system.h"

namespace engine {

extern const std::string kRunLayoutPrefix;  // "\Run"

// True when one of the six probe folders (four under "\Run", two under "\Data") exists.
bool IsGameFolder(platform::System& system, const std::string& game_folder);

// True when data lies under "\Run": a Run-style probe exists and no plain one
// does (the plain layout wins). False when neither exists.
bool UsesRunLayout(platform::System& system, const std::string& game_folder);

// "\Run" or the empty text, as UsesRunLayout decides.
std::string LayoutPrefix(platform::System& system, const std::string& game_folder);

}  // namespace engine
