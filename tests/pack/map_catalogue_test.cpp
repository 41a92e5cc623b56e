#include "pack/map_catalogue.h"

#include <gtest/gtest.h>

namespace {

// The pack's maps in install order; every step walks them so.
const char* const kEntriesInOrder[] = {
    "#StonebridgeVale", "#RavenHillV2", "#Kel_Map001",      "#KelMap2",  "#Marschfeld", "#Moorland",
    "#Tal_Gefecht",     "#3erWachturm", "#Scharm\xFCtzel2", "#N_R_Bay",  "#3Marshals",  "#6Dukes",
    "#RiverbendV2",     "#QXMap001",    "#QXMap002",        "#QXMap003", "#QXMap004",   "#QXMap005",
    "#QXMap006",        "#QXMap007",    "#QXMap008"};

TEST(MapCatalogueEntries, AreTheTwentyOnePackMapsInInstallOrder) {
  const pack::MapCatalogue catalogue;
  ASSERT_EQ(pack::MapHighIndex + 1, 21);
  ASSERT_EQ(catalogue.MapNames.size(), std::size(kEntriesInOrder));
  for (std::size_t i = 0; i < catalogue.MapNames.size(); ++i)
    EXPECT_EQ(catalogue.MapNames[i], kEntriesInOrder[i]) << "index " << i;
}

TEST(MapCatalogueEntries, UmlautEntryIsOneWindows1252Byte) {
  const std::string entry = pack::MapCatalogue().MapNames[8];
  EXPECT_EQ(entry.size(), 13u);
  EXPECT_EQ(static_cast<unsigned char>(entry[7]), 0xFC);
}

TEST(MapCatalogueEntries, ProcessTableIsOneSharedTable) {
  EXPECT_EQ(&pack::ProcessMapCatalogue(), &pack::ProcessMapCatalogue());
}

struct BaseNameCase {
  const char* entry;
  const char* base;
};

class BaseNameRule : public testing::TestWithParam<BaseNameCase> {};

TEST_P(BaseNameRule, RemovesOnlyTheFirstMarker) {
  EXPECT_EQ(pack::BaseName(GetParam().entry), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Entries, BaseNameRule,
                         testing::Values(BaseNameCase{"#QXMap001", "QXMap001"},
                                         BaseNameCase{"QXMap001", "QXMap001"},
                                         BaseNameCase{"#Scharm\xFCtzel2", "Scharm\xFCtzel2"},
                                         BaseNameCase{"a#b", "ab"}, BaseNameCase{"##x", "#x"},
                                         BaseNameCase{"", ""}));

TEST(MarkedEntry, IsTheSameWithOrWithoutTheMarker) {
  EXPECT_EQ(pack::MarkedEntry("#QXMap001"), "#QXMap001");
  EXPECT_EQ(pack::MarkedEntry("QXMap001"), "#QXMap001");
}

TEST(Extensions, AreTheGamesOwn) {
  EXPECT_EQ(pack::MapExt + pack::TextExt + pack::PreviewExt, ".m3d.txt.jpg");
}

}  // namespace
