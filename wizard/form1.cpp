#include "wizard/form1.h"

#include <commctrl.h>

#include "app/application_window.h"
#include "app/display_scale.h"
#include "app/error_handler.h"
#include "app/message_services.h"
#include "app/select_folder.h"
#include "base/failure.h"
#include "base/messages.h"
#include "engine/install_sequence.h"
#include "setup/pack_entry.h"
#include "wizard/form_design.h"
#include "wizard/game_search.h"
#include "wizard/pages.h"

namespace wizard {
namespace {

const char kFormClass[] = "TForm1";
constexpr UINT kCancelFlags = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;  // 292

// The window's messages and what handles each; any other goes to the default.
struct MessageRoute {
  UINT message;
  LRESULT (TForm1::*handler)(WPARAM, LPARAM);
};

const MessageRoute kMessageRoutes[] = {
    {WM_COMMAND, &TForm1::OnCommand},
    {WM_CTLCOLORSTATIC, &TForm1::OnControlColour},
    {WM_CTLCOLOREDIT, &TForm1::OnControlColour},
    {WM_CTLCOLORBTN, &TForm1::OnControlColour},
    {WM_GETMINMAXINFO, &TForm1::OnGetMinMaxInfo},
    {WM_DPICHANGED, &TForm1::OnDpiChanged},
    {WM_CLOSE, &TForm1::OnClose},
    {WM_ACTIVATE, &TForm1::OnActivate},
    {WM_SETFOCUS, &TForm1::OnSetFocus},
    {WM_SYSCOLORCHANGE, &TForm1::OnSysColorChange},
};

// The buttons that do something when clicked, and what they do.
struct ClickRoute {
  ControlId button;
  void (TForm1::*handler)();
};

const ClickRoute kClickRoutes[] = {
    {Button1, &TForm1::Button1Click},   {Button3, &TForm1::Button3Click},
    {Button4, &TForm1::Button4Click},   {Button5, &TForm1::Button5Click},
    {Button6, &TForm1::Button6Click},   {Button8, &TForm1::Button8Click},
    {Button10, &TForm1::Button10Click}, {Button11, &TForm1::Button11Click},
    {Button12, &TForm1::Button12Click},
};

}  // namespace

TForm1::TForm1(platform::System& system, engine::StepLog& log) : system_(system), log_(log) {
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
  if (window_ == nullptr) Fail(messages::kCannotCreateWindow, "");
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
  if (form != nullptr && form->window_ != nullptr)
    for (const MessageRoute& route : kMessageRoutes)
      if (route.message == message) {
        LRESULT result = 0;
        app::Guarded([&] { result = (form->*route.handler)(wparam, lparam); });
        return result;
      }
  return DefWindowProcA(window, message, wparam, lparam);
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

LRESULT TForm1::OnCommand(WPARAM wparam, LPARAM) {
  const int id = LOWORD(wparam) - kFirstControlId;
  if (HIWORD(wparam) != BN_CLICKED) return 0;
  for (const ClickRoute& route : kClickRoutes)
    if (route.button == id) (this->*route.handler)();
  return 0;
}

LRESULT TForm1::OnGetMinMaxInfo(WPARAM, LPARAM lparam) {
  // The window keeps the size of its content.
  auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
  if (outer_size_.cx != 0) {
    limits->ptMinTrackSize = {outer_size_.cx, outer_size_.cy};
    limits->ptMaxTrackSize = limits->ptMinTrackSize;
  }
  return 0;
}

LRESULT TForm1::OnDpiChanged(WPARAM wparam, LPARAM lparam) {
  // Moved to a monitor of another scale: the same controls, laid out anew, so
  // the page in front, the path and the bar stay as they were. Already laid
  // out for it (Show places the window so), the suggested rectangle would
  // scale the window a second time: only the frame is mended.
  if (HIWORD(wparam) != dpi_) {
    LayOut(HIWORD(wparam));
    const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitFrameToContent();
  return 0;
}

LRESULT TForm1::OnClose(WPARAM, LPARAM) {
  // The quit request: the window stays as it is until the loop has ended.
  PostQuitMessage(0);
  return 0;
}

LRESULT TForm1::OnActivate(WPARAM wparam, LPARAM lparam) {
  if (LOWORD(wparam) == WA_INACTIVE) focus_when_inactive_ = GetFocus();
  return DefWindowProcA(window_, WM_ACTIVATE, wparam, lparam);
}

LRESULT TForm1::OnSetFocus(WPARAM, LPARAM) {
  // The focus belongs on the front page: back where it was, or its forward button.
  if (focus_when_inactive_ != nullptr &&
      IsChild(controls_[FrontPage().panel], focus_when_inactive_))
    SetFocus(focus_when_inactive_);
  else
    FocusFrontPage();
  return 0;
}

void TForm1::BringToFront(ControlId panel) {
  SetWindowPos(controls_[panel], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(controls_[panel], nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  FocusFrontPage();
}

void TForm1::Close() { SendMessageA(window_, WM_CLOSE, 0, 0); }

void TForm1::AskToCancel() {
  if (app::ShowMessageBox(messages::kCancelQuestion, messages::kCancelCaption, kCancelFlags) ==
      IDYES)
    Close();
}

void TForm1::FormCreate() {
  default_game_folder_ = DefaultGameFolder(system_).folder;
  SetWindowTextA(controls_[Edit1], default_game_folder_.c_str());
}

void TForm1::Button1Click() { BringToFront(ReadmePage.panel); }
void TForm1::Button6Click() { BringToFront(WelcomePage.panel); }
void TForm1::Button11Click() { BringToFront(ReadmePage.panel); }
void TForm1::Button4Click() { AskToCancel(); }
void TForm1::Button8Click() { AskToCancel(); }
void TForm1::Button10Click() { Close(); }

void TForm1::Button5Click() {
  BringToFront(DestinationPage.panel);
  BringToFront(ProgressStrip);
  // Keys typed meanwhile go through the wizard's own key routing, as in the main loop.
  app::ProcessWaitingMessages([this](const MSG& message) { return HandleKey(message); });
}

void TForm1::Button3Click() {
  log_.Write(FillIn(messages::kLogGameFolder, {GameFolderText(), messages::kLogFromPathBox}));
  try {
    setup::PackEntryRecord record(system_, log_);
    engine::RunInstall(system_, *this, record, pack::ProcessMapCatalogue(), log_);
  } catch (const std::exception& failure) {
    log_.Write(FillIn(messages::kLogStopped, failure.what()));
    throw;  // on to the error box
  }
}

void TForm1::Button12Click() {
  std::string chosen, folder = default_game_folder_;
  app::SelectFolder(chosen, messages::kBrowseTitle, folder);
  SetWindowTextA(controls_[Edit1], folder.c_str());
}

std::string TForm1::GameFolderText() { return TextOf(controls_[Edit1]); }

void TForm1::ShowNotice(const std::string& text) { app::ShowNotice(text); }

void TForm1::SetProgressRange(int minimum, int maximum) {
  SendMessageA(controls_[ProgressBar1], PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void TForm1::SetProgressPosition(int position) {
  SendMessageA(controls_[ProgressBar1], PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void TForm1::ShowFinishPage() {
  log_.Write(FillIn(messages::kLogDone, messages::kLogInstalled));
  BringToFront(FinishPage.panel);
}

}  // namespace wizard
