#include "engine/install_folders.h"

#include "base/failure.h"
#include "base/messages.h"

namespace engine {

InstallFolders::InstallFolders(platform::System& system, const std::string& game_folder,
                               const GamePaths& paths, const pack::MapCatalogue& catalogue)
    : hold_(system.HoldFolders(game_folder, paths.FoldersToWrite(catalogue))) {
  switch (hold_->Outcome()) {
    case platform::HoldOutcome::Ok:
      return;
    case platform::HoldOutcome::Link:
      Fail(FailureKind::FolderRefused, messages::kFolderIsALink, {hold_->Refused()});
    case platform::HoldOutcome::UntrustedLink:
      Fail(FailureKind::FolderRefused, messages::kFolderBehindUntrustedLink, {hold_->Refused()});
    case platform::HoldOutcome::CannotOpen:
      Fail(FailureKind::FolderRefused, messages::kFolderCannotBeOpened, {hold_->Refused()});
    case platform::HoldOutcome::PathTooLong:
      Fail(FailureKind::FolderRefused, messages::kPathTooLong, {hold_->Refused()});
  }
}

}  // namespace engine
