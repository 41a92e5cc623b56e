#include "tests/ui/wizard_session.h"

#include <gtest/gtest.h>

#include "tests/support/install_expectations.h"
#include "tests/support/scratch_folder.h"
#include "tests/ui/game_registry.h"

std::string TestProgramFolder() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.rfind('\\'));
}

std::string BuiltSetupProgram() { return TestProgramFolder() + "\\..\\Setup.exe"; }

std::string ScreenshotFolder() {
  const std::string folder = TestProgramFolder() + "\\screenshots";
  CreateOneFolder(folder);
  return folder + "\\";
}

namespace {

// The game's own lists before the install: two campaigns, no skirmish map.
const char kGameSingleMissions[] = "2\r\nCampaign One\r\nCampaign Two\r\n";
const char kGameMissions[] = "#Campaign\r\n";
const char kGameBattleNames[] = "CAMPAIGN_TXT Campaign\r\n";

}  // namespace

WizardSession::WizardSession(bool registry_points_to_game, GameFixture::Layout layout)
    : game(layout), program(game.scratch.At("Setup.exe")) {
  EXPECT_TRUE(CopyFileA(BuiltSetupProgram().c_str(), program.c_str(), FALSE));
  game.WriteLists(kGameSingleMissions, kGameMissions, kGameBattleNames);
  game.WriteMaps();
  RemoveGameKey();
  if (registry_points_to_game) SetTargetFolder("1.0", REG_SZ, game.GameFolder());
}

void WizardSession::Start(const std::vector<std::string>& environment) {
  wizard = std::make_unique<WizardProcess>(program, game.scratch.Path(), environment);
}

void WizardSession::GoToDestination() {
  wizard->ClickAndWait(wizard::Button1);
  wizard->ClickAndWait(wizard::Button5);
}

HWND WizardSession::InstallIntoAFolderThatIsNoGame() {
  GoToDestination();
  wizard->SetText(wizard::Edit1, game.scratch.At("Maps"));
  wizard->Click(wizard::Button3);
  return wizard->WaitForBox();
}

void WizardSession::ExpectListsOfOneInstall() const {
  EXPECT_EQ(game.ReadData("Missions\\missions.txt"), kGameMissions + AllMissionBlocks());
  EXPECT_EQ(game.ReadData("Missions\\Text\\Skirbatlnames.txt"),
            kGameBattleNames + AllBattleNameLines(false));
  EXPECT_EQ(game.ReadData("Missions\\SingleMiss.txt"),
            "23\r\nCampaign One\r\nCampaign Two\r\n" + AllMarkedEntryLines());
}
