#pragma once
// Lays out the game's registry entry as a 32-bit game writes it (a 32-bit
// process sees its Wow6432Node view as the plain path).

#include <windows.h>

#include <string>

// Removes the game's key and everything below it.
void RemoveGameKey();
// Creates the game's key with no sub-keys.
void CreateGameKey();
// Sets "target folder" of sub-key name to the first size bytes of data, typed type.
// A sub-key with no value at all: pass type REG_NONE and size 0 with no_value true.
void SetTargetFolder(const std::string& sub_key, DWORD type, const std::string& data,
                     bool no_value = false);
// A REG_SZ "target folder" holding text with no terminating NUL in its data.
void SetUnterminatedTargetFolder(const std::string& sub_key, const std::string& text);
