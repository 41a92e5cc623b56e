#include "platform/write_limit.h"

#include <algorithm>
#include <limits>

#include "platform/file_system.h"

namespace platform {
namespace {
std::size_t write_limit = std::numeric_limits<std::size_t>::max();
}

void LimitNextWriteForTesting(std::size_t limit) { write_limit = limit; }

namespace detail {
std::size_t TakeWriteAllowance(std::size_t requested) {
  const std::size_t allowed = std::min(requested, write_limit);
  write_limit = std::numeric_limits<std::size_t>::max();
  return allowed;
}
}  // namespace detail
}  // namespace platform
