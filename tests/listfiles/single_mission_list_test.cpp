#include "listfiles/single_mission_list.h"

#include <gtest/gtest.h>

#include "tests/support/failure_text.h"
#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

std::string EntryLines(int from, int to) {
  std::string lines;
  for (int i = from; i <= to; ++i) lines += PackEntry(i) + "\r\n";
  return lines;
}

struct UpdateCase {
  const char* name;
  std::string before;
  std::string after;  // empty: the update fails and the file stays as it was
  std::string message;
};

class SingleMissionUpdate : public testing::TestWithParam<UpdateCase> {};

TEST_P(SingleMissionUpdate, WritesTheListOrFailsLeavingItAlone) {
  ScratchFolder scratch;
  scratch.WriteFile("SingleMiss.txt", GetParam().before);
  pack::MapCatalogue catalogue;
  EXPECT_EQ(FailureText([&] {
              UpdateSingleMissionList(ThisMachine(), scratch.At("SingleMiss.txt"), catalogue);
            }),
            GetParam().message);
  EXPECT_EQ(scratch.ReadFile("SingleMiss.txt"),
            GetParam().after.empty() ? GetParam().before : GetParam().after);
  EXPECT_EQ(catalogue.MapNames[0], "#StonebridgeVale");  // never changed here
}

INSTANTIATE_TEST_SUITE_P(
    Files, SingleMissionUpdate,
    testing::Values(
        UpdateCase{"WorkedExample", "3\r\nA\r\n\r\nB\r\n#QXMap001\r\n",
                   "23\r\nA\r\n\r\nB\r\n#QXMap001\r\n" + EntryLines(0, 12) + EntryLines(14, 20),
                   ""},
        UpdateCase{"CountAndTwoMissions", "2\r\nA\r\nB\r\n", "23\r\nA\r\nB\r\n" + EntryLines(0, 20),
                   ""},
        UpdateCase{"WrongCountRecomputed", "99\r\nA\r\nB\r\nC\r\n",
                   "24\r\nA\r\nB\r\nC\r\n" + EntryLines(0, 20), ""},
        UpdateCase{"BlankLinesCountEmptyOnesDoNot", "$0C\n \n\n",
                   "22\r\n \r\n\r\n" + EntryLines(0, 20), ""},
        UpdateCase{"LeadingBlanksInCount", "   12\r\n", "21\r\n" + EntryLines(0, 20), ""},
        UpdateCase{
            "EntryInsideLongerLineCounts", "1\r\n#QXMap0019\r\nx#StonebridgeValeY\r\n",
            "21\r\n#QXMap0019\r\nx#StonebridgeValeY\r\n" + EntryLines(1, 12) + EntryLines(14, 20),
            ""},
        UpdateCase{"OtherLetterCaseIsNotTheEntry", "1\r\n#qxmap001\r\n",
                   "22\r\n#qxmap001\r\n" + EntryLines(0, 20), ""},
        UpdateCase{
            "UmlautMatchesOnlyItsByte", "1\r\n#Scharmutzel2\r\n#Scharm\xFCtzel2\r\n",
            "22\r\n#Scharmutzel2\r\n#Scharm\xFCtzel2\r\n" + EntryLines(0, 7) + EntryLines(9, 20),
            ""},
        UpdateCase{"OwnOutputIsStable", "21\r\n" + EntryLines(0, 20), "21\r\n" + EntryLines(0, 20),
                   ""},
        UpdateCase{"LineBreaksNormalisedWhenNothingAdded", "21\n" + EntryLines(0, 20) + "tail",
                   "22\r\n" + EntryLines(0, 20) + "tail\r\n", ""},
        UpdateCase{"EmptyFileFailsOnTheFirstEntry", "", "",
                   "'#StonebridgeVale' is not a valid integer value"},
        UpdateCase{"EmptyFirstLineFails", "\r\nA\r\n", "", "'' is not a valid integer value"},
        UpdateCase{"MissionNameAsFirstLineFails", "Campaign\r\n", "",
                   "'Campaign' is not a valid integer value"},
        UpdateCase{"TrailingBlankInCountFails", "12 \r\n", "",
                   "'12 ' is not a valid integer value"}),
    [](const testing::TestParamInfo<UpdateCase>& info) { return info.param.name; });

TEST(SingleMissionUpdateInOneRun, FindsBaseNamesInsideTheMarkedLinesWritten) {
  ScratchFolder scratch;
  scratch.WriteFile("SingleMiss.txt", "0\r\n");
  pack::MapCatalogue catalogue;
  UpdateSingleMissionList(ThisMachine(), scratch.At("SingleMiss.txt"), catalogue);
  for (std::string& entry : catalogue.MapNames) entry.erase(0, 1);
  UpdateSingleMissionList(ThisMachine(), scratch.At("SingleMiss.txt"), catalogue);
  EXPECT_EQ(scratch.ReadFile("SingleMiss.txt"), "21\r\n" + EntryLines(0, 20));
}

TEST(SingleMissionUpdateInOneRun, UnmarkedEntryMissingFromAnotherFileIsAddedMarked) {
  ScratchFolder scratch;
  // Mentions the base name only, as another list might: a fresh start adds the entry.
  scratch.WriteFile("SingleMiss.txt", "1\r\nStonebridgeVale\r\n");
  pack::MapCatalogue catalogue;
  catalogue.MapNames[0] = "StonebridgeVale";
  UpdateSingleMissionList(ThisMachine(), scratch.At("SingleMiss.txt"), catalogue);
  EXPECT_EQ(scratch.ReadFile("SingleMiss.txt"), "22\r\nStonebridgeVale\r\n" + EntryLines(0, 20));
}

TEST(SingleMissionUpdateFailure, MissingFileFailsToOpen) {
  ScratchFolder scratch;
  pack::MapCatalogue catalogue;
  EXPECT_THROW(UpdateSingleMissionList(ThisMachine(), scratch.At("SingleMiss.txt"), catalogue),
               Failure);
  EXPECT_FALSE(scratch.Exists("SingleMiss.txt"));
}

}  // namespace
