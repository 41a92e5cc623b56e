#include "wizard/resource_bytes.h"

#include <windows.h>

#include "listfiles/failure.h"

namespace wizard {

std::string ResourceBytes(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (data == nullptr) Fail("The program's resource %s is missing", name);
  return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}

}  // namespace wizard
