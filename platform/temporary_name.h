#pragma once
// The names of the temporary files that saving and copying make beside their
// target: "<target>.~zs<process id>_<attempt>". Shared by both implementations
// so that what one run makes is exactly what a later run recognises as its leftover.

#include <string>
#include <vector>

namespace platform::detail {

// How many names one process tries beside one target.
inline constexpr int kTemporaryAttempts = 100;

// The path of the temporary that process process_id tries at attempt.
std::string TemporaryPath(const std::string& target, unsigned long process_id, int attempt);

// True only when name is, byte for byte, a temporary name of the file named
// list_name: list_name, ".~zs", decimal digits, "_", decimal digits, and nothing more.
bool IsTemporaryName(const std::string& list_name, const std::string& name);

// The same for any of file_names.
bool IsTemporaryOfAny(const std::vector<std::string>& file_names, const std::string& name);

// True when every temporary this process may make beside target has a path the
// system takes (each platform's file layer says what that is).
bool TemporaryFits(const std::string& target);

}  // namespace platform::detail
