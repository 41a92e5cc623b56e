#include "setup/game_search.h"

#include "engine/game_folder.h"
#include "stores/folder_forms.h"
#include "stores/gog_game.h"
#include "stores/steam_library.h"

namespace setup {
namespace {

using platform::Hive;
using stores::SteamHost;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App ";
const char kValveSteamKey[] = "Software\\Valve\\Steam";
const char kGogGamesKey[] = "Software\\GOG.com\\Games";

// Where the game may be, in the order it is looked for there.
using Candidates = std::vector<std::string>;

std::string Text(platform::System& system, Hive hive, const std::string& key,
                 const std::string& name) {
  std::string text;
  system.ReadRegistryText(hive, key, name, text);
  return text;
}

Candidates FromSteamUninstallEntry(platform::System& system) {
  const std::string key = kUninstallKey + std::string(stores::kSteamAppId);
  return {Text(system, Hive::Machine, key, "InstallLocation"),
          Text(system, Hive::Machine64, key, "InstallLocation")};
}

// Steam, a 32-bit program, keeps the machine's record in the 32-bit view.
Candidates FromSteamLibraries(platform::System& system) {
  std::string steam = Text(system, Hive::User, kValveSteamKey, "SteamPath");
  if (steam.empty()) steam = Text(system, Hive::Machine, kValveSteamKey, "InstallPath");
  if (steam.empty()) return {};
  return stores::SteamGameFolders(system, stores::WindowsFolderForm(steam), SteamHost::Windows);
}

// GOG's installers are 32-bit programs too.
Candidates FromGogEntries(platform::System& system) {
  Candidates folders;
  for (const std::string& name : system.SubKeyNames(Hive::Machine, kGogGamesKey)) {
    const std::string entry = std::string(kGogGamesKey) + "\\" + name;
    if (stores::NamesThisGame(Text(system, Hive::Machine, entry, "gameName")))
      folders.push_back(Text(system, Hive::Machine, entry, "path"));
  }
  return folders;
}

// Wine names the home of the Linux user who started it; every prefix reaches
// the Linux Steam libraries through drive Z:.
Candidates FromLinuxSteamLibraries(platform::System& system) {
  if (!system.RunsUnderWine()) return {};
  const std::string home = stores::HomeFromWineHomeDir(system.EnvironmentValue("WINEHOMEDIR"));
  if (home.empty()) return {};
  Candidates folders;
  for (const std::string& steam : stores::LinuxSteamFolders(home))
    for (const std::string& folder : stores::SteamGameFolders(system, steam, SteamHost::Linux))
      folders.push_back(folder);
  return folders;
}

}  // namespace

std::string FindGameFolder(platform::System& system) {
  for (Candidates (*look)(platform::System&) :
       {FromSteamUninstallEntry, FromSteamLibraries, FromGogEntries, FromLinuxSteamLibraries}) {
    for (const std::string& folder : look(system))
      if (!folder.empty() && engine::IsGameFolder(system, folder)) return folder;
  }
  return std::string();
}

}  // namespace setup
