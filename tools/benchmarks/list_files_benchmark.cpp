// Prints how long the list-file updates take on large game lists, against a raw
// read and write of the same bytes through the same file layer, and the peak
// heap they use. Sizes: 1k, 10k and 100k mission blocks.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "listfiles/battle_names.h"
#include "listfiles/mission_list.h"
#include "pack/map_catalogue.h"
#include "platform/system_posix.h"

namespace {

platform::System& Machine() {
  static platform::PosixSystem machine;
  return machine;
}

std::size_t live_bytes = 0;
std::size_t peak_bytes = 0;

void* Allocate(std::size_t size) {
  // A header in front of each block remembers its size for the release.
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (block == nullptr) throw std::bad_alloc();
  *block = size;
  live_bytes += size;
  peak_bytes = std::max(peak_bytes, live_bytes);
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void Release(void* pointer) {
  if (pointer == nullptr) return;
  auto* block =
      reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
  live_bytes -= *block;
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }

namespace {

using Clock = std::chrono::steady_clock;

std::string GameMissionBlocks(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const std::string name = "GameMission" + std::to_string(i);
    text += "#" + name + "\r\n#" + name + "_TXT\r\n-\r\nMissions\\Campaign\\" + name +
            ".m3d\r\nMissions\\Campaign\\" + name + ".txt\r\n2\r\nInterf3\\maps\\Campaign\\" +
            name + ".jpg 444 211\r\n236 125 1007 400\r\n";
  }
  return text;
}

std::string GameBattleNames(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text +=
        "GameMission" + std::to_string(i) + "_TXT Battle of Field " + std::to_string(i) + "\r\n";
  return text;
}

void Put(const std::string& path, const std::string& bytes) {
  if (Machine().WriteWholeFile(path, bytes) != platform::WriteOutcome::Ok) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

void RawRewrite(const std::string& path) {
  std::string bytes;
  Machine().ReadWholeFile(path, bytes);
  Machine().WriteWholeFile(path, bytes);
}

// Best of several runs of action, in milliseconds, with the file reset before each.
template <typename Action>
double BestMilliseconds(const std::string& path, const std::string& bytes, Action action) {
  double best = 1e300;
  for (int run = 0; run < 5; ++run) {
    Put(path, bytes);
    const Clock::time_point start = Clock::now();
    action();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

struct Figures {
  double update_ms, raw_ms;
  std::size_t peak;
};

Figures MissionList(const std::string& path, int blocks) {
  const std::string bytes = GameMissionBlocks(blocks);
  Figures figures{};
  figures.raw_ms = BestMilliseconds(path, bytes, [&] { RawRewrite(path); });
  figures.update_ms = BestMilliseconds(path, bytes, [&] {
    pack::MapCatalogue catalogue;
    UpdateMissionList(Machine(), path, catalogue);
  });
  Put(path, bytes);
  const std::size_t before = live_bytes;
  peak_bytes = live_bytes;
  pack::MapCatalogue catalogue;
  UpdateMissionList(Machine(), path, catalogue);
  figures.peak = peak_bytes - before;
  return figures;
}

Figures BattleNames(const std::string& path, int lines) {
  const std::string bytes = GameBattleNames(lines);
  const auto install = [&] {
    for (int map = 0; map <= pack::MapHighIndex; ++map)
      AddBattleName(Machine(), path,
                    "Map" + std::to_string(map) + "_TXT Zelmora Field " + std::to_string(map));
  };
  Figures figures{};
  figures.raw_ms = BestMilliseconds(path, bytes, [&] {
    for (int map = 0; map <= pack::MapHighIndex; ++map) RawRewrite(path);
  });
  figures.update_ms = BestMilliseconds(path, bytes, install);
  Put(path, bytes);
  const std::size_t before = live_bytes;
  peak_bytes = live_bytes;
  install();
  figures.peak = peak_bytes - before;
  return figures;
}

void PrintRow(const char* what, int size, std::size_t file_bytes, const Figures& f) {
  std::printf("%-28s %7d %10.1f KiB %10.2f ms %10.2f ms %7.2f %10.1f KiB\n", what, size,
              file_bytes / 1024.0, f.update_ms, f.raw_ms, f.update_ms / f.raw_ms, f.peak / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "\\tmp";
  const std::string missions = folder + "\\bench-missions.txt";
  const std::string battle = folder + "\\bench-Skirbatlnames.txt";
  std::printf("%-28s %7s %14s %13s %13s %7s %14s\n", "operation", "size", "file", "update",
              "raw r+w", "ratio", "peak heap");
  double mission_ms[3] = {}, battle_ms[3] = {};
  const int sizes[3] = {1000, 10000, 100000};
  for (int i = 0; i < 3; ++i) {
    const Figures m = MissionList(missions, sizes[i]);
    PrintRow("UpdateMissionList (blocks)", sizes[i], GameMissionBlocks(sizes[i]).size(), m);
    const Figures b = BattleNames(battle, sizes[i]);
    PrintRow("21 x AddBattleName (lines)", sizes[i], GameBattleNames(sizes[i]).size(), b);
    mission_ms[i] = m.update_ms;
    battle_ms[i] = b.update_ms;
  }
  std::printf("growth 10k -> 100k: UpdateMissionList %.1fx, 21 x AddBattleName %.1fx\n",
              mission_ms[2] / mission_ms[1], battle_ms[2] / battle_ms[1]);
  Machine().WriteWholeFile(missions, "");
  return 0;
}
