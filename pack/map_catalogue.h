#pragma once
// What the wizard installs: the 21 maps of the Zelmora pack 1.60 and their file
// extensions. The entries are the only mutable part: the mission-list update
// removes an entry's marker "#" once it has written the map's block, and every
// later reader of the run sees the entry without it.

#include <array>
#include <string>
#include <vector>

namespace pack {

constexpr int MapHighIndex = 20;

extern const std::string MapExt;
extern const std::string TextExt;
extern const std::string PreviewExt;

constexpr char kMapMarker = '#';

struct MapCatalogue {
  MapCatalogue();
  // Entries in install order; each begins with kMapMarker until its block is written.
  std::array<std::string, MapHighIndex + 1> MapNames;
};

// The one table of the running program, with every entry marked at start-up.
MapCatalogue& ProcessMapCatalogue();

// The entry with its first "#" removed; an entry without "#" is returned unchanged.
std::string BaseName(const std::string& entry);

// The entry as it reads before any marker was removed: "#" + base name.
std::string MarkedEntry(const std::string& entry);

// MarkedEntry of every catalogue entry, in catalogue order.
std::vector<std::string> MarkedEntries(const MapCatalogue& catalogue);

// A map's three files, in the order they are copied: the map, its
// description, its picture.
struct MapFiles {
  std::string map, description, picture;
};
MapFiles FilesOfMap(const std::string& entry);

// The pack's 63 files: each catalogue map's three, map by map.
std::vector<std::string> PackFileNames(const MapCatalogue& catalogue);

}  // namespace pack
