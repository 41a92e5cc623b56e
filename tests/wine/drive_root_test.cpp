// A current directory or a game folder at the root of a drive makes paths with
// two backslashes in a row; the system must be handed them unchanged.

#include <gtest/gtest.h>
#include <windows.h>

#include "engine/game_folder.h"
#include "engine/map_copy.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

class AtTheDriveRoot : public testing::Test {
 protected:
  AtTheDriveRoot() : home_(ThisMachine().CurrentDirectory()), root_(TemporaryRoot().substr(0, 3)) {}
  ~AtTheDriveRoot() override { ChangeDirectory(home_); }
  std::string home_;
  // The root of the drive that holds the temporary folder (C:\ of the prefix):
  // Wine's Z:\ is the Linux root, which has a /run of its own.
  std::string root_;
};

TEST_F(AtTheDriveRoot, CurrentDirectoryKeepsItsBackslash) {
  ASSERT_TRUE(ChangeDirectory(root_));
  EXPECT_EQ(ThisMachine().CurrentDirectory(), root_);
}

TEST_F(AtTheDriveRoot, MapsAreCopiedFromTheRootsMapsFolder) {
  ScratchFolder scratch;
  const std::string name = "ZelmoraRootTest" + std::to_string(GetCurrentProcessId()) + ".m3d";
  const bool made_maps = CreateOneFolder(root_ + "Maps");
  ASSERT_EQ(ThisMachine().WriteWholeFile(root_ + "Maps\\" + name, "root map"),
            platform::WriteOutcome::Ok);
  ASSERT_TRUE(ChangeDirectory(root_));
  ThisMachine().CopyFileReplacing(
      engine::OpenMapSource(ThisMachine(), ThisMachine().CurrentDirectory(), name),
      scratch.At(name));
  RemoveTree(root_ + "Maps\\" + name);
  if (made_maps) RemoveTree(root_ + "Maps");
  EXPECT_EQ(scratch.ReadFile(name), "root map");
}

TEST_F(AtTheDriveRoot, EmptyGameFolderProbesTheCurrentDrivesRoot) {
  ScratchFolder scratch;
  ASSERT_TRUE(ChangeDirectory(scratch.Path()));
  ASSERT_FALSE(ThisMachine().IsFolder(root_ + "Run")) << "the test drive must have no \\Run";
  ASSERT_FALSE(ThisMachine().IsFolder(root_ + "Data")) << "the test drive must have no \\Data";
  EXPECT_FALSE(engine::IsGameFolder(ThisMachine(), ""));
  ASSERT_TRUE(CreateOneFolder(root_ + "Data"));
  const bool accepted = engine::IsGameFolder(ThisMachine(), "");
  const bool run_layout = engine::UsesRunLayout(ThisMachine(), "");
  RemoveTree(root_ + "Data");
  EXPECT_TRUE(accepted);
  EXPECT_FALSE(run_layout);
}

}  // namespace
