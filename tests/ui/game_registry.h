#pragma once
// Lays out the game's registry entry as a 32-bit game writes it: in the 32-bit
// registry view, whichever build of the tests writes it; and the entries of
// Steam and GOG, in the views their programs write them.

#include <windows.h>

#include <string>

// Keys as Steam and GOG write them, named here, not taken from the program.
extern const char kSteamUninstallKey[];  // HKEY_LOCAL_MACHINE; InstallLocation
extern const char kValveSteamKey[];  // HKEY_CURRENT_USER SteamPath, HKEY_LOCAL_MACHINE InstallPath
extern const char kGogGamesKey[];    // HKEY_LOCAL_MACHINE; numbered sub-keys

// Removes the game's key and Steam's uninstall entry, in both registry views,
// and Steam's and GOG's other keys above: a machine with none of them.
void RemoveGameEntries();
// Creates the game's key with no sub-keys.
void CreateGameKey();
// Sets "target folder" of sub-key name to the first size bytes of data, typed type.
// A sub-key with no value at all: pass type REG_NONE and size 0 with no_value true.
void SetTargetFolder(const std::string& sub_key, DWORD type, const std::string& data,
                     bool no_value = false);
// A REG_SZ "target folder" written only in the 64-bit registry view, where a
// 64-bit game would keep it and a 32-bit one never does.
void SetTargetFolderInTheOtherView(const std::string& sub_key, const std::string& text);
// A REG_SZ "target folder" holding text with no terminating NUL in its data.
void SetUnterminatedTargetFolder(const std::string& sub_key, const std::string& text);
// A REG_SZ value of key path below root, in view (0, KEY_WOW64_32KEY or KEY_WOW64_64KEY).
void SetText(HKEY root, const std::string& path, REGSAM view, const char* name,
             const std::string& text);
