#include "pack/map_catalogue.h"

namespace pack {

const std::string MapExt = ".m3d";
const std::string TextExt = ".txt";
const std::string PreviewExt = ".jpg";

MapCatalogue::MapCatalogue()
    : MapNames{"#StonebridgeVale", "#RavenHillV2", "#Kel_Map001", "#KelMap2", "#Marschfeld",
               "#Moorland", "#Tal_Gefecht", "#3erWachturm",
               // Windows-1252 u-umlaut as its single byte: the game's files carry it so.
               "#Scharm\xFCtzel2", "#N_R_Bay", "#3Marshals", "#6Dukes", "#RiverbendV2", "#QXMap001",
               "#QXMap002", "#QXMap003", "#QXMap004", "#QXMap005", "#QXMap006", "#QXMap007",
               "#QXMap008"} {}

MapCatalogue& ProcessMapCatalogue() {
  static MapCatalogue catalogue;
  return catalogue;
}

std::string BaseName(const std::string& entry) {
  std::string base = entry;
  const std::string::size_type marker = base.find(kMapMarker);
  if (marker != std::string::npos) base.erase(marker, 1);
  return base;
}

std::string MarkedEntry(const std::string& entry) { return kMapMarker + BaseName(entry); }

std::vector<std::string> MarkedEntries(const MapCatalogue& catalogue) {
  std::vector<std::string> marked;
  for (const std::string& entry : catalogue.MapNames) marked.push_back(MarkedEntry(entry));
  return marked;
}

MapFiles FilesOfMap(const std::string& entry) {
  const std::string base = BaseName(entry);
  return {base + MapExt, base + TextExt, base + PreviewExt};
}

std::vector<std::string> PackFileNames(const MapCatalogue& catalogue) {
  std::vector<std::string> names;
  for (const std::string& entry : catalogue.MapNames) {
    MapFiles files = FilesOfMap(entry);
    for (std::string* name : {&files.map, &files.description, &files.picture})
      names.push_back(std::move(*name));
  }
  return names;
}

}  // namespace pack
