#pragma once
// Lays out the game's registry entry as a 32-bit game writes it: in the 32-bit
// registry view, whichever build of the tests writes it.

#include <windows.h>

#include <string>

// Removes the game's key and everything below it, in both registry views.
void RemoveGameKey();
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
