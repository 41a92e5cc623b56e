#pragma once
// Folder paths from Steam's settings and from Wine, turned into the form the
// program opens them in: backslashes, no separator at the end.

#include <string>

namespace stores {

// A Windows folder as Steam may write it ("c:/program files (x86)/steam/")
// with backslashes and without trailing separators.
std::string WindowsFolderForm(const std::string& folder);

// Under Wine drive Z: is the Linux root, in every prefix Wine makes: the Z:
// form of an absolute Linux folder ("/mnt/games/" gives "Z:\mnt\games");
// empty for any other text.
std::string ZDriveForm(const std::string& linux_folder);

// The Linux home's folder from the value Wine gives WINEHOMEDIR, the home in
// the system's own path form ("\??\Z:\home\player" gives "Z:\home\player");
// empty when the value names no drive.
std::string HomeFromWineHomeDir(const std::string& wine_home_dir);

}  // namespace stores
