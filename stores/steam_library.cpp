#include "stores/steam_library.h"

#include <algorithm>

#include "stores/folder_forms.h"

namespace stores {
namespace {

// Steam keeps a few libraries; the cap keeps a hostile list from costing a
// file open per line.
constexpr std::size_t kMostLibraries = 64;

bool IsNumber(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ReadKeyValueFile(platform::System& system, const std::string& path, KeyValue& document) {
  std::string text;
  return system.ReadWholeFile(path, text, 0, kLargestKeyValueText) == platform::ReadOutcome::Ok &&
         ParseKeyValues(text, document);
}

std::vector<std::string> Libraries(platform::System& system, const std::string& steam_folder,
                                   SteamHost host) {
  std::vector<std::string> libraries = {steam_folder};
  KeyValue library_list;
  if (!ReadKeyValueFile(system, steam_folder + "\\steamapps\\libraryfolders.vdf", library_list))
    return libraries;
  for (const std::string& named : LibraryFoldersIn(library_list)) {
    if (libraries.size() == kMostLibraries) break;
    std::string folder;
    if (!system.NameFromUtf8(named, folder)) continue;
    folder = host == SteamHost::Linux ? ZDriveForm(folder) : WindowsFolderForm(folder);
    if (!folder.empty() && std::find(libraries.begin(), libraries.end(), folder) == libraries.end())
      libraries.push_back(folder);
  }
  return libraries;
}

}  // namespace

const char kSteamAppId[] = "4890";

std::vector<std::string> LibraryFoldersIn(const KeyValue& library_list) {
  std::vector<std::string> folders;
  const KeyValue* list = library_list.Find("libraryfolders");
  if (list == nullptr || !list->is_block) return folders;
  for (const KeyValue& entry : list->block) {
    if (!IsNumber(entry.key)) continue;
    const std::string folder = entry.is_block ? entry.ValueOf("path") : entry.value;
    if (!folder.empty()) folders.push_back(folder);
  }
  return folders;
}

std::string InstallDirIn(const KeyValue& app_manifest) {
  const KeyValue* state = app_manifest.Find("AppState");
  if (state == nullptr) return std::string();
  const std::string folder = state->ValueOf("installdir");
  const bool plain =
      folder != "." && folder != ".." && folder.find_first_of("\\/:") == std::string::npos;
  return plain ? folder : std::string();
}

std::vector<std::string> LinuxSteamFolders(const std::string& home) {
  return {home + "\\.local\\share\\Steam", home + "\\.steam\\steam",
          home + "\\.var\\app\\com.valvesoftware.Steam\\.local\\share\\Steam",
          home + "\\snap\\steam\\common\\.local\\share\\Steam"};
}

std::vector<std::string> SteamGameFolders(platform::System& system, const std::string& steam_folder,
                                          SteamHost host) {
  std::vector<std::string> game_folders;
  for (const std::string& library : Libraries(system, steam_folder, host)) {
    KeyValue manifest;
    std::string folder_name;
    if (ReadKeyValueFile(system, library + "\\steamapps\\appmanifest_" + kSteamAppId + ".acf",
                         manifest) &&
        system.NameFromUtf8(InstallDirIn(manifest), folder_name) && !folder_name.empty())
      game_folders.push_back(library + "\\steamapps\\common\\" + folder_name);
  }
  return game_folders;
}

}  // namespace stores
