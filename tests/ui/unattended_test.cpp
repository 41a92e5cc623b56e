// Setup.exe from the command line, as Installed apps, scripts and pack bundles
// start it: without the wizard, with exit codes and a log.

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"
#include "tests/ui/wizard_session.h"

namespace {

// Where Windows keeps uninstall entries; the pack's is in the 32-bit view, as the game's.
const char kEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelmora pack";

// The kept copy: Program Files of the program's own kind (the 32-bit one's on
// 64-bit Windows is "Program Files (x86)").
#ifdef _WIN64
const char kKeptCopy[] = "C:\\Program Files\\Zelmora Setup\\Setup.exe";
#else
const char kKeptCopy[] = "C:\\Program Files (x86)\\Zelmora Setup\\Setup.exe";
#endif

// A text value of the entry; "(none)" where the entry has no such value.
std::string EntryText(const char* name) {
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kEntry, name, RRF_RT_REG_SZ | RRF_SUBKEY_WOW6432KEY, nullptr,
                   data, &size) != ERROR_SUCCESS)
    return "(none)";
  return data;
}

// Runs Setup.exe with arguments in the session's folder to its end: its exit code.
int RunToEnd(const std::string& program, const std::string& arguments,
             const WizardSession& session) {
  ChildProcess setup(program, arguments, session.game.scratch.Path());
  return setup.WaitForExit(kLongestWaitMs);
}

std::string Log(const WizardSession& session) {
  return session.game.scratch.Exists("setup.log") ? session.game.scratch.ReadFile("setup.log")
                                                  : std::string();
}

TEST(Unattended, InstallsAsTheWizardAndItsEntryTakesThePackOutAgain) {
  WizardSession session;
  const std::string log = " /LOG=" + session.game.scratch.At("setup.log");
  ASSERT_EQ(RunToEnd(session.program, "/S" + log + " /D=" + session.game.GameFolder(), session), 0);
  ExpectListsOfOneInstall(session.game);
  EXPECT_EQ(EntryText("DisplayName"), "Zelmora pack 1.60");
  EXPECT_EQ(EntryText("InstallLocation"), session.game.GameFolder());
  EXPECT_EQ(EntryText("UninstallString"), "\"" + std::string(kKeptCopy) + "\" /uninstall");
  EXPECT_EQ(EntryText("QuietUninstallString"), "\"" + std::string(kKeptCopy) + "\" /uninstall /S");

  // As Installed apps' Uninstall starts it: asked first, No the default answer.
  {
    WizardProcess removal(kKeptCopy, session.game.scratch.Path(), "/uninstall" + log);
    HWND question = removal.WaitForBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(removal.BoxText(question),
              "Do you really want to remove the Zelmora pack 1.60 from " +
                  session.game.GameFolder() + " ?");
    PostMessageA(question, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(removal.WaitForExit(), 6);
    ExpectListsOfOneInstall(session.game);
  }
  // As its quiet form removes it, without a question: the kept copy, the entry's folder.
  ASSERT_EQ(RunToEnd(kKeptCopy, "/uninstall /S" + log, session), 0);
  EXPECT_EQ(session.game.ReadData("Missions\\SingleMiss.txt"), kGameSingleMissions);
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), kGameMissions);
  EXPECT_EQ(session.game.ReadData("Missions\\Text\\Skirbatlnames.txt"), kGameBattleNames);
  EXPECT_EQ(session.game.scratch.ListNames(session.game.DataRelative("Missions\\Skirmish")), "");
  EXPECT_EQ(EntryText("DisplayName"), "(none)");
  const std::string written = Log(session);
  EXPECT_NE(written.find("\r\nDone: the pack is installed\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find("\r\nDone: the pack is removed\r\n"), std::string::npos) << written;
}

// The deletes Windows does at its next start, as MoveFileEx leaves them.
std::string DeletesAtRestart() {
  char data[8192] = {};
  DWORD size = sizeof data - 2;
  RegGetValueA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
               "PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, data, &size);
  return std::string(data, size);
}

TEST(Unattended, AReinstallBeforeTheRestartKeepsItsEntryAndAGoneGameLetsItGo) {
  WizardSession session;
  const std::string log = " /LOG=" + session.game.scratch.At("setup.log");
  const std::string install = "/S /D=" + session.game.GameFolder();
  ASSERT_EQ(RunToEnd(session.program, install, session), 0);
  ASSERT_EQ(RunToEnd(kKeptCopy, "/uninstall /S", session), 0);
  ASSERT_EQ(RunToEnd(session.program, install, session), 0);
  // The copy the entry starts has no delete waiting for it; the one moved aside has.
  EXPECT_EQ(DeletesAtRestart().find(std::string(kKeptCopy) + '\0'), std::string::npos);
  EXPECT_NE(DeletesAtRestart().find(std::string(kKeptCopy) + ".removed-"), std::string::npos);

  RemoveTree(session.game.GameFolder());  // as Steam uninstalls the game
  EXPECT_EQ(RunToEnd(kKeptCopy, "/uninstall /S" + log, session), 0);
  EXPECT_EQ(EntryText("DisplayName"), "(none)");
  EXPECT_NE(Log(session).find("The game is no longer in " + session.game.GameFolder()),
            std::string::npos)
      << Log(session);
}

// Each kind of failure: its exit code, its line in the log, and nothing written
// before the step that failed.
struct FailureCase {
  const char* name;
  void (*break_session)(const WizardSession&);
  const char* game_folder;  // under the session's folder
  const char* arguments;
  int exit_code;
  const char* log_line;  // how its line begins
  bool lists_unchanged;
};

class UnattendedFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(UnattendedFailure, EndsWithItsExitCodeAndItsLogLine) {
  WizardSession session;
  GetParam().break_session(session);
  const std::string arguments = std::string(GetParam().arguments) +
                                " /LOG=" + session.game.scratch.At("setup.log") +
                                " /D=" + session.game.scratch.At(GetParam().game_folder);
  EXPECT_EQ(RunToEnd(session.program, arguments, session), GetParam().exit_code);
  EXPECT_NE(Log(session).find(GetParam().log_line), std::string::npos) << Log(session);
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt") == kGameMissions,
            GetParam().lists_unchanged);
  EXPECT_EQ(session.game.ReadData("Missions\\SingleMiss.txt") == kGameSingleMissions,
            GetParam().lists_unchanged);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnattendedFailure,
    testing::Values(
        FailureCase{"UnknownArgument", [](const WizardSession&) {}, "Game", "/S /X", 1,
                    "Failed, exit code 1: Unknown argument: /X Setup.exe takes", true},
        FailureCase{"NotTheGamesFolder", [](const WizardSession&) {}, "Maps", "/S", 2,
                    "Failed, exit code 2: Incorrect path to \"Battle for Europe\"", true},
        FailureCase{
            "PackIncomplete",
            [](const WizardSession& s) { RemoveTree(s.game.scratch.At("Maps\\6Dukes.jpg")); },
            "Game", "/S", 3, "Failed, exit code 3: Setup.exe was started from inside the archive",
            true},
        FailureCase{"ListFileMissing",
                    [](const WizardSession& s) {
                      RemoveTree(s.game.DataPath("Missions\\Text\\Skirbatlnames.txt"));
                    },
                    "Game", "/S", 4, "Failed, exit code 4: Cannot open file ", false},
        FailureCase{"MapFileCannotBeCopied",
                    [](const WizardSession& s) {
                      s.game.scratch.MakeFolder(
                          s.game.DataRelative("Missions\\Skirmish\\6Dukes.m3d"));
                    },
                    "Game", "/S", 4, "Failed, exit code 4: Cannot copy file ", false},
        FailureCase{"NoRoomOnTheDrive",
                    [](const WizardSession& s) {
                      ASSERT_TRUE(SetFileLength(s.game.scratch.At("Maps\\6Dukes.jpg"), 1ull << 40));
                    },
                    "Game", "/S", 7, "Failed, exit code 7: The Zelmora maps need ", true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(Unattended, UnknownArgumentWithoutSilenceIsToldInABoxAndChangesNothing) {
  WizardSession session;
  WizardProcess setup(session.program, session.game.scratch.Path(), "/uninstall /Q");
  HWND box = setup.WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(setup.BoxText(box),
            "Unknown argument: /Q\n\nSetup.exe takes /S (no window, no question), /LOG=<file>, "
            "/uninstall, and last /D=<game folder>. Nothing has been changed.");
  setup.AnswerBox(box, IDOK);
  EXPECT_EQ(setup.WaitForExit(), 1);
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), kGameMissions);
}

}  // namespace
