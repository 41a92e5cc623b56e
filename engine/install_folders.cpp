#include "engine/install_folders.h"

#include <vector>

#include "base/failure.h"
#include "base/messages.h"

namespace engine {
namespace {

// Where the install writes, below the data folder, and what.
std::vector<platform::FolderToWrite> FoldersToWrite(const std::string& layout,
                                                    const pack::MapCatalogue& catalogue) {
  const std::string data = layout + "\\Data\\";
  std::vector<platform::FolderToWrite> folders = {
      {data + "Missions", {"SingleMiss.txt", "missions.txt"}},
      {data + "Missions\\Text", {"Skirbatlnames.txt"}},
      {data + "Missions\\Skirmish", {}},
      {data + "Interf3\\maps\\skirmish", {}}};
  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = pack::BaseName(entry);
    folders[2].file_names.push_back(base + pack::MapExt);
    folders[2].file_names.push_back(base + pack::TextExt);
    folders[3].file_names.push_back(base + pack::PreviewExt);
  }
  return folders;
}

}  // namespace

InstallFolders::InstallFolders(const std::string& game_folder, const std::string& layout,
                               const pack::MapCatalogue& catalogue)
    : hold_(game_folder, FoldersToWrite(layout, catalogue)) {
  switch (hold_.Outcome()) {
    case platform::HoldOutcome::Ok:
      return;
    case platform::HoldOutcome::Link:
      Fail(FailureKind::FolderRefused, messages::kFolderIsALink, {hold_.Refused()});
    case platform::HoldOutcome::UntrustedLink:
      Fail(FailureKind::FolderRefused, messages::kFolderBehindUntrustedLink, {hold_.Refused()});
    case platform::HoldOutcome::PathTooLong:
      Fail(FailureKind::FolderRefused, messages::kPathTooLong, {hold_.Refused()});
  }
}

}  // namespace engine
