#include "wizard/gdi_objects.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CreateSansSerif, MakesTheDesignsHeightsScaledToTheDpi) {
  struct Case {
    int design_height, dpi, height;
    bool bold;
  };
  const Case cases[] = {{11, 96, 11, false},  {16, 96, 16, true},  {7, 96, 7, false},
                        {11, 120, 14, false}, {16, 144, 24, true}, {7, 144, 11, false},
                        {11, 192, 22, false}, {16, 192, 32, true}};
  for (const Case& c : cases) {
    wizard::Font font(wizard::CreateSansSerif(c.design_height, c.bold, c.dpi));
    LOGFONTA made = {};
    ASSERT_NE(GetObjectA(font.Get(), sizeof made, &made), 0);
    EXPECT_EQ(made.lfHeight, -c.height) << c.design_height << " at " << c.dpi;
    EXPECT_EQ(made.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    // The design's own face at 96 dpi.
    if (c.dpi == 96) {
      EXPECT_EQ(std::string(made.lfFaceName), "MS Sans Serif");
    }
  }
}

}  // namespace
