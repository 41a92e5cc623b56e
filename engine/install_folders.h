#pragma once
// The game's folders that one install or removal writes into, checked and held
// for as long as it runs (System::HoldFolders): a link below the game folder
// would turn the elevated install's writes onto files anywhere.

#include <memory>
#include <string>

#include "engine/game_paths.h"
#include "pack/map_catalogue.h"
#include "platform/system.h"

namespace engine {

class InstallFolders {
 public:
  // Before the first write: fails (FolderRefused) with kFolderIsALink,
  // kFolderBehindUntrustedLink or kFolderCannotBeOpened naming the folder, or
  // with kPathTooLong naming a file, and nothing is written.
  InstallFolders(platform::System& system, const std::string& game_folder, const GamePaths& paths,
                 const pack::MapCatalogue& catalogue);

 private:
  std::unique_ptr<platform::Hold> hold_;
};

}  // namespace engine
