// Another program holding the battle-name list: for a moment after every save
// (a virus scanner, the search indexer), which the install waits out, or for
// good, which stops it with the save's message and leaves the file as it was.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/install_expectations.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

const char kBattleNames[] = "Missions\\Text\\Skirbatlnames.txt";

// list_holder.exe holding one file until the test ends it.
ChildProcess ListHolder(const std::string& path, int hold_ms, const std::string& ready) {
  return ChildProcess(TestProgramFolder() + "\\list_holder.exe",
                      "\"" + path + "\" " + std::to_string(hold_ms) + " \"" + ready + "\"");
}

int LinesIn(const std::string& path) {
  std::ifstream in(path);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

using TransientHold = WizardTest;

TEST_F(TransientHold, InstallWaitsOutAHoldAfterEverySave) {
  w.ReachPage(2);
  const std::string ready = session.game.scratch.At("holds.log");
  const ChildProcess holder = ListHolder(session.game.DataPath(kBattleNames), 200, ready);
  ASSERT_TRUE(WaitFor([&] { return LinesIn(ready) > 0; }, 10000)) << "list_holder.exe is not ready";
  HWND box = w.InstallAndWait();
  ASSERT_EQ(box, nullptr) << "the install stopped: " << w.BoxText(box);
  ASSERT_EQ(w.FrontPanel(), TabControl4);
  // Each of the 21 saves replaced the file and drew a hold; the line "watching"
  // comes first. The hold after the last save may still be running.
  EXPECT_TRUE(WaitFor([&] { return LinesIn(ready) >= 1 + 20; }, 5000)) << LinesIn(ready);
  EXPECT_EQ(session.game.ReadData(kBattleNames), kGameBattleNames + AllBattleNameLines(false));
  EXPECT_EQ(session.game.scratch.ListNames(session.game.DataRelative("Missions\\Text")),
            "Skirbatlnames.txt\n");
}

TEST_F(TransientHold, ListHeldForGoodStopsTheInstallAndStaysUntouched) {
  w.ReachPage(2);
  const std::string list = session.game.DataPath(kBattleNames);
  const std::string before = session.game.ReadData(kBattleNames);
  const std::string ready = session.game.scratch.At("holding.log");
  const ChildProcess holder = ListHolder(list, 0, ready);
  ASSERT_TRUE(WaitFor([&] { return LinesIn(ready) > 0; }, 10000)) << "list_holder.exe is not ready";
  HWND box = w.InstallAndWait();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(w.BoxText(box), "Cannot create file " + list + ".");
  w.AnswerBox(box, IDOK);
  EXPECT_EQ(session.game.ReadData(kBattleNames), before);
  EXPECT_EQ(session.game.scratch.ListNames(session.game.DataRelative("Missions\\Text")),
            "Skirbatlnames.txt\n");
}

}  // namespace
