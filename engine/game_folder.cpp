#include "engine/game_folder.h"

#include <array>

#include "base/paths.h"
#include "platform/system.h"

namespace engine {
namespace {

const std::array<const char*, 4> kRunStyleProbes = {"\\Run", "\\Run\\Data", "\\Run\\Data\\Missions",
                                                    "\\Run\\Data\\Missions\\Text"};
const std::array<const char*, 2> kPlainStyleProbes = {"\\Data", "\\Data\\Missions"};

template <std::size_t N>
bool AnyProbeExists(platform::System& system, const std::string& game_folder,
                    const std::array<const char*, N>& probes) {
  for (const char* suffix : probes)
    if (system.IsFolder(JoinPath(game_folder, suffix))) return true;
  return false;
}

}  // namespace

const std::string kRunLayoutPrefix = "\\Run";

bool IsGameFolder(platform::System& system, const std::string& game_folder) {
  return AnyProbeExists(system, game_folder, kRunStyleProbes) ||
         AnyProbeExists(system, game_folder, kPlainStyleProbes);
}

bool UsesRunLayout(platform::System& system, const std::string& game_folder) {
  const bool run_style = AnyProbeExists(system, game_folder, kRunStyleProbes);
  return run_style && !AnyProbeExists(system, game_folder, kPlainStyleProbes);
}

std::string LayoutPrefix(platform::System& system, const std::string& game_folder) {
  return UsesRunLayout(system, game_folder) ? kRunLayoutPrefix : std::string();
}

}  // namespace engine
