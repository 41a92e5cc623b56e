#include "wizard/game_search.h"

#include <windows.h>

#include "base/messages.h"
#include "engine/folder_forms.h"
#include "engine/game_folder.h"
#include "engine/gog_game.h"
#include "engine/steam_library.h"
#include "platform/file_system.h"
#include "wizard/game_folder_registry.h"
#include "wizard/registry_key.h"

namespace wizard {
namespace {

using engine::SteamHost;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App ";
const char kValveSteamKey[] = "Software\\Valve\\Steam";
const char kGogGamesKey[] = "Software\\GOG.com\\Games";

std::string GameFolderOrNone(const std::string& folder) {
  return !folder.empty() && engine::IsGameFolder(folder) ? folder : std::string();
}

std::string FromSteamUninstallEntry() {
  const std::string key = kUninstallKey + std::string(engine::kSteamAppId);
  for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
    const std::string folder =
        GameFolderOrNone(ReadText(HKEY_LOCAL_MACHINE, key, view, "InstallLocation"));
    if (!folder.empty()) return folder;
  }
  return std::string();
}

// Steam, a 32-bit program, keeps the machine's record in the 32-bit view.
std::string FromSteamLibraries() {
  std::string steam = ReadText(HKEY_CURRENT_USER, kValveSteamKey, 0, "SteamPath");
  if (steam.empty())
    steam = ReadText(HKEY_LOCAL_MACHINE, kValveSteamKey, KEY_WOW64_32KEY, "InstallPath");
  if (steam.empty()) return std::string();
  return engine::FindInSteamLibraries(engine::WindowsFolderForm(steam), SteamHost::Windows);
}

// GOG's installers are 32-bit programs too.
std::string FromGogEntries() {
  for (const std::string& name :
       OpenForReading(HKEY_LOCAL_MACHINE, kGogGamesKey, KEY_WOW64_32KEY).SubKeyNames()) {
    const std::string entry = std::string(kGogGamesKey) + "\\" + name;
    if (!engine::NamesThisGame(ReadText(HKEY_LOCAL_MACHINE, entry, KEY_WOW64_32KEY, "gameName")))
      continue;
    const std::string folder =
        GameFolderOrNone(ReadText(HKEY_LOCAL_MACHINE, entry, KEY_WOW64_32KEY, "path"));
    if (!folder.empty()) return folder;
  }
  return std::string();
}

// Wine names the home of the Linux user who started it; every prefix reaches
// the Linux Steam libraries through drive Z:.
std::string FromLinuxSteamLibraries() {
  if (!platform::RunsUnderWine()) return std::string();
  char value[MAX_PATH + 1] = {};
  const DWORD length = GetEnvironmentVariableA("WINEHOMEDIR", value, sizeof value);
  if (length == 0 || length >= sizeof value) return std::string();
  const std::string home = engine::HomeFromWineHomeDir(value);
  if (home.empty()) return std::string();
  for (const std::string& steam : engine::LinuxSteamFolders(home)) {
    const std::string folder = engine::FindInSteamLibraries(steam, SteamHost::Linux);
    if (!folder.empty()) return folder;
  }
  return std::string();
}

}  // namespace

std::string FindGameFolder() {
  for (std::string (*look)() :
       {FromSteamUninstallEntry, FromSteamLibraries, FromGogEntries, FromLinuxSteamLibraries}) {
    const std::string folder = look();
    if (!folder.empty()) return folder;
  }
  return std::string();
}

DefaultFolder DefaultGameFolder() {
  std::string folder;
  ReadGameFolder(folder);
  if (!folder.empty()) return {folder, messages::kLogFromRegistry};
  return {FindGameFolder(), messages::kLogFromSearch};
}

}  // namespace wizard
