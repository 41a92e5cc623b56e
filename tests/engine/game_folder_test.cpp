#include "engine/game_folder.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/paths.h"
#include "tests/support//scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

struct FolderCase {
  const char* name;
  std::vector<const char*> folders;  // created below the game folder
  std::vector<const char*> files;    // likewise, as plain files
  bool is_game_folder;
  bool uses_run_layout;
};

class GameFolderTruthTable : public testing::TestWithParam<FolderCase> {};

TEST_P(GameFolderTruthTable, AnswersForTheTree) {
  ScratchFolder scratch;
  scratch.MakeFolder("Game");
  for (const char* folder : GetParam().folders) scratch.MakeFolder(std::string("Game\\") + folder);
  for (const char* file : GetParam().files) scratch.WriteFile(std::string("Game\\") + file, "x");
  const std::string game = scratch.At("Game");
  EXPECT_EQ(engine::IsGameFolder(ThisMachine(), game), GetParam().is_game_folder);
  EXPECT_EQ(engine::UsesRunLayout(ThisMachine(), game), GetParam().uses_run_layout);
  EXPECT_EQ(engine::LayoutPrefix(ThisMachine(), game), GetParam().uses_run_layout ? "\\Run" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GameFolderTruthTable,
    testing::Values(FolderCase{"Neither", {}, {}, false, false},
                    FolderCase{"RunOnly", {"Run"}, {}, true, true},
                    FolderCase{
                        "RunDataMissionsText", {"Run\\Data\\Missions\\Text"}, {}, true, true},
                    FolderCase{"PlainDataOnly", {"Data"}, {}, true, false},
                    FolderCase{"PlainMissions", {"Data\\Missions"}, {}, true, false},
                    FolderCase{"BothPlainWins", {"Run\\Data", "Data"}, {}, true, false},
                    FolderCase{"FileNamedRun", {}, {"Run"}, false, false},
                    FolderCase{"FileNamedData", {}, {"Data"}, false, false},
                    FolderCase{"UnrelatedFolders", {"Maps", "run data"}, {}, false, false}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

TEST(GameFolderPaths, TrailingBackslashIsPassedThroughDoubled) {
  ScratchFolder scratch;
  scratch.MakeFolder("Game\\Run");
  // "Game\" + "\Run" names the same folder to the system; nothing is normalised away.
  EXPECT_TRUE(engine::IsGameFolder(ThisMachine(), scratch.At("Game") + "\\"));
  EXPECT_TRUE(engine::UsesRunLayout(ThisMachine(), scratch.At("Game") + "\\"));
  EXPECT_EQ(JoinPath(scratch.At("Game") + "\\", "\\Data"), scratch.At("Game") + "\\\\Data");
}

TEST(GameFolderPaths, MissingGameFolderIsNoGameFolder) {
  ScratchFolder scratch;
  EXPECT_FALSE(engine::IsGameFolder(ThisMachine(), scratch.At("NoSuchGame")));
}

}  // namespace
