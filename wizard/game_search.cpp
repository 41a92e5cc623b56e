#include "wizard/game_search.h"

#include "base/messages.h"
#include "setup/game_search.h"
#include "wizard/game_folder_registry.h"

namespace wizard {

DefaultFolder DefaultGameFolder(platform::System& system) {
  std::string folder;
  ReadGameFolder(folder);
  if (!folder.empty()) return {folder, messages::kLogFromRegistry};
  return {setup::FindGameFolder(system), messages::kLogFromSearch};
}

}  // namespace wizard
