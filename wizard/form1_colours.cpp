// The wizard's colours: the design's black and gray text on the button face,
// or the system's own colours while high contrast is on.

#include <windows.h>
// The rest build on windows.h.
#include <richedit.h>

#include "wizard/form1.h"
#include "wizard/form_design.h"

namespace wizard {
namespace {

const COLORREF kGray = RGB(128, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);

// The design's fixed colour, or the system's own while high contrast is on:
// fixed black or gray vanishes on a dark high-contrast face.
COLORREF Contrasting(COLORREF designed, int system_colour) {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  const bool on = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                  (contrast.dwFlags & HCF_HIGHCONTRASTON);
  return on ? GetSysColor(system_colour) : designed;
}

}  // namespace

void TForm1::ColourTextBox(HWND box) {
  // An explicit colour: automatic colour turns gray while the box is disabled,
  // and the design wants it black.
  SendMessageA(box, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = Contrasting(kBlack, COLOR_BTNTEXT);
  SendMessageA(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

LRESULT TForm1::OnControlColour(WPARAM wparam, LPARAM lparam) {
  HDC dc = reinterpret_cast<HDC>(wparam);
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) - kFirstControlId;
  if (id == Edit1) {
    SetTextColor(dc, Contrasting(kBlack, COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  const bool gray =
      id >= 0 && id < ControlCount &&
      (kFormDesign[id].font == ControlFont::GroupGray || kFormDesign[id].font == ControlFont::Form);
  SetTextColor(dc, Contrasting(gray ? kGray : kBlack, COLOR_BTNTEXT));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TForm1::OnSysColorChange(WPARAM wparam, LPARAM lparam) {
  // Common controls learn of new colours only from their top-level window.
  for (HWND control : controls_) SendMessageA(control, WM_SYSCOLORCHANGE, wparam, lparam);
  ColourTextBox(controls_[WelcomeText]);
  ColourTextBox(controls_[RichEdit2]);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return 0;
}

}  // namespace wizard
