#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "stores/folder_forms.h"
#include "stores/gog_game.h"
#include "stores/key_values.h"
#include "stores/steam_library.h"

namespace {

using namespace stores;

KeyValue Parsed(const std::string& text) {
  KeyValue document;
  EXPECT_TRUE(ParseKeyValues(text, document)) << text;
  return document;
}

// The hand-written files beside this test, as Steam lays them out.
KeyValue ParsedFile(const std::string& name) {
  std::ifstream file(std::string(ZELMORA_STEAM_FILES) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return Parsed(text.str());
}

TEST(SteamFiles, BothLibraryListLayoutsAndTheAppManifest) {
  EXPECT_EQ(LibraryFoldersIn(ParsedFile("libraryfolders_flat.vdf")),
            (std::vector<std::string>{"D:\\Steam", "E:\\Games\\SteamLibrary"}));
  EXPECT_EQ(LibraryFoldersIn(ParsedFile("libraryfolders_nested.vdf")),
            (std::vector<std::string>{"C:\\Program Files (x86)\\Steam",
                                      "M:\\Spiele \"Steam\"\\Bibliothek"}));
  EXPECT_EQ(InstallDirIn(ParsedFile("appmanifest_4890.acf")), "Cossacks II Battle for Europe");
}

TEST(SteamFiles, KeysIgnoreCaseAndOtherBackslashesStay) {
  EXPECT_EQ(Parsed("\"AppState\" { \"installdir\" \"D:\\Single\\\\\" }")
                .Find("appstate")
                ->ValueOf("INSTALLDIR"),
            "D:\\Single\\");
}

TEST(SteamFiles, InstallDirMustBeOneFolderName) {
  for (const char* dir : {"..", ".", "..\\\\..\\\\Windows", "a/b", "C:x"})
    EXPECT_EQ(InstallDirIn(Parsed(std::string("\"AppState\" { \"installdir\" \"") + dir + "\" }")),
              "")
        << dir;
}

TEST(SteamFiles, DamagedTextIsRefusedWhole) {
  std::string deepest;
  for (int i = 0; i < kDeepestKeyValueBlock; ++i) deepest += "\"k\"{";
  const std::string too_deep = deepest + "\"k\"{}" + std::string(kDeepestKeyValueBlock, '}');
  Parsed(deepest + std::string(kDeepestKeyValueBlock, '}'));
  KeyValue document;
  for (const std::string& text :
       {std::string("\"a\" \"b"), std::string("\"a\" { \"b\" \"c\""), std::string("\"a\" \"b\" }"),
        std::string("\"a\""), std::string("{ \"a\" \"b\" }"), std::string("a \"b\""),
        std::string("\"a\" \"b\0c\"", 9), too_deep,
        "\"a\" \"" + std::string(kLargestKeyValueText, 'x') + "\""})
    EXPECT_FALSE(ParseKeyValues(text, document)) << text.substr(0, 40);
}

TEST(FolderForms, SteamLinuxAndWineForms) {
  EXPECT_EQ(WindowsFolderForm("c:/program files (x86)/steam/"), "c:\\program files (x86)\\steam");
  EXPECT_EQ(ZDriveForm("/run/media/deck/SD card/"), "Z:\\run\\media\\deck\\SD card");
  EXPECT_EQ(ZDriveForm("media/games"), "");
  EXPECT_EQ(HomeFromWineHomeDir("\\??\\Z:\\home\\deck"), "Z:\\home\\deck");
  EXPECT_EQ(HomeFromWineHomeDir("\\??\\unix\\home\\deck"), "");
}

TEST(GogGame, NamesThisGameAndNoOtherEpisode) {
  EXPECT_TRUE(NamesThisGame("COSSACKS II: BATTLE FOR EUROPE"));
  EXPECT_FALSE(NamesThisGame("Cossacks II: Napoleonic Wars"));
  EXPECT_FALSE(NamesThisGame("Battle for Europe"));
}

}  // namespace
