#pragma once
// Shared by both implementations: the test seam's faults and choices.

#include <cstddef>

namespace platform::detail {

// Returns how many of the requested bytes the next write may store, and
// clears the limit.
std::size_t TakeWriteAllowance(std::size_t requested);

// True once after RefuseNextTemporaryForTesting: the temporary is then not made.
bool TakeTemporaryRefusal();

// True after SaveThroughSystemReplaceForTesting.
bool SystemReplaceAsked();

}  // namespace platform::detail
