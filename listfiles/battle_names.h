#pragma once
// The game's skirmish battle-name list Skirbatlnames.txt and the map titles.

#include <string>

#include "pack/map_catalogue.h"
#include "platform/system.h"

// The title in a description file's first line: drop the line's final
// character, then take everything after the last remaining "}" (everything, if
// there is none). Never holds CR, LF or NUL.
std::string MapTitleFromLine(const std::string& first_line);

// The title from line 0 of the description file at path. Fails with "Cannot open
// file %s" for a missing file, "List index out of bounds (0)" for an empty one.
std::string ReadMapTitle(platform::System& system, const std::string& path);

// The same from the description file's bytes.
std::string MapTitleFromText(std::string bytes);

// entry + "_TXT" + " " + title.
std::string BattleNameLine(const std::string& entry, const std::string& title);

// Appends the line unless the file contains it already; saves the file either way.
void AddBattleName(platform::System& system, const std::string& path, const std::string& line);

// Takes out each line that begins with a catalogue map's battle-name key
// (its entry, marked or not, + "_TXT" + " "), whatever its title; every other
// byte stays. A file that holds no such line is left as it is. Returns whether it was saved. Fails
// when the file cannot be loaded or saved.
bool RemoveBattleNames(platform::System& system, const std::string& path,
                       const pack::MapCatalogue& catalogue);
