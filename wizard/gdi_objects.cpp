#include "wizard/gdi_objects.h"

#include <algorithm>

#include "app/display_scale.h"

namespace wizard {
namespace {

const char kDesignFace[] = "MS Sans Serif";
// Outline faces, best first: the design's own outline cut, the face of
// Windows' later dialogs (the only one of the two in Wine), then faces of
// Arial's widths, which Linux systems often have.
const char* const kOutlineFaces[] = {"Microsoft Sans Serif", "Tahoma", "Arial", "Liberation Sans"};

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool HasFace(const char* face) {
  LOGFONTA wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// Empty where none is installed: the font mapper then takes its sans serif.
const char* OutlineFace() {
  for (const char* face : kOutlineFaces)
    if (HasFace(face)) return face;
  return "";
}

HFONT CreateSansSerif(int height, bool bold, const char* face) {
  return CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     VARIABLE_PITCH | FF_SWISS, face);
}

// A game path: capitals, ascenders and backslashes, no descenders.
const char kGamePath[] = "C:\\Games\\Cossacks II";

// How high font draws text, in pixels, from its topmost inked row to its lowest.
int DrawnHeight(HFONT font, const char* text) {
  const int width = TextWidth(font, text) + 8;
  const int height = 2 * CharacterHeight(font) + 8;
  BITMAPINFO format = {};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  Bitmap canvas(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr || canvas.Get() == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    return 0;
  }
  HGDIOBJ previous_bitmap = SelectObject(dc, canvas.Get());
  HGDIOBJ previous_font = SelectObject(dc, font);
  const RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 4, 4, text, lstrlenA(text));
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  int top = height, bottom = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
        top = std::min(top, y);
        bottom = y + 1;
      }
  SelectObject(dc, previous_font);
  SelectObject(dc, previous_bitmap);
  DeleteDC(dc);
  return bottom > top ? bottom - top : 0;
}

// The outline font whose game path comes closest to target pixels high; the
// drawn height grows with the character height, so the search walks up to it.
HFONT CreatePathFont(int target, bool bold) {
  Font below(CreateOutlineFont(target - 1, bold));
  for (int height = target; height < 4 * target; ++height) {
    Font made(CreateOutlineFont(height, bold));
    const int drawn = DrawnHeight(made.Get(), kGamePath);
    if (drawn >= target)
      return drawn - target <= target - DrawnHeight(below.Get(), kGamePath) ? made.Release()
                                                                            : below.Release();
    below = std::move(made);
  }
  return CreateOutlineFont(target, bold);
}

}  // namespace

HFONT CreateDesignFont(const FontDesign& design, int dpi) {
  static const bool has_design_face = HasFace(kDesignFace);
  if (dpi == app::kDesignDpi && has_design_face)
    return CreateSansSerif(design.height, design.bold, kDesignFace);
  const app::DisplayScale scale(dpi);
  if (design.path_ink_height != 0)
    return CreatePathFont(scale.Pixels(design.path_ink_height), design.bold);
  return CreateOutlineFont(scale.Pixels(design.shown_height), design.bold);
}

HFONT CreateOutlineFont(int character_height, bool bold) {
  static const char* const face = OutlineFace();
  return CreateSansSerif(character_height, bold, face);
}

int TextWidth(HFONT font, const char* text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE extent = {};
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &extent);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return extent.cx;
}

int CharacterHeight(HFONT font) {
  LOGFONTA made = {};
  GetObjectA(font, sizeof made, &made);
  return made.lfHeight < 0 ? -made.lfHeight : made.lfHeight;
}

}  // namespace wizard
