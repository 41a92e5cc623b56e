// What both file layers share about holding folders: the one hold that limits
// writes while an install runs, and the steps from the game folder down.

#include "platform/folder_hold.h"

#include "base/paths.h"
#include "platform/folder_steps.h"

namespace platform {
namespace {
const FolderHold* active_hold = nullptr;
}  // namespace

FolderHold::FolderHold(const std::string& game_folder, const std::vector<FolderToWrite>& folders) {
  detail::EnterWriteScope(this);
  Take(game_folder, folders);
  // Only with every folder found sound is anything changed.
  if (outcome_ == HoldOutcome::Ok) RemoveLeftovers(game_folder, folders);
}

FolderHold::~FolderHold() {
  Release();
  detail::LeaveWriteScope(this);
}

bool FolderHold::Holds(const std::string& folder) const {
  for (const auto& held : held_)
    if (held.first == folder) return true;
  return false;
}

void FolderHold::Refuse(HoldOutcome outcome, const std::string& what) {
  outcome_ = outcome;
  refused_ = what;
}

namespace detail {

void EnterWriteScope(const FolderHold* hold) { active_hold = hold; }

void LeaveWriteScope(const FolderHold* hold) {
  if (active_hold == hold) active_hold = nullptr;
}

bool MayWriteInto(const std::string& path) {
  return active_hold == nullptr || active_hold->Holds(FolderOf(path));
}

std::vector<std::string> FolderSteps(const std::string& relative) {
  std::vector<std::string> steps;
  for (std::string::size_type at = relative.find('\\', 1);; at = relative.find('\\', at + 1)) {
    steps.push_back(relative.substr(0, at));
    if (at == std::string::npos) return steps;
  }
}

}  // namespace detail
}  // namespace platform
