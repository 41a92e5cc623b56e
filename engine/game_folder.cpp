#include "engine/game_folder.h"

#include <array>

#include "base/paths.h"
#include "platform/file_system.h"

namespace engine {
namespace {

const std::array<const char*, 4> kRunStyleProbes = {"\\Run", "\\Run\\Data", "\\Run\\Data\\Missions",
                                                    "\\Run\\Data\\Missions\\Text"};
const std::array<const char*, 2> kPlainStyleProbes = {"\\Data", "\\Data\\Missions"};

template <std::size_t N>
bool AnyProbeExists(const std::string& game_folder, const std::array<const char*, N>& probes) {
  for (const char* suffix : probes)
    if (platform::IsFolder(JoinPath(game_folder, suffix))) return true;
  return false;
}

}  // namespace

const std::string kRunLayoutPrefix = "\\Run";

bool IsGameFolder(const std::string& game_folder) {
  return AnyProbeExists(game_folder, kRunStyleProbes) ||
         AnyProbeExists(game_folder, kPlainStyleProbes);
}

bool UsesRunLayout(const std::string& game_folder) {
  const bool run_style = AnyProbeExists(game_folder, kRunStyleProbes);
  return run_style && !AnyProbeExists(game_folder, kPlainStyleProbes);
}

std::string LayoutPrefix(const std::string& game_folder) {
  return UsesRunLayout(game_folder) ? kRunLayoutPrefix : std::string();
}

}  // namespace engine
