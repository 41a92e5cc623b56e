#include "tests/support/game_fixture.h"

#include <gtest/gtest.h>

#include "pack/map_catalogue.h"
#include "tests/support/system_folders.h"

GameFixture::GameFixture(Layout layout) {
  layout_prefix = layout == Layout::Run ? "\\Run" : "";
  const auto make_data_tree = [&](const std::string& data) {
    scratch.MakeFolder(data + "\\Missions\\Skirmish");
    scratch.MakeFolder(data + "\\Missions\\Text");
    scratch.MakeFolder(data + "\\Interf3\\maps\\skirmish");
  };
  if (layout != Layout::Plain) make_data_tree("Game\\Run\\Data");
  if (layout != Layout::Run) make_data_tree("Game\\Data");
  scratch.MakeFolder("Maps");
}

std::string GameFixture::DataRelative(const std::string& under_data) const {
  return "Game" + layout_prefix + "\\Data\\" + under_data;
}

std::string GameFixture::DataPath(const std::string& under_data) const {
  return scratch.At(DataRelative(under_data));
}

void GameFixture::WriteLists(const std::string& single_missions, const std::string& missions,
                             const std::string& battle_names) const {
  scratch.WriteFile(DataRelative("Missions\\SingleMiss.txt"), single_missions);
  scratch.WriteFile(DataRelative("Missions\\missions.txt"), missions);
  scratch.WriteFile(DataRelative("Missions\\Text\\Skirbatlnames.txt"), battle_names);
}

std::string GameFixture::ReadData(const std::string& under_data) const {
  return scratch.ReadFile(DataRelative(under_data));
}

std::string GameFixture::MapTitle(int index) { return "Zelmora Field " + std::to_string(index); }

void GameFixture::WriteMaps(std::size_t map_file_size) const {
  const pack::MapCatalogue catalogue;
  scratch.MakeFolder("Maps");
  const auto write = [&](const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(WriteUnderWindows1252Name(scratch.At("Maps"), name, bytes)) << name;
  };
  for (int index = 0; index <= pack::MapHighIndex; ++index) {
    const std::string base = pack::BaseName(catalogue.MapNames[index]);
    write(base + ".m3d", map_file_size == 0 ? "map " + base : std::string(map_file_size, 'M'));
    write(base + ".txt", "{Zelmora}{1.60}" + MapTitle(index) + ".\r\nA map of the pack.\r\n");
    write(base + ".jpg", "preview " + base);
  }
}
