#include "platform/write_limit.h"

#include <algorithm>
#include <limits>

#include "platform/file_system.h"

namespace platform {
namespace {
std::size_t write_limit = std::numeric_limits<std::size_t>::max();
bool refuse_temporary = false;
bool system_replace = false;
}  // namespace

void LimitNextWriteForTesting(std::size_t limit) { write_limit = limit; }
void RefuseNextTemporaryForTesting() { refuse_temporary = true; }
void SaveThroughSystemReplaceForTesting() { system_replace = true; }

namespace detail {
std::size_t TakeWriteAllowance(std::size_t requested) {
  const std::size_t allowed = std::min(requested, write_limit);
  write_limit = std::numeric_limits<std::size_t>::max();
  return allowed;
}

bool TakeTemporaryRefusal() {
  const bool refuse = refuse_temporary;
  refuse_temporary = false;
  return refuse;
}

bool SystemReplaceAsked() { return system_replace; }
}  // namespace detail
}  // namespace platform
