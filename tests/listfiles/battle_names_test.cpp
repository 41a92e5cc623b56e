#include "listfiles/battle_names.h"

#include <gtest/gtest.h>

#include "tests/support/failure_text.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

struct TitleCase {
  const char* line;
  const char* title;
};

class MapTitleExtraction : public testing::TestWithParam<TitleCase> {};

TEST_P(MapTitleExtraction, TakesWhatFollowsTheLastBraceBeforeTheFinalCharacter) {
  EXPECT_EQ(MapTitleFromLine(GetParam().line), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Lines, MapTitleExtraction,
                         testing::Values(TitleCase{"x}y}Hill Fort!", "Hill Fort"},
                                         TitleCase{"{a}{b}Title}", "Title"},
                                         TitleCase{"a}Hill Fort.", "Hill Fort"},
                                         TitleCase{"a} Hill Fort!", " Hill Fort"},
                                         TitleCase{"ab}}", ""}, TitleCase{"}x", ""},
                                         TitleCase{"}", ""},
                                         TitleCase{"a}  spaced  .", "  spaced  "},
                                         // No brace before the final character: all before it.
                                         TitleCase{"Hill Fort.", "Hill Fort"}, TitleCase{"x", ""},
                                         TitleCase{"", ""}, TitleCase{"{\xFC}M\xFC!", "M\xFC"}));

class ReadMapTitleFromFile : public testing::TestWithParam<const char*> {};

TEST_P(ReadMapTitleFromFile, IgnoresHowLineZeroEnds) {
  ScratchFolder scratch;
  const std::string text = std::string("x}y}Hill Fort!") + GetParam() + "ignored}line.";
  scratch.WriteFile("map.txt", text);
  EXPECT_EQ(ReadMapTitle(ThisMachine(), scratch.At("map.txt")), "Hill Fort");
  EXPECT_EQ(MapTitleFromText(text), "Hill Fort");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadMapTitleFromFile, testing::Values("\r\n", "\n", "\r"));

TEST(ReadMapTitleFailure, EmptyAndMissingFilesFail) {
  ScratchFolder scratch;
  scratch.WriteFile("empty.txt", "");
  EXPECT_EQ(FailureText([&] { ReadMapTitle(ThisMachine(), scratch.At("empty.txt")); }),
            "List index out of bounds (0)");
  EXPECT_EQ(FailureText([&] { MapTitleFromText(""); }), "List index out of bounds (0)");
  EXPECT_EQ(FailureText([&] { ReadMapTitle(ThisMachine(), scratch.At("missing.txt")); }),
            "Cannot open file " + scratch.At("missing.txt"));
}

TEST(BattleNameLine, IsEntryKeySpaceTitle) {
  EXPECT_EQ(BattleNameLine("#QXMap001", "Hill Fort"), "#QXMap001_TXT Hill Fort");
  EXPECT_EQ(BattleNameLine("QXMap001", ""), "QXMap001_TXT ");
}

struct AddCase {
  const char* name;
  const char* before;
  const char* line;
  const char* after;
};

class AddBattleNameCases : public testing::TestWithParam<AddCase> {};

TEST_P(AddBattleNameCases, AppendsUnlessContainedAndAlwaysRewrites) {
  ScratchFolder scratch;
  scratch.WriteFile("Skirbatlnames.txt", GetParam().before);
  AddBattleName(ThisMachine(), scratch.At("Skirbatlnames.txt"), GetParam().line);
  EXPECT_EQ(scratch.ReadFile("Skirbatlnames.txt"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AddBattleNameCases,
    testing::Values(AddCase{"New", "A_TXT a\r\n", "QXMap001_TXT Hill Fort",
                            "A_TXT a\r\nQXMap001_TXT Hill Fort\r\n"},
                    AddCase{"Present", "QXMap001_TXT Hill Fort\n", "QXMap001_TXT Hill Fort",
                            "QXMap001_TXT Hill Fort\r\n"},
                    AddCase{"PartOfLongerLine", "QXMap001_TXT Hill Fortress\r\n",
                            "QXMap001_TXT Hill Fort", "QXMap001_TXT Hill Fortress\r\n"},
                    AddCase{"MarkedIsNotInUnmarked", "QXMap001_TXT Hill Fort\r\n",
                            "#QXMap001_TXT Hill Fort",
                            "QXMap001_TXT Hill Fort\r\n#QXMap001_TXT Hill Fort\r\n"},
                    AddCase{"UnmarkedIsInMarked", "#QXMap001_TXT Hill Fort\r\n",
                            "QXMap001_TXT Hill Fort", "#QXMap001_TXT Hill Fort\r\n"},
                    AddCase{"EmptyList", "", "QXMap001_TXT ", "QXMap001_TXT \r\n"}),
    [](const testing::TestParamInfo<AddCase>& info) { return info.param.name; });

TEST(AddBattleNameFailure, MissingListFailsAndCreatesNothing) {
  ScratchFolder scratch;
  EXPECT_THROW(AddBattleName(ThisMachine(), scratch.At("Skirbatlnames.txt"), "A_TXT a"), Failure);
  EXPECT_FALSE(scratch.Exists("Skirbatlnames.txt"));
}

}  // namespace
