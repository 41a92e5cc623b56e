#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"
#include "tests/ui/wizard_session.h"

namespace {

const char* const kPlantedNames[] = {"riched20.dll", "comctl32.dll", "version.dll", "uxtheme.dll"};
// ctest runs these tests with Wine told to prefer the planted copies (it
// searches the program's folder first only for such libraries, as Windows does
// for every library); the programs started here inherit that.

void Plant(const ScratchFolder& folder) {
  for (const char* name : kPlantedNames)
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\planted_library.dll").c_str(),
                          folder.At(name).c_str(), FALSE));
}

std::string LoadedMarkers(const ScratchFolder& folder) {
  std::string loaded;
  for (const char* name : kPlantedNames)
    if (folder.Exists(std::string(name) + ".loaded")) loaded += std::string(name) + " ";
  return loaded;
}

TEST(LibrarySearch, PlantedLibrariesAreCaughtByTheRig) {
  ScratchFolder folder;
  Plant(folder);
  ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\naive_loader.exe").c_str(),
                        folder.At("naive_loader.exe").c_str(), FALSE));
  ChildProcess loader(folder.At("naive_loader.exe"), "", folder.Path());
  ASSERT_TRUE(loader.Started());
  ASSERT_EQ(loader.WaitForExit(20000), 0) << "naive_loader.exe did not end within 20 s";
  EXPECT_NE(LoadedMarkers(folder), "") << "the rig would not see a planted library";
}

TEST(LibrarySearch, SetupLoadsNoLibraryFromItsOwnFolder) {
  WizardSession session;
  Plant(session.game.scratch);
  WizardProcess& w = session.Start();
  w.ReachPage(2);             // the readme's rich text and the progress bar are in use by now
  w.Click(wizard::Button12);  // and the shell's folder dialog
  HWND dialog = w.WaitForBox();
  ASSERT_NE(dialog, nullptr);
  w.AnswerBox(dialog, IDCANCEL);
  EXPECT_EQ(LoadedMarkers(session.game.scratch), "");
}

}  // namespace
