#include "wizard/form1.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <vector>

#include "app/application_window.h"
#include "app/display_scale.h"
#include "app/error_handler.h"
#include "app/message_services.h"
#include "engine/install_sequence.h"
#include "listfiles/failure.h"
#include "wizard/design_fonts.h"
#include "wizard/form_design.h"
#include "wizard/game_folder_registry.h"
#include "wizard/page_picture.h"
#include "wizard/resource_bytes.h"
#include "wizard/select_folder.h"

namespace wizard {
namespace {

const char kFormClass[] = "TForm1";
const char kCancelQuestion[] = "Do you really want to abort installation ?";
const char kCancelCaption[] = "MessageBox";
constexpr UINT kCancelFlags = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;  // 292
const char kBrowseTitle[] = "Select a folder";
const COLORREF kGray = RGB(128, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

// A text resource stored with LF line ends, one after every line, as the rich
// text boxes want it: lines joined by CR LF.
std::string TextResource(const char* name) {
  std::string stored = ResourceBytes(name);
  if (!stored.empty() && stored.back() == '\n') stored.pop_back();
  std::string text;
  for (char c : stored) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

const ControlDesign& Design(ControlId id) { return kFormDesign[id]; }

// The design's fixed colour, or the system's own while high contrast is on:
// fixed black or gray vanishes on a dark high-contrast face.
COLORREF Contrasting(COLORREF designed, int system_colour) {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  const bool on = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                  (contrast.dwFlags & HCF_HIGHCONTRASTON);
  return on ? GetSysColor(system_colour) : designed;
}

// A rich text box's characters in an explicit colour: automatic colour turns
// gray while the box is disabled, and the design wants them black.
void ColourTextBox(HWND box) {
  SendMessageA(box, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = Contrasting(kBlack, COLOR_BTNTEXT);
  SendMessageA(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(std::max(0, copied)));
}

}  // namespace

TForm1::TForm1() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = app::ProgramIcon();
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kFormClass;
  RegisterClassA(&window_class);

  // Created at the design's place, the window learns the DPI of its monitor
  // and is then laid out for it.
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
  window_ = CreateWindowExA(kFormExStyle, kFormClass, kFormCaption, kFormStyle, 336, 116,
                            frame.right - frame.left, frame.bottom - frame.top,
                            app::ApplicationWindow(), nullptr, instance, this);
  if (window_ == nullptr) Fail("The wizard window cannot be created", "");
  CreateControls();
  LayOut(app::WindowDpi(window_));
  SetWindowPos(window_, nullptr, 0, 0, outer_size_.cx, outer_size_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitFrameToContent();
  app::Guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void TForm1::CreateControls() {
  // Panels first: each new one goes on top, so the welcome page ends up in front.
  for (ControlId panel : {TabControl5, TabControl3, TabControl4, TabControl1, TabControl2}) {
    controls_[panel] = CreateControl(panel);
    SetWindowPos(controls_[panel], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Then each page's controls in tab order: a new child goes to the bottom of
  // its siblings, and the tab key walks them from the top.
  std::vector<ControlId> order;
  for (int id = TabControl2 + 1; id < ControlCount; ++id)
    order.push_back(static_cast<ControlId>(id));
  std::stable_sort(order.begin(), order.end(), [](ControlId a, ControlId b) {
    const int ta = Design(a).tab_order < 0 ? 1000 : Design(a).tab_order;
    const int tb = Design(b).tab_order < 0 ? 1000 : Design(b).tab_order;
    return ta < tb;
  });
  for (ControlId id : order) controls_[id] = CreateControl(id);
}

HWND TForm1::CreateControl(ControlId id) {
  const ControlDesign& design = Design(id);
  const char* window_class = "STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE | (design.enabled ? 0 : WS_DISABLED);
  DWORD ex_style = 0;
  const char* text = design.text;
  HWND parent = design.kind == ControlKind::Panel ? window_ : controls_[design.parent];
  switch (design.kind) {
    case ControlKind::Panel:
      window_class = WC_TABCONTROLA;
      // No WS_CLIPCHILDREN: the panel face must show inside the separator frame.
      style |= WS_CLIPSIBLINGS | TCS_BUTTONS;
      ex_style = WS_EX_CONTROLPARENT;
      break;
    case ControlKind::Picture:
      style |= SS_BITMAP | SS_CENTERIMAGE;
      text = "";
      break;
    case ControlKind::RichText:
      window_class = "RichEdit20A";
      style |= ES_MULTILINE | ES_READONLY | (design.enabled ? WS_VSCROLL | WS_TABSTOP : 0);
      ex_style = WS_EX_CLIENTEDGE;
      text = "";
      break;
    case ControlKind::Label:
      style |= SS_LEFT | SS_NOPREFIX;
      break;
    case ControlKind::Separator:
      // A caption-less frame this flat is a thin etched line above the buttons.
      style |= SS_ETCHEDFRAME;
      break;
    case ControlKind::Button:
      window_class = "BUTTON";
      style |= BS_PUSHBUTTON | WS_TABSTOP;
      break;
    case ControlKind::PathBox:
      window_class = "EDIT";
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      ex_style = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::ProgressBar:
      window_class = PROGRESS_CLASSA;
      style |= PBS_SMOOTH;
      break;
  }
  // Placed and sized by LayOut.
  HWND control =
      CreateWindowExA(ex_style, window_class, text, style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + id)),
                      GetModuleHandleA(nullptr), nullptr);
  if (control == nullptr) Fail("The wizard's control %s cannot be created", window_class);

  switch (design.kind) {
    case ControlKind::Panel:
      // Buttons report to their parent, the panel: pass that on to the window.
      SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      panel_default_procedure_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProcedure)));
      break;
    case ControlKind::RichText:
      SendMessageA(control, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
      SetWindowTextA(control, TextResource(design.text).c_str());
      ColourTextBox(control);
      break;
    case ControlKind::ProgressBar:
      SendMessageA(control, PBM_SETRANGE32, 0, 100);
      break;
    default:
      break;
  }
  return control;
}

void TForm1::LayOut(int dpi) {
  dpi_ = dpi;
  const app::DisplayScale scale(dpi);
  // The controls take the new fonts and picture before the old ones go.
  DesignFonts fonts(dpi);
  const ControlDesign& image = Design(Image1);
  const RECT picture_place = scale.Rect(image.left, image.top, image.width, image.height);
  Bitmap page_picture(PagePicture(picture_place.right - picture_place.left,
                                  picture_place.bottom - picture_place.top));
  std::swap(fonts_, fonts);
  std::swap(page_picture_, page_picture);

  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(ControlFont::Form)), FALSE);
  for (const ControlDesign& design : kFormDesign) {
    HWND control = controls_[design.id];
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(design.font)), TRUE);
    if (design.kind == ControlKind::Picture)
      SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(page_picture_.Get()));
    RECT place = scale.Rect(design.left, design.top, design.width, design.height);
    if (design.kind == ControlKind::Label) place = LabelRect(design.id, place);
    SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  client_size_ = {scale.Pixels(kClientWidth), scale.Pixels(kClientHeight)};
  RECT frame = {0, 0, client_size_.cx, client_size_.cy};
  app::AdjustFrameForDpi(frame, kFormStyle, kFormExStyle, dpi);
  outer_size_ = {frame.right - frame.left, frame.bottom - frame.top};
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
  const std::string text = WindowText(label);
  RECT extent = {};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &extent,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  return {design_place.left, design_place.top, design_place.left + extent.right,
          design_place.top + extent.bottom};
}

void TForm1::Show(int show_command) {
  // Centred on the whole desktop, measured from the primary screen's origin:
  // laid out first for the monitor it lands on, so that the centring uses the
  // size it has there.
  const int desktop_width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int desktop_height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const int dpi = app::MonitorDpi(
      MonitorFromPoint({desktop_width / 2, desktop_height / 2}, MONITOR_DEFAULTTONEAREST));
  if (dpi != dpi_) LayOut(dpi);
  SetWindowPos(window_, nullptr, (desktop_width - outer_size_.cx) / 2,
               (desktop_height - outer_size_.cy) / 2, outer_size_.cx, outer_size_.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  FitFrameToContent();
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
}

LRESULT CALLBACK TForm1::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form == nullptr || form->window_ == nullptr)
    return DefWindowProcA(window, message, wparam, lparam);
  LRESULT result = 0;
  app::Guarded([&] { result = form->HandleMessage(message, wparam, lparam); });
  return result;
}

LRESULT CALLBACK TForm1::PanelProcedure(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrA(panel, GWLP_USERDATA));
  switch (message) {
    case WM_CLOSE:
      // A rich edit or edit in dialog mode closes its parent on Escape; the
      // default would destroy the page.
      return 0;
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return SendMessageA(form->window_, message, wparam, lparam);
    default:
      return CallWindowProcA(form->panel_default_procedure_, panel, message, wparam, lparam);
  }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam) - kFirstControlId;
      if (HIWORD(wparam) == BN_CLICKED && id >= 0 && id < ControlCount)
        ClickHandler(static_cast<ControlId>(id));
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return ControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_GETMINMAXINFO: {
      // The window keeps the size of its content.
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      if (outer_size_.cx != 0) {
        limits->ptMinTrackSize = {outer_size_.cx, outer_size_.cy};
        limits->ptMaxTrackSize = limits->ptMinTrackSize;
      }
      return 0;
    }
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: the same controls, laid out anew,
      // so the page in front, the path and the bar stay as they were. Already
      // laid out for it (Show places the window so), the suggested rectangle
      // would scale the window a second time: only the frame is mended.
      if (HIWORD(wparam) == dpi_) {
        FitFrameToContent();
        return 0;
      }
      LayOut(HIWORD(wparam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      FitFrameToContent();
      return 0;
    }
    case WM_CLOSE:
      // The quit request: the window stays as it is until the loop has ended.
      PostQuitMessage(0);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) focus_when_inactive_ = GetFocus();
      return DefWindowProcA(window_, message, wparam, lparam);
    case WM_SETFOCUS:
      // The focus belongs on the front page: back where it was, or its forward button.
      if (focus_when_inactive_ != nullptr && IsChild(controls_[FrontPage()], focus_when_inactive_))
        SetFocus(focus_when_inactive_);
      else
        FocusFrontPage();
      return 0;
    case WM_SYSCOLORCHANGE:
      // Common controls learn of new colours only from their top-level window.
      for (HWND control : controls_) SendMessageA(control, WM_SYSCOLORCHANGE, wparam, lparam);
      ColourTextBox(controls_[WelcomeText]);
      ColourTextBox(controls_[RichEdit2]);
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return 0;
    default:
      return DefWindowProcA(window_, message, wparam, lparam);
  }
}

LRESULT TForm1::ControlColour(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control) - kFirstControlId;
  if (id == Edit1) {
    SetTextColor(dc, Contrasting(kBlack, COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  const bool gray = id >= 0 && id < ControlCount &&
                    (Design(static_cast<ControlId>(id)).font == ControlFont::GroupGray ||
                     Design(static_cast<ControlId>(id)).font == ControlFont::Form);
  SetTextColor(dc, Contrasting(gray ? kGray : kBlack, COLOR_BTNTEXT));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TForm1::ClickHandler(ControlId id) {
  switch (id) {
    case Button1:
      return Button1Click();
    case Button3:
      return Button3Click();
    case Button4:
      return Button4Click();
    case Button5:
      return Button5Click();
    case Button6:
      return Button6Click();
    case Button8:
      return Button8Click();
    case Button10:
      return Button10Click();
    case Button11:
      return Button11Click();
    case Button12:
      return Button12Click();
    default:
      return;
  }
}

void TForm1::BringToFront(ControlId panel) {
  SetWindowPos(controls_[panel], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(controls_[panel], nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  FocusFrontPage();
}

void TForm1::Close() { SendMessageA(window_, WM_CLOSE, 0, 0); }

void TForm1::AskToCancel() {
  if (app::ShowMessageBox(kCancelQuestion, kCancelCaption, kCancelFlags) == IDYES) Close();
}

void TForm1::FormCreate() {
  std::string folder;
  ReadGameFolder(folder);
  SetWindowTextA(controls_[Edit1], folder.c_str());
}

void TForm1::Button1Click() { BringToFront(TabControl1); }
void TForm1::Button6Click() { BringToFront(TabControl2); }
void TForm1::Button11Click() { BringToFront(TabControl1); }
void TForm1::Button4Click() { AskToCancel(); }
void TForm1::Button8Click() { AskToCancel(); }
void TForm1::Button10Click() { Close(); }

void TForm1::Button5Click() {
  BringToFront(TabControl3);
  BringToFront(TabControl5);
  // Keys typed meanwhile go through the wizard's own key routing, as in the main loop.
  app::ProcessWaitingMessages([this](const MSG& message) { return HandleKey(message); });
}

void TForm1::Button3Click() { engine::RunInstall(*this, engine::ProcessMapCatalogue()); }

void TForm1::Button12Click() {
  std::string chosen, folder;
  SelectFolder(chosen, kBrowseTitle, folder);
  SetWindowTextA(controls_[Edit1], folder.c_str());
}

std::string TForm1::GameFolderText() { return WindowText(controls_[Edit1]); }

void TForm1::ShowNotice(const std::string& text) { app::ShowNotice(text); }

void TForm1::SetProgressRange(int minimum, int maximum) {
  SendMessageA(controls_[ProgressBar1], PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void TForm1::SetProgressPosition(int position) {
  SendMessageA(controls_[ProgressBar1], PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void TForm1::ShowFinishPage() { BringToFront(TabControl4); }

}  // namespace wizard
