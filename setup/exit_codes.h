#pragma once
// What a run of Setup.exe ends with, so that a script that starts it can tell.
// The wizard always ends with 0; runs from the command line end so.

#include "base/failure.h"

namespace setup {

enum ExitCode : int {
  kExitDone = 0,
  kExitBadArguments = 1,     // unknown arguments, or a log that cannot be opened (nothing
                             // done) or written (what the run did is done)
  kExitFolderRefused = 2,    // no game folder found, not the game's, or not one to write into
  kExitPackIncomplete = 3,   // the pack's maps are not all there to be read
  kExitGameFileFailure = 4,  // a list or map file cannot be read, written or removed
  kExitNotRecorded = 5,      // Installed apps cannot take the entry, or let it go
  kExitCancelled = 6,        // the removal question answered No
  kExitNoRoom = 7,           // the game's drive cannot take the pack: nothing done
  kExitBrokenStart = 8,      // Setup itself cannot run: a system library missing, memory run out
};

inline ExitCode ExitCodeOf(FailureKind kind) {
  switch (kind) {
    case FailureKind::FolderRefused:
      return kExitFolderRefused;
    case FailureKind::PackIncomplete:
      return kExitPackIncomplete;
    case FailureKind::NotRecorded:
      return kExitNotRecorded;
    case FailureKind::NoRoom:
      return kExitNoRoom;
    case FailureKind::GameFile:
      break;
  }
  return kExitGameFileFailure;
}

}  // namespace setup
