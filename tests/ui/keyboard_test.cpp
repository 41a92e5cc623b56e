// The keyboard as a player uses it: keys go to the focused control the way the
// keyboard delivers them, and no key may reach a covered page or break one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

const ControlId kPanels[] = {TabControl1, TabControl2, TabControl3, TabControl4, TabControl5};

// Puts the focus into a control with the mouse.
void ClickInto(WizardProcess& w, ControlId id) {
  PostMessageA(w.Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  PostMessageA(w.Control(id), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  w.Settle();
}

void ExpectAllPanelsAlive(WizardProcess& w) {
  for (ControlId panel : kPanels) {
    EXPECT_TRUE(IsWindow(w.Control(panel))) << panel;
    EXPECT_TRUE(IsWindowVisible(w.Control(panel))) << panel;
    EXPECT_TRUE(IsWindowEnabled(w.Control(panel))) << panel;
  }
  EXPECT_EQ(w.PanelsTopFirst().size(), 5u);
}

struct TabCase {
  const char* page_name;
  int page;                      // forward clicks from the welcome page
  ControlId front;               // the panel on top there
  std::vector<ControlId> order;  // the page's tab stops in the design's tab order
};

class TabWalk : public WizardTest, public testing::WithParamInterface<TabCase> {};

// From the forward button, Tab visits the page's tab stops in order and comes
// back round; Shift+Tab walks the same ring the other way.
TEST_P(TabWalk, CyclesThroughTheFrontPageOnly) {
  w.ReachPage(GetParam().page);
  ASSERT_EQ(w.FrontPanel(), GetParam().front);
  const std::vector<ControlId>& order = GetParam().order;
  const std::size_t count = order.size();
  const std::size_t start =
      std::find(order.begin(), order.end(), kPages[GetParam().page].forward) - order.begin();
  ASSERT_LT(start, count);
  EXPECT_EQ(w.Focused(), order[start]) << "raising a page focuses its forward button";

  std::size_t at = start;
  for (std::size_t step = 1; step <= count + 1; ++step) {
    w.PressKey(VK_TAB);
    at = (at + 1) % count;
    EXPECT_EQ(w.Focused(), order[at]) << "Tab " << step;
  }
  for (std::size_t step = 1; step <= count + 1; ++step) {
    w.PressKey(VK_TAB, true);
    at = (at + count - 1) % count;
    EXPECT_EQ(w.Focused(), order[at]) << "Shift+Tab " << step;
  }
  EXPECT_EQ(w.FrontPanel(), GetParam().front);
  ExpectAllPanelsAlive(w);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TabWalk,
    testing::Values(
        TabCase{"welcome", 0, TabControl2, {Button1}},
        TabCase{"readme", 1, TabControl1, {Button4, RichEdit2, Button6, Button5}},
        TabCase{"destination", 2, TabControl5, {Button8, Button3, Button11, Edit1, Button12}},
        TabCase{"finish", 3, TabControl4, {Button10}}),
    [](const testing::TestParamInfo<TabCase>& info) { return info.param.page_name; });

using ReadmeText = WizardTest;

TEST_F(ReadmeText, TabAndShiftTabLeaveIt) {
  w.ReachPage(1);
  ClickInto(w, RichEdit2);
  ASSERT_EQ(w.Focused(), RichEdit2);
  w.PressKey(VK_TAB);
  EXPECT_EQ(w.Focused(), Button6);
  ClickInto(w, RichEdit2);
  w.PressKey(VK_TAB, true);
  EXPECT_EQ(w.Focused(), Button4);
}

TEST_F(ReadmeText, EscapeAsksTheCancelQuestionAndLeavesEveryPanel) {
  w.ReachPage(1);
  const std::vector<ControlId> stacking = w.PanelsTopFirst();
  ClickInto(w, RichEdit2);
  w.PressKey(VK_ESCAPE);
  HWND box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(w.BoxText(box), "Do you really want to abort installation ?");
  w.AnswerBox(box, IDNO);
  w.WaitIdle();
  ExpectAllPanelsAlive(w);
  EXPECT_EQ(w.PanelsTopFirst(), stacking);
  w.Settle();
  EXPECT_TRUE(w.IsRunning());
  w.ClickAndWait(Button5);
  EXPECT_EQ(w.FrontPanel(), TabControl5) << "Next still works";
  EXPECT_EQ(w.PanelsTopFirst()[1], TabControl3);
}

using ReadmeNext = WizardTest;

// The readme page's Next handles waiting messages itself: a key typed
// meanwhile still goes through the wizard's key routing, to the new page.
TEST_F(ReadmeNext, KeysWaitingWhileItRunsReachTheDestinationPage) {
  w.ReachPage(1);
  w.ClickWithKeyQueued(Button5, VK_ESCAPE);
  HWND box = w.WaitForBox();
  ASSERT_NE(box, nullptr) << "Escape did what the destination page's Cancel does";
  EXPECT_EQ(w.BoxText(box), "Do you really want to abort installation ?");
  w.AnswerBox(box, IDNO);
  w.WaitIdle();
  EXPECT_EQ(w.FrontPanel(), TabControl5);
}

struct EscapeCase {
  const char* page_name;
  int page;
  bool asks;  // the page has an enabled Cancel
};

class EscapeKey : public WizardTest, public testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeKey, DoesWhatThePagesCancelDoes) {
  w.ReachPage(GetParam().page);
  const std::vector<ControlId> stacking = w.PanelsTopFirst();
  w.PressKey(VK_ESCAPE);
  HWND box = GetParam().asks ? w.WaitForBox() : nullptr;
  EXPECT_EQ(w.BoxOpen(), GetParam().asks);  // the key has been handled
  if (box != nullptr) {
    EXPECT_EQ(w.BoxCaption(box), "MessageBox");
    w.AnswerBox(box, IDNO);
    w.WaitIdle();
  }
  EXPECT_EQ(w.PanelsTopFirst(), stacking);
  w.Settle();
  EXPECT_TRUE(w.IsRunning());
  if (!GetParam().asks) return;
  w.PressKey(VK_ESCAPE);
  box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  w.PressBoxButton(box, IDYES);
  EXPECT_EQ(w.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, EscapeKey,
    testing::Values(EscapeCase{"welcome", 0, false}, EscapeCase{"readme", 1, true},
                    EscapeCase{"destination", 2, true}, EscapeCase{"finish", 3, false}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return info.param.page_name; });

struct EnterCase {
  const char* name;
  int page;
  int tabs;         // Tab presses from the forward button first, Shift+Tab when negative
  ControlId focus;  // where they put the focus
  ControlId front;  // the panel on top afterwards; ControlCount: the program has ended
};

class EnterKey : public WizardTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, PressesTheForwardButtonOrTheFocusedOne) {
  w.ReachPage(GetParam().page);
  for (int tab = 0; tab < std::abs(GetParam().tabs); ++tab) w.PressKey(VK_TAB, GetParam().tabs < 0);
  ASSERT_EQ(w.Focused(), GetParam().focus);
  w.PressKey(VK_RETURN);
  if (GetParam().front == ControlCount) {
    EXPECT_EQ(w.WaitForExit(), 0);
    return;
  }
  EXPECT_EQ(w.FrontPanel(), GetParam().front);
  EXPECT_FALSE(w.BoxOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, EnterKey,
    testing::Values(EnterCase{"welcome", 0, 0, Button1, TabControl1},
                    EnterCase{"readme", 1, 0, Button5, TabControl5},
                    EnterCase{"readme_text", 1, -2, RichEdit2, TabControl5},
                    EnterCase{"readme_back", 1, -1, Button6, TabControl2},
                    EnterCase{"destination", 2, 0, Button3, TabControl4},
                    EnterCase{"destination_path_box", 2, 2, Edit1, TabControl4},
                    EnterCase{"destination_back", 2, 1, Button11, TabControl1},
                    EnterCase{"finish", 3, 0, Button10, ControlCount}),
    [](const testing::TestParamInfo<EnterCase>& info) { return info.param.name; });

TEST(EnterKey, OnCancelAsksTheCancelQuestion) {
  WizardSession session;
  WizardProcess& w = session.Start();
  w.ReachPage(1);
  w.PressKey(VK_TAB);  // from Next round to Cancel
  ASSERT_EQ(w.Focused(), Button4);
  w.PressKey(VK_RETURN);
  HWND box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  w.AnswerBox(box, IDNO);
  w.WaitIdle();
  EXPECT_EQ(w.FrontPanel(), TabControl1);
}

TEST(EnterKey, HeldDownPressesOnce) {
  WizardSession session;
  WizardProcess& w = session.Start();
  w.ReachPage(0);
  w.HoldKey(VK_RETURN);
  EXPECT_EQ(w.FrontPanel(), TabControl1);
}

using SpaceKey = WizardTest;

// Space presses the focused button; the focus never rests on a covered one, so
// Tab and Space cannot press a hidden Finish or Install.
TEST_F(SpaceKey, PressesOnlyTheFrontPagesButtons) {
  w.ReachPage(1);
  for (int tab = 0; tab < 4; ++tab) {
    w.PressKey(VK_TAB);
    ASSERT_EQ(GetParent(w.Control(w.Focused())), w.Control(TabControl1));
  }
  w.PressKey(VK_TAB, true);  // Back
  w.PressKey(VK_SPACE);
  EXPECT_EQ(w.FrontPanel(), TabControl2);
  EXPECT_EQ(w.Focused(), Button1);
  w.Settle();
  EXPECT_TRUE(w.IsRunning());
}

using Panels = WizardTest;

TEST_F(Panels, IgnoreWmCloseFromTheirChildren) {
  w.ReachPage(1);
  const std::vector<ControlId> stacking = w.PanelsTopFirst();
  for (ControlId panel : kPanels) PostMessageA(w.Control(panel), WM_CLOSE, 0, 0);
  w.Settle();
  ExpectAllPanelsAlive(w);
  EXPECT_EQ(w.PanelsTopFirst(), stacking);
  w.ClickAndWait(Button5);
  EXPECT_EQ(w.FrontPanel(), TabControl5);
}

using TextBoxes = WizardTest;

// Both text boxes are black by design; automatic colour turns gray in a
// disabled box on Windows.
TEST_F(TextBoxes, CharactersAreExplicitlyBlack) {
  for (ControlId box : {WelcomeText, RichEdit2}) {
    const CHARFORMATA format = w.CharFormat(box);
    EXPECT_TRUE(format.dwMask & CFM_COLOR) << box << ": one colour throughout";
    EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR) << box;
    EXPECT_EQ(format.crTextColor, RGB(0, 0, 0)) << box;
  }
}

}  // namespace
