

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/append_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

TEST(IsFolder, AnswersOnlyForExistingFolders) {
  ScratchFolder scratch;
  scratch.MakeFolder("dir");
  scratch.WriteFile("file", "x");
  EXPECT_TRUE(ThisMachine().IsFolder(scratch.At("dir")));
  EXPECT_FALSE(ThisMachine().IsFolder(scratch.At("file")));
  EXPECT_FALSE(ThisMachine().IsFolder(scratch.At("missing")));
  EXPECT_FALSE(ThisMachine().IsFolder(scratch.At("file\\below")));
}

TEST(WholeFile, RoundTripsEveryByteValue) {
  ScratchFolder scratch;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  bytes += bytes;
  ASSERT_EQ(ThisMachine().WriteWholeFile(scratch.At("all.bin"), bytes), platform::WriteOutcome::Ok);
  std::string read;
  ASSERT_EQ(ThisMachine().ReadWholeFile(scratch.At("all.bin"), read), platform::ReadOutcome::Ok);
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(scratch.ListNames(""), "all.bin\n");
  EXPECT_EQ(ThisMachine().ReadWholeFile(scratch.At("all.bin"), read, 0, 512),
            platform::ReadOutcome::Ok);
  EXPECT_EQ(ThisMachine().ReadWholeFile(scratch.At("all.bin"), read, 0, 511),
            platform::ReadOutcome::CannotRead);
}

TEST(WholeFile, ShorterContentReplacesLongerEntirely) {
  ScratchFolder scratch;
  scratch.WriteFile("f.txt", "a much longer old content");
  ASSERT_EQ(ThisMachine().WriteWholeFile(scratch.At("f.txt"), "new"), platform::WriteOutcome::Ok);
  EXPECT_EQ(scratch.ReadFile("f.txt"), "new");
}

TEST(WholeFile, ReadOfMissingFileCannotOpen) {
  ScratchFolder scratch;
  std::string read = "untouched";
  EXPECT_EQ(ThisMachine().ReadWholeFile(scratch.At("missing"), read),
            platform::ReadOutcome::CannotOpen);
}

// A run ended between creating a temporary and moving it leaves
// "<file>.~zs<process id>_<attempt>" behind; the next install's hold on the
// folder removes such files of the files it writes there, and nothing else.
struct LeftBehind {
  const char* name;
  bool removed;
};

const LeftBehind kLeftBehind[] = {
    {"list.txt.~zs123_0", true},    {"list.txt.~zs4294967295_99", true},
    {"list.txt.~zs0_0", true},      {"A.m3d.~zs77_1", true},  // a map's
    {"other.txt.~zs123_0", false},                            // a file the install does not write
    {"gone.txt.~zs123_0", false},  // perhaps the only copy of a file now missing
    {"xlist.txt.~zs123_0", false},  {"list.txt.~zs123_0.bak", false},
    {"list.txt.~zs123_", false},    {"list.txt.~zs_0", false},
    {"list.txt.~zs12a_0", false},   {"list.txt.~zs123", false},
    {"list.txt.~zs123_0_1", false}, {"list.txt.~zs-1_0", false},
    {"list.txt.bak", false},        {"list.tx.~zs1_0", false},
};

const std::vector<platform::FolderToWrite> kGameFolder = {
    {"\\Data", {"list.txt", "A.m3d", "gone.txt"}}};

TEST(FolderHold, RemovesOnlyLeftOverTemporariesOfTheFilesItWrites) {
  ScratchFolder scratch;
  scratch.WriteFile("Data\\list.txt", "old");
  scratch.WriteFile("Data\\A.m3d", "map");
  for (const LeftBehind& file : kLeftBehind)
    scratch.WriteFile("Data\\" + std::string(file.name), "stale");
  ASSERT_TRUE(SetReadOnlyMark(scratch.At("Data\\list.txt.~zs0_0")));
  scratch.WriteFile("Data\\sub\\list.txt.~zs1_0", "stale");  // not in the folder
  scratch.WriteFile("Data\\list.txt.~zs77_3", "in use");
  std::vector<std::string> kept = {"A.m3d", "list.txt", "list.txt.~zs77_3", "sub"};
  for (const LeftBehind& file : kLeftBehind)
    if (!file.removed) kept.push_back(file.name);
  std::sort(kept.begin(), kept.end());
  {
    FileHold in_use(scratch.At("Data\\list.txt.~zs77_3"));
    ASSERT_TRUE(in_use.IsHeld());
    EXPECT_EQ(ThisMachine().HoldFolders(scratch.Path(), kGameFolder)->Outcome(),
              platform::HoldOutcome::Ok);
  }
  EXPECT_EQ(NamesIn(scratch.At("Data")), kept);
  EXPECT_EQ(scratch.ReadFile("Data\\list.txt.~zs77_3"), "in use");
  EXPECT_TRUE(scratch.Exists("Data\\sub\\list.txt.~zs1_0"));

  // Once nobody holds it, the next hold removes it too.
  ThisMachine().HoldFolders(scratch.Path(), kGameFolder);
  EXPECT_FALSE(scratch.Exists("Data\\list.txt.~zs77_3"));
}

// Links planted under temporaries' names (the first one is the name this save
// tries first): neither the hold's clean-up nor the save removes them or
// reaches what they lead to.
TEST(FolderHold, LeavesLinksNamedLikeTemporariesAndWhatTheyLeadTo) {
  ScratchFolder scratch;
  scratch.WriteFile("Data\\list.txt", "old");
  scratch.WriteFile("Data\\decoy.txt", "decoy");
  scratch.WriteFile("elsewhere.txt", "elsewhere");
  const std::string data = scratch.At("Data");
  const PlantedLink own_first(data, "list.txt.~zs" + std::to_string(ProcessId()) + "_0",
                              "decoy.txt", true);
  const PlantedLink away(data, "list.txt.~zs4242_1", "../elsewhere.txt", true);
  const PlantedLink hard(data, "list.txt.~zs4242_2", "decoy.txt", false);
  if (!own_first.IsPlanted() || !away.IsPlanted() || !hard.IsPlanted())
    GTEST_SKIP() << "this system makes no links";
  std::vector<std::string> kept = {"decoy.txt", "list.txt", own_first.Name(), away.Name(),
                                   hard.Name()};
  std::sort(kept.begin(), kept.end());
  {
    const auto hold = ThisMachine().HoldFolders(scratch.Path(), kGameFolder);
    ASSERT_EQ(hold->Outcome(), platform::HoldOutcome::Ok);
    ASSERT_EQ(ThisMachine().WriteWholeFile(scratch.At("Data\\list.txt"), "new"),
              platform::WriteOutcome::Ok);
  }
  EXPECT_EQ(scratch.ReadFile("Data\\list.txt"), "new");
  EXPECT_EQ(scratch.ReadFile("Data\\decoy.txt"), "decoy");
  EXPECT_EQ(scratch.ReadFile("elsewhere.txt"), "elsewhere");
  EXPECT_EQ(NamesIn(data), kept);
}

#ifndef _WIN32
// Where the folder lets no temporary be made beside the list, the list itself
// is rewritten, only where it has no other name: a list hard-linked to a file
// elsewhere keeps what that file holds. (Windows gives a user such rights by
// access control lists, which Wine does not have.)
TEST(WholeFile, SaveWithoutATemporaryRewritesOnlyAListOfOneNameInPlace) {
  for (const bool linked : {false, true}) {
    SCOPED_TRACE(linked ? "hard-linked list" : "plain list");
    ScratchFolder scratch;
    scratch.WriteFile("Outside\\list.txt", "a much longer old content");
    scratch.MakeFolder("Data");
    std::unique_ptr<PlantedLink> link;
    if (linked)
      link = std::make_unique<PlantedLink>(scratch.At("Data"), "list.txt", "../Outside/list.txt",
                                           false);
    else
      scratch.WriteFile("Data\\list.txt", "a much longer old content");
    platform::WriteOutcome outcome;
    {
      const NoRightToCreateIn no_temporary(scratch.At("Data"));
      outcome = ThisMachine().WriteWholeFile(scratch.At("Data\\list.txt"), "new");
    }
    EXPECT_EQ(outcome, linked ? platform::WriteOutcome::CannotCreate : platform::WriteOutcome::Ok);
    EXPECT_EQ(scratch.ReadFile("Data\\list.txt"), linked ? "a much longer old content" : "new");
    EXPECT_EQ(scratch.ReadFile("Outside\\list.txt"), "a much longer old content");
    EXPECT_EQ(scratch.ListNames("Data"), "list.txt\n");
  }
}
#endif

// A temporary whose path would pass the system's limit (Windows: 259
// characters, POSIX: 255 for the name) is refused, not worked around: by the
// save, and before an install by the hold on the folder, naming the file.
TEST(WholeFile, SaveRefusesATemporaryNameTooLongAndWritesNothing) {
  ScratchFolder scratch;
  scratch.MakeFolder("D");
#ifdef _WIN32
  const std::string name(259 - scratch.At("D\\").size() - 4, 'n');
#else
  const std::string name(250, 'n');
#endif
  ASSERT_TRUE(WriteUnderWindows1252Name(scratch.At("D"), name, "old"));
  EXPECT_EQ(ThisMachine().WriteWholeFile(scratch.At("D\\" + name), "new"),
            platform::WriteOutcome::NameTooLong);
  EXPECT_EQ(scratch.ReadFile("D\\" + name), "old");
  EXPECT_EQ(scratch.ListNames("D"), name + "\n");

  const auto hold = ThisMachine().HoldFolders(scratch.Path(), {{"\\D", {name}}});
  EXPECT_EQ(hold->Outcome(), platform::HoldOutcome::PathTooLong);
  EXPECT_EQ(hold->Refused(), scratch.At("D\\" + name));
}

// What belongs to the list itself (Windows: its hidden attribute; POSIX: its
// mode) stays with it through a save.
TEST(WholeFile, SaveKeepsTheListsOwnMark) {
  ScratchFolder scratch;
  scratch.WriteFile("list.txt", "old");
  ASSERT_TRUE(SetOwnMark(scratch.At("list.txt")));
  ASSERT_TRUE(HasOwnMark(scratch.At("list.txt"))) << "this file system keeps no such mark";
  ASSERT_EQ(ThisMachine().WriteWholeFile(scratch.At("list.txt"), "new"),
            platform::WriteOutcome::Ok);
  EXPECT_EQ(scratch.ReadFile("list.txt"), "new");
  EXPECT_TRUE(HasOwnMark(scratch.At("list.txt")));
}

TEST(CopyFileReplacing, CopiesAndTellsAMissingSourceFromOtherFailures) {
  struct Case {
    const char* source;
    const char* destination;
    platform::CopyOutcome outcome;
    const char* destination_content;  // afterwards
  };
  const Case cases[] = {
      {"a", "b", platform::CopyOutcome::Ok, "alpha"},
      {"missing", "b", platform::CopyOutcome::SourceMissing, "older"},
      {"a", "no\\b", platform::CopyOutcome::NoFolder, nullptr},
      {"a", "folder", platform::CopyOutcome::Refused, nullptr},  // a folder at its name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " -> " + c.destination);
    ScratchFolder scratch;
    scratch.WriteFile("a", "alpha");
    scratch.WriteFile("b", "older");
    scratch.MakeFolder("folder");
    EXPECT_EQ(ThisMachine().CopyFileReplacing(ThisMachine().OpenSource(scratch.At(c.source)),
                                              scratch.At(c.destination)),
              c.outcome);
    if (c.destination_content != nullptr) {
      EXPECT_EQ(scratch.ReadFile(c.destination), c.destination_content);
    } else {
      EXPECT_FALSE(scratch.Exists("no"));
      EXPECT_EQ(scratch.ListNames(""), "a\nb\nfolder\n");  // no temporary left
    }
  }
}

// The log's file: added to at its end where it is a plain file of its own; a
// link planted at its name (to a file Setup must not touch) is refused, and
// what it leads to keeps its bytes or stays unmade.
TEST(AppendFile, AddsToAPlainFileAndRefusesALinkAtItsName) {
  struct Case {
    const char* name;
    const char* old_content;  // of a plain file there; or none
    const char* link_to;      // a link there to this, relative; or none
    bool symbolic;
    platform::AppendOpening opening;
  };
  const Case cases[] = {
      {"new file", nullptr, nullptr, false, platform::AppendOpening::Ok},
      {"existing file", "old\r\n", nullptr, false, platform::AppendOpening::Ok},
      {"symbolic link", nullptr, "outside.txt", true, platform::AppendOpening::NotPlain},
      {"dangling link", nullptr, "gone.txt", true, platform::AppendOpening::NotPlain},
      {"hard link", nullptr, "outside.txt", false, platform::AppendOpening::NotPlain},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder scratch;
    scratch.WriteFile("outside.txt", "outside");
    if (c.old_content != nullptr) scratch.WriteFile("log.txt", c.old_content);
    std::unique_ptr<PlantedLink> link;
    if (c.link_to != nullptr) {
      link = std::make_unique<PlantedLink>(scratch.Path(), "log.txt", c.link_to, c.symbolic);
      if (!link->IsPlanted()) continue;  // this system makes no such link
    }
    {
      platform::AppendFile log(scratch.At("log.txt"));
      EXPECT_EQ(log.Opening(), c.opening);
      EXPECT_EQ(log.Append("line\r\n"), c.opening == platform::AppendOpening::Ok);
    }
    EXPECT_EQ(scratch.ReadFile("outside.txt"), "outside");
    EXPECT_FALSE(scratch.Exists("gone.txt"));
    if (c.opening == platform::AppendOpening::Ok) {
      EXPECT_EQ(scratch.ReadFile("log.txt"),
                std::string(c.old_content != nullptr ? c.old_content : "") + "line\r\n");
    }
  }
}

#ifndef _WIN32
// A write the system refuses (here one past the largest file the process may
// write, which a full drive gives as well) is told.
TEST(AppendFile, TellsAWriteThatFails) {
  ScratchFolder scratch;
  platform::AppendFile log(scratch.At("log.txt"));
  bool appended = true;
  {
    const FileSizeLimit four_bytes(4);
    appended = log.Append("a line\r\n");
  }
  EXPECT_FALSE(appended);
}
#endif

TEST(OpenSourceNamedInWindows1252, AnAsciiNameHasNoOtherReading) {
  ScratchFolder scratch;
  scratch.WriteFile("A.m3d", "map");
  EXPECT_EQ(ThisMachine().OpenSourceNamedInWindows1252(scratch.At(""), "A.m3d").State(),
            platform::Readability::Missing);
}

#ifdef _WIN32
// Under code page 1252, as the tests run: "è" has its byte there, "Ж" none, and
// "ā" only a best-fit "a", which would name another file.
TEST(NameFromUtf8, OnlyWhatTheCodePageHoldsExactly) {
  std::string name;
  EXPECT_TRUE(ThisMachine().NameFromUtf8("Biblioth\xC3\xA8que", name));
  EXPECT_EQ(name, "Biblioth\xE8que");
  for (const char* utf8 : {"\xD0\x96", "\xC4\x81", "cut \xC3"})
    EXPECT_FALSE(ThisMachine().NameFromUtf8(utf8, name)) << utf8;
}
#endif

class CurrentDirectoryRead : public testing::Test {
 protected:
  CurrentDirectoryRead() : home_(ThisMachine().CurrentDirectory()) {}
  ~CurrentDirectoryRead() override { ChangeDirectory(home_); }
  std::string home_;
};

TEST_F(CurrentDirectoryRead, IsTheFolderChangedTo) {
  ScratchFolder scratch;
  ASSERT_TRUE(ChangeDirectory(scratch.Path()));
  EXPECT_EQ(ThisMachine().CurrentDirectory(), scratch.Path());
}

TEST_F(CurrentDirectoryRead, LongerThanAPathBufferComesBackWhole) {
  ScratchFolder scratch;
  std::string deep = scratch.Path();
  while (deep.size() < 300) {
    deep += "\\" + std::string(40, 'x');
    if (!CreateOneFolder(deep)) GTEST_SKIP() << "this system has no folders this deep";
  }
  if (!ChangeDirectory(deep)) GTEST_SKIP() << "this system cannot work in a folder this deep";
  EXPECT_EQ(ThisMachine().CurrentDirectory(), deep);
}

}  // namespace
