// The wizard's keyboard. The page panels stay visible and enabled underneath
// the front one, so the dialog manager would walk into covered pages (and a
// rich edit in dialog mode closes its panel on Escape): the wizard routes Tab,
// Enter and Escape itself, within the page in front.

#include <algorithm>

#include "wizard/form1.h"
#include "wizard/form_design.h"
#include "wizard/pages.h"

namespace wizard {
namespace {

ControlId IdOf(HWND control) {
  const int id = GetDlgCtrlID(control) - kFirstControlId;
  return id >= 0 && id < ControlCount ? static_cast<ControlId>(id) : ControlCount;
}

// Auto-repeat of a key held down: such a key presses its button only once.
bool Repeated(const MSG& message) { return (message.lParam & (1 << 30)) != 0; }

}  // namespace

bool TForm1::HandleKey(const MSG& message) {
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (message.message == WM_CHAR)
    // What a posted or translated Tab, Enter or Escape leaves behind.
    return message.wParam == '\t' || message.wParam == '\r' || message.wParam == 0x1B;
  if (message.message != WM_KEYDOWN) return false;
  switch (message.wParam) {
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      if (!Repeated(message)) PressEnter();
      return true;
    case VK_ESCAPE:
      if (!Repeated(message)) Press(FrontPage().cancel);
      return true;
    default:
      return false;
  }
}

// The page on top; the progress strip lies over the destination page, which
// stays the page in front.
const Page& TForm1::FrontPage() const {
  for (HWND panel = GetWindow(window_, GW_CHILD); panel; panel = GetWindow(panel, GW_HWNDNEXT))
    if (panel != controls_[ProgressStrip]) return PageOf(IdOf(panel));
  return WelcomePage;
}

std::vector<HWND> TForm1::TabStops(ControlId page) const {
  std::vector<const ControlDesign*> rows;
  for (const ControlDesign& row : kFormDesign)
    if (row.parent == page && row.id != page && row.tab_order >= 0) rows.push_back(&row);
  std::stable_sort(rows.begin(), rows.end(), [](const ControlDesign* a, const ControlDesign* b) {
    return a->tab_order < b->tab_order;
  });
  std::vector<HWND> stops;
  for (const ControlDesign* row : rows) {
    HWND control = controls_[row->id];
    if (IsWindowEnabled(control) && (GetWindowLongPtrA(control, GWL_STYLE) & WS_TABSTOP))
      stops.push_back(control);
  }
  return stops;
}

void TForm1::MoveFocus(bool backward) {
  const std::vector<HWND> stops = TabStops(FrontPage().panel);
  if (stops.empty()) return;
  const std::size_t count = stops.size();
  const std::size_t at = std::find(stops.begin(), stops.end(), GetFocus()) - stops.begin();
  std::size_t next = backward ? count - 1 : 0;
  if (at < count) next = (at + (backward ? count - 1 : 1)) % count;
  SetFocus(stops[next]);
  // As in any dialog, tabbing into the path box selects its text for typing over.
  if (stops[next] == controls_[Edit1]) SendMessageA(stops[next], EM_SETSEL, 0, -1);
}

void TForm1::FocusFrontPage() { SetFocus(controls_[FrontPage().forward]); }

void TForm1::PressEnter() {
  const ControlId focus = IdOf(GetFocus());
  const bool on_button = focus != ControlCount && kFormDesign[focus].kind == ControlKind::Button &&
                         kFormDesign[focus].parent == FrontPage().panel;
  Press(on_button ? focus : FrontPage().forward);
}

void TForm1::Press(ControlId button) {
  if (button == ControlCount || !IsWindowEnabled(controls_[button])) return;
  // As the button itself reports a click; the window's procedure guards the handler.
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(kFirstControlId + button, BN_CLICKED),
               reinterpret_cast<LPARAM>(controls_[button]));
}

}  // namespace wizard
