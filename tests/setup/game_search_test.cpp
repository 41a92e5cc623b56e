// Where the game is looked for when its own registry entry names no folder,
// and in which order: each row lays out a machine by hand.

#include "setup/game_search.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/fake_system.h"

namespace {

using platform::Hive;

const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 4890";
const char kManifest[] = "\"AppState\" { \"appid\" \"4890\" \"installdir\" \"Cossacks II\" }";

void Game(FakeSystem& machine, const std::string& folder) { machine.AddFolder(folder + "\\Data"); }

// A Steam folder whose library list names library, which holds the game.
void SteamWithLibrary(FakeSystem& machine, const std::string& steam, const std::string& library,
                      const std::string& listed) {
  machine.PutFile(steam + "\\steamapps\\libraryfolders.vdf",
                  "\"libraryfolders\" { \"0\" { \"path\" \"" + listed + "\" } }");
  machine.PutFile(library + "\\steamapps\\appmanifest_4890.acf", kManifest);
  Game(machine, library + "\\steamapps\\common\\Cossacks II");
}

struct SearchCase {
  const char* name;
  std::function<void(FakeSystem&)> lay_out;
  const char* found;
};

class Search : public testing::TestWithParam<SearchCase> {};

TEST_P(Search, FindsTheFirstGameFolderInTheDocumentedOrder) {
  FakeSystem machine("C:\\Downloads\\Setup.exe", "C:\\Downloads");
  GetParam().lay_out(machine);
  EXPECT_EQ(setup::FindGameFolder(machine), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, Search,
    testing::Values(
        SearchCase{"Nothing", [](FakeSystem&) {}, ""},
        SearchCase{"SteamEntryInThe64BitViewWhenThe32BitOneNamesNoGame",
                   [](FakeSystem& m) {
                     m.SetRegistryText(Hive::Machine, kUninstall, "InstallLocation", "C:\\Gone");
                     m.SetRegistryText(Hive::Machine64, kUninstall, "InstallLocation", "D:\\C2");
                     Game(m, "D:\\C2");
                   },
                   "D:\\C2"},
        SearchCase{"SteamEntryBeforeGog",
                   [](FakeSystem& m) {
                     m.SetRegistryText(Hive::Machine, kUninstall, "InstallLocation", "D:\\C2");
                     m.SetRegistryText(Hive::Machine, "Software\\GOG.com\\Games\\1", "gameName",
                                       "Cossacks II: Battle for Europe");
                     m.SetRegistryText(Hive::Machine, "Software\\GOG.com\\Games\\1", "path",
                                       "E:\\GOG\\C2");
                     Game(m, "D:\\C2");
                     Game(m, "E:\\GOG\\C2");
                   },
                   "D:\\C2"},
        SearchCase{"UsersSteamPathBeforeTheMachinesAndItsLibraries",
                   [](FakeSystem& m) {
                     m.SetRegistryText(Hive::User, "Software\\Valve\\Steam", "SteamPath",
                                       "c:/program files (x86)/steam/");
                     m.SetRegistryText(Hive::Machine, "Software\\Valve\\Steam", "InstallPath",
                                       "C:\\Other Steam");
                     SteamWithLibrary(m, "c:\\program files (x86)\\steam", "F:\\Lib", "F:/Lib");
                     Game(m, "C:\\Other Steam\\steamapps\\common\\Cossacks II");
                   },
                   "F:\\Lib\\steamapps\\common\\Cossacks II"},
        SearchCase{
            "GogEntryOfThisGameNotOfAnotherEpisode",
            [](FakeSystem& m) {
              const std::string other = "Software\\GOG.com\\Games\\1";
              const std::string ours = "Software\\GOG.com\\Games\\2";
              m.SetRegistryText(Hive::Machine, other, "gameName", "Cossacks II: Napoleonic Wars");
              m.SetRegistryText(Hive::Machine, other, "path", "E:\\Napoleonic");
              m.SetRegistryText(Hive::Machine, ours, "gameName", "Cossacks II: Battle for Europe");
              m.SetRegistryText(Hive::Machine, ours, "path", "E:\\Europe");
              Game(m, "E:\\Napoleonic");
              Game(m, "E:\\Europe");
            },
            "E:\\Europe"},
        SearchCase{"LinuxSteamLibraryOnDriveZUnderWine",
                   [](FakeSystem& m) {
                     m.under_wine = true;
                     m.environment["WINEHOMEDIR"] = "\\??\\Z:\\home\\deck";
                     SteamWithLibrary(m, "Z:\\home\\deck\\.local\\share\\Steam",
                                      "Z:\\run\\media\\deck\\SD", "/run/media/deck/SD");
                   },
                   "Z:\\run\\media\\deck\\SD\\steamapps\\common\\Cossacks II"}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

}  // namespace
