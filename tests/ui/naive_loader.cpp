// Loads a system library by name with the default search, as an unguarded
// program would: it finds a planted copy in its own folder first.

#include <windows.h>

#include <initializer_list>

int main() {
  for (const char* name : {"version.dll", "riched20.dll", "uxtheme.dll"}) LoadLibraryA(name);
  return 0;
}
