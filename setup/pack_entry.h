#pragma once
// The pack's entry in Installed apps (the machine's uninstall entries, in the
// 32-bit registry view, as the game's own entry) and the copy of Setup.exe that
// it runs to take the pack out again. That copy is kept in a folder of its own
// under Program Files, which only administrators may change: the entry runs it
// elevated, so it must never lie where every user may write, as a game folder
// in a Steam library or C:\Games may.

#include <string>

#include "engine/install_record.h"
#include "engine/step_log.h"
#include "platform/system.h"

namespace setup {

// Where the entry lives, under HKEY_LOCAL_MACHINE.
extern const char kPackUninstallKey[];

// Keeps this program's copy and writes the entry for the pack installed in
// game_folder, named by its full path whatever way it was given (a new install
// replaces the entry). Fails (NotRecorded) with "The maps are installed, but
// Installed apps cannot take their entry: %s". Returns the kept copy's path.
std::string RecordPackInstall(platform::System& system, const std::string& game_folder);

// An install's record: RecordPackInstall, and its line in the log.
class PackEntryRecord : public engine::InstallRecord {
 public:
  PackEntryRecord(platform::System& system, engine::StepLog& log) : system_(system), log_(log) {}
  void Record(const std::string& game_folder) override;

 private:
  platform::System& system_;
  engine::StepLog& log_;
};

// The game folder the entry names; empty where there is none.
std::string RecordedGameFolder(platform::System& system);

// Takes the entry out, then the kept copy and its folder. The kept copy that
// is the program running (which Windows does not let delete itself) is first
// renamed out of the entry's way and deleted when Windows next starts, so that
// no delete waiting for a restart can reach the copy a later install keeps.
// Fails (NotRecorded) with "Installed apps cannot let the pack go: %s" at the
// first step that does not happen.
void ForgetPackInstall(platform::System& system);

}  // namespace setup
