#include "app/system_libraries.h"

#include <string>

#include "base/failure.h"
#include "base/messages.h"

namespace app {

void RestrictLibrarySearchToSystem() {
  // Present from Windows 8 on, and on Windows 7 with KB2533623.
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set_directories = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (set_directories != nullptr) set_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Without it, at least take the current directory out of the search.
  SetDllDirectoryA("");
}

HMODULE FindSystemLibrary(const char* name) {
  // By name, so that the manifest's side-by-side redirection still applies.
  HMODULE library = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (library == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
    // A system without the search flags: name the System32 copy in full.
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
      library = LoadLibraryExA((std::string(folder, length) + "\\" + name).c_str(), nullptr, 0);
  }
  return library;
}

HMODULE LoadSystemLibrary(const char* name) {
  HMODULE library = FindSystemLibrary(name);
  if (library == nullptr) Fail(messages::kCannotLoadSystemLibrary, name);
  return library;
}

}  // namespace app
