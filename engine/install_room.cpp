#include "engine/install_room.h"

#include <algorithm>
#include <cstdint>

#include "base/failure.h"
#include "base/messages.h"

namespace engine {
namespace {

constexpr std::uint64_t kMegabyte = 1024 * 1024;

// The most the copies take at once, in the order they run: each new file is
// whole beside the file it replaces, whose room comes free only once the new
// one is in its place. So a first install needs the pack's size, and one over
// an earlier install of the same maps the room for the largest of them.
std::uint64_t RoomTakenAtMost(platform::System& system, const GamePaths& paths,
                              const PackSources& sources) {
  std::int64_t taken = 0, most = 0;
  for (const auto& file : sources.Sizes()) {
    taken += static_cast<std::int64_t>(file.second);
    most = std::max(most, taken);
    std::uint64_t replaced = 0;
    if (system.FileSize(paths.MapDestination(file.first), replaced))
      taken -= static_cast<std::int64_t>(replaced);
  }
  return static_cast<std::uint64_t>(most);
}

}  // namespace

void CheckRoomForPack(platform::System& system, const std::string& game_folder,
                      const GamePaths& paths, const PackSources& sources) {
  const std::uint64_t needed = RoomTakenAtMost(system, paths, sources);
  std::uint64_t free = 0;
  if (!system.FreeRoom(game_folder, free) || needed <= free) return;
  // Needed rounded up, free rounded down: the figures differ wherever the bytes do.
  Fail(FailureKind::NoRoom, messages::kNoRoomForPack,
       {std::to_string((needed + kMegabyte - 1) / kMegabyte), game_folder,
        std::to_string(free / kMegabyte)});
}

}  // namespace engine
