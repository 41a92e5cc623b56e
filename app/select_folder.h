#pragma once
// The folder choice that a Browse button offers.

#include <string>

namespace app {

// Shows the shell's folder dialog titled title, owned by the application window
// and opening at the desktop. On a chosen file-system folder both chosen and
// folder receive its path; otherwise chosen stays as passed and folder keeps
// what it held, the default the caller passed in.
void SelectFolder(std::string& chosen, const std::string& title, std::string& folder);

}  // namespace app
