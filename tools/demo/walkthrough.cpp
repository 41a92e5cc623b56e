// Walks a Setup.exe through all its pages as a user would, saving a picture of
// each: walkthrough.exe SETUP.EXE CURRENT_DIRECTORY PICTURE_FOLDER
// Exit code: 0 when the install reached the finish page and the wizard ended.

#include <cstdio>
#include <string>

#include "tests/driver/wizard_driver.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: walkthrough SETUP.EXE CURRENT_DIRECTORY PICTURE_FOLDER\n");
    return 2;
  }
  const std::string pictures = std::string(argv[3]) + "\\";
  try {
    WizardProcess wizard(argv[1], argv[2]);
    if (HWND box = wizard.WaitForBox(0)) {  // a box before the window comes up first
      std::printf("error box at start: %s\n", wizard.BoxText(box).c_str());
      wizard.AnswerBox(box, IDOK);
    }
    wizard.SaveScreenshot(pictures + "1-welcome.bmp");
    wizard.ClickAndWait(wizard::Button1);
    wizard.SaveScreenshot(pictures + "2-readme.bmp");
    wizard.ClickAndWait(wizard::Button5);
    std::printf("game folder in the path box: %s\n", wizard.Text(wizard::Edit1).c_str());
    wizard.SaveScreenshot(pictures + "3-destination.bmp");
    if (HWND box = wizard.InstallAndWait()) {
      std::printf("the install stopped: %s\n", wizard.BoxText(box).c_str());
      return 1;
    }
    wizard.SaveScreenshot(pictures + "4-finish.bmp");
    wizard.Click(wizard::Button10);
    const int exit_code = wizard.WaitForExit();
    std::printf("wizard ended with exit code %d\n", exit_code);
    return exit_code == 0 ? 0 : 1;
  } catch (const std::exception& failure) {
    std::printf("walkthrough failed: %s\n", failure.what());
    return 1;
  }
}
