// The wizard window's controls: made from the design table, then placed,
// sized and given fonts and pictures for the window's DPI.

#include <windows.h>
// The rest build on windows.h.
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <vector>

#include "app/display_scale.h"
#include "base/failure.h"
#include "base/messages.h"
#include "wizard/form1.h"
#include "wizard/form_design.h"
#include "wizard/page_picture.h"
#include "wizard/pages.h"
#include "wizard/resource_bytes.h"

namespace wizard {
namespace {

// A text resource stored with LF line ends, one after every line, as the rich
// text boxes want it: lines joined by CR LF.
std::string TextResource(const char* name) {
  std::string stored = ResourceBytes(name);
  if (!stored.empty() && stored.back() == '\n') stored.pop_back();
  std::string text;
  for (char c : stored) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

int TabRank(ControlId id) {
  return kFormDesign[id].tab_order < 0 ? ControlCount : kFormDesign[id].tab_order;
}

}  // namespace

void TForm1::CreateControls() {
  const app::DisplayScale scale(app::WindowDpi(window_));
  // Panels first: each new one goes on top, so the welcome page ends up in front.
  for (ControlId panel : kPanelsBottomFirst) {
    controls_[panel] = CreateControl(panel, scale);
    SetWindowPos(controls_[panel], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Then each page's controls in tab order: a new child goes to the bottom of
  // its siblings, and the tab key walks them from the top.
  std::vector<ControlId> order;
  for (const ControlDesign& design : kFormDesign)
    if (design.kind != ControlKind::Panel) order.push_back(design.id);
  std::stable_sort(order.begin(), order.end(),
                   [](ControlId a, ControlId b) { return TabRank(a) < TabRank(b); });
  for (ControlId id : order) controls_[id] = CreateControl(id, scale);
}

HWND TForm1::CreateControl(ControlId id, const app::DisplayScale& scale) {
  const ControlDesign& design = kFormDesign[id];
  const ControlClass& kind = ClassOf(design.kind);
  DWORD style = WS_CHILD | WS_VISIBLE | kind.style | (design.enabled ? 0 : WS_DISABLED);
  // Only a box the reader may use scrolls and takes the focus.
  if (design.kind == ControlKind::RichText && design.enabled) style |= WS_VSCROLL | WS_TABSTOP;
  // Pictures and rich text boxes name their resource; it is not their caption.
  const bool text_is_caption =
      design.kind != ControlKind::Picture && design.kind != ControlKind::RichText;
  HWND parent = design.kind == ControlKind::Panel ? window_ : controls_[design.parent];
  // Made where the window's DPI puts it, so that LayOut need not move it. A
  // label's size comes from its font, and a rich text box wraps its text anew
  // only when its size changes: those two LayOut places once their fonts are set.
  const bool placed_later =
      design.kind == ControlKind::Label || design.kind == ControlKind::RichText;
  RECT& place = placed_[id];
  place = placed_later ? RECT{} : scale.Rect(design.left, design.top, design.width, design.height);
  HWND control =
      CreateWindowExA(kind.ex_style, kind.window_class, text_is_caption ? design.text : "", style,
                      place.left, place.top, place.right - place.left, place.bottom - place.top,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + id)),
                      GetModuleHandleA(nullptr), nullptr);
  if (control == nullptr) Fail(messages::kCannotCreateControl, kind.window_class);

  if (design.kind == ControlKind::Panel) {
    // Buttons report to their parent, the panel: pass that on to the window.
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    panel_default_procedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProcedure)));
  } else if (design.kind == ControlKind::RichText) {
    SendMessageA(control, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    SetWindowTextA(control, TextResource(design.text).c_str());
    ColourTextBox(control);
  } else if (design.kind == ControlKind::ProgressBar) {
    SendMessageA(control, PBM_SETRANGE32, 0, 100);
  }
  return control;
}

void TForm1::LayOut(int dpi) {
  dpi_ = dpi;
  const app::DisplayScale scale(dpi);
  // The controls take the new fonts and picture before the old ones go.
  DesignFonts fonts(dpi);
  const ControlDesign& image = kFormDesign[Image1];
  const RECT picture_place = scale.Rect(image.left, image.top, image.width, image.height);
  Bitmap page_picture(PagePicture(picture_place.right - picture_place.left,
                                  picture_place.bottom - picture_place.top));
  std::swap(fonts_, fonts);
  std::swap(page_picture_, page_picture);

  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(ControlFont::Form)), FALSE);
  // A window not shown yet has nothing to redraw.
  const BOOL shown = IsWindowVisible(window_);
  for (const ControlDesign& design : kFormDesign) {
    HWND control = controls_[design.id];
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(design.font)), shown);
    if (design.kind == ControlKind::Picture)
      SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(page_picture_.Get()));
    RECT place = scale.Rect(design.left, design.top, design.width, design.height);
    if (design.kind == ControlKind::Label) place = LabelRect(design.id, place);
    const RECT& now = placed_[design.id];
    if (place.left == now.left && place.top == now.top && place.right == now.right &&
        place.bottom == now.bottom)
      continue;
    SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placed_[design.id] = place;
  }
  FitUnscrolledText(WelcomeText);
  client_size_ = {scale.Pixels(kClientWidth), scale.Pixels(kClientHeight)};
  RECT frame = {0, 0, client_size_.cx, client_size_.cy};
  app::AdjustFrameForDpi(frame, kFormStyle, kFormExStyle, dpi);
  outer_size_ = {frame.right - frame.left, frame.bottom - frame.top};
}

void TForm1::FitUnscrolledText(ControlId box) {
  // The box does not scroll: a line wrapped where a stand-in face draws wider
  // than the design's would push the last lines out of sight. Its font is made
  // smaller until every line of its text shows on one line of the box.
  HWND control = controls_[box];
  const std::string text = TextOf(control);
  const LRESULT lines = std::count(text.begin(), text.end(), '\n') + 1;
  HFONT font = fonts_.For(kFormDesign[box].font);
  for (int height = CharacterHeight(font);
       SendMessageA(control, EM_GETLINECOUNT, 0, 0) > lines && height > 1;) {
    Font smaller(CreateOutlineFont(--height, false));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(smaller.Get()), TRUE);
    unscrolled_text_font_ = std::move(smaller);
  }
}

void TForm1::FitFrameToContent() {
  // The frame of a DPI is not always the one the system draws (Wine keeps its
  // own): make up the difference so that the client area holds one page.
  RECT client = {}, frame = {};
  if (IsIconic(window_) || !GetClientRect(window_, &client) || !GetWindowRect(window_, &frame))
    return;
  const int wider = client_size_.cx - client.right, higher = client_size_.cy - client.bottom;
  outer_size_ = {frame.right - frame.left + wider, frame.bottom - frame.top + higher};
  if (wider != 0 || higher != 0)
    SetWindowPos(window_, nullptr, 0, 0, outer_size_.cx, outer_size_.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TForm1::LabelRect(ControlId id, const RECT& design_place) const {
  // Labels size themselves to their one-line text, measured as the label
  // draws it: in its own font, on its own device context.
  HWND label = controls_[id];
  HDC dc = GetDC(label);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  const std::string text = TextOf(label);
  RECT extent = {};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &extent,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  return {design_place.left, design_place.top, design_place.left + extent.right,
          design_place.top + extent.bottom};
}

std::string TForm1::TextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(std::max(0, copied)));
}

}  // namespace wizard
