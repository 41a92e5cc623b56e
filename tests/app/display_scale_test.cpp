#include "app/display_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "wizard/form_design.h"

namespace {

using wizard::ControlDesign;
using wizard::kFormDesign;

RECT Scaled(const ControlDesign& design, int dpi) {
  return app::DisplayScale(dpi).Rect(design.left, design.top, design.width, design.height);
}

class DesignAtDpi : public testing::TestWithParam<int> {};

TEST_P(DesignAtDpi, EveryEdgeIsWithinHalfAPixelOfTheExactScale) {
  const int dpi = GetParam();
  for (const ControlDesign& design : kFormDesign) {
    const RECT place = Scaled(design, dpi);
    const int edges[4][2] = {{place.left, design.left},
                             {place.top, design.top},
                             {place.right, design.left + design.width},
                             {place.bottom, design.top + design.height}};
    for (const auto& edge : edges)
      EXPECT_LE(std::fabs(edge[0] - edge[1] * dpi / 96.0), 0.5) << design.id;
  }
}

TEST_P(DesignAtDpi, ControlsThatTouchStillTouchAndRowsStayAligned) {
  const int dpi = GetParam();
  for (const ControlDesign& a : kFormDesign)
    for (const ControlDesign& b : kFormDesign) {
      if (a.parent != b.parent || a.id == b.id) continue;
      const RECT pa = Scaled(a, dpi), pb = Scaled(b, dpi);
      if (a.left + a.width == b.left) {
        EXPECT_EQ(pa.right, pb.left) << a.id << " " << b.id;
      }
      if (a.top + a.height == b.top) {
        EXPECT_EQ(pa.bottom, pb.top) << a.id << " " << b.id;
      }
      if (a.top == b.top && a.height == b.height) {
        EXPECT_EQ(pa.top, pb.top) << a.id << " " << b.id;
        EXPECT_EQ(pa.bottom - pa.top, pb.bottom - pb.top) << a.id << " " << b.id;
      }
      if (a.left == b.left && a.width == b.width) {
        EXPECT_EQ(pa.right - pa.left, pb.right - pb.left) << a.id << " " << b.id;
      }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, DesignAtDpi, testing::Values(96, 120, 144, 168, 192, 288));

TEST(DisplayScale, At96DpiTheDesignIsUnchanged) {
  for (const ControlDesign& design : kFormDesign) {
    const RECT place = Scaled(design, 96);
    EXPECT_EQ(place.left, design.left);
    EXPECT_EQ(place.top, design.top);
    EXPECT_EQ(place.right - place.left, design.width);
    EXPECT_EQ(place.bottom - place.top, design.height);
  }
}

TEST(DisplayScale, TheDesignsFontsAndClientArea) {
  struct Case {
    int dpi, font11, font16, font7, width, height;
  };
  const Case cases[] = {{96, 11, 16, 7, 489, 337},
                        {120, 14, 20, 9, 611, 421},
                        {144, 17, 24, 11, 734, 506},
                        {192, 22, 32, 14, 978, 674}};
  for (const Case& c : cases) {
    const app::DisplayScale scale(c.dpi);
    EXPECT_EQ(scale.Pixels(11), c.font11) << c.dpi;
    EXPECT_EQ(scale.Pixels(16), c.font16) << c.dpi;
    EXPECT_EQ(scale.Pixels(7), c.font7) << c.dpi;
    EXPECT_EQ(scale.Pixels(wizard::kClientWidth), c.width) << c.dpi;
    EXPECT_EQ(scale.Pixels(wizard::kClientHeight), c.height) << c.dpi;
  }
}

}  // namespace
