// The other half of the delayed imports (tools/make-delayed-imports.sh): a
// stub's first call loads the function's DLL from System32 only and puts the
// function into the stub's import slot, so later calls go straight to it.

#include <windows.h>

#include <cstring>
#include <string>

#include "app/system_libraries.h"

extern "C" void* ZelmoraResolveImport(void** slot, const char* qualified_name) {
  const char* separator = std::strchr(qualified_name, '!');
  const std::string library(qualified_name, separator - qualified_name);
  HMODULE module = app::FindSystemLibrary(library.c_str());
  void* function =
      module ? reinterpret_cast<void*>(GetProcAddress(module, separator + 1)) : nullptr;
  if (function == nullptr) FatalAppExitA(0, qualified_name);
  *slot = function;
  return function;
}
