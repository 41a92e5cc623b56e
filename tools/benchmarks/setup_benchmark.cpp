// Prints start-up and install figures of Setup.exe under the running system:
//   setup_benchmark.exe SETUP.EXE SAME_CONTROLS.EXE
// Start-up: from process creation to its window shown, against a plain
// program that makes the same window and controls. Install: from Install,
// pressed once the wizard has settled, to the finish page with 21 maps of
// 2 MB, against the floor: a plain program making the same 63 copies and the
// same 23 saves (temporary written, flushed, renamed over the list), in the
// install's order. Then what flushing the 63 copies would add to that floor.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "pack/map_catalogue.h"
#include "tests/driver/wizard_driver.h"
#include "tests/support/game_fixture.h"
#include "tests/support/install_expectations.h"
#include "tests/support/system_folders.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct WindowSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from starting program to its first visible window; closes it
// again. Polled each millisecond: the driver's 20 ms steps are a tenth of a start.
double StartUp(const std::string& program, const std::string& folder) {
  const Clock::time_point start = Clock::now();
  ChildProcess process(program, "", folder);
  WindowSearch search = {process.Id(), nullptr};
  while (process.Started() && search.found == nullptr && Since(start) < 30000) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(1);
  }
  if (search.found == nullptr) return -1;
  const double elapsed = Since(start);
  PostMessageA(search.found, WM_CLOSE, 0, 0);
  process.WaitForExit(10000);  // else it is ended with process
  return elapsed;
}

constexpr std::size_t kMapFileSize = 2 * 1024 * 1024;

void FlushFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  FlushFileBuffers(file);
  CloseHandle(file);
}

// A game and the pack's 21 maps of 2 MB, on the disk before the clock starts:
// the 42 MB still being written out would slow whichever flush comes next.
struct SettledGame {
  SettledGame() {
    game.WriteLists("0\r\n", "", "");
    game.WriteMaps(kMapFileSize);
    for (const std::string& name : NamesIn(game.scratch.At("Maps")))
      FlushFile(game.scratch.At("Maps\\" + name));
    for (const char* list : {"Missions\\SingleMiss.txt", "Missions\\missions.txt",
                             "Missions\\Text\\Skirbatlnames.txt"})
      FlushFile(game.DataPath(list));
  }
  GameFixture game{GameFixture::Layout::Run};
};

constexpr DWORD kReadingPause = 300;  // ms

double InstallThroughTheWizard(const std::string& setup) {
  const SettledGame settled;
  const GameFixture& game = settled.game;
  WizardProcess wizard(setup, game.scratch.Path());
  if (HWND box = wizard.WaitForBox(0)) {  // no registry entry: the box comes first
    wizard.AnswerBox(box, IDOK);
  }
  wizard.ReachPage(2);
  wizard.SetText(wizard::Edit1, game.GameFolder());
  // A player reads the page before pressing Install, and by then the work of a
  // program just started (its own, Wine's, the display's) is over, as the
  // floor's disk is settled. Pressed at once, the install shares the two cores
  // with that work and its best time grows by about half.
  Sleep(kReadingPause);
  // Timed to the handler's return: InstallAndWait polls.
  const Clock::time_point start = Clock::now();
  wizard.ClickAndWait(wizard::Button3);
  const double elapsed = Since(start);
  if (wizard.FrontPanel() != wizard::TabControl4) return -1;
  wizard.Click(wizard::Button10);
  return wizard.WaitForExit() == 0 ? elapsed : -1;
}

// One save as a plain program makes it: the bytes to a fresh temporary beside
// the list, flushed, then renamed over the list.
void PlainSave(const std::string& list, const std::string& bytes) {
  const std::string temporary = list + ".tmp";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  FlushFileBuffers(file);
  CloseHandle(file);
  MoveFileExA(temporary.c_str(), list.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// The install's file work done plainly, each list saved with its final content.
double PlainInstall(bool flush_copies) {
  const SettledGame settled;
  const GameFixture& game = settled.game;
  const pack::MapCatalogue catalogue;
  const Clock::time_point start = Clock::now();
  PlainSave(game.DataPath("Missions\\SingleMiss.txt"), "21\r\n" + AllMarkedEntryLines());
  PlainSave(game.DataPath("Missions\\missions.txt"), AllMissionBlocks());
  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = pack::BaseName(entry);
    for (const char* extension : {".m3d", ".txt", ".jpg"}) {
      const std::string under =
          std::string(extension) == ".jpg" ? "Interf3\\maps\\skirmish\\" : "Missions\\Skirmish\\";
      const std::string destination = game.DataPath(under + base + extension);
      CopyFileA(game.scratch.At("Maps\\" + base + extension).c_str(), destination.c_str(), FALSE);
      if (flush_copies) FlushFile(destination);
    }
    PlainSave(game.DataPath("Missions\\Text\\Skirbatlnames.txt"), AllBattleNameLines(false));
  }
  return Since(start);
}

template <typename Measure>
double Best(int runs, Measure measure) {
  double best = 1e300;
  for (int run = 0; run < runs; ++run) best = std::min(best, measure());
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: setup_benchmark SETUP.EXE SAME_CONTROLS.EXE\n");
    return 2;
  }
  char folder[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  // In turns, as the install below: the best of each and the middle ratio of the pairs.
  double setup_start = 1e300, floor_start = 1e300;
  std::vector<double> start_ratios;
  for (int run = 0; run < 9; ++run) {
    const double wizard = StartUp(argv[1], folder);
    const double plain = StartUp(argv[2], folder);
    setup_start = std::min(setup_start, wizard);
    floor_start = std::min(floor_start, plain);
    start_ratios.push_back(wizard / plain);
  }
  std::sort(start_ratios.begin(), start_ratios.end());
  std::printf(
      "start-up to window shown: Setup.exe %.1f ms, a program making the same controls %.1f ms; "
      "ratio %.2f (median of 9 paired runs)\n",
      setup_start, floor_start, start_ratios[start_ratios.size() / 2]);
  // Taken in turns, so that both see the same disk and load: the best of each,
  // and the middle one of the ratios of each turn's pair.
  double install = 1e300, floor = 1e300;
  std::vector<double> ratios;
  for (int run = 0; run < 15; ++run) {
    const double wizard = InstallThroughTheWizard(argv[1]);
    const double plain = PlainInstall(false);
    install = std::min(install, wizard);
    floor = std::min(floor, plain);
    ratios.push_back(wizard / plain);
  }
  std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
  std::printf(
      "install of 21 maps of 2 MB: wizard %.1f ms, floor (plain program: 63 copies, 23 flushed "
      "replaces) %.1f ms; ratio %.2f (median of 15 paired runs)\n",
      install, floor, ratios[ratios.size() / 2]);
  const double flushed = Best(3, [] { return PlainInstall(true); });
  std::printf("the floor with each of the 63 copies flushed: %.1f ms (+%.1f ms)\n", flushed,
              flushed - floor);
  return 0;
}
