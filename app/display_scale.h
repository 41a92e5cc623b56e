#pragma once
// The design is drawn in pixels at 96 dots per inch; a window shows it at the
// DPI of the monitor it stands on.

#include <windows.h>

namespace app {

constexpr int kDesignDpi = 96;

// Design pixels at a given DPI. Rectangles are scaled edge by edge, not by
// position and size, so that controls which share an edge in the design
// still share it, and a row's controls keep one top and one height.
class DisplayScale {
 public:
  explicit DisplayScale(int dpi) : dpi_(dpi) {}
  int Dpi() const { return dpi_; }
  int Pixels(int design_pixels) const { return MulDiv(design_pixels, dpi_, kDesignDpi); }
  RECT Rect(int left, int top, int width, int height) const {
    return {Pixels(left), Pixels(top), Pixels(left + width), Pixels(top + height)};
  }

 private:
  int dpi_;
};

// The DPI the window is drawn at: its own (Windows 10 1607 on), else its
// monitor's (Windows 8.1 on), else the system's.
int WindowDpi(HWND window);

// The DPI of the monitor (Windows 8.1 on), else the system's.
int MonitorDpi(HMONITOR monitor);

// AdjustWindowRectEx for the frame metrics of the given DPI, where the system
// has them; the system's own frame otherwise.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD ex_style, int dpi);

// The message font scaled for the given DPI; the caller owns it.
HFONT CreateMessageFont(int dpi);

}  // namespace app
