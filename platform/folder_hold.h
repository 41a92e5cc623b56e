#pragma once
// The machine's hold on the folders an install writes into (what it checks:
// System::HoldFolders). Setup runs elevated in game folders that every user
// may write to: a link planted below the game folder (a junction, a symbolic
// link) would turn its writes onto files anywhere.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_types.h"

namespace platform {

class FolderHold : public Hold {
 public:
  // active: the slot of the system that limits its writes to this hold's
  // folders while the hold lives.
  FolderHold(const std::string& game_folder, const std::vector<FolderToWrite>& folders,
             const FolderHold*& active);
  ~FolderHold() override;
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;

  // True for a folder path (with its trailing backslash) that this holds.
  bool Holds(const std::string& folder) const;

 private:
  void Take(const std::string& game_folder, const std::vector<FolderToWrite>& folders);

  // Each held folder's path with a trailing backslash, and the system's handle on it.
  std::vector<std::pair<std::string, std::intptr_t>> held_;
  const FolderHold*& active_;
};

}  // namespace platform
