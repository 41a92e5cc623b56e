#pragma once
// The program runs elevated from folders such as Downloads: every library it
// loads must come from System32, never from its own folder or the current one.

#include <windows.h>

namespace app {

// Restricts the library search of the whole process to System32. Called first.
void RestrictLibrarySearchToSystem();

// Loads a library from System32 only; null when the system has none of that name.
HMODULE FindSystemLibrary(const char* name);

// The same; fails with a message naming it.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace app
