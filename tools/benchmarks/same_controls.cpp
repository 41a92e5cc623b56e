// The yardstick for start-up: a plain program that makes the wizard's window
// with every one of its controls (the same classes and styles, common
// controls 6 and rich edit loaded, at their design places) and shows it; no
// fonts, pictures, texts, layout for the display, log or game search.

#include <windows.h>
// The rest build on windows.h.
#include <commctrl.h>

#include <initializer_list>

#include "wizard/form_design.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) PostQuitMessage(0);
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  LoadLibraryA("riched20.dll");
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = "SameControls";
  RegisterClassA(&window_class);
  HWND window = CreateWindowA("SameControls", wizard::kFormCaption, WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, 0, 497, 371, nullptr, nullptr, instance, nullptr);
  HWND controls[wizard::ControlCount] = {};
  // Panels first, as the children name theirs.
  for (const bool panels : {true, false})
    for (const wizard::ControlDesign& design : wizard::kFormDesign) {
      if ((design.kind == wizard::ControlKind::Panel) != panels) continue;
      const wizard::ControlClass& kind = wizard::ClassOf(design.kind);
      controls[design.id] = CreateWindowExA(
          kind.ex_style, kind.window_class, design.text, WS_CHILD | WS_VISIBLE | kind.style,
          design.left, design.top, design.width, design.height,
          panels ? window : controls[design.parent], nullptr, instance, nullptr);
    }
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
