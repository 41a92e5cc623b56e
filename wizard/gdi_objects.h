#pragma once
// Owners of the GDI objects the wizard creates.

#include <windows.h>

#include "wizard/form_design.h"

namespace wizard {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  GdiObject& operator=(GdiObject&& other) noexcept {
    Reset();
    handle_ = other.handle_;
    other.handle_ = nullptr;
    return *this;
  }
  Handle Get() const { return handle_; }
  // Gives up ownership.
  Handle Release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  void Reset() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

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
