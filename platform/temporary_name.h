#pragma once
// The names of the temporary files that saving makes beside a list file:
// "<list>.~zs<process id>_<attempt>". Shared by both implementations so that
// what one run makes is exactly what a later run recognises as its leftover.

#include <string>

namespace platform::detail {

// The path of the temporary that process process_id tries at attempt.
std::string TemporaryPath(const std::string& target, unsigned long process_id, int attempt);

// True only when name is, byte for byte, a temporary name of the file named
// list_name: list_name, ".~zs", decimal digits, "_", decimal digits, and nothing more.
bool IsTemporaryName(const std::string& list_name, const std::string& name);

}  // namespace platform::detail
