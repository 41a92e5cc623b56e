#include <gtest/gtest.h>

#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "listfiles/single_mission_list.h"
#include "tests/support/failure_text.h"
#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

// A list file before and after taking the pack out of it, written out by hand.
struct RemovalCase {
  const char* name;
  bool (*remove)(platform::System& system, const std::string& path,
                 const pack::MapCatalogue& catalogue);
  std::string before, after;
  const char* failure;  // the message, where the list must stay as it was
};

class PackRemoval : public testing::TestWithParam<RemovalCase> {};

TEST_P(PackRemoval, TakesOutThePacksLinesAndKeepsEveryOtherByte) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", GetParam().before);
  const pack::MapCatalogue catalogue;
  EXPECT_EQ(
      FailureText([&] { GetParam().remove(ThisMachine(), scratch.At("list.txt"), catalogue); }),
      GetParam().failure ? GetParam().failure : "");
  EXPECT_EQ(scratch.ReadFile("list.txt"), GetParam().after);
}

const std::string kBlock13 = ExpectedMissionBlock(13);  // #QXMap001, CR LF after every line

INSTANTIATE_TEST_SUITE_P(
    Lists, PackRemoval,
    testing::Values(
        RemovalCase{"EntriesOutCountRewrittenLastLineBreakStillMissing",
                    RemoveFromSingleMissionList, "23\r\nA\r\n#QXMap001\r\n\r\nB\n#StonebridgeVale",
                    "2\r\nA\r\n\r\nB\n", nullptr},
        RemovalCase{"DuplicateEntriesAllOut", RemoveFromSingleMissionList,
                    "9\r\n#QXMap001\r\n#QXMap001\r\nC\r\n", "1\r\nC\r\n", nullptr},
        RemovalCase{"LinesOnlyPartlyThePacksStayAndTheFileIsUntouched", RemoveFromSingleMissionList,
                    "5\n#QXMap0010\nx #QXMap002\nQXMap003\n",
                    "5\n#QXMap0010\nx #QXMap002\nQXMap003\n", nullptr},
        RemovalCase{"CountLineNotANumberLeavesTheFile", RemoveFromSingleMissionList,
                    "x\r\n#QXMap001\r\n", "x\r\n#QXMap001\r\n", "'x' is not a valid integer value"},
        RemovalCase{"WholeBlocksOutWithTheirOwnLineBreaks", RemoveFromMissionList,
                    "#Campaign\r\n" + kBlock13 + "tail\n", "#Campaign\r\ntail\n", nullptr},
        RemovalCase{
            "BlockCutShortOrChangedStays", RemoveFromMissionList,
            kBlock13.substr(0, 60) + "\r\nother\r\n" + kBlock13 + kBlock13 + "x\r\n" +
                "#QXMap002\r\n#QXMap002_TXT\r\n-\r\n",
            kBlock13.substr(0, 60) + "\r\nother\r\nx\r\n#QXMap002\r\n#QXMap002_TXT\r\n-\r\n",
            nullptr},
        RemovalCase{"BattleNamesOutByKeyMarkedOrNotWhateverTheTitle", RemoveBattleNames,
                    "CAMPAIGN_TXT C\r\nQXMap001_TXT Hill\r\n#QXMap002_TXT \r\nQXMap0010_TXT no\r\n"
                    "xQXMap001_TXT no\r\nQXMap001_TXTno\r\n",
                    "CAMPAIGN_TXT C\r\nQXMap0010_TXT no\r\nxQXMap001_TXT no\r\nQXMap001_TXTno\r\n",
                    nullptr},
        // Out with its whole break, the lone CR and the next LF would read as one
        // CR LF, losing the empty line: its break's LF stays.
        RemovalCase{"LineBetweenALoneCrAndAnEmptyLineOutItsLfKept", RemoveBattleNames,
                    "A\rQXMap001_TXT t\n\nB", "A\r\n\nB", nullptr},
        RemovalCase{"EntryAfterALoneCrOutAndCounted", RemoveFromSingleMissionList,
                    "9\r\nA\r#QXMap001\n\nB\r#QXMap002\r\n\nC", "3\r\nA\r\n\nB\r\n\nC", nullptr},
        RemovalCase{"WhatFollowsANulStays", RemoveBattleNames,
                    std::string("QXMap001_TXT t\r\nK\0QXMap002_TXT u\r\n", 35),
                    std::string("K\0QXMap002_TXT u\r\n", 19), nullptr}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return info.param.name; });

}  // namespace
