// The sharing rules towards other programs: reading lets others read only,
// saving needs the file to itself. A second handle obeys them as another
// process would.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <utility>

#include "listfiles/line_list.h"
#include "tests/support/failure_text.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The save's failure text; empty once saved.
std::string SaveMessage(const std::string& path, const std::string& content = "new\r\n") {
  return FailureText([&] { LineList::FromBytes(content).SaveLines(ThisMachine(), path); });
}

TEST(ListFileSharing, FileHeldOpenForWritingCannotBeLoaded) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  FileHold writer(scratch.At("list.txt"), GENERIC_WRITE, kShareAll);
  ASSERT_TRUE(writer.IsHeld());
  EXPECT_EQ(FailureText([&] { LineList::LoadLines(ThisMachine(), scratch.At("list.txt")); }),
            "Cannot open file " + scratch.At("list.txt"));
}

TEST(ListFileSharing, FileHeldOpenForReadingCanStillBeLoaded) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  FileHold reader(scratch.At("list.txt"), GENERIC_READ, kShareAll);
  ASSERT_TRUE(reader.IsHeld());
  EXPECT_EQ(LineList::LoadLines(ThisMachine(), scratch.At("list.txt")).GetLine(0), "old");
}

// Another program holding the list, as access and sharing: the save waits
// about a second, then fails and leaves the list as it was. Also where the
// holder only denies deleting it, which the replace needs.
class HeldWhileSaving : public testing::TestWithParam<std::pair<DWORD, DWORD>> {};

TEST_P(HeldWhileSaving, SaveFailsAndLeavesTheFileUntouched) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  {
    FileHold holder(scratch.At("list.txt"), GetParam().first, GetParam().second);
    ASSERT_TRUE(holder.IsHeld());
    EXPECT_EQ(SaveMessage(scratch.At("list.txt")), "Cannot create file " + scratch.At("list.txt"));
  }
  EXPECT_EQ(scratch.ReadFile("list.txt"), "old\r\n");
  EXPECT_EQ(scratch.ListNames(""), "list.txt\n");
}

INSTANTIATE_TEST_SUITE_P(
    Access, HeldWhileSaving,
    testing::Values(std::make_pair(static_cast<DWORD>(GENERIC_READ), kShareAll),
                    std::make_pair(static_cast<DWORD>(GENERIC_WRITE), kShareAll),
                    std::make_pair(static_cast<DWORD>(GENERIC_READ),
                                   static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE))));

// A program that has the list open only for its attributes stops no replace
// of Windows' own; Wine refuses to rename over any open file, which the save
// waits out and then reports. So each run shows which way it saves.
TEST(ListFileSharing, AHolderOfAttributesOnlyStopsTheRenameButNotTheReplace) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  {
    FileHold holder(scratch.At("list.txt"), FILE_READ_ATTRIBUTES, kShareAll);
    ASSERT_TRUE(holder.IsHeld());
    EXPECT_EQ(SaveMessage(scratch.At("list.txt")),
              SavesThroughSystemReplace() ? "" : "Cannot create file " + scratch.At("list.txt"));
  }
  EXPECT_EQ(scratch.ReadFile("list.txt"), SavesThroughSystemReplace() ? "new\r\n" : "old\r\n");
  EXPECT_EQ(scratch.ListNames(""), "list.txt\n");
}

bool TemporaryBeside(const ScratchFolder& scratch) {
  for (const std::string& name : NamesIn(scratch.Path()))
    if (name.find(".~zs") != std::string::npos) return true;
  return false;
}

// A scanner that opens the list while the new content is still being written
// meets the save at its move, which waits it out too.
TEST(ListFileSharing, SaveWaitsOutAHoldThatBeginsBeforeTheMove) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  std::string lines;
  while (lines.size() < 8 * 1024 * 1024) lines += "Missions\\Skirmish\\SomeMap.m3d\r\n";
  bool held_before_the_move = false;
  std::thread scanner([&] {
    const DWORD start = GetTickCount();
    while (!TemporaryBeside(scratch) && GetTickCount() - start < 10000) Sleep(0);
    FileHold hold(scratch.At("list.txt"), GENERIC_READ, kShareAll);
    held_before_the_move = hold.IsHeld() && TemporaryBeside(scratch);
    Sleep(200);
  });
  EXPECT_EQ(SaveMessage(scratch.At("list.txt"), lines), "");
  scanner.join();
  EXPECT_TRUE(held_before_the_move) << "the scanner came too late to meet the move";
  EXPECT_EQ(scratch.ReadFile("list.txt").size(), lines.size());
  EXPECT_EQ(scratch.ListNames(""), "list.txt\n");
}

// A read-only list cannot be replaced (Windows refuses it), though a run as
// root under Wine may still open it for writing: a refusal that is no hold
// ends in the list written in place.
TEST(ListFileSharing, ReplaceRefusedWithoutAHoldSavesInPlace) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "a longer old content\r\n");
  ASSERT_TRUE(SetFileAttributesA(scratch.At("list.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  if (!FileHold(scratch.At("list.txt"), GENERIC_WRITE, 0).IsHeld())
    GTEST_SKIP() << "a read-only list does not open for saving here";
  EXPECT_EQ(SaveMessage(scratch.At("list.txt")), "");
  EXPECT_EQ(scratch.ReadFile("list.txt"), "new\r\n");
  EXPECT_EQ(scratch.ListNames(""), "list.txt\n");
  EXPECT_NE(GetFileAttributesA(scratch.At("list.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST(ListFileSharing, LoadingLetsOthersReadButNotWrite) {
  // What our own load asks for, checked from the other side.
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  FileHold as_loader(scratch.At("list.txt"), GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(as_loader.IsHeld());
  EXPECT_TRUE(FileHold(scratch.At("list.txt"), GENERIC_READ, kShareAll).IsHeld());
  EXPECT_FALSE(FileHold(scratch.At("list.txt"), GENERIC_WRITE, kShareAll).IsHeld());
}

TEST(ListFileSharing, SavedFileIsNotLeftOpen) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old\r\n");
  LineList::FromBytes("new\r\n").SaveLines(ThisMachine(), scratch.At("list.txt"));
  EXPECT_TRUE(FileHold(scratch.At("list.txt"), GENERIC_READ | GENERIC_WRITE, 0).IsHeld());
  EXPECT_EQ(scratch.ReadFile("list.txt"), "new\r\n");
}

}  // namespace
