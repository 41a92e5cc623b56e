// The removal's decisions: which folder, whether the game is still there,
// whom to ask, what becomes of the entry, and the exit code.

#include "setup/unattended_runs.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/failure.h"
#include "tests/support/fake_system.h"
#include "tests/support/install_expectations.h"

namespace {

const char kKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelmora pack";
const char kKept[] = "C:\\Program Files (x86)\\Zelmora Setup\\Setup.exe";
const std::string kGames = "C:\\Games\\";
const std::string kMissions = kGames + "Game\\Data\\Missions\\";

// The game in C:\Games\Game with its own lists, the pack's maps beside it.
void LayOutGame(FakeSystem& system) {
  system.PutFile(kMissions + "SingleMiss.txt", kGameSingleMissions);
  system.PutFile(kMissions + "missions.txt", kGameMissions);
  system.PutFile(kMissions + "Text\\Skirbatlnames.txt", kGameBattleNames);
  system.AddFolder(kMissions + "Skirmish");
  system.AddFolder(kGames + "Game\\Data\\Interf3\\maps\\skirmish");
  system.AddFolder(kGames + "Maps");
}

class WatchingPerson : public setup::Person {
 public:
  explicit WatchingPerson(bool answer) : answer_(answer) {}
  bool Agrees(const std::string& question) override {
    said.push_back("? " + question);
    return answer_;
  }
  void Tell(const std::string& text) override { said.push_back(text); }
  void TellFailure(const std::string& message) override { said.push_back("! " + message); }
  std::vector<std::string> said;

 private:
  bool answer_;
};

class LogLines : public engine::StepLog {
 public:
  void Write(const std::string& line) override { text += line + "\n"; }
  std::string text;
};

struct RemovalCase {
  const char* name;
  const char* entry_folder;  // under C:\Games: what the entry names
  const char* arguments;     // "/D=" is followed by the pack's folder
  bool answer;               // a watching player's
  int exit_code;
  bool entry_stays;
  const char* first_said;  // to the player, how it begins; "" for nothing
  const char* log_line;
};

class Removal : public testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, DecidesAsThePlayerWouldExpect) {
  const RemovalCase& row = GetParam();
  FakeSystem system(kKept, "C:\\Windows\\System32");
  LayOutGame(system);
  system.WriteMachineText(kKey, "InstallLocation", kGames + row.entry_folder);
  std::string arguments = row.arguments;
  if (arguments.find("/D=") != std::string::npos) arguments += kGames + "Maps";
  WatchingPerson player(row.answer);
  LogLines log;

  EXPECT_EQ(setup::RunRemoval(setup::ParseSetupOptions(arguments), system, player, log),
            row.exit_code);
  EXPECT_EQ(system.EntryText(kKey, "InstallLocation") != "(none)", row.entry_stays);
  EXPECT_EQ(player.said.empty() ? "" : player.said[0].substr(0, std::string(row.first_said).size()),
            row.first_said);
  EXPECT_NE(log.text.find(FillIn(row.log_line, kGames + row.entry_folder)), std::string::npos)
      << log.text;
  EXPECT_EQ(system.Content(kMissions + "missions.txt"), kGameMissions);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Removal,
    testing::Values(
        RemovalCase{"GameThereQuietly", "Game", "/uninstall /S", false, 0, false, "",
                    "Done: the pack is removed"},
        RemovalCase{"GameThereAnsweredNo", "Game", "/uninstall", false, 6, true,
                    "? Do you really want to remove the Zelmora pack 1.60 from ",
                    "Cancelled: the removal question was answered No"},
        RemovalCase{"FolderGoneQuietly", "Uninstalled", "/uninstall /S", false, 0, false, "",
                    "The game is no longer in %s\nTaken out of Installed apps"},
        RemovalCase{"FolderGoneAnsweredYes", "Uninstalled", "/uninstall", true, 0, false,
                    "? The game is no longer in ", "Taken out of Installed apps"},
        RemovalCase{"FolderGoneAnsweredNo", "Uninstalled", "/uninstall", false, 6, true,
                    "? The game is no longer in ", "Cancelled"},
        RemovalCase{"FolderWithoutTheGame", "Maps", "/uninstall /S", false, 0, false, "",
                    "The game is no longer in %s"},
        RemovalCase{"DriveAway", "Card\\Games\\Cossacks 2", "/uninstall", true, 2, true,
                    "! Setup cannot reach ", "Failed, exit code 2: Setup cannot reach %s just now"},
        RemovalCase{"AnotherFolderNotTheGame", "Game", "/uninstall /S /D=", false, 2, true, "",
                    "Failed, exit code 2: Incorrect path to \"Battle for Europe\""}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return info.param.name; });

// An unattended install, and the removal after it, on a machine that meets the
// game's files with Windows' rules.
struct MachineCase {
  const char* name;
  void (*lay_out)(FakeSystem& system);
  int exit_code;
  const char* log_line;      // a line the install's log holds
  const char* at_map;        // what the first map's name holds after the install
  std::string removal_line;  // a line the removal's log holds
};

const std::string kMap = kMissions + "Skirmish\\StonebridgeVale.m3d";

class Install : public testing::TestWithParam<MachineCase> {};

TEST_P(Install, OnAMachineWithWindowsRules) {
  const MachineCase& row = GetParam();
  FakeSystem system("C:\\Downloads\\Setup.exe", "C:\\Games");
  LayOutGame(system);
  for (int index = 0; index < 21; ++index)
    for (const char* extension : {".m3d", ".txt", ".jpg"})
      system.PutFile(kGames + "Maps\\" + PackBaseName(index) + extension, "Title\r\n");
  row.lay_out(system);
  LogLines install, removal;
  EXPECT_EQ(setup::RunSilentInstall(setup::ParseSetupOptions("/S /D=" + kGames + "Game"), "",
                                    system, install),
            row.exit_code);
  EXPECT_NE(install.text.find(row.log_line), std::string::npos) << install.text;
  EXPECT_EQ(system.Content(kMap), row.at_map);
  WatchingPerson nobody(false);
  setup::RunRemoval(setup::ParseSetupOptions("/uninstall /S /D=" + kGames + "Game"), system, nobody,
                    removal);
  EXPECT_NE(removal.text.find(row.removal_line), std::string::npos) << removal.text;
}

INSTANTIATE_TEST_SUITE_P(
    Machines, Install,
    testing::Values(
        MachineCase{
            "MapFileUnderOtherCapitalsReplacedAndRemoved",
            [](FakeSystem& s) { s.PutFile(kMissions + "Skirmish\\STONEBRIDGEVALE.M3D", "old"); }, 0,
            "Done: the pack is installed", "Title\r\n",
            "Removed C:\\Games\\Game\\Data\\Missions\\Skirmish\\StonebridgeVale.m3d"},
        MachineCase{"DriveWithoutRoomForThePack", [](FakeSystem& s) { s.room = 100; }, 7,
                    "The Zelmora maps need 1 MB free on the drive of C:\\Games\\Game, but it "
                    "has only 0 MB free",
                    "(none)", "Done: the pack is removed"},
        MachineCase{"MapFileHeldByAnotherProgram",
                    [](FakeSystem& s) {
                      s.PutFile(kMap, "old");
                      s.held.insert(kMap);
                    },
                    4, "StonebridgeVale.m3d: another program has it open", "old",
                    "Failed, exit code 4: Cannot remove file " + kMap},
        MachineCase{
            "PicturesFolderMissingPassedOver",
            [](FakeSystem& s) { s.RemoveFolder(kGames + "Game\\Data\\Interf3\\maps\\skirmish"); },
            0, "Not copied, passed over: C:\\Games\\Maps\\StonebridgeVale.jpg", "Title\r\n",
            "Done: the pack is removed"},
        MachineCase{"DirectoryLinkAtAMapFilesNameLeft", [](FakeSystem& s) { s.AddLink(kMap); }, 4,
                    "the system refused to put it there", "(none)",
                    "Left as it is, a link or a folder, not Setup's file: " + kMap},
        MachineCase{"SkirmishFolderALink", [](FakeSystem& s) { s.AddLink(kMissions + "Skirmish"); },
                    2, "The folder C:\\Games\\Game\\Data\\Missions\\Skirmish is a link", "(none)",
                    "Failed, exit code 2: The folder"}),
    [](const testing::TestParamInfo<MachineCase>& info) { return info.param.name; });

}  // namespace
