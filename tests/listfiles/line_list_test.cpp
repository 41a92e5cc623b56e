#include "listfiles/line_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/failure_text.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

struct SplitCase {
  const char* name;
  std::string file;
  std::vector<std::string> lines;
  std::string saved;
};

class LineSplittingTable : public testing::TestWithParam<SplitCase> {};

TEST_P(LineSplittingTable, LoadsTheLinesAndSavesTheirNormalForm) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", GetParam().file);
  LineList list = LineList::LoadLines(ThisMachine(), scratch.At("list.txt"));
  std::vector<std::string> lines;
  for (int i = 0; i < list.LineCount(); ++i) lines.push_back(list.GetLine(i));
  EXPECT_EQ(lines, GetParam().lines);
  EXPECT_EQ(list.JoinedText(), GetParam().saved);
  if (GetParam().file.find('\0') != std::string::npos) return;  // such lists are never saved
  list.SaveLines(ThisMachine(), scratch.At("saved.txt"));
  EXPECT_EQ(scratch.ReadFile("saved.txt"), GetParam().saved);
}

using std::string_literals::operator""s;

INSTANTIATE_TEST_SUITE_P(
    Bytes, LineSplittingTable,
    testing::Values(
        SplitCase{"CrLf", "A\r\nB\r\n", {"A", "B"}, "A\r\nB\r\n"},
        SplitCase{"LoneLf", "A\nB", {"A", "B"}, "A\r\nB\r\n"},
        SplitCase{"LoneCr", "A\rB", {"A", "B"}, "A\r\nB\r\n"},
        SplitCase{"LfThenCr", "A\n\rB", {"A", "", "B"}, "A\r\n\r\nB\r\n"},
        SplitCase{"TwoBreaksAtEnd", "A\r\n\r\n", {"A", ""}, "A\r\n\r\n"},
        SplitCase{"CrLfThenLf", "A\r\n\n", {"A", ""}, "A\r\n\r\n"},
        SplitCase{"CrCrLf", "\r\r\n", {"", ""}, "\r\n\r\n"},
        SplitCase{"OneBreak", "\r\n", {""}, "\r\n"}, SplitCase{"NoBreak", "A", {"A"}, "A\r\n"},
        SplitCase{"NulEndsText", "A\0B\r\n"s, {"A"}, "A\r\n"},
        SplitCase{"NulFirst", "\0A"s, {}, ""}, SplitCase{"Empty", "", {}, ""},
        SplitCase{
            "ByteOrderMarkIsText", "\xEF\xBB\xBFX\r\n", {"\xEF\xBB\xBFX"}, "\xEF\xBB\xBFX\r\n"},
        SplitCase{"BlanksAndEightBitKept", " \t\xFC \r\n", {" \t\xFC "}, " \t\xFC \r\n"}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(LineListIndex, OutOfBoundsNamesTheIndex) {
  LineList empty = LineList::FromBytes("");
  EXPECT_EQ(FailureText([] { LineList::FromBytes("").GetLine(0); }),
            "List index out of bounds (0)");
  EXPECT_EQ(FailureText([] { LineList::FromBytes("A\r\nB\r\n").GetLine(2); }),
            "List index out of bounds (2)");
  EXPECT_EQ(FailureText([] { LineList::FromBytes("A\r\n").GetLine(-1); }),
            "List index out of bounds (-1)");
  EXPECT_EQ(FailureText([] { LineList::FromBytes("A\r\n").SetLine(1, "x"); }),
            "List index out of bounds (1)");
  EXPECT_EQ(empty.LineCount(), 0);
}

TEST(LineListEdit, SetAndAppendKeepEveryOtherLine) {
  LineList list = LineList::FromBytes("one\r\ntwo\r\nthree\r\n");
  list.SetLine(1, "second line");
  list.SetLine(0, "");
  list.AppendLine("three");
  EXPECT_EQ(list.LineCount(), 4);
  EXPECT_EQ(list.GetLine(0), "");
  EXPECT_EQ(list.GetLine(1), "second line");
  EXPECT_EQ(list.GetLine(2), "three");
  EXPECT_EQ(list.JoinedText(), "\r\nsecond line\r\nthree\r\nthree\r\n");
}

TEST(LineListContains, IsACaseSensitiveSubstringTestOfTheCurrentText) {
  LineList list = LineList::FromBytes("XABCD\r\n");
  EXPECT_TRUE(list.ContainsText("ABC"));
  EXPECT_FALSE(list.ContainsText("abc"));
  EXPECT_FALSE(list.ContainsText(""));
  EXPECT_FALSE(list.ContainsText("later"));
  list.AppendLine("later");
  EXPECT_TRUE(list.ContainsText("later"));
  list.SetLine(1, "now");
  EXPECT_FALSE(list.ContainsText("later"));
  EXPECT_FALSE(LineList::FromBytes("").ContainsText("A"));
}

TEST(LineListLoad, MissingFileFailsNamingThePathAsPassed) {
  ScratchFolder scratch;
  const std::string path = scratch.At("no\\such.txt");
  EXPECT_EQ(FailureText([&] { LineList::LoadLines(ThisMachine(), path); }),
            "Cannot open file " + path);
}

TEST(LineListLoad, FolderIsNoFile) {
  ScratchFolder scratch;
  scratch.MakeFolder("dir");
  EXPECT_THROW(LineList::LoadLines(ThisMachine(), scratch.At("dir")), Failure);
}

TEST(LineListSave, MissingFolderFailsAndCreatesNothing) {
  ScratchFolder scratch;
  const std::string path = scratch.At("missing\\list.txt");
  EXPECT_EQ(FailureText([&] { LineList::FromBytes("A\r\n").SaveLines(ThisMachine(), path); }),
            "Cannot create file " + path);
  EXPECT_EQ(scratch.ListNames(""), "");
}

TEST(LineListSave, EmptyListWritesAnEmptyFile) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  LineList::FromBytes("").SaveLines(ThisMachine(), scratch.At("list.txt"));
  EXPECT_EQ(scratch.ReadFile("list.txt"), "");
}

#ifndef _WIN32
// The drive takes no more than a few bytes of the new content (Wine cannot
// limit the writes of one program).
TEST(LineListSave, ShortWriteKeepsTheOldContentAndLeavesNoTemporaryFile) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old content\r\n");
  LineList list = LineList::LoadLines(ThisMachine(), scratch.At("list.txt"));
  list.AppendLine("new line");
  const FileSizeLimit five_bytes(5);
  EXPECT_EQ(FailureText([&] { list.SaveLines(ThisMachine(), scratch.At("list.txt")); }),
            "Stream write error");
  EXPECT_EQ(scratch.ReadFile("list.txt"), "old content\r\n");
  EXPECT_EQ(scratch.ListNames(""), "list.txt\n");
}

TEST(LineListSave, ShortWriteOfANewFileLeavesNoFile) {
  ScratchFolder scratch;
  const FileSizeLimit nothing(0);
  EXPECT_THROW(LineList::FromBytes("A\r\n").SaveLines(ThisMachine(), scratch.At("new.txt")),
               Failure);
  EXPECT_EQ(scratch.ListNames(""), "");
}
#endif

TEST(LineListSave, ListCutAtANulByteIsNeverSaved) {
  ScratchFolder scratch;
  const std::string bytes = std::string("keep\r\n\0the rest\r\n", 18);
  scratch.WriteFile("list.txt", bytes);
  LineList list = LineList::LoadLines(ThisMachine(), scratch.At("list.txt"));
  EXPECT_EQ(list.GetLine(0), "keep");  // reading still stops at the NUL
  EXPECT_EQ(FailureText([&] { list.SaveLines(ThisMachine(), scratch.At("list.txt")); }),
            "File " + scratch.At("list.txt") +
                " holds a NUL byte and cannot be rewritten without losing its end");
  EXPECT_EQ(scratch.ReadFile("list.txt"), bytes);
}

}  // namespace
