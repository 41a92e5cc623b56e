#include "tests/ui/scaled_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "wizard/form_design.h"
#include "wizard/gdi_objects.h"

using namespace wizard;

namespace {

double Scaled(int design_pixels, int dpi) { return design_pixels * dpi / 96.0; }

void ExpectNear(long actual, int design_pixels, int dpi, const char* what, ControlId id) {
  EXPECT_LE(std::fabs(actual - Scaled(design_pixels, dpi)), 1.0)
      << what << " of control " << id << " at " << dpi << " dpi: " << actual << " against "
      << Scaled(design_pixels, dpi);
}

int DesignFontHeight(ControlFont font) {
  switch (font) {
    case ControlFont::TitleBold:
      return 16;
    case ControlFont::PathBox:
      return 7;
    default:
      return 11;
  }
}

// The size of text in the design's font for a control, made at dpi.
SIZE TextExtent(ControlFont font, int dpi, const char* text) {
  Font made(CreateSansSerif(DesignFontHeight(font), font == ControlFont::TitleBold, dpi));
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, made.Get());
  SIZE extent = {};
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &extent);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return extent;
}

int LineHeight(ControlFont font, int dpi) { return TextExtent(font, dpi, "Ag").cy; }
int TextWidth(const ControlDesign& design, int dpi) {
  return TextExtent(design.font, dpi, design.text).cx;
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
    // A label is one line of its font high: the font made at this DPI.
    if (design.kind == ControlKind::Label) {
      EXPECT_EQ(place.bottom - place.top, LineHeight(design.font, dpi)) << design.id;
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
  for (const ControlDesign& design : kFormDesign) {
    if (design.kind != ControlKind::Label || design.parent != panel) continue;
    const RECT place = wizard.PlaceInPanel(design.id);
    const int width = place.right - place.left;
    const int ink = wizard.InkBounds(design.id).right;
    EXPECT_EQ(width, TextWidth(design, dpi)) << "label " << design.id;
    // The last character's cell may end in a few blank columns ("!" in Tahoma: 5 of 17).
    EXPECT_GT(ink, 0) << "label " << design.id;
    EXPECT_LE(width - ink, (place.bottom - place.top) / 3)
        << "label " << design.id << " is " << width << " px wide, its text " << ink;
  }
}
