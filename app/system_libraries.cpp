#include "app/system_libraries.h"

#include <string>

#include "base/failure.h"
#include "base/messages.h"

namespace app {
namespace {

// What the common controls, the rich edit control and the shell's folder
// dialog load by name as they go, beyond the libraries that Windows always
// takes from System32 (its KnownDLLs). Where the search cannot be restricted,
// these are loaded from System32 first: a later load by name then finds the one
// already loaded instead of searching the program's folder.
const char* const kLoadedByName[] = {
    "version.dll",   "uxtheme.dll",       "dwmapi.dll",        "propsys.dll",  "profapi.dll",
    "cryptbase.dll", "cryptsp.dll",       "rsaenh.dll",        "ntmarta.dll",  "userenv.dll",
    "sspicli.dll",   "secur32.dll",       "apphelp.dll",       "linkinfo.dll", "ntshrui.dll",
    "srvcli.dll",    "cscapi.dll",        "slc.dll",           "netutils.dll", "wkscli.dll",
    "mpr.dll",       "cfgmgr32.dll",      "devobj.dll",        "wintrust.dll", "crypt32.dll",
    "msasn1.dll",    "windowscodecs.dll", "explorerframe.dll", "duser.dll",    "dui70.dll",
    "oleacc.dll",    "msimg32.dll",       "wtsapi32.dll"};

}  // namespace

void RestrictLibrarySearchToSystem() {
  // Present from Windows 8 on, and on Vista and 7 with KB2533623.
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set_directories = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (set_directories != nullptr) set_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Without it, at least take the current directory out of the search.
  SetDllDirectoryA("");
  if (set_directories == nullptr)
    for (const char* name : kLoadedByName) FindSystemLibrary(name);
}

HMODULE FindSystemLibrary(const char* name) {
  // By name, so that the manifest's side-by-side redirection still applies.
  HMODULE library = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (library == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
    // A system without the search flags: name the System32 copy in full, and
    // have what it loads in turn looked for in its folder first, not in the
    // program's (the altered search order).
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
      library = LoadLibraryExA((std::string(folder, length) + "\\" + name).c_str(), nullptr,
                               LOAD_WITH_ALTERED_SEARCH_PATH);
  }
  return library;
}

HMODULE LoadSystemLibrary(const char* name) {
  HMODULE library = FindSystemLibrary(name);
  if (library == nullptr) Fail(messages::kCannotLoadSystemLibrary, name);
  return library;
}

}  // namespace app
