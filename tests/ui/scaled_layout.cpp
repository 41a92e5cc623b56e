#include "tests/ui/scaled_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "wizard/form_design.h"

using namespace wizard;

namespace {

double Scaled(int design_pixels, int dpi) { return design_pixels * dpi / 96.0; }

void ExpectNear(long actual, int design_pixels, int dpi, const char* what, ControlId id) {
  EXPECT_LE(std::fabs(actual - Scaled(design_pixels, dpi)), 1.0)
      << what << " of control " << id << " at " << dpi << " dpi: " << actual << " against "
      << Scaled(design_pixels, dpi);
}

}  // namespace

void ExpectLayoutAt(WizardProcess& wizard, int dpi) {
  const RECT client = wizard.FormClientRect();
  ExpectNear(client.right - client.left, kClientWidth, dpi, "client width", ControlCount);
  ExpectNear(client.bottom - client.top, kClientHeight, dpi, "client height", ControlCount);
  for (const ControlDesign& design : kFormDesign) {
    const RECT place = wizard.PlaceInPanel(design.id);
    ExpectNear(place.left, design.left, dpi, "left", design.id);
    ExpectNear(place.top, design.top, dpi, "top", design.id);
    // Labels size themselves to their text: ExpectLabelsFitTheirText.
    if (design.kind != ControlKind::Label) {
      ExpectNear(place.right, design.left + design.width, dpi, "right", design.id);
      ExpectNear(place.bottom, design.top + design.height, dpi, "bottom", design.id);
    }
  }
}

void ExpectPictureFillsItsControl(WizardProcess& wizard, ControlId picture) {
  // The bitmap stands centred in its control: a smaller one would leave a
  // border of the page's face around it.
  const RECT place = wizard.PlaceInPanel(picture);
  const RECT ink = wizard.InkBounds(picture);
  EXPECT_EQ(ink.left, 0) << picture;
  EXPECT_EQ(ink.top, 0) << picture;
  EXPECT_EQ(ink.right, place.right - place.left) << picture;
  EXPECT_EQ(ink.bottom, place.bottom - place.top) << picture;
}

void ExpectLabelsFitTheirText(WizardProcess& wizard, ControlId panel, int dpi) {
  // No label reaches past the end of the separator line, the design's right margin.
  const double margin = Scaled(kFormDesign[GroupBox1].left + kFormDesign[GroupBox1].width, dpi);
  for (const ControlDesign& design : kFormDesign) {
    if (design.kind != ControlKind::Label || design.parent != panel) continue;
    const RECT place = wizard.PlaceInPanel(design.id);
    const int width = place.right - place.left, height = place.bottom - place.top;
    const RECT ink = wizard.InkBounds(design.id);
    // The last character's cell may end in a few blank columns ("!" in Tahoma: 5 of 17).
    EXPECT_GT(ink.right, 0) << "label " << design.id;
    EXPECT_LE(width - ink.right, height / 3)
        << "label " << design.id << " is " << width << " px wide, its text " << ink.right;
    EXPECT_LE(ink.bottom, height) << "label " << design.id;
    EXPECT_LE(place.left + ink.right, margin + 1) << "label " << design.id << " at " << dpi;
  }
}

void ExpectPathTextAt(WizardProcess& wizard, int dpi) {
  wizard.SetText(Edit1, kPathSample);
  const RECT ink = wizard.TextInkBounds(Edit1);
  EXPECT_NEAR(ink.bottom - ink.top, Scaled(kPathInkHeightAt96Dpi, dpi), 1.0)
      << "path text ink at " << dpi << " dpi";
}
