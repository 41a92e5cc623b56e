#pragma once
// Shared by both implementations: the one-shot faults of the test seam.

#include <cstddef>

namespace platform::detail {

// Returns how many of the requested bytes the next write may store, and
// clears the limit.
std::size_t TakeWriteAllowance(std::size_t requested);

// True once after RefuseNextTemporaryForTesting: the temporary is then not made.
bool TakeTemporaryRefusal();

}  // namespace platform::detail
