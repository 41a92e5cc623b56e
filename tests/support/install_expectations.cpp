#include "tests/support/install_expectations.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/game_fixture.h"

const char kGameSingleMissions[] = "2\r\nCampaign One\r\nCampaign Two\r\n";
const char kGameMissions[] = "#Campaign\r\n#Campaign_TXT\r\n-\r\n";
const char kGameBattleNames[] = "CAMPAIGN_TXT Campaign\r\n";

void WriteGameLists(const GameFixture& game) {
  game.WriteLists(kGameSingleMissions, kGameMissions, kGameBattleNames);
}

const std::string& PackEntry(int index) {
  static const std::vector<std::string> entries = {
      "#StonebridgeVale", "#RavenHillV2", "#Kel_Map001",  "#KelMap2",         "#Marschfeld",
      "#Moorland",        "#Tal_Gefecht", "#3erWachturm", "#Scharm\xFCtzel2", "#N_R_Bay",
      "#3Marshals",       "#6Dukes",      "#RiverbendV2", "#QXMap001",        "#QXMap002",
      "#QXMap003",        "#QXMap004",    "#QXMap005",    "#QXMap006",        "#QXMap007",
      "#QXMap008"};
  return entries.at(static_cast<std::size_t>(index));
}

std::string PackBaseName(int index) { return PackEntry(index).substr(1); }

std::string ExpectedMissionBlock(int index) {
  const std::string e = PackEntry(index);
  const std::string n = PackBaseName(index);
  return e + "\r\n" + e + "_TXT\r\n-\r\nMissions\\Skirmish\\" + n + ".m3d\r\nMissions\\Skirmish\\" +
         n + ".txt\r\n2\r\nInterf3\\maps\\Skirmish\\" + n + ".jpg 444 211\r\n236 125 1007 400\r\n";
}

std::string AllMarkedEntryLines() {
  std::string lines;
  for (int i = 0; i < 21; ++i) lines += PackEntry(i) + "\r\n";
  return lines;
}

std::string AllMissionBlocks() {
  std::string blocks;
  for (int i = 0; i < 21; ++i) blocks += ExpectedMissionBlock(i);
  return blocks;
}

std::string AllBattleNameLines(bool marked) {
  std::string lines;
  for (int i = 0; i < 21; ++i)
    lines +=
        (marked ? PackEntry(i) : PackBaseName(i)) + "_TXT " + GameFixture::MapTitle(i) + "\r\n";
  return lines;
}

void ExpectListsOfOneInstall(const GameFixture& game, const std::string& later_battle_lines) {
  EXPECT_EQ(game.ReadData("Missions\\SingleMiss.txt"),
            "23\r\nCampaign One\r\nCampaign Two\r\n" + AllMarkedEntryLines());
  EXPECT_EQ(game.ReadData("Missions\\missions.txt"), kGameMissions + AllMissionBlocks());
  EXPECT_EQ(game.ReadData("Missions\\Text\\Skirbatlnames.txt"),
            kGameBattleNames + AllBattleNameLines(false) + later_battle_lines);
}
