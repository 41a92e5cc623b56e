#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "tests/ui/wizard_session.h"

namespace {

const char* const kPlantedNames[] = {"riched20.dll", "comctl32.dll", "version.dll", "uxtheme.dll"};
// ctest runs these tests with Wine told to prefer the planted copies (it
// searches the program's folder first only for such libraries, as Windows does
// for every library); the programs started here inherit that.

std::string OwnFolder() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string own = path;
  return own.substr(0, own.rfind('\\'));
}

void Plant(const ScratchFolder& folder) {
  for (const char* name : kPlantedNames)
    ASSERT_TRUE(
        CopyFileA((OwnFolder() + "\\planted_library.dll").c_str(), folder.At(name).c_str(), FALSE));
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
  ASSERT_TRUE(CopyFileA((OwnFolder() + "\\naive_loader.exe").c_str(),
                        folder.At("naive_loader.exe").c_str(), FALSE));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + folder.At("naive_loader.exe") + "\"";
  ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                             folder.Path().c_str(), &startup, &process));
  WaitForSingleObject(process.hProcess, 20000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_NE(LoadedMarkers(folder), "") << "the rig would not see a planted library";
}

TEST(LibrarySearch, SetupLoadsNoLibraryFromItsOwnFolder) {
  WizardSession session;
  Plant(session.game.scratch);
  session.Start();
  WizardProcess& w = *session.wizard;
  session.GoToDestination();  // the readme's rich text and the progress bar are in use by now
  w.Click(wizard::Button12);  // and the shell's folder dialog
  HWND dialog = w.WaitForBox();
  ASSERT_NE(dialog, nullptr);
  w.AnswerBox(dialog, IDCANCEL);
  EXPECT_EQ(LoadedMarkers(session.game.scratch), "");
}

}  // namespace
