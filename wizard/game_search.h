#pragma once
// The folder the wizard shows at its start.

#include <string>

#include "platform/system.h"

namespace wizard {

// The folder and where it comes from (for the log): the game's registry
// entry's (ReadGameFolder, whose failure goes on to the caller), else
// setup::FindGameFolder's; an empty folder when neither has one.
struct DefaultFolder {
  std::string folder;
  const char* source;
};
DefaultFolder DefaultGameFolder(platform::System& system);

}  // namespace wizard
