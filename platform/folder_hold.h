#pragma once
// The folders an install writes into, checked to be where their names say and
// held until it ends. Setup runs elevated in game folders that every user may
// write to: a link planted below the game folder (a junction, a symbolic link)
// would turn its writes onto files anywhere.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// A folder the install writes into, relative to the game folder as the install
// builds it ("\Data\Missions", "\Run\Data\Missions"), and the names of the
// files it writes there.
struct FolderToWrite {
  std::string relative;
  std::vector<std::string> file_names;
};

enum class HoldOutcome {
  Ok,
  Link,           // a folder on the way is a link, not where its name says
  UntrustedLink,  // Windows refused a junction on the way that no administrator made
  CannotOpen,     // a folder that is there does not open (held by another program, no right)
  PathTooLong,    // a file's temporary would not fit the system's path limit
};

// Checks every existing folder to write and holds it until this object goes:
// opened as itself, never what a link there leads to; its final path must be
// the game folder's final path (the game folder itself may be reached through
// links) followed by its relative path, so no folder on the way is a link
// either; held without letting anyone delete, rename or replace it. A refusal
// names the first folder on the way that is a link or does not open. A folder
// that does not exist (nothing, or a file, at its name) is passed over. When all is well,
// temporaries of the named files that cut-off runs left in the folders are removed, as Setup's own
// files only: plain files of one name directly in the folder, never a link or what it leads to, and
// only while the file they belong to exists (after a replace that failed halfway they may be its
// only copy). While a hold lives, the file layer writes only into the folders it holds.
class FolderHold {
 public:
  FolderHold(const std::string& game_folder, const std::vector<FolderToWrite>& folders);
  ~FolderHold();
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;

  HoldOutcome Outcome() const { return outcome_; }
  // What the outcome names: the folder refused, or the file whose temporary does not fit.
  const std::string& Refused() const { return refused_; }
  // True for a folder path (with its trailing backslash) that this holds.
  bool Holds(const std::string& folder) const;

 private:
  void Take(const std::string& game_folder, const std::vector<FolderToWrite>& folders);
  void Refuse(HoldOutcome outcome, const std::string& what);

  // Each held folder's path with a trailing backslash, and the system's handle on it.
  std::vector<std::pair<std::string, std::intptr_t>> held_;
  HoldOutcome outcome_ = HoldOutcome::Ok;
  std::string refused_;
};

}  // namespace platform
