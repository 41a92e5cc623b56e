#include <gtest/gtest.h>

#include "tests/ui/wizard_session.h"
#include "wizard/form_design.h"

namespace {

using namespace wizard;

TEST(Geometry, WindowIsCentredWithTheClientAreaOfOnePage) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
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

TEST(Geometry, EveryControlStandsWhereTheDesignPutsIt) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
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

TEST(Geometry, TextsAreTheDesignsOwn) {
  WizardSession session;
  session.Start();
  WizardProcess& w = *session.wizard;
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

}  // namespace
