#pragma once
// Where the pack's maps are read from, and whether every one of them can be,
// checked before the install writes anything.

#include <string>

#include "pack/map_catalogue.h"

namespace engine {

// The folder whose "Maps" folder holds the pack: the current directory where
// it has one, else the folder of the program file (started through a shortcut
// or from a prompt elsewhere), else the current directory.
std::string PackFolder(const std::string& current_directory);

// Fails unless each catalogue map's three files open for reading in the maps
// source folder under pack_folder, named as the copy finds them. The message
// names that folder and the first file that cannot be read, and says how to
// get the pack beside Setup.exe; where the program runs from the temporary
// folder, it says that it was started from inside an archive.
void CheckPackIsComplete(const std::string& pack_folder, const pack::MapCatalogue& catalogue);

}  // namespace engine
