// Another program holding the battle-name list: for a moment after every save
// (a virus scanner, the search indexer), which the install waits out, or for
// good, which stops it with the save's message and leaves the file as it was.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/install_expectations.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

const char kBattleNames[] = "Missions\\Text\\Skirbatlnames.txt";

// list_holder.exe running against one file until this object ends it.
class ListHolder {
 public:
  ListHolder(const std::string& path, int hold_ms, const std::string& ready_file) {
    const std::string program = TestProgramFolder() + "\\list_holder.exe";
    std::string command = "\"" + program + "\" \"" + path + "\" " + std::to_string(hold_ms) +
                          " \"" + ready_file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != 0;
  }
  ~ListHolder() {
    if (!started_) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  ListHolder(const ListHolder&) = delete;
  ListHolder& operator=(const ListHolder&) = delete;

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_ = {};
};

int LinesIn(const std::string& path) {
  std::ifstream in(path);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

TEST(TransientHold, InstallWaitsOutAHoldAfterEverySave) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
  session.GoToDestination();
  const std::string ready = session.game.scratch.At("holds.log");
  ListHolder holder(session.game.DataPath(kBattleNames), 200, ready);
  ASSERT_TRUE(WaitFor([&] { return LinesIn(ready) > 0; }, 10000));
  w.Click(Button3);
  HWND box = nullptr;
  WaitFor([&] { return w.FrontPanel() == TabControl4 || (box = w.WaitForBox(0)) != nullptr; },
          60000);
  ASSERT_EQ(box, nullptr) << "the install stopped: " << w.BoxText(box);
  ASSERT_EQ(w.FrontPanel(), TabControl4);
  // Each of the 21 saves replaced the file and drew a hold; the line "watching"
  // comes first. The hold after the last save may still be running.
  EXPECT_TRUE(WaitFor([&] { return LinesIn(ready) >= 1 + 20; }, 5000)) << LinesIn(ready);
  EXPECT_EQ(session.game.ReadData(kBattleNames),
            "CAMPAIGN_TXT Campaign\r\n" + AllBattleNameLines(false));
  EXPECT_EQ(session.game.scratch.ListNames(session.game.DataRelative("Missions\\Text")),
            "Skirbatlnames.txt\n");
}

TEST(TransientHold, ListHeldForGoodStopsTheInstallAndStaysUntouched) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
  session.GoToDestination();
  const std::string list = session.game.DataPath(kBattleNames);
  const std::string before = session.game.ReadData(kBattleNames);
  const std::string ready = session.game.scratch.At("holding.log");
  ListHolder holder(list, 0, ready);
  ASSERT_TRUE(WaitFor([&] { return LinesIn(ready) > 0; }, 10000));
  w.Click(Button3);
  HWND box = w.WaitForBox(30000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(w.BoxText(box), "Cannot create file " + list + ".");
  w.AnswerBox(box, IDOK);
  EXPECT_EQ(session.game.ReadData(kBattleNames), before);
  EXPECT_EQ(session.game.scratch.ListNames(session.game.DataRelative("Missions\\Text")),
            "Skirbatlnames.txt\n");
}

}  // namespace
