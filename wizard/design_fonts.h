#pragma once
// The wizard's fonts at one DPI, one for each font of the design.

#include "wizard/form_design.h"
#include "wizard/gdi_objects.h"

namespace wizard {

class DesignFonts {
 public:
  DesignFonts() = default;
  // Made by CreateDesignFont. Where a stand-in face would draw a label past the
  // end of the separator line (the design's right margin), that font is made
  // smaller until every label in it ends there or before.
  explicit DesignFonts(int dpi);

  HFONT For(ControlFont font) const { return fonts_[static_cast<int>(font)].Get(); }

 private:
  Font fonts_[kControlFontCount];
};

}  // namespace wizard
