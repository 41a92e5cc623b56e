#pragma once
// Drives a running Setup.exe from outside, as a user would: finds its windows,
// reads and sets control texts, clicks, answers its boxes and dialogs.

#include <windows.h>
// The rest build on windows.h.
#include <richedit.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "wizard/control_ids.h"

// Every wait of the driver that runs out throws std::runtime_error naming what
// it waited for. The longest, for a handler or an install, is well inside the
// time ctest gives a test.
constexpr DWORD kLongestWaitMs = 30000;

// The pages as Next walks them: the panel in front and the button that leads on.
struct WizardPage {
  wizard::ControlId panel, forward;
};
constexpr WizardPage kPages[] = {{wizard::TabControl2, wizard::Button1},
                                 {wizard::TabControl1, wizard::Button5},
                                 {wizard::TabControl5, wizard::Button3},
                                 {wizard::TabControl4, wizard::Button10}};

class WizardProcess {
 public:
  // Starts program with the given current directory (and arguments) and waits
  // for its wizard window or for a box shown before it.
  WizardProcess(const std::string& program, const std::string& current_directory,
                const std::string& arguments = "");

  HWND Form();  // waits for it
  HWND Control(wizard::ControlId id);
  std::string Text(wizard::ControlId id);
  void SetText(wizard::ControlId id, const std::string& text);
  // Posts a click: for handlers that open a modal box.
  void Click(wizard::ControlId id);
  // Clicks and waits until the handler has returned.
  void ClickAndWait(wizard::ControlId id);
  // From the welcome page, past the wizard's start-up, to the page of kPages
  // that many forward clicks lead to; throws when another page comes to the front.
  void ReachPage(int page);
  // Presses Install and waits until the finish page is in front (null) or the
  // install has stopped with a box (that box).
  HWND InstallAndWait();
  bool IsEnabled(wizard::ControlId id);
  // The control that has the keyboard focus; ControlCount when it is none of them.
  wizard::ControlId Focused();
  // Presses and releases key on the focused window as the keyboard delivers it
  // (key down, its character, key up), Shift held when shift is set, and waits
  // until the wizard has taken all three.
  void PressKey(WORD key, bool shift = false);
  // Posts a click and a key press behind it while the wizard's thread is held,
  // so that the key is still waiting in the queue while the click's handler runs.
  void ClickWithKeyQueued(wizard::ControlId id, WORD key);
  // Holds key down long enough for the keyboard to repeat it, then lets go.
  void HoldKey(WORD key);
  // Waits until the wizard has handled every message posted to it so far.
  void Settle();
  // The panel on top of the stacking order, then the rest downwards.
  std::vector<wizard::ControlId> PanelsTopFirst();
  // ControlCount when the window is gone.
  wizard::ControlId FrontPanel() {
    const std::vector<wizard::ControlId> panels = PanelsTopFirst();
    return panels.empty() ? wizard::ControlCount : panels.front();
  }
  void Progress(int& minimum, int& maximum, int& position);
  // Window rectangle of a control relative to its panel's client area.
  RECT PlaceInPanel(wizard::ControlId id);
  RECT FormClientRect();
  RECT FormWindowRect();

  // A box or dialog (#32770) of the process, waiting up to timeout_ms; null if none.
  HWND WaitForBox(DWORD timeout_ms = 5000);
  // Whether a box or dialog of the process exists now, shown or still being
  // made: after Settle, the check that none came.
  bool BoxOpen();
  std::string BoxCaption(HWND box);
  std::string BoxText(HWND box);  // the longest static text in it
  void PressBoxButton(HWND box, int id);
  // Presses the button and waits until the box is gone.
  void AnswerBox(HWND box, int id);
  // Waits until the box is gone.
  void WaitBoxClosed(HWND box);
  // Chooses folder in the open folder dialog and presses OK.
  void ChooseFolder(HWND dialog, const std::string& folder);

  // The character format of all the text of a rich text box.
  CHARFORMATA CharFormat(wizard::ControlId id);

  DWORD ProcessId() const { return process_.Id(); }
  // Ends the process at once, as a crash or a kill from the task manager does,
  // and waits until it is gone.
  void Kill();
  // Waits for the process to end; its exit code, or -1 on time-out.
  int WaitForExit(DWORD timeout_ms = 10000);
  // After Settle, the check that nothing has ended it.
  bool IsRunning() const { return process_.IsRunning(); }
  // Waits until the wizard answers messages again (the handler has returned).
  void WaitIdle();

  // Writes a picture of the wizard window as a BMP file.
  void SaveScreenshot(const std::string& path);
  // Where a shown control draws, relative to its top left corner: the bounds
  // of its pixels that are not of the button-face colour (empty if none).
  RECT InkBounds(wizard::ControlId id);
  // Where a text box's text draws in its client area: the bounds of its
  // pixels that are not of the window colour (empty if none).
  RECT TextInkBounds(wizard::ControlId id);
  // Sends the message with lparam pointing at a copy of rect in the wizard's
  // own memory; returns when it is handled.
  void SendWithRect(UINT message, WPARAM wparam, const RECT& rect);

 private:
  HWND FindTopWindow(const char* class_name, bool shown_only = true);
  DWORD FormThread();
  HWND FocusedWindow();
  void PostKeys(HWND target, WORD key, int repeats);
  void WaitBehind(HWND marker);
  RECT InkIn(wizard::ControlId id, int background_colour, bool client_area);
  ChildProcess process_;
  HWND form_ = nullptr;
};

// Polls predicate until it holds or timeout_ms pass; returns its last answer.
template <typename Predicate>
[[nodiscard]] bool WaitFor(Predicate predicate, DWORD timeout_ms = 5000) {
  const DWORD start = GetTickCount();
  while (!predicate()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(20);
  }
  return true;
}

// WaitFor that throws, naming what it waited for, when the time runs out.
template <typename Predicate>
void Await(const std::string& what, Predicate predicate, DWORD timeout_ms = kLongestWaitMs) {
  if (!WaitFor(predicate, timeout_ms))
    throw std::runtime_error("waited " + std::to_string(timeout_ms) + " ms in vain for " + what);
}
