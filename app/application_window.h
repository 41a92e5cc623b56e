#pragma once
// The hidden, zero-size top-level window that owns the wizard, the boxes and
// the folder dialog, and carries the title and the program icon.

#include <windows.h>

namespace app {

// Creates it on first use.
HWND ApplicationWindow();

// The program icon (resource MAINICON).
HICON ProgramIcon();

}  // namespace app
