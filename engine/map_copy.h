#pragma once
// Copying one of a map's three files from the maps source folder into the game.

#include <string>

#include "platform/system.h"

namespace engine {

// current directory + "\Maps\" + file name, by plain concatenation.
std::string MapSourcePath(const std::string& current_directory, const std::string& file_name);

// The map's file in the maps source folder, opened as its copy reads it: under
// its name in the system's code page or, where no file has that name, under
// the same bytes read as Windows-1252, the pack's own encoding.
platform::SourceFile OpenMapSource(platform::System& system, const std::string& current_directory,
                                   const std::string& file_name);

// Why a copy failed, in words for its message.
const char* CopyFailureReason(platform::CopyOutcome outcome);

}  // namespace engine
