#include "wizard/resource_bytes.h"

#include <windows.h>

#include "base/failure.h"
#include "base/messages.h"

namespace wizard {

std::string ResourceBytes(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (data == nullptr) Fail(messages::kResourceMissing, name);
  return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}

}  // namespace wizard
