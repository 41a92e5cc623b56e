#pragma once
// The pack's entry in Installed apps (the machine's uninstall entries, in the
// 32-bit registry view, as the game's own entry) and the copy of Setup.exe that
// it runs to take the pack out again. That copy is kept in a folder of its own
// under Program Files, which only administrators may change: the entry runs it
// elevated, so it must never lie where every user may write, as a game folder
// in a Steam library or C:\Games may.

#include <string>

namespace app {

// Where the entry lives, under HKEY_LOCAL_MACHINE.
extern const char kPackUninstallKey[];

// Keeps this program's copy and writes the entry for the pack installed in
// game_folder (a new install replaces the entry). Fails (NotRecorded) with
// "The maps are installed, but Installed apps cannot take their entry: %s".
void RecordPackInstall(const std::string& game_folder);

// The game folder the entry names; empty where there is none.
std::string RecordedGameFolder();

// Takes the entry out and the kept copy away: at once, or, where that copy is
// the program running (which Windows does not let delete itself), when Windows
// next starts.
void ForgetPackInstall();

}  // namespace app
