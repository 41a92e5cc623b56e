#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/support/system_folders.h"
#include "tests/ui/game_registry.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

// Where the game lies in a Steam library, as the rows' app manifests name it.
const char kInstallDir[] = "Cossacks II Battle for Europe";

// ctest runs the UI tests with HOME at a scratch folder "wine-home" and Wine's
// WINEHOMEDIR follows HOME, so the wizard meets no Steam of the player's. That
// home, where a row lays out Linux Steam, as Windows names it; empty when the
// tests run without it.
std::string ScratchHome() {
  char value[MAX_PATH + 1] = {};
  const std::string home(value, GetEnvironmentVariableA("WINEHOMEDIR", value, MAX_PATH));
  const std::string name = "\\wine-home";
  if (home.size() < 4 + name.size() || home.compare(home.size() - name.size(), name.size(), name))
    return std::string();
  return home.substr(4);  // after "\??\"
}

// A folder as Wine shows a Linux path on drive Z:, as Proton writes libraries.
std::string OnDriveZ(const std::string& folder) {
  std::string path = "Z:" + LinuxPathOf(folder);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// A folder that the game folder check accepts.
std::string Game(const ScratchFolder& scratch, const std::string& folder) {
  scratch.MakeFolder(folder + "\\Data");
  return scratch.At(folder);
}

// A path as Steam's files write it, quoted, backslashes doubled.
std::string Quoted(std::string path) {
  for (std::size_t at = 0; (at = path.find('\\', at)) != std::string::npos; at += 2)
    path.insert(at, 1, '\\');
  return "\"" + path + "\"";
}

// The game in a library: its app manifest and, unless refused, its folder.
std::string SteamGame(const ScratchFolder& scratch, const std::string& library,
                      bool refused = false) {
  scratch.WriteFile(library + "\\steamapps\\appmanifest_4890.acf",
                    "\"AppState\" { \"installdir\" \"" + std::string(kInstallDir) + "\" }");
  const std::string folder = library + "\\steamapps\\common\\" + kInstallDir;
  scratch.MakeFolder(folder);
  return refused ? scratch.At(folder) : Game(scratch, folder);
}

// Steam's library list in the layout since 2021, naming libraries as given.
void LibraryList(const ScratchFolder& scratch, const std::string& steam,
                 const std::vector<std::string>& libraries) {
  std::string list = "\"libraryfolders\" {";
  for (std::size_t i = 0; i < libraries.size(); ++i)
    list += " \"" + std::to_string(i) + "\" { \"path\" " + Quoted(libraries[i]) + " }";
  scratch.WriteFile(steam + "\\steamapps\\libraryfolders.vdf", list + " }");
}

// Steam's uninstall entry for the game, naming a game folder, in view.
std::string SteamUninstallEntry(const ScratchFolder& scratch, REGSAM view) {
  const std::string game = Game(scratch, "Steam game");
  SetText(HKEY_LOCAL_MACHINE, kSteamUninstallKey, view, "InstallLocation", game);
  return game;
}

// GOG's entries, another episode's first, then this game's; its folder.
std::string GogEntries(const ScratchFolder& scratch) {
  const std::pair<const char*, const char*> entries[] = {
      {"1000", "Cossacks II: Napoleonic Wars"}, {"2000", "Cossacks II: Battle for Europe"}};
  std::string folder;
  for (const auto& [id, name] : entries) {
    const std::string key = std::string(kGogGamesKey) + "\\" + id;
    folder = Game(scratch, std::string("GOG ") + id);
    SetText(HKEY_LOCAL_MACHINE, key, KEY_WOW64_32KEY, "gameName", name);
    SetText(HKEY_LOCAL_MACHINE, key, KEY_WOW64_32KEY, "path", folder);
  }
  return folder;
}

void SteamPath(const std::string& folder) {
  SetText(HKEY_CURRENT_USER, kValveSteamKey, 0, "SteamPath", folder);
}

// Where a row lays out its files: the session's folder, the home's .local and
// snap folders, and the prefix's own Steam folder (Proton's).
struct Places {
  const ScratchFolder& scratch;
  const ScratchFolder& home_local;
  const ScratchFolder& home_snap;
  const ScratchFolder& prefix_steam;
};

struct Machine {
  const char* name;
  // Lays out the registry and the files; returns what the path box must show,
  // built by hand.
  std::function<std::string(const Places&)> lay_out;
  std::string error_box = {};  // the error box shown before the window, if any
};

void PrintTo(const Machine& machine, std::ostream* out) { *out << machine.name; }

class FormCreateRegistry : public testing::TestWithParam<Machine> {};

TEST_P(FormCreateRegistry, FillsThePathBoxThatBrowseCancelPutsBack) {
  ASSERT_NE(ScratchHome(), "") << "run through ctest, which gives the tests a scratch HOME";
  const ScratchFolder home_local(ScratchHome() + "\\.local");
  const ScratchFolder home_snap(ScratchHome() + "\\snap");
  const ScratchFolder prefix_steam("C:\\Program Files (x86)\\Steam");
  WizardSession session(false);
  const std::string path_box =
      GetParam().lay_out({session.game.scratch, home_local, home_snap, prefix_steam});
  WizardProcess& w = session.Start();
  if (!GetParam().error_box.empty()) {
    HWND box = w.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(w.BoxCaption(box), "Setup");
    EXPECT_EQ(w.BoxText(box), GetParam().error_box);
    HWND form = FindWindowA("TForm1", nullptr);
    EXPECT_TRUE(form == nullptr || !IsWindowVisible(form))
        << "the box comes before the window is shown";
    w.AnswerBox(box, IDOK);
  }
  EXPECT_FALSE(w.BoxOpen());
  EXPECT_EQ(w.FrontPanel(), TabControl2);
  EXPECT_EQ(w.Text(Edit1), path_box);
  w.ReachPage(2);
  if (!path_box.empty())
    w.SaveScreenshot(ScreenshotFolder() + "3-destination-" + GetParam().name + ".bmp");
  // Browse opens the folder dialog whatever the registry holds; Cancel puts
  // back the folder shown at start, over a typed one.
  w.SetText(Edit1, "C:\\typed by the user");
  w.Click(Button12);
  HWND dialog = w.WaitForBox();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(w.BoxCaption(dialog), "Browse for Folder");
  EXPECT_TRUE(IsWindowEnabled(w.Form())) << "the folder dialog leaves the wizard enabled";
  w.AnswerBox(dialog, IDCANCEL);
  w.WaitIdle();
  EXPECT_EQ(w.Text(Edit1), path_box);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, FormCreateRegistry,
    testing::Values(
        Machine{"FirstNonEmptyStringWins",
                [](const Places&) {
                  SetTargetFolder("A", REG_NONE, "", true);
                  SetTargetFolder("B", REG_SZ, std::string("", 1));
                  SetTargetFolder("C", REG_SZ, std::string("C:\\Games\\C", 11));
                  SetTargetFolder("D", REG_SZ, std::string("C:\\Games\\D", 11));
                  return "C:\\Games\\C";
                }},
        Machine{"NumberValueStopsTheSearch",
                [](const Places& p) {
                  SetTargetFolder("A", REG_DWORD, std::string("\x01\0\0\0", 4));
                  SetTargetFolder("B", REG_SZ, "C:\\Games\\B");
                  SteamUninstallEntry(p.scratch, KEY_WOW64_32KEY);  // not looked for
                  return "";
                },
                "Invalid data type for 'target folder'"},
        Machine{"NumberValueWithoutDataIsPassedOver",
                [](const Places&) {
                  SetTargetFolder("A", REG_DWORD, "");
                  SetTargetFolder("B", REG_SZ, "C:\\Games\\B");
                  return "C:\\Games\\B";
                }},
        Machine{"TextEndsAtANulInside",
                [](const Places&) {
                  SetTargetFolder("A", REG_SZ, std::string("C:\\Game\0rest", 12));
                  return "C:\\Game";
                }},
        Machine{"ExpandableStringStaysUnexpanded",
                [](const Places&) {
                  SetTargetFolder("A", REG_EXPAND_SZ, "%WINDIR%\\Game");
                  return "%WINDIR%\\Game";
                }},
        Machine{"UnterminatedStringIsReadSafely",
                [](const Places&) {
                  SetUnterminatedTargetFolder("A", "C:\\Unterminated");
                  return "C:\\Unterminated";
                }},
        Machine{"NoEntryAtAll", [](const Places&) { return ""; }},
        Machine{"EntryOnlyInTheNative64BitViewIsNotTheGames",
                [](const Places&) {
                  SetTargetFolderInTheOtherView("A", "C:\\Games\\A");
                  return "";
                }},
        Machine{"RetailEntryWinsOverSteamAndGog",
                [](const Places& p) {
                  SetTargetFolder("A", REG_SZ, "C:\\Games\\Retail");
                  SteamUninstallEntry(p.scratch, KEY_WOW64_32KEY);
                  GogEntries(p.scratch);
                  return "C:\\Games\\Retail";
                }},
        Machine{"SteamUninstallEntryInEitherView",
                [](const Places& p) { return SteamUninstallEntry(p.scratch, KEY_WOW64_64KEY); }},
        Machine{"SteamLibraryListGameInTheSecondLibrary",
                [](const Places& p) {
                  std::string steam = p.scratch.At("Steam");
                  std::replace(steam.begin(), steam.end(), '\\', '/');  // as Steam writes it
                  SteamPath(steam + "/");
                  LibraryList(p.scratch, "Steam", {p.scratch.At("Steam"), p.scratch.At("Lib 2")});
                  return SteamGame(p.scratch, "Lib 2");
                }},
        Machine{"SteamFolderOfTheMachinesKeyIsALibraryWithoutAList",
                [](const Places& p) {
                  SetText(HKEY_LOCAL_MACHINE, kValveSteamKey, KEY_WOW64_32KEY, "InstallPath",
                          p.scratch.At("Steam"));
                  return SteamGame(p.scratch, "Steam");
                }},
        Machine{"LibraryNamedInUtf8IsOpenedInTheCodePage",
                [](const Places& p) {
                  SteamPath(p.scratch.At("Steam"));
                  LibraryList(p.scratch, "Steam", {p.scratch.At("Biblioth\xC3\xA8que")});
                  return SteamGame(p.scratch, "Biblioth\xE8que");
                }},
        Machine{"GogEntryNamingTheGame", [](const Places& p) { return GogEntries(p.scratch); }},
        Machine{"RefusedSteamFolderIsPassedOver",
                [](const Places& p) {
                  SteamPath(p.scratch.At("Steam"));
                  SteamGame(p.scratch, "Steam", true);
                  return GogEntries(p.scratch);
                }},
        Machine{"DamagedLibraryListIsPassedOver",
                [](const Places& p) {
                  SteamPath(p.scratch.At("Steam"));
                  p.scratch.WriteFile(
                      "Steam\\steamapps\\libraryfolders.vdf",
                      "\"libraryfolders\" { \"1\" { \"path\" " + Quoted(p.scratch.At("Lib 2")));
                  SteamGame(p.scratch, "Lib 2");
                  return "";
                }},
        Machine{"LinuxSteamLibraryUnderWine",
                [](const Places& p) {
                  LibraryList(p.home_local, "share\\Steam",
                              {LinuxPathOf(p.home_local.At("share\\Steam")),
                               LinuxPathOf(p.home_local.At("SD card"))});
                  SteamGame(p.home_local, "SD card");
                  return OnDriveZ(p.home_local.At("SD card")) + "\\steamapps\\common\\" +
                         kInstallDir;
                }},
        Machine{"SnapSteamUnderWine",
                [](const Places& p) {
                  return OnDriveZ(SteamGame(p.home_snap, "steam\\common\\.local\\share\\Steam"));
                }},
        Machine{"ProtonsOwnSteamFolderListsLibrariesOnDriveZ",
                [](const Places& p) {
                  // As a Proton prefix holds them: SteamPath set when the prefix is made,
                  // the list written at each start, old top key, blocks, Z: paths.
                  SteamPath(p.prefix_steam.Path());
                  p.prefix_steam.WriteFile("steamapps\\libraryfolders.vdf",
                                           "\"LibraryFolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t" +
                                               Quoted(OnDriveZ(p.scratch.At("SD card"))) +
                                               "\n\t}\n}\n");
                  SteamGame(p.scratch, "SD card");
                  return OnDriveZ(p.scratch.At("SD card")) + "\\steamapps\\common\\" + kInstallDir;
                }}),
    [](const testing::TestParamInfo<Machine>& info) { return info.param.name; });

TEST(Browse, ChosenFolderFillsThePathBoxExactly) {
  WizardSession session;
  WizardProcess& w = session.Start();
  w.ReachPage(2);
  w.Click(Button12);
  HWND dialog = w.WaitForBox();
  ASSERT_NE(dialog, nullptr);
  w.ChooseFolder(dialog, session.game.scratch.At("Maps"));
  w.WaitIdle();
  EXPECT_EQ(w.Text(Edit1), session.game.scratch.At("Maps"));
}

}  // namespace
