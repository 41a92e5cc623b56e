#include "setup/pack_entry.h"

#include <cstdint>

#include "base/failure.h"
#include "base/messages.h"
#include "base/text_routines.h"
#include "engine/game_paths.h"
#include "pack/map_catalogue.h"

namespace setup {

const char kPackUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelmora pack";

namespace {

const char kKeptFolderName[] = "\\Zelmora Setup";
const char kKeptProgramName[] = "\\Setup.exe";

[[noreturn]] void NotRecorded(const std::string& why) {
  Fail(FailureKind::NotRecorded, messages::kCannotRecord, {why});
}

[[noreturn]] void NotForgotten(const std::string& why) {
  Fail(FailureKind::NotRecorded, messages::kCannotForget, {why});
}

std::string KeptFolder(platform::System& system) {
  const std::string program_files = system.ProgramFilesFolder();
  return program_files.empty() ? std::string() : program_files + kKeptFolderName;
}

// This program, copied into its kept folder; that copy's path.
std::string KeepProgram(platform::System& system) {
  const std::string folder = KeptFolder(system);
  if (folder.empty()) NotRecorded("the Program Files folder is unknown");
  // Made here with the folder's inherited rights; one already there is ours
  // from an earlier install, for no user but an administrator makes one there.
  if (!system.IsPlainFolder(folder) && !system.MakeFolder(folder))
    NotRecorded(folder + " cannot be made");
  const std::string kept = folder + kKeptProgramName;
  const std::string running = system.ProgramFile();
  // Run from the kept copy itself, both names show the same size and time.
  if (!system.SameSizeAndTime(running, kept) && !system.CopyOver(running, kept))
    NotRecorded("Setup.exe cannot be kept in " + folder);
  return kept;
}

// The pack's files in the game, in kilobytes, rounded up.
std::uint32_t InstalledKilobytes(platform::System& system, const std::string& game_folder) {
  const engine::GamePaths paths(system, game_folder);
  std::uint64_t bytes = 0;
  for (const std::string& name : pack::PackFileNames(pack::MapCatalogue())) {
    std::uint64_t size = 0;
    if (system.FileSize(paths.MapDestination(name), size)) bytes += size;
  }
  return static_cast<std::uint32_t>((bytes + 1023) / 1024);
}

// A name beside the kept copy that nothing has: where the running copy goes
// until the restart deletes it.
std::string NameAside(platform::System& system, const std::string& kept) {
  for (int number = 1;; ++number) {
    const std::string aside = kept + ".removed-" + FormatInt(number);
    if (!system.Exists(aside)) return aside;
  }
}

}  // namespace

std::string RecordPackInstall(platform::System& system, const std::string& game_folder) {
  // Installed apps starts the removal from a folder of its own choosing.
  const std::string location = system.FullPath(game_folder);
  if (location.empty()) NotRecorded("the full path of " + game_folder + " is unknown");
  const std::string kept = KeepProgram(system);
  const auto text = [&](const char* name, const std::string& value) {
    if (!system.WriteMachineText(kPackUninstallKey, name, value))
      NotRecorded(std::string("the registry value ") + name + " cannot be written");
  };
  const auto number = [&](const char* name, std::uint32_t value) {
    if (!system.WriteMachineNumber(kPackUninstallKey, name, value))
      NotRecorded(std::string("the registry value ") + name + " cannot be written");
  };
  text("DisplayName", messages::kPackDisplayName);
  text("DisplayVersion", "1.60");
  text("Publisher", "Kolvard");
  text("InstallLocation", location);
  text("DisplayIcon", kept + ",0");
  text("UninstallString", "\"" + kept + "\" /uninstall");
  text("QuietUninstallString", "\"" + kept + "\" /uninstall /S");
  number("EstimatedSize", InstalledKilobytes(system, location));
  number("NoModify", 1);
  number("NoRepair", 1);
  return kept;
}

void PackEntryRecord::Record(const std::string& game_folder) {
  log_.Write(FillIn(messages::kLogRecorded, RecordPackInstall(system_, game_folder)));
}

std::string RecordedGameFolder(platform::System& system) {
  std::string folder;
  return system.ReadRegistryText(platform::Hive::Machine, kPackUninstallKey, "InstallLocation",
                                 folder)
             ? folder
             : std::string();
}

void ForgetPackInstall(platform::System& system) {
  // The entry first: a kept copy without an entry is only a leftover, an entry
  // without its copy could never be removed.
  if (system.RemoveMachineKey(kPackUninstallKey) == platform::Removal::Failed)
    NotForgotten(std::string("the registry key ") + kPackUninstallKey + " cannot be removed");
  const std::string folder = KeptFolder(system);
  if (folder.empty()) NotForgotten("the Program Files folder is unknown");
  const std::string kept = folder + kKeptProgramName;
  if (system.Exists(kept) && system.SameFile(system.ProgramFile(), kept)) {
    const std::string aside = NameAside(system, kept);
    if (!system.Rename(kept, aside)) NotForgotten(kept + " cannot be moved aside");
    if (!system.DeleteAtRestart(aside) || !system.DeleteAtRestart(folder))
      NotForgotten(aside + " cannot be deleted when Windows next starts");
    return;
  }
  if (system.Delete(kept) == platform::Removal::Failed) NotForgotten(kept + " cannot be deleted");
  // Copies moved aside by earlier removals may still wait there for a restart.
  if (system.RemoveFolder(folder) == platform::Removal::Failed && !system.DeleteAtRestart(folder))
    NotForgotten(folder + " cannot be deleted");
}

}  // namespace setup
