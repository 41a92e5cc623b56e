// What both file layers share about holding folders: which to check in which
// order, and what a refusal names.

#include "platform/folder_hold.h"

#include "base/paths.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {
namespace {

// The folder a refusal names: the first on the way down to relative that is
// refused, looked for only once one is known to be there.
std::string FirstLinkOnTheWay(const detail::GameFolderRoot& root, const std::string& game_folder,
                              const std::string& relative) {
  for (const std::string& step : detail::FolderSteps(relative)) {
    std::intptr_t folder = detail::kNoFolder;
    const bool sound = root.Check(step, folder) == HoldOutcome::Ok;
    if (folder != detail::kNoFolder) detail::CloseFolder(folder);
    if (!sound) return JoinPath(game_folder, step);
  }
  return JoinPath(game_folder, relative);
}

}  // namespace

FolderHold::FolderHold(const std::string& game_folder, const std::vector<FolderToWrite>& folders,
                       const FolderHold*& active)
    : active_(active) {
  active_ = this;
  Take(game_folder, folders);
  if (Outcome() != HoldOutcome::Ok) return;
  // Only with every folder found sound is anything changed.
  for (const FolderToWrite& folder : folders) {
    const std::string path = JoinPath(game_folder, folder.relative) + "\\";
    for (const auto& held : held_)
      if (held.first == path) detail::RemoveStaleTemporaries(held.second, path, folder.file_names);
  }
}

FolderHold::~FolderHold() {
  for (const auto& held : held_) detail::CloseFolder(held.second);
  if (active_ == this) active_ = nullptr;
}

void FolderHold::Take(const std::string& game_folder, const std::vector<FolderToWrite>& folders) {
  const detail::GameFolderRoot root(game_folder);
  if (!root.Found()) {  // nothing held, so nothing is written
    if (root.Refusal() != HoldOutcome::Ok) Refuse(root.Refusal(), game_folder);
    return;
  }
  for (const FolderToWrite& folder : folders) {
    const std::string path = JoinPath(game_folder, folder.relative);
    std::intptr_t held = detail::kNoFolder;
    const HoldOutcome checked = root.Check(folder.relative, held);
    if (checked != HoldOutcome::Ok)
      return Refuse(checked, FirstLinkOnTheWay(root, game_folder, folder.relative));
    if (held == detail::kNoFolder) continue;
    held_.emplace_back(path + "\\", held);
    for (const std::string& name : folder.file_names)
      if (!detail::TemporaryFits(path + "\\" + name))
        return Refuse(HoldOutcome::PathTooLong, path + "\\" + name);
  }
}

bool FolderHold::Holds(const std::string& folder) const {
  for (const auto& held : held_)
    if (held.first == folder) return true;
  return false;
}

namespace detail {

std::vector<std::string> FolderSteps(const std::string& relative) {
  std::vector<std::string> steps;
  for (std::string::size_type at = relative.find('\\', 1);; at = relative.find('\\', at + 1)) {
    steps.push_back(relative.substr(0, at));
    if (at == std::string::npos) return steps;
  }
}

}  // namespace detail
}  // namespace platform
