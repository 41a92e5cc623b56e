#pragma once
// The game's own registry entry names the game folder.

#include <string>

namespace wizard {

extern const char kGameRegistryKey[];  // under HKEY_LOCAL_MACHINE
extern const char kTargetFolderValue[];

// Fills folder (passed empty) with the first non-empty "target folder" string
// among the game key's sub-keys, in enumeration order. Opens every key with full
// access, creating it when missing. Fails with "List index out of bounds (%d)"
// when no sub-key yields a folder, "Invalid data type for 'target folder'" when
// the first value with data is not a string, "Failed to get data for 'target
// folder'" when its data cannot be read.
void ReadGameFolder(std::string& folder);

}  // namespace wizard
