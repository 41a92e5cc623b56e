#include "tests/ui/wizard_session.h"

#include <gtest/gtest.h>

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

WizardSession::WizardSession(bool registry_points_to_game, GameFixture::Layout layout)
    : game(layout), program(game.scratch.At("Setup.exe")) {
  EXPECT_TRUE(CopyFileA(BuiltSetupProgram().c_str(), program.c_str(), FALSE));
  game.WriteLists("2\r\nCampaign One\r\nCampaign Two\r\n", "#Campaign\r\n",
                  "CAMPAIGN_TXT Campaign\r\n");
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
