#pragma once
// Where the pack's maps are read from, and all of them opened for reading
// before the install writes anything, so that what was checked is what is copied.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pack/map_catalogue.h"
#include "platform/system.h"

namespace engine {

// The folder whose "Maps" folder holds the pack: the current directory where
// it has one, else the folder of the program file (started through a shortcut
// or from a prompt elsewhere), else the current directory.
std::string PackFolder(platform::System& system);

// Each catalogue map's three files in the maps source folder under
// pack_folder, opened as their copies read them and held until copied.
class PackSources {
 public:
  // Fails (PackIncomplete) unless every file opens. The message names the maps
  // folder and the first file that cannot be read, and says how to get the
  // pack beside Setup.exe; where the program runs from the temporary folder, it
  // says that it was started from inside an archive.
  PackSources(platform::System& system, const std::string& pack_folder,
              const pack::MapCatalogue& catalogue);

  // The opened file of that name (base name and extension), handed over once.
  platform::SourceFile Take(const std::string& file_name);

  // Each file's name and length when it opened, in the order the install copies them.
  const std::vector<std::pair<std::string, std::uint64_t>>& Sizes() const { return sizes_; }

 private:
  std::map<std::string, platform::SourceFile> sources_;
  std::vector<std::pair<std::string, std::uint64_t>> sizes_;
};

}  // namespace engine
