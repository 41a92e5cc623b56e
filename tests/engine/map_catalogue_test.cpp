#include "engine/map_catalogue.h"

#include <gtest/gtest.h>

namespace {

// The pack's maps in install order; every step walks them so.
const char* const kEntriesInOrder[] = {
    "#StonebridgeVale", "#RavenHillV2", "#Kel_Map001",      "#KelMap2",  "#Marschfeld", "#Moorland",
    "#Tal_Gefecht",     "#3erWachturm", "#Scharm\xFCtzel2", "#N_R_Bay",  "#3Marshals",  "#6Dukes",
    "#RiverbendV2",     "#QXMap001",    "#QXMap002",        "#QXMap003", "#QXMap004",   "#QXMap005",
    "#QXMap006",        "#QXMap007",    "#QXMap008"};

TEST(MapCatalogueEntries, AreTheTwentyOnePackMapsInInstallOrder) {
  const engine::MapCatalogue catalogue;
  ASSERT_EQ(engine::MapHighIndex + 1, 21);
  ASSERT_EQ(catalogue.MapNames.size(), std::size(kEntriesInOrder));
  for (std::size_t i = 0; i < catalogue.MapNames.size(); ++i)
    EXPECT_EQ(catalogue.MapNames[i], kEntriesInOrder[i]) << "index " << i;
}

TEST(MapCatalogueEntries, UmlautEntryIsOneWindows1252Byte) {
  const std::string entry = engine::MapCatalogue().MapNames[8];
  EXPECT_EQ(entry.size(), 13u);
  EXPECT_EQ(static_cast<unsigned char>(entry[7]), 0xFC);
}

TEST(MapCatalogueEntries, ProcessTableIsOneSharedTable) {
  EXPECT_EQ(&engine::ProcessMapCatalogue(), &engine::ProcessMapCatalogue());
}

struct BaseNameCase {
  const char* entry;
  const char* base;
};

class BaseNameRule : public testing::TestWithParam<BaseNameCase> {};

TEST_P(BaseNameRule, RemovesOnlyTheFirstMarker) {
  EXPECT_EQ(engine::BaseName(GetParam().entry), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Entries, BaseNameRule,
                         testing::Values(BaseNameCase{"#QXMap001", "QXMap001"},
                                         BaseNameCase{"QXMap001", "QXMap001"},
                                         BaseNameCase{"#Scharm\xFCtzel2", "Scharm\xFCtzel2"},
                                         BaseNameCase{"a#b", "ab"}, BaseNameCase{"##x", "#x"},
                                         BaseNameCase{"", ""}));

TEST(MarkedEntry, IsTheSameWithOrWithoutTheMarker) {
  EXPECT_EQ(engine::MarkedEntry("#QXMap001"), "#QXMap001");
  EXPECT_EQ(engine::MarkedEntry("QXMap001"), "#QXMap001");
}

TEST(InstallConstants, HoldTheGameTexts) {
  EXPECT_EQ(engine::MapExt + engine::TextExt + engine::PreviewExt, ".m3d.txt.jpg");
  EXPECT_EQ(engine::MissionDir, "Missions\\Skirmish\\");
  EXPECT_EQ(engine::PreviewDir, "Interf3\\maps\\Skirmish\\");
  EXPECT_EQ(engine::BlockLastLine, "236 125 1007 400");
  EXPECT_EQ(engine::TextKeySuffix, "_TXT");
  EXPECT_EQ(engine::BlockDashLine, "-");
  EXPECT_EQ(engine::PreviewLineSuffix, " 444 211");
}

}  // namespace
