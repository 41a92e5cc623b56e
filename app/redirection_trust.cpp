#include "app/redirection_trust.h"

#include <windows.h>

#include "app/system_libraries.h"

namespace app {

void TrustOnlyAdministratorsJunctions() {
  // Windows 8 and later have the function; older systems and those without
  // this policy refuse it, and that is all.
  using SetPolicy = BOOL(WINAPI*)(PROCESS_MITIGATION_POLICY, PVOID, SIZE_T);
  HMODULE kernel = FindSystemLibrary("kernel32.dll");
  const auto set_policy = kernel == nullptr
                              ? nullptr
                              : reinterpret_cast<SetPolicy>(reinterpret_cast<void*>(
                                    GetProcAddress(kernel, "SetProcessMitigationPolicy")));
  if (set_policy == nullptr) return;
  PROCESS_MITIGATION_REDIRECTION_TRUST_POLICY policy = {};
  policy.EnforceRedirectionTrust = 1;
  set_policy(ProcessRedirectionTrustPolicy, &policy, sizeof policy);
}

}  // namespace app
