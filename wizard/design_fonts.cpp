#include "wizard/design_fonts.h"

#include <algorithm>

#include "app/display_scale.h"

namespace wizard {
namespace {

// How much narrower font must draw to keep every label in it within the
// design's right margin: 1 when all fit, else the tightest ratio of room to width.
double RoomForLabels(ControlFont font, HFONT made, const app::DisplayScale& scale) {
  const ControlDesign& separator = kFormDesign[GroupBox1];
  const int margin = scale.Pixels(separator.left + separator.width);
  double ratio = 1.0;
  for (const ControlDesign& design : kFormDesign) {
    if (design.kind != ControlKind::Label || design.font != font) continue;
    const int room = margin - scale.Pixels(design.left);
    const int width = TextWidth(made, design.text);
    if (width > room) ratio = std::min(ratio, static_cast<double>(room) / width);
  }
  return ratio;
}

}  // namespace

DesignFonts::DesignFonts(int dpi) {
  const app::DisplayScale scale(dpi);
  for (int index = 0; index < kControlFontCount; ++index) {
    const auto font = static_cast<ControlFont>(index);
    const FontDesign& design = DesignOf(font);
    Font made(CreateDesignFont(design, dpi));
    int height = CharacterHeight(made.Get());
    for (double room = RoomForLabels(font, made.Get(), scale); room < 1.0 && height > 1;
         room = RoomForLabels(font, made.Get(), scale)) {
      height = std::min(height - 1, static_cast<int>(height * room));
      made = Font(CreateOutlineFont(height, design.bold));
    }
    fonts_[index] = std::move(made);
  }
}

}  // namespace wizard
