#include "engine/install_sequence.h"

#include "engine/uninstall_sequence.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "tests/support/failure_text.h"
#include "tests/support/game_fixture.h"
#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {

class RecordingView : public engine::InstallView, public engine::InstallRecord {
 public:
  explicit RecordingView(std::string game) : game_(std::move(game)) {}
  std::string GameFolderText() override { return game_; }
  void ShowNotice(const std::string& text) override { notices.push_back(text); }
  void SetProgressRange(int minimum, int maximum) override {
    progress_minimum = minimum;
    progress_maximum = maximum;
  }
  void SetProgressPosition(int position) override { progress_position = position; }
  void ShowFinishPage() override { finish_shown = true; }
  void Record(const std::string& game_folder) override { recorded_game = game_folder; }

  std::vector<std::string> notices;
  int progress_minimum = 0, progress_maximum = 100, progress_position = 0;
  bool finish_shown = false;
  std::string recorded_game;

 private:
  std::string game_;
};

// Installs from the fixture's folder as current directory, the way the wizard runs.
class InstallSequence : public testing::Test {
 protected:
  InstallSequence() : home_(ThisMachine().CurrentDirectory()) {}
  ~InstallSequence() override { ChangeDirectory(home_); }

  void Prepare(GameFixture& game) {
    WriteGameLists(game);
    game.WriteMaps();
    ASSERT_TRUE(ChangeDirectory(game.scratch.Path()));
  }

  RecordingView Install(const GameFixture& game, pack::MapCatalogue& catalogue) {
    RecordingView view(game.GameFolder());
    engine::RunInstall(ThisMachine(), view, view, catalogue, log_);
    return view;
  }

  std::string home_;
  engine::NoStepLog log_;
};

TEST_F(InstallSequence, FirstInstallRegistersAndCopiesEveryMap) {
  GameFixture game;
  Prepare(game);
  pack::MapCatalogue catalogue;
  const RecordingView view = Install(game, catalogue);

  ExpectListsOfOneInstall(game);
  for (int i = 0; i <= pack::MapHighIndex; ++i) {
    const std::string base = PackBaseName(i);
    EXPECT_EQ(game.ReadData("Missions\\Skirmish\\" + base + ".m3d"), "map " + base);
    EXPECT_EQ(game.ReadData("Interf3\\maps\\skirmish\\" + base + ".jpg"), "preview " + base);
    EXPECT_EQ(catalogue.MapNames[i], base);
  }
  EXPECT_TRUE(view.notices.empty());
  EXPECT_EQ(view.recorded_game, game.GameFolder());
  EXPECT_EQ(view.progress_minimum, 0);
  EXPECT_EQ(view.progress_maximum, 50000);
  EXPECT_EQ(view.progress_position, 49999);
  EXPECT_TRUE(view.finish_shown);
}

TEST_F(InstallSequence, RunLayoutWritesUnderRun) {
  GameFixture game(GameFixture::Layout::Run);
  Prepare(game);
  pack::MapCatalogue catalogue;
  EXPECT_TRUE(Install(game, catalogue).finish_shown);
  ExpectListsOfOneInstall(game);
  EXPECT_TRUE(game.scratch.Exists("Game\\Run\\Data\\Missions\\Skirmish\\QXMap008.txt"));
}

TEST_F(InstallSequence, BothLayoutsInstallUnderPlainDataOnly) {
  GameFixture game(GameFixture::Layout::Both);
  game.scratch.WriteFile("Game\\Run\\Data\\Missions\\SingleMiss.txt", "0\r\n");
  Prepare(game);
  pack::MapCatalogue catalogue;
  EXPECT_TRUE(Install(game, catalogue).finish_shown);
  ExpectListsOfOneInstall(game);
  EXPECT_EQ(game.scratch.ReadFile("Game\\Run\\Data\\Missions\\SingleMiss.txt"), "0\r\n");
  EXPECT_EQ(game.scratch.ListNames("Game\\Run\\Data\\Missions\\Skirmish"), "");
}

TEST_F(InstallSequence, RejectedFolderShowsTheNoticeAndTouchesNothing) {
  GameFixture game;
  Prepare(game);
  pack::MapCatalogue catalogue;
  RecordingView view(game.scratch.At("Maps"));
  engine::RunInstall(ThisMachine(), view, view, catalogue, log_);
  ASSERT_EQ(view.notices.size(), 1u);
  EXPECT_EQ(view.notices[0], "Incorrect path to \"Battle for Europe\". Please true again");
  EXPECT_FALSE(view.finish_shown);
  EXPECT_EQ(view.progress_maximum, 100);
  EXPECT_EQ(game.ReadData("Missions\\SingleMiss.txt"), kGameSingleMissions);
  EXPECT_EQ(game.ReadData("Missions\\missions.txt"), kGameMissions);
  EXPECT_EQ(game.ReadData("Missions\\Text\\Skirbatlnames.txt"), kGameBattleNames);
  EXPECT_EQ(game.scratch.ListNames(game.DataRelative("Missions\\Skirmish")), "");
  EXPECT_EQ(catalogue.MapNames[0], "#StonebridgeVale");
}

TEST_F(InstallSequence, RepeatAfterATitleFailureHealsToOneInstall) {
  GameFixture game;
  Prepare(game);
  game.scratch.WriteFile("Maps\\Moorland.txt", "");  // empty description: no line 0
  pack::MapCatalogue catalogue;
  EXPECT_EQ(FailureText([&] { Install(game, catalogue); }), "List index out of bounds (0)")
      << "the empty description file must stop the install";
  // Maps before Moorland (index 5) are complete; Moorland's copies were made.
  const std::string battle = game.ReadData("Missions\\Text\\Skirbatlnames.txt");
  EXPECT_NE(battle.find("Marschfeld_TXT"), std::string::npos);
  EXPECT_EQ(battle.find("Moorland_TXT"), std::string::npos);
  EXPECT_TRUE(game.scratch.Exists(game.DataRelative("Interf3\\maps\\skirmish\\Moorland.jpg")));
  EXPECT_FALSE(game.scratch.Exists(game.DataRelative("Missions\\Skirmish\\Tal_Gefecht.m3d")));

  game.WriteMaps();
  RecordingView second = Install(game, catalogue);
  EXPECT_TRUE(second.finish_shown);
  ExpectListsOfOneInstall(game);
}

TEST_F(InstallSequence, WithoutTheDescriptionsFolderTheFirstTitleNamesItsFile) {
  // The copies there fail silently; the title is then read from the game's folder.
  GameFixture game;
  Prepare(game);
  RemoveTree(game.DataPath("Missions\\Skirmish"));
  pack::MapCatalogue catalogue;
  EXPECT_EQ(FailureText([&] { Install(game, catalogue); }),
            "Cannot open file " + game.DataPath("Missions\\Skirmish\\" + PackBaseName(0) + ".txt"));
}

TEST_F(InstallSequence, NewRunAddsOneMarkedBattleLinePerMapAndAThirdAddsNone) {
  GameFixture game;
  Prepare(game);
  pack::MapCatalogue first_run, second_run, third_run;
  Install(game, first_run);
  Install(game, second_run);
  for (const std::string& entry : second_run.MapNames) EXPECT_EQ(entry[0], '#');
  ExpectListsOfOneInstall(game, AllBattleNameLines(true));
  const std::string after_second = game.ReadData("Missions\\Text\\Skirbatlnames.txt");

  Install(game, third_run);
  EXPECT_EQ(game.ReadData("Missions\\Text\\Skirbatlnames.txt"), after_second);
}

TEST_F(InstallSequence, SecondGameFolderInTheSameRunGetsWhatAFreshStartWrites) {
  GameFixture first, second;
  Prepare(first);
  WriteGameLists(second);
  pack::MapCatalogue catalogue;
  Install(first, catalogue);
  // The maps source folder stays the first fixture's (the current directory).
  RecordingView view(second.GameFolder());
  engine::RunInstall(ThisMachine(), view, view, catalogue, log_);
  EXPECT_TRUE(view.finish_shown);
  ExpectListsOfOneInstall(second);
  for (int i = 0; i <= pack::MapHighIndex; ++i) EXPECT_EQ(catalogue.MapNames[i], PackBaseName(i));
}

// What stands at QXMap001.m3d's name at the removal: the install's copy, or
// since the install a link (to a file, a hard one, to a folder) outside the
// game or a folder; or the install's copy over the game's qxmap001.m3d.
enum class AtMapName {
  Copy,
  LinkToAFile,
  HardLink,
  LinkToAFolder,
  Folder,
  GameFileInOtherCapitals
};

// Installed, then another pack's lines added in their own line endings, then
// removed again: the lists are what they were but for those lines.
struct RemovalCase {
  GameFixture::Layout layout;
  bool foreign_lines;
  AtMapName at_map_name;
};

class InstallThenRemove : public InstallSequence,
                          public testing::WithParamInterface<RemovalCase> {};

TEST_P(InstallThenRemove, LeavesTheListsAsTheyWereAndNoMapFile) {
  GameFixture game(GetParam().layout);
  Prepare(game);
  const AtMapName at_map_name = GetParam().at_map_name;
  const std::string skirmish = game.DataRelative("Missions\\Skirmish");
  if (at_map_name == AtMapName::GameFileInOtherCapitals)
    game.scratch.WriteFile(skirmish + "\\qxmap001.m3d", "the game's");
  // Only where names are compared with case is the game's file another than the install's.
  const bool game_file_kept = at_map_name == AtMapName::GameFileInOtherCapitals &&
                              !game.scratch.Exists(skirmish + "\\QXMAP001.M3D");
  pack::MapCatalogue catalogue;
  ASSERT_TRUE(Install(game, catalogue).finish_shown);
  const char* const foreign[] = {"#Foreign\n", "#Foreign\r\n#Foreign_TXT\r\n-", "Foreign_TXT Far"};
  const char* const lists[] = {"Missions\\SingleMiss.txt", "Missions\\missions.txt",
                               "Missions\\Text\\Skirbatlnames.txt"};
  for (int i = 0; i < 3 && GetParam().foreign_lines; ++i)
    game.scratch.WriteFile(game.DataRelative(lists[i]), game.ReadData(lists[i]) + foreign[i]);
  const std::string map_file = game.DataPath("Missions\\Skirmish\\QXMap001.m3d");
  game.scratch.WriteFile("Outside\\secret.m3d", "not a map");
  game.scratch.MakeFolder("Outside\\maps");
  const bool left =
      at_map_name != AtMapName::Copy && at_map_name != AtMapName::GameFileInOtherCapitals;
  if (left) RemoveTree(map_file);
  std::unique_ptr<PlantedLink> link;
  if (at_map_name == AtMapName::Folder) {
    ASSERT_TRUE(CreateOneFolder(map_file));
  } else if (left) {
    link = std::make_unique<PlantedLink>(game.DataPath("Missions\\Skirmish"), "QXMap001.m3d",
                                         at_map_name == AtMapName::LinkToAFolder
                                             ? "../../../../Outside/maps"
                                             : "../../../../Outside/secret.m3d",
                                         at_map_name != AtMapName::HardLink);
    if (!link->IsPlanted()) GTEST_SKIP() << "this system makes no such link";
  }

  const pack::MapCatalogue new_run;
  EXPECT_EQ(engine::RunUninstall(ThisMachine(), game.GameFolder(), new_run, log_),
            engine::RemovalOutcome::Removed);
  const auto kept = [&](int list) {
    return GetParam().foreign_lines ? std::string(foreign[list]) : std::string();
  };
  EXPECT_EQ(game.ReadData(lists[0]), GetParam().foreign_lines
                                         ? "3\r\nCampaign One\r\nCampaign Two\r\n" + kept(0)
                                         : kGameSingleMissions);
  EXPECT_EQ(game.ReadData(lists[1]), kGameMissions + kept(1));
  EXPECT_EQ(game.ReadData(lists[2]), kGameBattleNames + kept(2));
  EXPECT_EQ(game.scratch.ListNames(skirmish), left             ? "QXMap001.m3d\n"
                                              : game_file_kept ? "qxmap001.m3d\n"
                                                               : "");
  EXPECT_EQ(game.scratch.ListNames(game.DataRelative("Interf3\\maps\\skirmish")), "");
  EXPECT_EQ(game.scratch.ReadFile("Outside\\secret.m3d"), "not a map");
  EXPECT_TRUE(ThisMachine().IsFolder(game.scratch.At("Outside\\maps")));
  if (game_file_kept) {
    EXPECT_EQ(game.scratch.ReadFile(skirmish + "\\qxmap001.m3d"), "the game's");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, InstallThenRemove,
    testing::Values(RemovalCase{GameFixture::Layout::Plain, false, AtMapName::Copy},
                    RemovalCase{GameFixture::Layout::Run, false, AtMapName::Copy},
                    RemovalCase{GameFixture::Layout::Both, true, AtMapName::Copy},
                    RemovalCase{GameFixture::Layout::Plain, false, AtMapName::LinkToAFile},
                    RemovalCase{GameFixture::Layout::Plain, false, AtMapName::HardLink},
                    RemovalCase{GameFixture::Layout::Plain, false, AtMapName::Folder},
                    RemovalCase{GameFixture::Layout::Plain, false, AtMapName::LinkToAFolder},
                    RemovalCase{GameFixture::Layout::Plain, false,
                                AtMapName::GameFileInOtherCapitals}));

// Each failing step, with exactly what stays written.
struct FailureCase {
  const char* name;
  void (*break_game)(const GameFixture&);
  const char* message_under_data;  // message suffix: the file named, relative to the data folder
  const char* message;             // or a fixed message
  bool single_written, missions_written;
  int complete_maps;  // maps whose battle-name line was written
  // Or the pack's first file that cannot be read; once the pack is whole,
  // Install installs it.
  const char* unreadable_pack_file;
  const char* held;  // under the scratch folder: held with no sharing by another program
};

// The message, "<maps>" and "<data>" standing for those folders with their
// backslash, "<game>" for the game folder, "<number>" for any whole number.
bool MatchesMessage(const std::string& message, std::string expected, const GameFixture& game) {
  for (const auto& [name, path] :
       {std::pair<std::string, std::string>{"<maps>", game.scratch.At("Maps\\")},
        {"<data>", game.DataPath("")},
        {"<game>", game.GameFolder()}})
    for (auto at = expected.find(name); at != std::string::npos; at = expected.find(name))
      expected.replace(at, name.size(), path);
  const auto number = expected.find("<number>");
  if (number == std::string::npos) return message == expected;
  const auto digits = message.find_first_not_of("0123456789", number);
  return message.compare(0, number, expected, 0, number) == 0 && digits != number &&
         digits != std::string::npos && message.substr(digits) == expected.substr(number + 8);
}

std::string ExpectedMessage(const FailureCase& c, const GameFixture& game) {
  if (c.message_under_data) return "Cannot open file " + game.DataPath(c.message_under_data);
  if (!c.unreadable_pack_file) return c.message;
  return "Setup looked for the Zelmora maps in " + game.scratch.At("Maps") +
         "\\, but cannot read " + c.unreadable_pack_file +
         " there.\n\nExtract the whole archive into one folder and start Setup.exe from that "
         "folder. Nothing has been installed.";
}

class InstallFailure : public InstallSequence, public testing::WithParamInterface<FailureCase> {};

TEST_P(InstallFailure, StopsWithItsMessageKeepingWhatWasWritten) {
  GameFixture game;
  Prepare(game);
  GetParam().break_game(game);
  const auto read_if_present = [&](const std::string& under_data) {
    return game.scratch.Exists(game.DataRelative(under_data)) ? game.ReadData(under_data)
                                                              : std::string();
  };
  const std::string single_before = read_if_present("Missions\\SingleMiss.txt");
  const std::string battle_before = read_if_present("Missions\\Text\\Skirbatlnames.txt");
  pack::MapCatalogue catalogue;
  RecordingView view(game.GameFolder());
  {
    const TemporaryFolderMovedTo temporary(game.scratch.Path());
#ifdef _WIN32
    // Nothing is held where the row holds nothing: an empty name opens no file.
    const FileHold hold(GetParam().held ? game.scratch.At(GetParam().held) : std::string(),
                        GENERIC_READ, 0);
#endif
    const std::string message =
        FailureText([&] { engine::RunInstall(ThisMachine(), view, view, catalogue, log_); });
    EXPECT_TRUE(MatchesMessage(message, ExpectedMessage(GetParam(), game), game)) << message;
  }
  EXPECT_FALSE(view.finish_shown);
  EXPECT_EQ(view.progress_maximum, 100);
  EXPECT_EQ(view.recorded_game, "");

  EXPECT_EQ(read_if_present("Missions\\SingleMiss.txt") != single_before,
            GetParam().single_written);
  if (game.scratch.Exists(game.DataRelative("Missions\\missions.txt"))) {
    EXPECT_EQ(game.ReadData("Missions\\missions.txt") != kGameMissions,
              GetParam().missions_written);
  }
  if (!battle_before.empty()) {
    std::string expected_battle = kGameBattleNames;
    for (int i = 0; i < GetParam().complete_maps; ++i)
      expected_battle += PackBaseName(i) + "_TXT " + GameFixture::MapTitle(i) + "\r\n";
    EXPECT_EQ(game.ReadData("Missions\\Text\\Skirbatlnames.txt"), expected_battle);
  }
  for (int i = 0; i <= pack::MapHighIndex; ++i)
    EXPECT_EQ(
        game.scratch.Exists(game.DataRelative("Missions\\Skirmish\\" + PackBaseName(i) + ".m3d")),
        i <= GetParam().complete_maps && GetParam().missions_written)
        << PackBaseName(i);

  if (GetParam().unreadable_pack_file) {
    game.WriteMaps();
    EXPECT_TRUE(Install(game, catalogue).finish_shown);
    ExpectListsOfOneInstall(game);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InstallFailure,
    testing::Values(
        FailureCase{"CountLineNotANumber",
                    [](const GameFixture& g) {
                      g.scratch.WriteFile(g.DataRelative("Missions\\SingleMiss.txt"), "x\r\n");
                    },
                    nullptr, "'x' is not a valid integer value", false, false, 0, nullptr, nullptr},
        FailureCase{
            "SingleMissionListMissing",
            [](const GameFixture& g) { RemoveTree(g.DataPath("Missions\\SingleMiss.txt")); },
            "Missions\\SingleMiss.txt", nullptr, false, false, 0, nullptr, nullptr},
        FailureCase{"MissionListMissing",
                    [](const GameFixture& g) { RemoveTree(g.DataPath("Missions\\missions.txt")); },
                    "Missions\\missions.txt", nullptr, true, false, 0, nullptr, nullptr},
        FailureCase{"EmptyDescriptionOfMapSeven",
                    [](const GameFixture& g) { g.scratch.WriteFile("Maps\\3erWachturm.txt", ""); },
                    nullptr, "List index out of bounds (0)", true, true, 7, nullptr, nullptr},
        FailureCase{"BattleNameListMissing",
                    [](const GameFixture& g) {
                      RemoveTree(g.DataPath("Missions\\Text\\Skirbatlnames.txt"));
                    },
                    "Missions\\Text\\Skirbatlnames.txt", nullptr, true, true, 0, nullptr, nullptr},
        FailureCase{"NoMapsFolder", [](const GameFixture& g) { RemoveTree(g.scratch.At("Maps")); },
                    nullptr, nullptr, false, false, 0, "StonebridgeVale.m3d", nullptr},
        FailureCase{"DescriptionOfMapSevenMissing",
                    [](const GameFixture& g) { RemoveTree(g.scratch.At("Maps\\3erWachturm.txt")); },
                    nullptr, nullptr, false, false, 0, "3erWachturm.txt", nullptr},
        FailureCase{"MapFileNameTakenByAFolder",
                    [](const GameFixture& g) {
                      g.scratch.MakeFolder(g.DataRelative("Missions\\Skirmish\\KelMap2.m3d"));
                    },
                    nullptr,
                    "Cannot copy file <maps>KelMap2.m3d to <data>Missions\\Skirmish\\KelMap2.m3d: "
                    "the system refused to put it there (a folder of that name, a drive that only "
                    "reads, or no right to write there)",
                    true, true, 3, nullptr, nullptr},
        FailureCase{"NoRoomOnTheDrive",  // a terabyte, sparse: 2^20 MB and the rest's bytes
                    [](const GameFixture& g) {
                      ASSERT_TRUE(SetFileLength(g.scratch.At("Maps\\QXMap008.jpg"), 1ull << 40));
                    },
                    nullptr,
                    "The Zelmora maps need 1048577 MB free on the drive of <game>, but it "
                    "has only <number> MB free.\n\nMake room on that drive and run Setup again. "
                    "Nothing has been installed.",
                    false, false, 0, nullptr, nullptr}
#ifdef _WIN32
        ,
        FailureCase{"PictureHeldByAnotherProgram", [](const GameFixture&) {}, nullptr, nullptr,
                    false, false, 0, "QXMap004.jpg", "Maps\\QXMap004.jpg"},
        FailureCase{"DescriptionsFolderHeldByAnotherProgram", [](const GameFixture&) {}, nullptr,
                    "The folder <data>Missions\\Skirmish cannot be opened: another program may "
                    "hold it, or Setup may not read it. Setup has changed nothing",
                    false, false, 0, nullptr, "Game\\Data\\Missions\\Skirmish"}
#endif
        ),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// Links planted below the game folder by another user of the machine (under
// Wine Linux links, which Wine shows as their targets' paths): the install
// writes nothing through them and says what it refused, and every file outside
// the game keeps its bytes. A game folder reached through a link is fine.
using Links = std::vector<std::unique_ptr<PlantedLink>>;

struct LinkCase {
  const char* name;
  // Lays out the outside folder and plants the links, which live as long as the result.
  Links (*plant)(const GameFixture& game);
  const char* game_folder;  // as entered, relative to the scratch folder
  const char* refused;      // the folder named as a link, under the data folder; or none
  const char* cannot_save;  // the list that cannot be saved, under the data folder; or none
};

Links Plant(const std::string& folder, const std::string& name, const std::string& target,
            bool symbolic) {
  Links links;
  links.push_back(std::make_unique<PlantedLink>(folder, name, target, symbolic));
  return links;
}

// Every file below folder with its bytes.
std::map<std::string, std::string> Contents(const ScratchFolder& scratch,
                                            const std::string& folder) {
  std::map<std::string, std::string> contents;
  for (const std::string& name : NamesIn(scratch.At(folder))) {
    const std::string path = folder + "\\" + name;
    if (ThisMachine().IsFolder(scratch.At(path))) {
      for (const auto& below : Contents(scratch, path)) contents.insert(below);
    } else {
      contents[path] = scratch.ReadFile(path);
    }
  }
  return contents;
}

const LinkCase kLinkCases[] = {
    {"MapFileHardLinkedOutside",
     [](const GameFixture& g) {
       g.scratch.WriteFile("Outside\\secret.m3d", "not a map");
       return Plant(g.DataPath("Missions\\Skirmish"), "StonebridgeVale.m3d",
                    "../../../../Outside/secret.m3d", false);
     },
     "Game", nullptr, nullptr},
    {"MissionsFolderIsALink",
     [](const GameFixture& g) {
       g.scratch.WriteFile("Outside\\Missions\\SingleMiss.txt", kGameSingleMissions);
       g.scratch.WriteFile("Outside\\Missions\\missions.txt", kGameMissions);
       g.scratch.WriteFile("Outside\\Missions\\Text\\Skirbatlnames.txt", kGameBattleNames);
       g.scratch.MakeFolder("Outside\\Missions\\Skirmish");
       RemoveTree(g.DataPath("Missions"));
       return Plant(g.DataPath(""), "Missions", "../../Outside/Missions", true);
     },
     "Game", "Missions", nullptr},
    {"PictureFolderIsALink",
     [](const GameFixture& g) {
       g.scratch.WriteFile("Outside\\StonebridgeVale.jpg", "not a picture");
       RemoveTree(g.DataPath("Interf3\\maps\\skirmish"));
       return Plant(g.DataPath("Interf3\\maps"), "skirmish", "../../../../Outside", true);
     },
     "Game", "Interf3\\maps\\skirmish", nullptr},
    {"GameFolderReachedThroughALink",
     [](const GameFixture& g) {
       g.scratch.WriteFile("Outside\\keep.txt", "kept");
       return Plant(g.scratch.Path(), "Linked", "Game", true);
     },
     "Linked", nullptr, nullptr},
};

class InstallThroughLinks : public InstallSequence, public testing::WithParamInterface<LinkCase> {};

TEST_P(InstallThroughLinks, WritesNothingThroughThemAndSaysWhatItRefused) {
  GameFixture game;
  Prepare(game);
  const LinkCase& c = GetParam();
  const Links links = c.plant(game);
  for (const auto& link : links)
    if (!link->IsPlanted()) GTEST_SKIP() << "this system makes no such link";
  const auto outside = Contents(game.scratch, "Outside");
  const auto game_files = Contents(game.scratch, "Game");
  pack::MapCatalogue catalogue;
  RecordingView view(game.scratch.At(c.game_folder));
  const std::string message =
      FailureText([&] { engine::RunInstall(ThisMachine(), view, view, catalogue, log_); });

  EXPECT_EQ(Contents(game.scratch, "Outside"), outside);
  if (c.refused != nullptr) {
    EXPECT_EQ(message, "The folder " + game.DataPath(c.refused) +
                           " is a link to another place. Setup writes only into the game's own "
                           "folders and has changed nothing");
  } else if (c.cannot_save != nullptr) {
    EXPECT_EQ(message, "Cannot create file " + game.DataPath(c.cannot_save));
  } else {
    EXPECT_EQ(message, "");
    EXPECT_TRUE(view.finish_shown);
    ExpectListsOfOneInstall(game);
    EXPECT_EQ(game.ReadData("Missions\\Skirmish\\StonebridgeVale.m3d"), "map StonebridgeVale");
    return;
  }
  EXPECT_EQ(Contents(game.scratch, "Game"), game_files) << "written before refusing";
}

INSTANTIATE_TEST_SUITE_P(Links, InstallThroughLinks, testing::ValuesIn(kLinkCases),
                         [](const testing::TestParamInfo<LinkCase>& info) {
                           return info.param.name;
                         });

}  // namespace
