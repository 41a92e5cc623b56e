#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

TEST(Install, RejectedFolderShowsTheNoticeAndTouchesNothing) {
  WizardSession session;
  WizardProcess& w = session.Start();
  HWND notice = session.InstallIntoAFolderThatIsNoGame();
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(w.BoxCaption(notice), "Setup");
  EXPECT_EQ(w.BoxText(notice), "Incorrect path to \"Battle for Europe\". Please true again");
  EXPECT_FALSE(IsWindowEnabled(w.Form()));
  w.SaveScreenshot(ScreenshotFolder() + "5-notice.bmp");
  // Escape closes it, as its one button is also the cancel button.
  PostMessageA(notice, WM_KEYDOWN, VK_ESCAPE, 0);
  w.WaitBoxClosed(notice);
  w.WaitIdle();
  EXPECT_EQ(w.FrontPanel(), TabControl5);
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), kGameMissions);

  // A corrected path installs with a further press.
  w.SetText(Edit1, session.game.GameFolder());
  w.ClickAndWait(Button3);
  EXPECT_EQ(w.FrontPanel(), TabControl4);
}

TEST(Install, FullInstallReachesTheFinishPageWithTheBarFull) {
  WizardSession session;
  WizardProcess& w = session.Start();
  w.ReachPage(2);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(w.InstallAndWait(), nullptr);
  std::printf(
      "install to finish page: %.0f ms\n",
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  int minimum = -1, maximum = -1, position = -1;
  w.Progress(minimum, maximum, position);
  EXPECT_EQ(minimum, 0);
  EXPECT_EQ(maximum, 50000);
  EXPECT_EQ(position, 49999);
  ExpectListsOfOneInstall(session.game);
}

TEST(Install, FailureShowsItsMessageAndAFixedCauseInstallsOnAnotherPress) {
  WizardSession session(true, GameFixture::Layout::Run);
  const std::string missions = session.game.ReadData("Missions\\missions.txt");
  DeleteFileA(session.game.DataPath("Missions\\missions.txt").c_str());
  WizardProcess& w = session.Start();
  w.ReachPage(2);
  HWND box = w.InstallAndWait();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(w.BoxCaption(box), "Setup");
  // The message ends in a letter, so the error box adds a period.
  EXPECT_EQ(w.BoxText(box),
            "Cannot open file " + session.game.DataPath("Missions\\missions.txt") + ".");
  w.SaveScreenshot(ScreenshotFolder() + "6-error.bmp");
  w.AnswerBox(box, IDOK);
  w.WaitIdle();
  EXPECT_EQ(w.FrontPanel(), TabControl5);

  session.game.scratch.WriteFile(session.game.DataRelative("Missions\\missions.txt"), missions);
  ASSERT_EQ(w.InstallAndWait(), nullptr);
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), kGameMissions + AllMissionBlocks());
}

TEST(Install, StartedElsewhereTakesThePackBesideTheProgramAndRefusesWithoutIt) {
  WizardSession session;
  ScratchFolder elsewhere;
  ASSERT_TRUE(MoveFileA(session.game.scratch.At("Maps").c_str(),
                        session.game.scratch.At("Maps.away").c_str()));
  WizardProcess& w = session.Start(elsewhere.Path());
  w.ReachPage(2);
  HWND box = w.InstallAndWait();
  ASSERT_NE(box, nullptr);
  // The session's Setup.exe lies in the temporary folder, as one opened from an archive does.
  EXPECT_EQ(w.BoxText(box),
            "Setup.exe was started from inside the archive, without the Zelmora maps: Setup looked "
            "for them in " +
                elsewhere.At("Maps") +
                "\\, but cannot read StonebridgeVale.m3d there.\n\nExtract the whole archive into "
                "one folder and start Setup.exe from that folder. Nothing has been installed.");
  w.SaveScreenshot(ScreenshotFolder() + "7-pack-missing.bmp");
  w.AnswerBox(box, IDOK);
  w.WaitIdle();
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), kGameMissions);

  ASSERT_TRUE(MoveFileA(session.game.scratch.At("Maps.away").c_str(),
                        session.game.scratch.At("Maps").c_str()));
  ASSERT_EQ(w.InstallAndWait(), nullptr);
  ExpectListsOfOneInstall(session.game);
}

}  // namespace
