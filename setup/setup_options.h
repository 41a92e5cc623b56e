#pragma once
// What Setup.exe is asked to do on its command line. Without arguments it is
// the wizard; installers' usual switches run it without one.

#include <string>

namespace setup {

struct SetupOptions {
  bool silent = false;      // /S: no window, no question; the outcome is the exit code
  bool uninstall = false;   // /uninstall: take the pack out again
  std::string game_folder;  // /D=<folder>, empty when not given
  std::string log_file;     // /LOG=<file>, empty when not given
  // What to tell about the first argument not understood; empty when all were.
  std::string refusal;
};

// Reads the command line's arguments (without the program's name). Switches
// are matched without regard to case: /S, /uninstall, /LOG=<file> (quotes
// around the whole argument or its value are dropped), and /D=<folder>, which
// comes last and takes the rest of the line as it stands, spaces included
// (trailing blanks and quotes around the whole argument or its value dropped),
// as installers take it.
// Anything else, and /D= or /LOG= naming nothing, gives the refusal "Unknown
// argument: %s"; the rest is still read, so that /S and /LOG= are known. A
// /D= folder not named from its drive or share is refused too, as installers
// take only full paths there: Installed apps starts the removal from a folder
// of its own.
SetupOptions ParseSetupOptions(const std::string& arguments);

}  // namespace setup
