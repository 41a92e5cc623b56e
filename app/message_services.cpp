#include "app/message_services.h"

#include <algorithm>

#include "app/application_window.h"
#include "app/display_scale.h"
#include "app/error_handler.h"
#include "app/title.h"

namespace app {

ThreadWindowsDisabled::ThreadWindowsDisabled() {
  EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK ThreadWindowsDisabled::Disable(HWND window, LPARAM self) {
  auto* disabled = reinterpret_cast<ThreadWindowsDisabled*>(self);
  if (disabled->count_ == static_cast<int>(sizeof disabled->windows_ / sizeof(HWND))) return FALSE;
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled->windows_[disabled->count_++] = window;
  }
  return TRUE;
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (int i = 0; i < count_; ++i) EnableWindow(windows_[i], TRUE);
}

namespace {

// Keeps the application window on the active window's monitor while a box is
// shown, so that the box appears where the user is looking.
class OnActiveMonitor {
 public:
  explicit OnActiveMonitor(HWND active) {
    if (active == nullptr) return;
    HMONITOR target = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
    if (target == MonitorFromWindow(ApplicationWindow(), MONITOR_DEFAULTTONEAREST)) return;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(target, &info)) return;
    GetWindowRect(ApplicationWindow(), &original_);
    moved_ = true;
    MoveTo((info.rcMonitor.left + info.rcMonitor.right) / 2,
           (info.rcMonitor.top + info.rcMonitor.bottom) / 2);
  }
  ~OnActiveMonitor() {
    if (moved_) MoveTo(original_.left, original_.top);
  }
  OnActiveMonitor(const OnActiveMonitor&) = delete;
  OnActiveMonitor& operator=(const OnActiveMonitor&) = delete;

 private:
  static void MoveTo(int x, int y) {
    SetWindowPos(ApplicationWindow(), nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  RECT original_ = {};
  bool moved_ = false;
};

// Gives activation and focus back to what had them when the box opened.
class ActivationKept {
 public:
  ActivationKept() : active_(GetActiveWindow()), focus_(GetFocus()) {}
  ~ActivationKept() {
    if (active_ != nullptr) SetActiveWindow(active_);
    if (focus_ != nullptr && IsWindow(focus_)) SetFocus(focus_);
  }
  ActivationKept(const ActivationKept&) = delete;
  ActivationKept& operator=(const ActivationKept&) = delete;
  HWND Active() const { return active_; }

 private:
  HWND active_;
  HWND focus_;
};

}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  ActivationKept activation;
  OnActiveMonitor monitor(activation.Active());
  ThreadWindowsDisabled disabled;
  return MessageBoxA(ApplicationWindow(), text.c_str(), caption.c_str(), flags);
}

void DispatchFiltered(const MSG& message, const MessageFilter& filter) {
  bool taken = false;
  Guarded([&] { taken = filter(message); });
  if (taken) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void ProcessWaitingMessages(const MessageFilter& filter) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchFiltered(message, filter);
  }
}

}  // namespace app

namespace app {
namespace {

constexpr int kNoticeMargin = 12;
constexpr int kNoticeButtonWidth = 75;
constexpr int kNoticeButtonHeight = 23;

struct NoticeState {
  const std::string* text;
  HFONT font;  // made for the monitor the dialog opens on
};

void LayOutNotice(HWND dialog, NoticeState& state) {
  SetWindowTextA(dialog, ApplicationTitle().c_str());
  // Margins and button are design pixels at 96 dpi, scaled like the font.
  const DisplayScale scale(WindowDpi(dialog));
  const int margin = scale.Pixels(kNoticeMargin);
  const int button_width = scale.Pixels(kNoticeButtonWidth);
  const int button_height = scale.Pixels(kNoticeButtonHeight);
  state.font = CreateMessageFont(scale.Dpi());
  RECT text_rect = {0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  HDC dc = GetDC(dialog);
  HGDIOBJ previous = SelectObject(dc, state.font);
  DrawTextA(dc, state.text->c_str(), static_cast<int>(state.text->size()), &text_rect,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, previous);
  ReleaseDC(dialog, dc);

  const int text_width = text_rect.right;
  const int text_height = text_rect.bottom;
  const int client_width = std::max(text_width, button_width) + 2 * margin;
  const int client_height = 3 * margin + text_height + button_height;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND label = CreateWindowExA(0, "STATIC", state.text->c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin, margin,
                               text_width, text_height, dialog, nullptr, instance, nullptr);
  HWND button =
      CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      (client_width - button_width) / 2, 2 * margin + text_height, button_width,
                      button_height, dialog, reinterpret_cast<HMENU>(IDOK), instance, nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);

  RECT frame = {0, 0, client_width, client_height};
  AdjustFrameForDpi(frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)),
                    static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)), scale.Dpi());
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);
  SetFocus(button);
}

INT_PTR CALLBACK NoticeProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      Guarded([&] { LayOutNotice(dialog, *reinterpret_cast<NoticeState*>(lparam)); });
      return FALSE;  // the focus is set already
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(dialog, LOWORD(wparam));
      return TRUE;
    default:
      return FALSE;
  }
}

// An empty dialog template: fixed dialog frame and caption, no icon, no controls.
struct NoticeTemplate {
  DLGTEMPLATE header;
  WORD menu, window_class, title;
};

}  // namespace

void ShowNotice(const std::string& text) {
  ActivationKept activation;
  ThreadWindowsDisabled disabled;
  NoticeState state = {&text, nullptr};

  alignas(4) NoticeTemplate dialog_template = {};
  dialog_template.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dialog_template.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog_template.header, ApplicationWindow(),
                          NoticeProcedure, reinterpret_cast<LPARAM>(&state));
  if (state.font != nullptr) DeleteObject(state.font);
}

}  // namespace app
