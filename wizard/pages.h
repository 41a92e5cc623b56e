#pragma once
// The wizard's pages: each page's panel and the buttons that lead on, back and
// out. The click handlers, the key router and the control factory read this
// table; nothing else lists pages.

#include "wizard/control_ids.h"

namespace wizard {

struct Page {
  ControlId panel;
  ControlId forward;  // Next, Install or Finish: what Enter presses
  ControlId back;     // < Back
  ControlId cancel;   // what Escape presses; ControlCount where the page has none
};

inline constexpr Page WelcomePage = {TabControl2, Button1, Button2, ControlCount};
inline constexpr Page ReadmePage = {TabControl1, Button5, Button6, Button4};
inline constexpr Page DestinationPage = {TabControl3, Button3, Button11, Button8};
inline constexpr Page FinishPage = {TabControl4, Button10, Button9, Button7};
// Raised over the destination page, which stays the page in front.
inline constexpr ControlId ProgressStrip = TabControl5;

inline constexpr Page kPages[] = {WelcomePage, ReadmePage, DestinationPage, FinishPage};

// Creation order is stacking order, bottom first: the welcome page starts on top.
inline constexpr ControlId kPanelsBottomFirst[] = {
    ProgressStrip, DestinationPage.panel, FinishPage.panel, ReadmePage.panel, WelcomePage.panel};

// The page whose panel this is; the welcome page for any other control.
constexpr const Page& PageOf(ControlId panel) {
  for (const Page& page : kPages)
    if (page.panel == panel) return page;
  return kPages[0];
}

}  // namespace wizard
