#pragma once
// The game's own registry entry names the game folder.

#include <windows.h>

#include <string>

#include "platform/registry_view_win32.h"

namespace wizard {

extern const char kGameRegistryKey[];  // under HKEY_LOCAL_MACHINE
extern const char kTargetFolderValue[];

using platform::kGameRegistryView;

// Fills folder (passed empty) with the first non-empty "target folder" string
// among the game key's sub-keys, in enumeration order; leaves it empty when the
// key is missing or no sub-key holds one. Opens every key with full access in
// the game's registry view, creating it when missing. Fails with "Invalid data
// type for 'target folder'" when the first value with data is not a string,
// "Failed to get data for 'target folder'" when its data cannot be read.
void ReadGameFolder(std::string& folder);

}  // namespace wizard
