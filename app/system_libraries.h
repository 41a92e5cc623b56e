#pragma once
// The program runs elevated from folders such as Downloads: every library it
// loads must come from System32, never from its own folder or the current one.

#include <windows.h>

namespace app {

// Restricts the library search of the whole process to System32. Called first.
void RestrictLibrarySearchToSystem();

// Loads a library from System32 only; fails with a message naming it.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace app
