#pragma once
// Copying one of a map's three files from the maps source folder into the game.

#include <string>

#include "platform/file_system.h"

namespace engine {

// current directory + "\Maps\" + file name, by plain concatenation.
std::string MapSourcePath(const std::string& current_directory, const std::string& file_name);

// Whether the source file opens for reading, found as CopyMapFile finds it.
platform::Readability CheckMapSource(const std::string& current_directory,
                                     const std::string& file_name);

// Copies the source file over destination_path, replacing it. A source not found
// under its name in the system's code page is looked for under the same bytes read
// as Windows-1252, the pack's own encoding; the destination name never changes.
// A failed copy is silently passed over: a missing description file shows up when
// its title is read. Returns whether the file was copied, for the log.
bool CopyMapFile(const std::string& current_directory, const std::string& file_name,
                 const std::string& destination_path);

}  // namespace engine
