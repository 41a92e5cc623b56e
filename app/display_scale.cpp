#include "app/display_scale.h"

#include "app/system_libraries.h"

namespace app {
namespace {

// Functions of newer Windows versions, looked up so that the program still
// starts where they are missing.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto get_dpi = User32Function<GetDpi>("GetDpiForWindow");
  const UINT dpi = get_dpi && window ? get_dpi(window) : 0;
  if (dpi != 0) return static_cast<int>(dpi);
  return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int MonitorDpi(HMONITOR monitor) {
  // shcore's GetDpiForMonitor (Windows 8.1 on); a per-monitor aware program
  // learns each monitor's effective DPI from it.
  using GetDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  static const auto get_dpi = [] {
    HMODULE shcore = FindSystemLibrary("shcore.dll");
    return shcore ? reinterpret_cast<GetDpi>(
                        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                  : nullptr;
  }();
  UINT dpi_x = 0, dpi_y = 0;
  if (get_dpi && monitor && SUCCEEDED(get_dpi(monitor, kEffectiveDpi, &dpi_x, &dpi_y)) && dpi_x)
    return static_cast<int>(dpi_x);
  return SystemDpi();
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD ex_style, int dpi) {
  using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<Adjust>("AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
}

HFONT CreateMessageFont(int dpi) {
  // The system's metrics are those of the system DPI (the A call has no
  // per-DPI twin): scale its message font from there.
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  return CreateFontIndirectA(&metrics.lfMessageFont);
}

}  // namespace app
