#pragma once
// The fonts the wizard draws with, and owners of its GDI objects.

#include <windows.h>

#include "app/gdi_owner.h"
#include "wizard/form_design.h"

namespace wizard {

using Font = app::GdiObject<HFONT>;
using Bitmap = app::GdiObject<HBITMAP>;

// A font of a design's row at dpi. At 96 dpi, where the system has it, the
// design's own "MS Sans Serif" at the height the design asks for. Elsewhere an
// outline face of similar widths ("Microsoft Sans Serif", "Tahoma", "Arial",
// "Liberation Sans", else the system's sans serif) at the character height
// the design face shows at 96 dpi, scaled to dpi: the bitmap face comes in a
// few sizes only and is stretched blockily beyond them. The path box's font
// draws a game path as high as the design face does at 96 dpi, scaled: faces
// fill their character height differently, and a path is all it shows.
HFONT CreateDesignFont(const FontDesign& design, int dpi);

// The outline face above at a character height in pixels.
HFONT CreateOutlineFont(int character_height, bool bold);

// The width of text drawn in font, in pixels.
int TextWidth(HFONT font, const char* text);

// The character height of font, in pixels.
int CharacterHeight(HFONT font);

}  // namespace wizard
