#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/install_expectations.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

TEST(Install, RejectedFolderShowsTheNoticeAndTouchesNothing) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
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
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), "#Campaign\r\n");

  // A corrected path installs with a further press.
  w.SetText(Edit1, session.game.GameFolder());
  w.ClickAndWait(Button3);
  EXPECT_EQ(w.FrontPanel(), TabControl4);
}

TEST(Install, FullInstallReachesTheFinishPageWithTheBarFull) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
  session.GoToDestination();
  const auto start = std::chrono::steady_clock::now();
  w.Click(Button3);
  ASSERT_TRUE(WaitFor([&] { return w.FrontPanel() == TabControl4; }, 60000));
  std::printf(
      "install to finish page: %.0f ms\n",
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  int minimum = -1, maximum = -1, position = -1;
  w.Progress(minimum, maximum, position);
  EXPECT_EQ(minimum, 0);
  EXPECT_EQ(maximum, 50000);
  EXPECT_EQ(position, 49999);
  session.ExpectListsOfOneInstall();
}

TEST(Install, FailureShowsItsMessageAndAFixedCauseInstallsOnAnotherPress) {
  WizardSession session(true, GameFixture::Layout::Run);
  const std::string missions = session.game.ReadData("Missions\\missions.txt");
  DeleteFileA(session.game.DataPath("Missions\\missions.txt").c_str());
  session.Start();
  WizardProcess& w = *session.wizard;
  session.GoToDestination();
  w.Click(Button3);
  HWND box = w.WaitForBox();
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
  w.Click(Button3);
  ASSERT_TRUE(WaitFor([&] { return w.FrontPanel() == TabControl4; }, 60000));
  EXPECT_EQ(session.game.ReadData("Missions\\missions.txt"), "#Campaign\r\n" + AllMissionBlocks());
}

}  // namespace
