#pragma once
// The wizard window: four page panels and a progress strip stacked in one
// place; a page shows by raising its panel. The page state is the stacking
// order alone. Pages: wizard/pages.h; controls: wizard/form_design.cpp.

#include <windows.h>

#include <string>
#include <vector>

#include "app/display_scale.h"
#include "engine/install_view.h"
#include "engine/step_log.h"
#include "platform/system.h"
#include "wizard/control_ids.h"
#include "wizard/design_fonts.h"
#include "wizard/gdi_objects.h"
#include "wizard/pages.h"

namespace wizard {

class TForm1 : public engine::InstallView {
 public:
  // Builds the window and its controls from the design, then runs FormCreate
  // (whose failure is shown and passed over). Fails when the design cannot be
  // built. The window is not shown yet. Each install's steps go to log, and
  // its entry in Installed apps to system.
  TForm1(platform::System& system, engine::StepLog& log);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  HWND Handle() const { return window_; }
  // Shows the window centred on the desktop, laid out for the monitor there.
  void Show(int show_command);
  // Takes the wizard's own keys before the focused control sees them: Tab and
  // Shift+Tab walk the front page's tab stops, Enter presses its forward button
  // or the focused button, Escape its Cancel. True when message was one of them.
  bool HandleKey(const MSG& message);

  // The design's handlers.
  void FormCreate();
  void Button1Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button8Click();
  void Button10Click();
  void Button11Click();
  void Button12Click();

  // The window's messages, routed by its window procedure.
  LRESULT OnCommand(WPARAM wparam, LPARAM lparam);
  LRESULT OnControlColour(WPARAM wparam, LPARAM lparam);
  LRESULT OnGetMinMaxInfo(WPARAM wparam, LPARAM lparam);
  LRESULT OnDpiChanged(WPARAM wparam, LPARAM lparam);
  LRESULT OnClose(WPARAM wparam, LPARAM lparam);
  LRESULT OnActivate(WPARAM wparam, LPARAM lparam);
  LRESULT OnSetFocus(WPARAM wparam, LPARAM lparam);
  LRESULT OnSysColorChange(WPARAM wparam, LPARAM lparam);

  // What the install needs of the window.
  std::string GameFolderText() override;
  void ShowNotice(const std::string& text) override;
  void SetProgressRange(int minimum, int maximum) override;
  void SetProgressPosition(int position) override;
  void ShowFinishPage() override;

 private:
  static constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  static constexpr DWORD kFormExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wparam, LPARAM lparam);
  static std::string TextOf(HWND window);
  // Layout (form1_layout.cpp).
  void CreateControls();
  HWND CreateControl(ControlId id, const app::DisplayScale& scale);
  // Places every control, sizes the labels and the window, and sets fonts and
  // pictures, all from the design scaled to dpi.
  void LayOut(int dpi);
  RECT LabelRect(ControlId id, const RECT& design_place) const;
  // Gives the text box a smaller font where its own would wrap a line.
  void FitUnscrolledText(ControlId box);
  // Resizes the window where its frame leaves the client area other than one page.
  void FitFrameToContent();
  // Colours (form1_colours.cpp).
  static void ColourTextBox(HWND box);
  // Pages (here) and keys (form1_keys.cpp).
  void BringToFront(ControlId panel);
  const Page& FrontPage() const;
  std::vector<HWND> TabStops(ControlId page) const;
  void MoveFocus(bool backward);
  void FocusFrontPage();
  void PressEnter();
  void Press(ControlId button);
  void AskToCancel();
  void Close();

  platform::System& system_;
  engine::StepLog& log_;
  HWND window_ = nullptr;
  HWND controls_[ControlCount] = {};
  RECT placed_[ControlCount] = {};  // where each control is now, in the window's pixels
  WNDPROC panel_default_procedure_ = nullptr;
  DesignFonts fonts_;
  Bitmap page_picture_;
  Font unscrolled_text_font_;  // the welcome text's, where its design font wraps
  int dpi_ = 0;                // the DPI the window is laid out for
  SIZE client_size_ = {};      // one page at that DPI
  SIZE outer_size_ = {};       // the window's size around it
  HWND focus_when_inactive_ = nullptr;
  // What FormCreate put into the path box; Browse puts it back on Cancel.
  std::string default_game_folder_;
};

}  // namespace wizard
