#pragma once
// What the game's list files must hold after an install, written out from the
// game's formats independently of the product code.

#include <string>

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
