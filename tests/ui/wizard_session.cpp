#include "tests/ui/wizard_session.h"

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

WizardSession::WizardSession(bool registry_points_to_game, GameFixture::Layout layout)
    : game(layout), program(game.scratch.At("Setup.exe")) {
  EXPECT_TRUE(CopyFileA(BuiltSetupProgram().c_str(), program.c_str(), FALSE));
  WriteGameLists(game);
  game.WriteMaps();
  RemoveGameEntries();
  if (registry_points_to_game) SetTargetFolder("1.0", REG_SZ, game.GameFolder());
}

WizardProcess& WizardSession::Start(const std::string& current_directory) {
  wizard.reset();
  wizard = std::make_unique<WizardProcess>(
      program, current_directory.empty() ? game.scratch.Path() : current_directory);
  return *wizard;
}

HWND WizardSession::InstallIntoAFolderThatIsNoGame() {
  wizard->ReachPage(2);
  wizard->SetText(wizard::Edit1, game.scratch.At("Maps"));
  wizard->Click(wizard::Button3);
  return wizard->WaitForBox();
}
