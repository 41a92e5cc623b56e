#include "engine/map_copy.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

// Also one that an earlier copy from a disc left read-only (and hidden).
TEST(CopyMapFile, ReplacesAnExistingDestination) {
  for (const bool read_only : {false, true}) {
    SCOPED_TRACE(read_only ? "read-only" : "plain");
    ScratchFolder scratch;
    scratch.WriteFile("Maps\\A.m3d", "new map");
    scratch.WriteFile("Game\\A.m3d", "old map, longer than the new one");
    if (read_only) {
      ASSERT_TRUE(SetReadOnlyMark(scratch.At("Game\\A.m3d")));
    }
    ThisMachine().CopyFileReplacing(engine::OpenMapSource(ThisMachine(), scratch.Path(), "A.m3d"),
                                    scratch.At("Game\\A.m3d"));
    EXPECT_EQ(scratch.ReadFile("Game\\A.m3d"), "new map");
    EXPECT_EQ(scratch.ListNames("Game"), "A.m3d\n");
  }
}

TEST(CopyMapFile, MissingSourceLeavesTheDestinationAsItWas) {
  ScratchFolder scratch;
  scratch.MakeFolder("Maps");
  scratch.WriteFile("Game\\A.txt", "older description");
  EXPECT_NO_THROW(ThisMachine().CopyFileReplacing(
      engine::OpenMapSource(ThisMachine(), scratch.Path(), "A.txt"), scratch.At("Game\\A.txt")));
  EXPECT_EQ(scratch.ReadFile("Game\\A.txt"), "older description");
}

TEST(CopyMapFile, MissingDestinationFolderFailsSilentlyAndCreatesNoFolder) {
  ScratchFolder scratch;
  scratch.WriteFile("Maps\\A.jpg", "jpeg");
  scratch.MakeFolder("Game");
  EXPECT_NO_THROW(
      ThisMachine().CopyFileReplacing(engine::OpenMapSource(ThisMachine(), scratch.Path(), "A.jpg"),
                                      scratch.At("Game\\skirmish\\A.jpg")));
  EXPECT_FALSE(scratch.Exists("Game\\skirmish"));
  EXPECT_EQ(scratch.ListNames("Game"), "");
}

TEST(CopyMapFile, SourceFollowsTheGivenDirectoryNotTheProgramFolder) {
  ScratchFolder scratch;
  scratch.WriteFile("Elsewhere\\Maps\\A.m3d", "from elsewhere");
  scratch.MakeFolder("Game");
  ThisMachine().CopyFileReplacing(
      engine::OpenMapSource(ThisMachine(), scratch.At("Elsewhere"), "A.m3d"),
      scratch.At("Game\\A.m3d"));
  EXPECT_EQ(scratch.ReadFile("Game\\A.m3d"), "from elsewhere");
}

// The pack names the umlaut map's files in Windows-1252. Where the system's code
// page reads its byte FC as another letter (1251: U+044C) or, with the next byte,
// as no letter at all (932), the file is not found under that reading; the copy
// then takes the pack's name, and the destination keeps the 8-bit name, which is
// what the game looks for. (Under 932 a listing names that file with other bytes.)
struct PackNameCase {
  const char* what;
  const char* directory;  // current directory, under the scratch folder
  bool pack_name_file;    // a source named as the pack names it
  bool system_name_file;  // a source under the 8-bit name as the system reads it
  const char* copied;     // the destination's content afterwards
};

const PackNameCase kPackNameCases[] = {
    {"only the pack's name", "Setup", true, false, "pack"},
    {"the system's reading found first", "Setup", true, true, "system"},
    {"neither", "Setup", false, false, "older"},
    // The user's folder is named in the system's code page (here 1251 "Zagruzki").
    {"a folder named in the system's code page", "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE8", true, false,
     "pack"},
};

TEST(CopyMapFile, FindsTheUmlautMapUnderThePackNameOnlyWhenTheSystemsReadingIsMissing) {
  const std::string name = "Scharm\xFCtzel2.txt";
  for (const PackNameCase& c : kPackNameCases) {
    SCOPED_TRACE(c.what);
    ScratchFolder scratch;
    const std::string maps = std::string(c.directory) + "\\Maps";
    scratch.MakeFolder(maps);
    // Under code page 1252 both are one file: the later write is the one kept.
    if (c.pack_name_file) {
      ASSERT_TRUE(WriteUnderWindows1252Name(scratch.At(maps), name, "pack"));
    }
    if (c.system_name_file) scratch.WriteFile(maps + "\\" + name, "system");
    scratch.WriteFile("Game\\" + name, "older");
    ThisMachine().CopyFileReplacing(
        engine::OpenMapSource(ThisMachine(), scratch.At(c.directory), name),
        scratch.At("Game\\" + name));
    EXPECT_EQ(scratch.ReadFile("Game\\" + name), c.copied);
    EXPECT_EQ(NamesIn(scratch.At("Game")).size(), 1u);
  }
}

}  // namespace
