#include "listfiles/mission_list.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "tests/support/fake_system.h"
#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

std::string Blocks(int from, int to) {
  std::string blocks;
  for (int i = from; i <= to; ++i) blocks += ExpectedMissionBlock(i);
  return blocks;
}

TEST(MissionBlockLines, AreTheGameBlockForTheFirstEntry) {
  const std::vector<std::string> expected = {"#StonebridgeVale",
                                             "#StonebridgeVale_TXT",
                                             "-",
                                             "Missions\\Skirmish\\StonebridgeVale.m3d",
                                             "Missions\\Skirmish\\StonebridgeVale.txt",
                                             "2",
                                             "Interf3\\maps\\Skirmish\\StonebridgeVale.jpg 444 211",
                                             "236 125 1007 400"};
  EXPECT_EQ(MissionBlock("#StonebridgeVale"), expected);
}

struct UpdateCase {
  const char* name;
  std::string before;
  std::string appended;
  std::vector<int> still_marked;  // catalogue indices that keep the marker
};

class MissionListUpdate : public testing::TestWithParam<UpdateCase> {};

TEST_P(MissionListUpdate, AppendsMissingBlocksAndUnmarksTheirEntries) {
  ScratchFolder scratch;
  scratch.WriteFile("missions.txt", GetParam().before);
  pack::MapCatalogue catalogue;
  UpdateMissionList(ThisMachine(), scratch.At("missions.txt"), catalogue);
  EXPECT_EQ(scratch.ReadFile("missions.txt"), GetParam().before + GetParam().appended);
  for (int i = 0; i <= pack::MapHighIndex; ++i) {
    const bool marked = std::find(GetParam().still_marked.begin(), GetParam().still_marked.end(),
                                  i) != GetParam().still_marked.end();
    EXPECT_EQ(catalogue.MapNames[i], marked ? PackEntry(i) : PackBaseName(i));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissionListUpdate,
    testing::Values(
        UpdateCase{"EmptyFileGetsAllBlocks", "", Blocks(0, 20), {}},
        UpdateCase{"WorkedExample",
                   "#Game\r\n-\r\n" + ExpectedMissionBlock(13),
                   Blocks(0, 12) + Blocks(14, 20),
                   {13}},
        UpdateCase{"LongerNameCounts", "#QXMap0012\r\n", Blocks(0, 12) + Blocks(14, 20), {13}},
        UpdateCase{"OtherCaseDoesNot", "#QXMAP001\r\n", Blocks(0, 20), {}},
        UpdateCase{"UmlautByteMatches", "#Scharm\xFCtzel2\r\n", Blocks(0, 7) + Blocks(9, 20), {8}},
        UpdateCase{
            "OwnOutputAddsNothing", Blocks(0, 20), "", {0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                        11, 12, 13, 14, 15, 16, 17, 18, 19, 20}}),
    [](const testing::TestParamInfo<UpdateCase>& info) { return info.param.name; });

TEST(MissionListUpdateInOneRun, SecondCallOnTheSameFileAddsAndRemovesNothing) {
  ScratchFolder scratch;
  scratch.WriteFile("missions.txt", "");
  pack::MapCatalogue catalogue;
  UpdateMissionList(ThisMachine(), scratch.At("missions.txt"), catalogue);
  UpdateMissionList(ThisMachine(), scratch.At("missions.txt"), catalogue);
  EXPECT_EQ(scratch.ReadFile("missions.txt"), Blocks(0, 20));
  EXPECT_EQ(catalogue.MapNames[0], "StonebridgeVale");
}

TEST(MissionListUpdateInOneRun, FailedSaveLeavesFileButMarkersRemoved) {
  FakeSystem full_drive("C:\\Setup\\Setup.exe", "C:\\Setup");
  const std::string list = "C:\\Games\\missions.txt";
  full_drive.PutFile(list, "#Game\r\n");
  full_drive.room = 3;
  pack::MapCatalogue catalogue;
  EXPECT_THROW(UpdateMissionList(full_drive, list, catalogue), Failure);
  EXPECT_EQ(full_drive.Content(list), "#Game\r\n");
  EXPECT_EQ(catalogue.MapNames[20], "QXMap008");

  // The repeat writes the blocks a first install writes; no name gets shorter.
  full_drive.room = 1 << 20;
  UpdateMissionList(full_drive, list, catalogue);
  EXPECT_EQ(full_drive.Content(list), "#Game\r\n" + Blocks(0, 20));
  EXPECT_EQ(catalogue.MapNames[20], "QXMap008");
}

TEST(MissionListUpdateFailure, MissingFileChangesNoEntry) {
  ScratchFolder scratch;
  pack::MapCatalogue catalogue;
  EXPECT_THROW(UpdateMissionList(ThisMachine(), scratch.At("missions.txt"), catalogue), Failure);
  EXPECT_EQ(catalogue.MapNames[0], "#StonebridgeVale");
}

}  // namespace
