#pragma once
// The game's single-mission list SingleMiss.txt: a count line, then one mission a line.

#include <string>

#include "pack/map_catalogue.h"
#include "platform/system.h"

// Appends every catalogue entry that the file does not contain yet and rewrites
// the count line as the number of non-empty lines below it. An entry that lost
// its marker earlier in the run is searched and appended in its marked form.
// Fails when the file cannot be loaded or saved, or when its first line is not
// an integer (the file then stays as it was).
void UpdateSingleMissionList(platform::System& system, const std::string& path,
                             const pack::MapCatalogue& catalogue);

// Takes out each line below the count line that is exactly a catalogue entry
// in its marked form, as the update writes them, and then rewrites the count
// line as the update does; every other byte stays. A file that holds no such
// line is left as it is. Returns whether it was saved. Fails like the update when the file cannot
// be loaded or saved or its count line is not an integer (the file then stays as it was).
bool RemoveFromSingleMissionList(platform::System& system, const std::string& path,
                                 const pack::MapCatalogue& catalogue);
