#include "app/application_window.h"

#include "app/title.h"

namespace app {

HICON ProgramIcon() {
  static const HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  return icon;
}

HWND ApplicationWindow() {
  static const HWND window = [] {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hIcon = ProgramIcon();
    window_class.lpszClassName = "TApplication";
    RegisterClassA(&window_class);
    return CreateWindowExA(0, "TApplication", ApplicationTitle().c_str(),
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                           0, nullptr, nullptr, window_class.hInstance, nullptr);
  }();
  return window;
}

}  // namespace app
