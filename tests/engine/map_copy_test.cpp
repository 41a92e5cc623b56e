#include "engine/map_copy.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace {

TEST(CopyMapFile, ReplacesAnExistingDestination) {
  ScratchFolder scratch;
  scratch.WriteFile("Maps\\A.m3d", "new map");
  scratch.WriteFile("Game\\A.m3d", "old map, longer than the new one");
  engine::CopyMapFile(scratch.Path(), "A.m3d", scratch.At("Game\\A.m3d"));
  EXPECT_EQ(scratch.ReadFile("Game\\A.m3d"), "new map");
}

TEST(CopyMapFile, MissingSourceLeavesTheDestinationAsItWas) {
  ScratchFolder scratch;
  scratch.MakeFolder("Maps");
  scratch.WriteFile("Game\\A.txt", "older description");
  EXPECT_NO_THROW(engine::CopyMapFile(scratch.Path(), "A.txt", scratch.At("Game\\A.txt")));
  EXPECT_EQ(scratch.ReadFile("Game\\A.txt"), "older description");
}

TEST(CopyMapFile, MissingDestinationFolderFailsSilentlyAndCreatesNoFolder) {
  ScratchFolder scratch;
  scratch.WriteFile("Maps\\A.jpg", "jpeg");
  scratch.MakeFolder("Game");
  EXPECT_NO_THROW(
      engine::CopyMapFile(scratch.Path(), "A.jpg", scratch.At("Game\\skirmish\\A.jpg")));
  EXPECT_FALSE(scratch.Exists("Game\\skirmish"));
  EXPECT_EQ(scratch.ListNames("Game"), "");
}

TEST(CopyMapFile, SourceFollowsTheGivenDirectoryNotTheProgramFolder) {
  ScratchFolder scratch;
  scratch.WriteFile("Elsewhere\\Maps\\A.m3d", "from elsewhere");
  scratch.MakeFolder("Game");
  engine::CopyMapFile(scratch.At("Elsewhere"), "A.m3d", scratch.At("Game\\A.m3d"));
  EXPECT_EQ(scratch.ReadFile("Game\\A.m3d"), "from elsewhere");
}

}  // namespace
