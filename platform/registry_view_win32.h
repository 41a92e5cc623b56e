#pragma once
// The game is a 32-bit program, so its entry lives in the 32-bit registry view
// (Wow6432Node on 64-bit Windows), and so does the pack's. A 32-bit build is in
// that view already; a 64-bit build must ask for it, or it reads another key.

#include <windows.h>

namespace platform {

#ifdef _WIN64
constexpr REGSAM kGameRegistryView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kGameRegistryView = 0;
#endif

}  // namespace platform
