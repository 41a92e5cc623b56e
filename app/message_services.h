#pragma once
// The modal boxes of the application: each disables the application's other
// windows while it is open and gives the focus back afterwards.

#include <windows.h>

#include <functional>
#include <string>

namespace app {

// The platform message box owned by the application window, application-modal;
// returns the id of the button pressed.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

// The plain message dialog: the text word-wrapped at most half a screen wide,
// one OK button (default and cancel), captioned with the title, centred.
void ShowNotice(const std::string& text);

// Sees a message before it is translated and dispatched; true when it took it.
using MessageFilter = std::function<bool(const MSG&)>;

// Offers the message to filter (a failure there goes to the error handler),
// then translates and dispatches it unless the filter took it.
void DispatchFiltered(const MSG& message, const MessageFilter& filter);

// Takes and dispatches every waiting message through filter, as the main loop
// does, without waiting for more. A quit request met on the way is put back
// for the main loop.
void ProcessWaitingMessages(const MessageFilter& filter);

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
