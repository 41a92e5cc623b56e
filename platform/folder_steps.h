#pragma once
// Shared by both implementations of FolderHold: each file layer defines
// GameFolderRoot, CloseFolder and RemoveStaleTemporaries.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/folder_hold.h"

namespace platform::detail {

// A relative folder path and every path above it below the game folder, the
// topmost first: "\Data\Missions" gives "\Data", "\Data\Missions".
std::vector<std::string> FolderSteps(const std::string& relative);

// What no folder is held as.
inline constexpr std::intptr_t kNoFolder = -1;

// The game folder's final path, which may lead through links: the start of
// every folder's expected one.
class GameFolderRoot {
 public:
  explicit GameFolderRoot(const std::string& game_folder);
  // Whether the game folder was found; if not, nothing is to be held, and the
  // refusal is UntrustedLink when Windows refused the way to it.
  bool Found() const { return found_; }
  HoldOutcome Refusal() const { return refusal_; }
  // Opens game folder + relative as itself and checks that its final path is
  // the root's followed by relative: Ok with the folder held open, Ok with
  // kNoFolder when nothing is there to write into, or the refusal.
  HoldOutcome Check(const std::string& relative, std::intptr_t& folder) const;

 private:
  std::string game_folder_;
#ifdef _WIN32
  std::wstring root_;
#else
  std::string root_;
#endif
  bool found_ = false;
  HoldOutcome refusal_ = HoldOutcome::Ok;
};

void CloseFolder(std::intptr_t folder);

// Removes the leftover temporaries of file_names from the held folder at
// folder_path (ending in its separator), as FolderHold promises.
void RemoveStaleTemporaries(std::intptr_t folder, const std::string& folder_path,
                            const std::vector<std::string>& file_names);

}  // namespace platform::detail
