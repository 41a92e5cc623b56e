#pragma once
// The modal boxes of the application: each disables the application's other
// windows while it is open and gives the focus back afterwards.

#include <windows.h>

#include <string>

namespace app {

// The platform message box owned by the application window, application-modal;
// returns the id of the button pressed.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

// The plain message dialog: the text word-wrapped at most half a screen wide,
// one OK button (default and cancel), captioned with the title, centred.
void ShowNotice(const std::string& text);

// Takes and dispatches every waiting message, without waiting for more. A quit
// request met on the way is put back for the main loop.
void ProcessWaitingMessages();

// Disables every visible, enabled top-level window of this thread and enables
// exactly those again when it goes.
class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled();
  ~ThreadWindowsDisabled();
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self);
  HWND windows_[64] = {};
  int count_ = 0;
};

}  // namespace app
