#pragma once
// A game installation and a maps source folder laid out in a scratch folder:
// root\Game is the game folder, root\Maps the pack's maps, root the current directory.

#include <cstddef>
#include <string>

#include "tests/support/scratch_folder.h"

struct GameFixture {
  enum class Layout { Plain, Run, Both };

  explicit GameFixture(Layout layout = Layout::Plain);

  // The game folder and its data folder (the one the install must use).
  std::string GameFolder() const { return scratch.At("Game"); }
  std::string DataPath(const std::string& under_data) const;
  // The same, relative to the scratch folder.
  std::string DataRelative(const std::string& under_data) const;

  // Writes the three list files.
  void WriteLists(const std::string& single_missions, const std::string& missions,
                  const std::string& battle_names) const;
  std::string ReadData(const std::string& under_data) const;

  // The pack's three files for every map: a map file (of map_file_size bytes,
  // or a short one for 0), a description file whose first line carries the
  // title MapTitle(index), and a preview picture; named as the pack names
  // them, in Windows-1252, whatever the system's code page.
  void WriteMaps(std::size_t map_file_size = 0) const;
  static std::string MapTitle(int index);

  ScratchFolder scratch;
  std::string layout_prefix;  // "\Run" or empty
};
