#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/ui/scaled_layout.h"
#include "tests/ui/wizard_session.h"
#include "wizard/form_design.h"

namespace {

using namespace wizard;

using Geometry = WizardTest;

TEST_F(Geometry, WindowIsCentredWithTheClientAreaOfOnePage) {
  const RECT client = w.FormClientRect();
  EXPECT_EQ(client.right - client.left, kClientWidth);
  EXPECT_EQ(client.bottom - client.top, kClientHeight);
  const RECT frame = w.FormWindowRect();
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - (frame.right - frame.left)) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - (frame.bottom - frame.top)) / 2);
  char caption[64] = {};
  GetWindowTextA(w.Form(), caption, sizeof caption - 1);
  EXPECT_STREQ(caption, "Zelmora Setup");
}

TEST_F(Geometry, EveryControlStandsWhereTheDesignPutsIt) {
  for (const ControlDesign& design : kFormDesign) {
    const RECT place = w.PlaceInPanel(design.id);
    EXPECT_EQ(place.left, design.left) << "control " << design.id;
    EXPECT_EQ(place.top, design.top) << "control " << design.id;
    if (design.kind == ControlKind::Label) {
      // Labels fit their text; one line of the 11-pixel font is 13 pixels high.
      const int height = place.bottom - place.top;
      EXPECT_EQ(height, design.font == ControlFont::TitleBold ? height : 13) << design.id;
      EXPECT_GT(place.right - place.left, 0) << design.id;
      continue;
    }
    EXPECT_EQ(place.right - place.left, design.width) << "control " << design.id;
    EXPECT_EQ(place.bottom - place.top, design.height) << "control " << design.id;
  }
}

TEST_F(Geometry, TextsAreTheDesignsOwn) {
  EXPECT_EQ(w.Text(Label8), "Zelmora Vers. 1.60  installation sucessfull");
  EXPECT_EQ(w.Text(Label9), "Click Finish to end installtion.");
  EXPECT_EQ(w.Text(Label10), "It is recommended to not change install path !!");
  const std::string readme = w.Text(RichEdit2);
  EXPECT_EQ(readme.find("Zelmora Vers 1.60\r\n\r\nInstall conditions:\r\n"), 0u);
  EXPECT_NE(readme.find("\r\n   Cossacks II Battle for Europe. (multilanguage)\r\n"),
            std::string::npos);
  EXPECT_EQ(w.Text(WelcomeText).find("Welcome to Zelmora Vers. 1.60 Setup program.\r\n"), 0u);
  // The readme needs its scroll bar; the welcome text has none.
  EXPECT_TRUE(GetWindowLongA(w.Control(RichEdit2), GWL_STYLE) & WS_VSCROLL);
  EXPECT_FALSE(GetWindowLongA(w.Control(WelcomeText), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(Geometry, LabelsAreAsWideAsTheTextTheyDraw) {
  ExpectLabelsFitTheirText(w, TabControl2, 96);
  ExpectPictureFillsItsControl(w, Image1);
  w.ClickAndWait(Button1);
  ExpectLabelsFitTheirText(w, TabControl1, 96);
  w.ClickAndWait(Button5);
  ExpectLabelsFitTheirText(w, TabControl3, 96);
  const std::string game_folder = w.Text(Edit1);
  ExpectPathTextAt(w, 96);
  w.SetText(Edit1, game_folder);
  w.ClickAndWait(Button3);
  ASSERT_EQ(w.FrontPanel(), TabControl4);
  ExpectLabelsFitTheirText(w, TabControl4, 96);
}

// A window dragged to a monitor of another scale is told so by WM_DPICHANGED,
// with the rectangle it should take there. 168 dpi (175 %) has no picture of
// its own: the 200 % one is shrunk.
TEST_F(Geometry, MovedToAMonitorOfAnotherScaleTheWindowIsLaidOutAgain) {
  w.ReachPage(2);
  w.SetText(Edit1, "C:\\Elsewhere");
  const std::vector<ControlId> panels = w.PanelsTopFirst();
  int bar_before[3] = {}, bar_after[3] = {};
  w.Progress(bar_before[0], bar_before[1], bar_before[2]);
  for (int dpi : {168, 96}) {
    // As Windows suggests it: the client area scaled, in the frame the window
    // has; at the screen's corner, where it fits the test display.
    RECT suggested = {0, 0, MulDiv(kClientWidth, dpi, 96), MulDiv(kClientHeight, dpi, 96)};
    AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongA(w.Form(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(w.Form(), GWL_EXSTYLE)));
    OffsetRect(&suggested, -suggested.left, -suggested.top);
    w.SendWithRect(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), suggested);
    const RECT now = w.FormWindowRect();
    EXPECT_EQ(now.left, 0) << dpi;
    EXPECT_EQ(now.top, 0) << dpi;
    ExpectLayoutAt(w, dpi);
    ExpectLabelsFitTheirText(w, TabControl3, dpi);
    EXPECT_EQ(w.PanelsTopFirst(), panels) << dpi;
    EXPECT_EQ(w.Text(Edit1), "C:\\Elsewhere") << dpi;
    w.Progress(bar_after[0], bar_after[1], bar_after[2]);
    EXPECT_TRUE(std::equal(bar_before, bar_before + 3, bar_after)) << dpi;
    w.ClickAndWait(Button11);
    ExpectPictureFillsItsControl(w, Image2);
    w.ClickAndWait(Button5);
  }
  // Back at 96 dpi, the design to the pixel.
  const RECT client = w.FormClientRect();
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
  EXPECT_EQ(w.PlaceInPanel(Label10).right - w.PlaceInPanel(Label10).left, 217);
}

}  // namespace
