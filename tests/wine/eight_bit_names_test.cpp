// The umlaut map travels as the single Windows-1252 byte FC into file names.

#include <gtest/gtest.h>
#include <windows.h>

#include "engine/map_catalogue.h"
#include "engine/map_copy.h"
#include "tests/support/scratch_folder.h"

namespace {

// Names in the folder as the system holds them in Unicode; under Wine these
// are what the Linux file names carry in UTF-8.
std::wstring WideNamesIn(const std::string& folder) {
  std::wstring names;
  WIN32_FIND_DATAW found;
  std::wstring pattern(folder.begin(), folder.end());
  HANDLE search = FindFirstFileW((pattern + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (found.cFileName[0] != L'.') names += std::wstring(found.cFileName) + L"\n";
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

TEST(EightBitNames, UmlautMapFilesAreCopiedUnderTheirOwnName) {
  ASSERT_EQ(GetACP(), 1252u);
  ScratchFolder scratch;
  const std::string base = engine::BaseName(engine::MapCatalogue().MapNames[8]);
  scratch.MakeFolder("Game");
  for (const std::string& extension : {engine::MapExt, engine::TextExt, engine::PreviewExt}) {
    scratch.WriteFile("Maps\\" + base + extension, "file " + extension);
    engine::CopyMapFile(scratch.Path(), base + extension, scratch.At("Game\\" + base + extension));
    EXPECT_EQ(scratch.ReadFile("Game\\" + base + extension), "file " + extension);
  }
  EXPECT_EQ(WideNamesIn(scratch.At("Game")),
            L"Scharm\u00FCtzel2.jpg\nScharm\u00FCtzel2.m3d\nScharm\u00FCtzel2.txt\n");
}

}  // namespace
