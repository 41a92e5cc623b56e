// The wizard on a display of another scale than 96 dpi, or at 96 dpi on a
// system without the classic faces: run by run-at-dpi.sh, which sets the
// display's DPI and names it in ZELMORA_TEST_DPI.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/ui/scaled_layout.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

int DpiUnderTest() {
  const char* named = std::getenv("ZELMORA_TEST_DPI");
  return named ? std::atoi(named) : 0;
}

std::string Screenshot(const char* page) {
  return ScreenshotFolder() + page + "-" + std::to_string(DpiUnderTest()) + "dpi.bmp";
}

TEST(Dpi, TheDisplayRunsAtTheDpiUnderTest) {
  ASSERT_GE(DpiUnderTest(), 96) << "run through run-at-dpi.sh";
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), DpiUnderTest());
  ReleaseDC(nullptr, screen);
}

TEST(Dpi, EveryPageIsTheDesignScaled) {
  WizardSession session;
  WizardProcess& w = session.Start();
  ExpectLayoutAt(w, DpiUnderTest());
  ExpectLabelsFitTheirText(w, TabControl2, DpiUnderTest());
  ExpectPictureFillsItsControl(w, Image1);
  // The welcome text does not scroll: its 16 lines each show on one line, none cut off.
  EXPECT_EQ(SendMessageA(w.Control(WelcomeText), EM_GETLINECOUNT, 0, 0), 16);
  w.SaveScreenshot(Screenshot("1-welcome"));
  w.ClickAndWait(Button1);
  ExpectLabelsFitTheirText(w, TabControl1, DpiUnderTest());
  ExpectPictureFillsItsControl(w, Image2);
  w.SaveScreenshot(Screenshot("2-readme"));
  w.ClickAndWait(Button5);
  ExpectLabelsFitTheirText(w, TabControl3, DpiUnderTest());
  const std::string game_folder = w.Text(Edit1);
  ExpectPathTextAt(w, DpiUnderTest());
  w.SaveScreenshot(Screenshot("3-destination"));
  w.SetText(Edit1, game_folder);
  w.ClickAndWait(Button3);
  ASSERT_EQ(w.FrontPanel(), TabControl4);
  ExpectLabelsFitTheirText(w, TabControl4, DpiUnderTest());
  ExpectPictureFillsItsControl(w, Image3);
  w.SaveScreenshot(Screenshot("4-finish"));
}

TEST(Dpi, TheNoticeIsScaledToo) {
  WizardSession session;
  WizardProcess& w = session.Start();
  HWND notice = session.InstallIntoAFolderThatIsNoGame();
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(w.BoxText(notice), "Incorrect path to \"Battle for Europe\". Please true again");
  // The button is 75 x 23 at 96 dpi, 12 pixels from the bottom edge.
  RECT button = {}, client = {};
  GetWindowRect(GetDlgItem(notice, IDOK), &button);
  MapWindowPoints(nullptr, notice, reinterpret_cast<POINT*>(&button), 2);
  GetClientRect(notice, &client);
  const int dpi = DpiUnderTest();
  EXPECT_NEAR(button.right - button.left, 75 * dpi / 96.0, 1);
  EXPECT_NEAR(button.bottom - button.top, 23 * dpi / 96.0, 1);
  EXPECT_NEAR(client.bottom - button.bottom, 12 * dpi / 96.0, 1);
  w.SaveScreenshot(Screenshot("5-notice"));
  w.AnswerBox(notice, IDOK);
}

}  // namespace
