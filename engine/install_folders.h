#pragma once
// The game's folders that one install or removal writes into, checked and held
// for as long as it runs (platform/folder_hold.h): a link below the game folder
// would turn the elevated install's writes onto files anywhere.

#include <string>

#include "engine/game_paths.h"
#include "pack/map_catalogue.h"
#include "platform/folder_hold.h"

namespace engine {

class InstallFolders {
 public:
  // Before the first write: fails (FolderRefused) with kFolderIsALink,
  // kFolderBehindUntrustedLink or kFolderCannotBeOpened naming the folder, or
  // with kPathTooLong naming a file, and nothing is written.
  InstallFolders(const std::string& game_folder, const GamePaths& paths,
                 const pack::MapCatalogue& catalogue);

 private:
  platform::FolderHold hold_;
};

}  // namespace engine
