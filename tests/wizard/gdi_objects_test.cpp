#include "wizard/gdi_objects.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using wizard::ControlFont;

LOGFONTA Made(ControlFont font, int dpi) {
  wizard::Font made(wizard::CreateDesignFont(wizard::DesignOf(font), dpi));
  LOGFONTA logical = {};
  EXPECT_NE(GetObjectA(made.Get(), sizeof logical, &logical), 0);
  return logical;
}

// At 96 dpi the design's own face and requests (the rig's prefix has the face).
TEST(CreateDesignFont, At96DpiMakesTheDesignsOwnRequests) {
  const struct {
    ControlFont font;
    int height;
    bool bold;
  } cases[] = {{ControlFont::Form, 11, false},
               {ControlFont::TitleBold, 16, true},
               {ControlFont::PathBox, 7, false}};
  for (const auto& c : cases) {
    const LOGFONTA made = Made(c.font, 96);
    EXPECT_EQ(made.lfHeight, -c.height);
    EXPECT_EQ(made.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(std::string(made.lfFaceName), "MS Sans Serif");
  }
}

// The bitmap face draws its 7-pixel request as its 11-pixel size: scaled, the
// path box's font is well above the scaled request (how high it draws is
// measured on the screen by the tests at each DPI).
TEST(CreateDesignFont, AboveItThePathBoxGetsWhatTheBitmapFaceShowed) {
  for (int dpi : {120, 144, 192}) {
    const LOGFONTA path = Made(ControlFont::PathBox, dpi);
    EXPECT_NE(std::string(path.lfFaceName), "MS Sans Serif") << dpi;
    EXPECT_LT(path.lfHeight, -7 * dpi / 96 - 1) << dpi;
  }
}

}  // namespace
