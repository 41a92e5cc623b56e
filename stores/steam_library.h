#pragma once
// Where Steam keeps the game: Steam's own folder and every library folder its
// library list names, each holding the game's app manifest and the game under
// steamapps\common.

#include <string>
#include <vector>

#include "platform/system.h"
#include "stores/key_values.h"

namespace stores {

// Steam's number for "Cossacks II: Battle for Europe".
extern const char kSteamAppId[];

// The library folders that a libraryfolders.vdf names, in file order, as
// written: the values of the numbered keys under "LibraryFolders" (the layout
// Steam wrote until 2021), or the "path" of each numbered block under
// "libraryfolders" (the layout since).
std::vector<std::string> LibraryFoldersIn(const KeyValue& library_list);

// The game's folder name under steamapps\common that an app manifest gives
// ("installdir" under "AppState"); empty unless it is one plain folder name.
std::string InstallDirIn(const KeyValue& app_manifest);

// Where Steam for Linux keeps itself under the home folder: its own folder,
// the older link to it, the Flatpak's and the Snap's.
std::vector<std::string> LinuxSteamFolders(const std::string& home);

// Whether the library list names Windows folders or Linux ones; these are
// reached through drive Z:.
enum class SteamHost { Windows, Linux };

// The folders <library>\steamapps\common\<installdir> that the game's app
// manifests name, in order, library being steam_folder itself (given in the
// program's form) and then each library, 64 at most, that its
// steamapps\libraryfolders.vdf names. Steam writes UTF-8: a file that is
// missing, unreadable or not whole, and a name the file functions cannot reach
// (System::NameFromUtf8), are passed over.
std::vector<std::string> SteamGameFolders(platform::System& system, const std::string& steam_folder,
                                          SteamHost host);

}  // namespace stores
