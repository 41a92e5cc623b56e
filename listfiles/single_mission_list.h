#pragma once
// The game's single-mission list SingleMiss.txt: a count line, then one mission a line.

#include <string>

#include "pack/map_catalogue.h"

// Appends every catalogue entry that the file does not contain yet and rewrites
// the count line as the number of non-empty lines below it. An entry that lost
// its marker earlier in the run is searched and appended in its marked form.
// Fails when the file cannot be loaded or saved, or when its first line is not
// an integer (the file then stays as it was).
void UpdateSingleMissionList(const std::string& path, const pack::MapCatalogue& catalogue);
