// Setup.exe ended by TerminateProcess at random moments of an install, as a
// crash, a kill or a pulled plug (minus the disk cache) ends it, on a game laid
// out as a real one. After every cut each list file must hold one of the
// contents an uninterrupted install passes through for it, each map, description
// and picture file its old bytes or the new ones, and a later complete install
// must succeed and leave none of our temporary files behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "listfiles/single_mission_list.h"
#include "pack/map_catalogue.h"
#include "tests/support/system_folders.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;
using Clock = std::chrono::steady_clock;
using Lists = std::array<std::string, 3>;

constexpr int kCuts = 100;
constexpr int kCutsBetweenRecoveries = 10;
constexpr unsigned kSeed = 160;
constexpr std::size_t kMapFileSize = 2 * 1024 * 1024;
constexpr int kGameMissions = 3000;
// In the order the install saves them.
const char* const kListFiles[] = {"Missions\\SingleMiss.txt", "Missions\\missions.txt",
                                  "Missions\\Text\\Skirbatlnames.txt"};

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The game's own campaign missions, a few thousand lines in each list.
Lists GameLists() {
  Lists lists;
  lists[0] = std::to_string(kGameMissions) + "\r\n";
  for (int i = 0; i < kGameMissions; ++i) {
    const std::string key = "C2M" + std::to_string(1000 + i);
    lists[0] += "#" + key + "\r\n";
    if (i % 8 == 0)
      lists[1] += "#" + key + "\r\n#" + key + "_TXT\r\n-\r\nMissions\\Campaign\\" + key +
                  ".m3d\r\nMissions\\Campaign\\" + key + ".txt\r\n2\r\nInterf3\\maps\\Campaign\\" +
                  key + ".jpg 444 211\r\n236 125 1007 400\r\n";
    lists[2] += key + "_TXT Battle at the " + std::to_string(i) + "th ford\r\n";
  }
  return lists;
}

// One of the 63 files an install copies: where it goes, what an earlier version
// of the pack left there, what the pack holds now.
struct CopiedFile {
  std::string folder_under_data, name, old_bytes, new_bytes;
};

struct Game {
  Game() {
    session.game.WriteMaps(kMapFileSize);
    const Lists lists = GameLists();
    for (int i = 0; i < 3; ++i) session.game.scratch.WriteFile(Pristine(i), lists[i]);
    RestoreLists();
    for (const std::string& entry : pack::MapCatalogue().MapNames) {
      const std::string base = pack::BaseName(entry);
      for (const std::string& extension : {pack::MapExt, pack::TextExt, pack::PreviewExt}) {
        const std::string folder =
            extension == pack::PreviewExt ? "Interf3\\maps\\skirmish" : "Missions\\Skirmish";
        copied.push_back({folder, base + extension, "an earlier " + base + extension + "\r\n",
                          session.game.scratch.ReadFile("Maps\\" + base + extension)});
      }
    }
  }
  std::string List(int index) const { return session.game.DataPath(kListFiles[index]); }
  static std::string Pristine(int index) { return "Pristine\\list" + std::to_string(index); }
  Lists Read() const {
    Lists lists;
    for (int i = 0; i < 3; ++i) lists[i] = session.game.ReadData(kListFiles[i]);
    return lists;
  }
  // Copied, not saved with the product's code, which would clear leftovers itself.
  void RestoreLists() const {
    for (int i = 0; i < 3; ++i)
      ASSERT_TRUE(CopyFileA(session.game.scratch.At(Pristine(i)).c_str(), List(i).c_str(), FALSE));
  }
  // Every file of ours (a ".~zs" name) under the game folder.
  std::vector<std::string> Temporaries(const std::string& folder) const {
    std::vector<std::string> found;
    for (const std::string& name : NamesIn(folder)) {
      const std::string path = folder + "\\" + name;
      if (name.find(".~zs") != std::string::npos) found.push_back(path);
      for (const std::string& below : Temporaries(path)) found.push_back(below);
    }
    return found;
  }
  std::vector<std::string> Temporaries() const { return Temporaries(session.game.GameFolder()); }
  // The earlier pack's files back in place, written as another program would.
  void RestoreCopiedFiles() const {
    for (const CopiedFile& file : copied)
      ASSERT_TRUE(WriteUnderWindows1252Name(session.game.DataPath(file.folder_under_data),
                                            file.name, file.old_bytes));
  }

  WizardSession session;
  std::vector<CopiedFile> copied;
};

// What each list holds in turn while an install runs from start: its content
// before, then after each of its saves. Computed with the product's own list
// code on copies, with the titles the fixture writes into the descriptions.
std::array<std::vector<std::string>, 3> InstallHistory(const Lists& start) {
  ScratchFolder model;
  const auto path = [&](int list) { return model.At("list" + std::to_string(list)); };
  std::array<std::vector<std::string>, 3> history;
  for (int i = 0; i < 3; ++i) {
    model.WriteFile("list" + std::to_string(i), start[i]);
    history[i].push_back(start[i]);
  }
  pack::MapCatalogue catalogue;
  UpdateSingleMissionList(ThisMachine(), path(0), catalogue);
  history[0].push_back(model.ReadFile("list0"));
  UpdateMissionList(ThisMachine(), path(1), catalogue);
  history[1].push_back(model.ReadFile("list1"));
  for (int index = 0; index <= pack::MapHighIndex; ++index) {
    AddBattleName(ThisMachine(), path(2),
                  BattleNameLine(catalogue.MapNames[index], GameFixture::MapTitle(index)));
    history[2].push_back(model.ReadFile("list2"));
  }
  return history;
}

Lists Finals(const std::array<std::vector<std::string>, 3>& history) {
  return {history[0].back(), history[1].back(), history[2].back()};
}

// Drives a fresh wizard to the destination page.
WizardProcess& WizardAtDestination(Game& game) {
  WizardProcess& wizard = game.session.Start();
  wizard.ReachPage(2);
  return wizard;
}

// A complete install in a new process; its time in ms, or -1 if it did not finish.
double CompleteInstall(Game& game) {
  WizardProcess& wizard = WizardAtDestination(game);
  const Clock::time_point start = Clock::now();
  if (wizard.InstallAndWait() != nullptr) return -1;
  const double elapsed = Since(start);
  wizard.Click(Button10);
  return wizard.WaitForExit() == 0 ? elapsed : -1;
}

void ExpectNoTemporaries(const Game& game) {
  for (const std::string& left : game.Temporaries()) ADD_FAILURE() << "left behind: " << left;
}

void ExpectMapsInstalled(const Game& game) {
  const pack::MapCatalogue catalogue;
  for (const std::string& entry : catalogue.MapNames) {
    const std::string name = pack::BaseName(entry) + pack::MapExt;
    EXPECT_EQ(game.session.game.ReadData("Missions\\Skirmish\\" + name).size(), kMapFileSize)
        << name;
  }
}

TEST(Interruption, CutAtAnyMomentLosesNothingAndLeavesNothingBehind) {
#if defined(_WIN64)
  const char* runs_32bit = std::getenv("ZELMORA_HOST_RUNS_32BIT");
  if (runs_32bit != nullptr && std::string(runs_32bit) == "1")
    GTEST_SKIP() << "this host runs 32-bit code: the 32-bit build makes the cuts";
#endif
  Game game;
  const Lists pristine = game.Read();
  const auto history = InstallHistory(pristine);

  // Uninterrupted installs show that the model above is what the wizard does.
  // The second, which like every cut replaces maps already there, sets the
  // range of the delays (the first, onto no maps, is several times faster).
  ASSERT_GT(CompleteInstall(game), 0) << "the uninterrupted install did not finish";
  ASSERT_EQ(game.Read(), Finals(history));
  game.RestoreLists();
  const double install_ms = CompleteInstall(game);
  ASSERT_GT(install_ms, 0) << "the uninterrupted install did not finish";
  ASSERT_EQ(game.Read(), Finals(history));

  std::mt19937 random(kSeed);
  std::uniform_real_distribution<double> delay_ms(0, install_ms);
  int before_first_save = 0, inside_a_save = 0, inside_a_copy = 0, between_saves = 0,
      after_last_save = 0;
  std::set<int> saves_cut_inside;
  double cutting_ms = 0, overhead_ms = 0, recovery_ms = 0;
  int recoveries = 0;
  const int saves = static_cast<int>(history[0].size() + history[1].size() + history[2].size()) - 3;

  for (int cut = 1; cut <= kCuts; ++cut) {
    game.RestoreLists();
    game.RestoreCopiedFiles();
    const double delay = delay_ms(random);
    const Clock::time_point started = Clock::now();
    WizardProcess& wizard = WizardAtDestination(game);
    const double overhead = Since(started);
    wizard.Click(Button3);
    Sleep(static_cast<DWORD>(delay));
    wizard.Kill();
    const std::string own_temporary = ".~zs" + std::to_string(wizard.ProcessId()) + "_";
    cutting_ms += Since(started);
    overhead_ms += overhead;

    const Lists after = game.Read();
    int saves_done = 0;
    for (int i = 0; i < 3; ++i) {
      const auto& states = history[i];
      const auto found = std::find(states.begin(), states.end(), after[i]);
      ASSERT_NE(found, states.end())
          << "cut " << cut << " after " << delay << " ms left " << kListFiles[i]
          << " in no state an install passes through (" << after[i].size() << " bytes)";
      saves_done += static_cast<int>(found - states.begin());
    }
    for (const CopiedFile& file : game.copied) {
      const std::string now = game.session.game.ReadData(file.folder_under_data + "\\" + file.name);
      ASSERT_TRUE(now == file.old_bytes || now == file.new_bytes)
          << "cut " << cut << " after " << delay << " ms left " << file.name << " partial ("
          << now.size() << " bytes)";
    }
    bool inside = false, copying = false;
    for (const std::string& left : game.Temporaries()) {
      if (left.find(own_temporary) == std::string::npos) continue;
      const bool of_a_list = left.find("\\Missions\\Skirmish\\") == std::string::npos &&
                             left.find("\\skirmish\\") == std::string::npos;
      inside = inside || of_a_list;
      copying = copying || !of_a_list;
    }
    if (copying) {
      ++inside_a_copy;
    } else if (inside) {
      ++inside_a_save;
      saves_cut_inside.insert(saves_done + 1);
    } else if (saves_done == 0) {
      ++before_first_save;
    } else if (saves_done == saves) {
      ++after_last_save;
    } else {
      ++between_saves;
    }

    if (cut % kCutsBetweenRecoveries == 0 || cut == kCuts) {
      const Lists expected = Finals(InstallHistory(after));
      const double elapsed = CompleteInstall(game);
      ASSERT_GT(elapsed, 0) << "the install after cut " << cut << " did not finish";
      recovery_ms += elapsed;
      ++recoveries;
      EXPECT_EQ(game.Read(), expected) << "after cut " << cut;
      ExpectNoTemporaries(game);
      ExpectMapsInstalled(game);
    }
  }
  std::printf(
      "interruption: seed %u, one install %.0f ms; %d cuts: %d before the first save, %d inside a "
      "save (%d of the %d saves hit), %d inside a map copy, %d otherwise between saves, %d after "
      "the last save; per cut %.0f ms (start and pages %.0f ms); complete install after a cut "
      "%.0f ms\n",
      kSeed, install_ms, kCuts, before_first_save, inside_a_save,
      static_cast<int>(saves_cut_inside.size()), saves, inside_a_copy, between_saves,
      after_last_save, cutting_ms / kCuts, overhead_ms / kCuts, recovery_ms / recoveries);
  EXPECT_GT(inside_a_save, 0) << "no cut fell inside a save: the test proves little";
  EXPECT_GT(inside_a_copy, 0) << "no cut fell inside a map copy: the test proves little";
}

}  // namespace
