#pragma once
// The game's own lists before an install, and what the game's list files must
// hold after one, written out from the game's formats independently of the
// product code.

#include <string>

struct GameFixture;

// The game's own lists: two campaigns, no skirmish map.
extern const char kGameSingleMissions[];
extern const char kGameMissions[];
extern const char kGameBattleNames[];
void WriteGameLists(const GameFixture& game);

// The pack's entries with their marker, in install order.
const std::string& PackEntry(int index);
std::string PackBaseName(int index);

// The eight-line mission block for a pack map, CR LF after every line.
std::string ExpectedMissionBlock(int index);

// Every pack entry (marked) as one line each, CR LF after every line.
std::string AllMarkedEntryLines();
std::string AllMissionBlocks();
// Battle-name lines of the pack with the fixture's titles; marked or not.
std::string AllBattleNameLines(bool marked);

// The three lists hold the game's own lines and the whole pack, once; the
// battle names end in later_battle_lines.
void ExpectListsOfOneInstall(const GameFixture& game, const std::string& later_battle_lines = "");
