// The umlaut map travels as the single Windows-1252 byte FC into file names.

#include <gtest/gtest.h>
#include <windows.h>

#include "engine/map_copy.h"
#include "pack/map_catalogue.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

TEST(EightBitNames, UmlautMapFilesAreCopiedUnderTheirOwnName) {
  ASSERT_EQ(GetACP(), 1252u);
  ScratchFolder scratch;
  const std::string base = pack::BaseName(pack::MapCatalogue().MapNames[8]);
  scratch.MakeFolder("Game");
  for (const std::string& extension : {pack::MapExt, pack::TextExt, pack::PreviewExt}) {
    scratch.WriteFile("Maps\\" + base + extension, "file " + extension);
    ThisMachine().CopyFileReplacing(
        engine::OpenMapSource(ThisMachine(), scratch.Path(), base + extension),
        scratch.At("Game\\" + base + extension));
    EXPECT_EQ(scratch.ReadFile("Game\\" + base + extension), "file " + extension);
  }
  EXPECT_EQ(WideNamesIn(scratch.At("Game")),
            L"Scharm\u00FCtzel2.jpg\nScharm\u00FCtzel2.m3d\nScharm\u00FCtzel2.txt\n");
}

}  // namespace
