#pragma once
// The application title, from the program file's own path.

#include <string>

namespace app {

// What follows the last backslash, cut at its first ".", every character after
// the first in lower case: C:\x\SETUP.EXE gives Setup, Map.Install.exe gives Map.
std::string TitleFromProgramPath(const std::string& path);

// The title of the running program (read once, then kept).
const std::string& ApplicationTitle();

}  // namespace app
