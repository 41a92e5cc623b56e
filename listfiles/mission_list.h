#pragma once
// The game's mission list missions.txt: eight-line mission blocks.

#include <string>
#include <vector>

#include "pack/map_catalogue.h"
#include "platform/system.h"

// The eight lines of the mission block for a map, from its marked entry.
std::vector<std::string> MissionBlock(const std::string& marked_entry);

// Appends a mission block for every catalogue entry that the file does not
// contain yet, and removes that entry's marker in the catalogue (before saving,
// so a failed save leaves the markers removed). An entry that lost its marker
// earlier in the run is searched in its marked form and gets the block a first
// install writes; no further character is removed from it.
void UpdateMissionList(platform::System& system, const std::string& path,
                       pack::MapCatalogue& catalogue);

// Takes out each whole mission block of a catalogue map, its eight lines one
// after the other exactly as the update writes them; a block cut short or
// changed stays, as does every other byte. A file that holds no such block is
// left as it is. Returns whether it was saved. Fails when the file cannot be loaded or saved.
bool RemoveFromMissionList(platform::System& system, const std::string& path,
                           const pack::MapCatalogue& catalogue);
