// The pack's entry in Installed apps and its kept copy, against a machine with
// Windows' rules.

#include "setup/pack_entry.h"

#include <gtest/gtest.h>

#include "tests/support/failure_text.h"
#include "tests/support/fake_system.h"

namespace {

const char kKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelmora pack";
const char kKeptFolder[] = "C:\\Program Files (x86)\\Zelmora Setup";
const char kKept[] = "C:\\Program Files (x86)\\Zelmora Setup\\Setup.exe";
const char kDownloaded[] = "C:\\Users\\Ann\\Downloads\\Zelmora\\Setup.exe";

TEST(PackEntry, RecordsTheFullPathOfAFolderGivenFromTheCurrentOne) {
  FakeSystem system(kDownloaded, "C:\\Users\\Ann\\Downloads\\Zelmora");
  setup::RecordPackInstall(system, "..\\Cossacks 2");
  EXPECT_EQ(system.EntryText(kKey, "InstallLocation"), "C:\\Users\\Ann\\Downloads\\Cossacks 2");
  EXPECT_EQ(system.EntryText(kKey, "QuietUninstallString"),
            "\"C:\\Program Files (x86)\\Zelmora Setup\\Setup.exe\" /uninstall /S");
  EXPECT_TRUE(system.SameSizeAndTime(kDownloaded, kKept));
}

TEST(PackEntry, AnInstallBetweenARemovalAndTheRestartKeepsTheProgramItsEntryStarts) {
  FakeSystem system(kDownloaded, "C:\\Games");
  setup::RecordPackInstall(system, "C:\\Games\\Cossacks 2");
  system.RunFrom(kKept);  // as Installed apps starts the removal
  setup::ForgetPackInstall(system);
  EXPECT_EQ(system.EntryText(kKey, "DisplayName"), "(none)");
  system.RunFrom(kDownloaded);
  setup::RecordPackInstall(system, "C:\\Games\\Cossacks 2");
  system.Restart();
  EXPECT_EQ(system.EntryText(kKey, "UninstallString"), "\"" + std::string(kKept) + "\" /uninstall");
  EXPECT_EQ(system.Below(kKeptFolder), (std::vector<std::string>{kKeptFolder, kKept}));
}

TEST(PackEntry, ARemovalFromAnotherCopyTakesTheKeptOneAtOnce) {
  FakeSystem system(kDownloaded, "C:\\Games");
  setup::RecordPackInstall(system, "C:\\Games\\Cossacks 2");
  setup::ForgetPackInstall(system);
  EXPECT_EQ(system.Below(kKeptFolder), std::vector<std::string>{});
}

// Each step of keeping or letting go that the machine refuses is told, and
// what it would leave is said in the message.
struct RefusedStep {
  const char* name;
  const char* step;
  bool recording;       // refused while the entry is written, else while it goes
  bool from_kept_copy;  // the removal runs from the kept copy
  const char* message;
};

class EntryStepRefused : public testing::TestWithParam<RefusedStep> {};

TEST_P(EntryStepRefused, IsToldAndNeverPassedAsDone) {
  const RefusedStep& row = GetParam();
  FakeSystem system(kDownloaded, "C:\\Games");
  if (!row.recording) setup::RecordPackInstall(system, "C:\\Games\\Cossacks 2");
  if (row.from_kept_copy) system.RunFrom(kKept);
  system.refused.insert(row.step);
  EXPECT_EQ(FailureText([&] {
              if (row.recording)
                setup::RecordPackInstall(system, "C:\\Games\\Cossacks 2");
              else
                setup::ForgetPackInstall(system);
            }),
            row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EntryStepRefused,
    testing::Values(
        RefusedStep{"EntryValue", "WriteMachineText", true, false,
                    "The maps are installed, but Installed apps cannot take their entry: the "
                    "registry value DisplayName cannot be written"},
        RefusedStep{"KeptCopy", "CopyOver", true, false,
                    "The maps are installed, but Installed apps cannot take their entry: "
                    "Setup.exe cannot be kept in C:\\Program Files (x86)\\Zelmora Setup"},
        RefusedStep{"EntryKey", "RemoveMachineKey", false, true,
                    "Installed apps cannot let the pack go: the registry key Software\\Microsoft\\"
                    "Windows\\CurrentVersion\\Uninstall\\Zelmora pack cannot be removed"},
        RefusedStep{"RunningCopyMovedAside", "Rename", false, true,
                    "Installed apps cannot let the pack go: C:\\Program Files (x86)\\Zelmora "
                    "Setup\\Setup.exe cannot be moved aside"},
        RefusedStep{"DeleteAtRestart", "DeleteAtRestart", false, true,
                    "Installed apps cannot let the pack go: C:\\Program Files (x86)\\Zelmora "
                    "Setup\\Setup.exe.removed-1 cannot be deleted when Windows next starts"},
        RefusedStep{"KeptCopyDeleted", "Delete", false, false,
                    "Installed apps cannot let the pack go: C:\\Program Files (x86)\\Zelmora "
                    "Setup\\Setup.exe cannot be deleted"}),
    [](const testing::TestParamInfo<RefusedStep>& info) { return info.param.name; });

}  // namespace
