#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

using PageFlow = WizardTest;

TEST_F(PageFlow, WalksForwardAndBackByRaisingPanels) {
  EXPECT_EQ(w.PanelsTopFirst(), (std::vector<ControlId>{TabControl2, TabControl1, TabControl4,
                                                        TabControl3, TabControl5}));
  w.SaveScreenshot(ScreenshotFolder() + "1-welcome.bmp");

  w.ClickAndWait(Button1);
  EXPECT_EQ(w.FrontPanel(), TabControl1);
  w.SaveScreenshot(ScreenshotFolder() + "2-readme.bmp");
  w.ClickAndWait(Button6);
  EXPECT_EQ(w.FrontPanel(), TabControl2);

  w.ClickAndWait(Button1);
  w.ClickAndWait(Button5);
  EXPECT_EQ(w.PanelsTopFirst(), (std::vector<ControlId>{TabControl5, TabControl3, TabControl1,
                                                        TabControl2, TabControl4}));
  w.SaveScreenshot(ScreenshotFolder() + "3-destination.bmp");
  const std::string path = w.Text(Edit1);
  EXPECT_EQ(path, session.game.GameFolder());

  w.ClickAndWait(Button11);
  EXPECT_EQ(w.FrontPanel(), TabControl1);
  w.ClickAndWait(Button5);
  EXPECT_EQ(w.PanelsTopFirst()[0], TabControl5);
  EXPECT_EQ(w.PanelsTopFirst()[1], TabControl3);
  EXPECT_EQ(w.Text(Edit1), path);
}

TEST_F(PageFlow, DisabledButtonsAreTheDesignsOnes) {
  for (ControlId id : {Button2, Button9, Button7, WelcomeText}) EXPECT_FALSE(w.IsEnabled(id)) << id;
  for (ControlId id : {Button1, Button4, Button5, Button6, Button3, Button8, Button10, Button11,
                       Button12, Edit1, RichEdit2})
    EXPECT_TRUE(w.IsEnabled(id)) << id;
}

TEST_F(PageFlow, FinishEndsTheProgramWithExitCodeZero) {
  w.ReachPage(3);
  w.SaveScreenshot(ScreenshotFolder() + "4-finish.bmp");
  w.Click(Button10);
  EXPECT_EQ(w.WaitForExit(), 0);
}

// The close box ends the program at once on every page, asking nothing.
class CloseBox : public WizardTest, public testing::WithParamInterface<int> {};

TEST_P(CloseBox, EndsTheProgramOnEveryPage) {
  w.ReachPage(GetParam());
  PostMessageA(w.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(w.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, CloseBox, testing::Values(0, 1, 2, 3));

struct CancelCase {
  ControlId cancel;
  int steps;  // forward clicks to reach its page
  ControlId page;
};

class CancelQuestion : public WizardTest, public testing::WithParamInterface<CancelCase> {};

TEST_P(CancelQuestion, NoKeepsThePageYesEnds) {
  w.ReachPage(GetParam().steps);
  w.Click(GetParam().cancel);
  HWND box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(w.BoxCaption(box), "MessageBox");
  EXPECT_EQ(w.BoxText(box), "Do you really want to abort installation ?");
  ASSERT_NE(GetDlgItem(box, IDYES), nullptr);
  ASSERT_NE(GetDlgItem(box, IDNO), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(box, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_FALSE(IsWindowEnabled(w.Form())) << "the wizard must wait for the answer";
  w.AnswerBox(box, IDNO);
  w.WaitIdle();
  EXPECT_EQ(w.FrontPanel(), GetParam().page == TabControl3 ? TabControl5 : GetParam().page);
  EXPECT_TRUE(IsWindowEnabled(w.Form()));
  w.Settle();
  EXPECT_TRUE(w.IsRunning());

  w.Click(GetParam().cancel);
  box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  w.PressBoxButton(box, IDYES);
  EXPECT_EQ(w.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, CancelQuestion,
                         testing::Values(CancelCase{Button4, 1, TabControl1},
                                         CancelCase{Button8, 2, TabControl3}));

}  // namespace
