#pragma once
// One wizard run in a fresh folder: Setup.exe copied beside the pack's Maps
// folder, a game installation beside them, and the registry naming that game.
// The one way the tests reach the driver.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/driver/wizard_driver.h"
#include "tests/support/game_fixture.h"

// The folder of the running test program, where the helper programs are built.
std::string TestProgramFolder();
// The freshly built Setup.exe.
std::string BuiltSetupProgram();
// Where screenshots go (created on demand), ending in a backslash.
std::string ScreenshotFolder();

class WizardSession {
 public:
  // registry_points_to_game: the game key gets one sub-key naming the game folder;
  // otherwise the caller lays out the registry before Start().
  explicit WizardSession(bool registry_points_to_game = true,
                         GameFixture::Layout layout = GameFixture::Layout::Plain);
  // Starts Setup.exe afresh, ending the one started before, in current_directory
  // (empty: the session's folder, where the pack is); the new one.
  WizardProcess& Start(const std::string& current_directory = "");

  GameFixture game;
  std::string program;  // Setup.exe in the session's folder
  std::unique_ptr<WizardProcess> wizard;

  // From the start: Install pressed with the pack's Maps folder in the path
  // box; the notice it brings, or null.
  HWND InstallIntoAFolderThatIsNoGame();
};

// A test on the wizard of a default session, started.
class WizardTest : public testing::Test {
 protected:
  WizardSession session;
  WizardProcess& w = session.Start();
};
