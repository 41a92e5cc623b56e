// The wizard on systems whose ANSI code page reads the umlaut map's byte FC
// otherwise than the pack's Windows-1252 (ctest runs it once per locale).

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/install_expectations.h"
#include "tests/support/system_folders.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

// The lines of a name listing that hold the umlaut map's stem, in either reading.
std::wstring UmlautMapLines(const std::wstring& listing) {
  std::wstring lines;
  for (std::size_t at = 0; at < listing.size();) {
    const std::size_t end = listing.find(L'\n', at);
    const std::wstring line = listing.substr(at, end - at + 1);
    if (line.compare(0, 6, L"Scharm") == 0) lines += line;
    at = end + 1;
  }
  return lines;
}

std::string Utf8(const std::wstring& wide) {
  std::string utf8(wide.size() * 3 + 1, '\0');
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return utf8;
}

// What the ...A file functions make of "Scharm" FC "tzel2": under 1251 the
// letter U+044C; under 932 FC 74 is one undefined two-byte character, which
// the code page's table turns into its default character U+30FB.
struct UmlautReading {
  UINT code_page;
  const wchar_t* stem;
};
const UmlautReading kUmlautReadings[] = {{1251, L"Scharm\u044Ctzel2"}, {932, L"Scharm\u30FBzel2"}};

TEST(OtherCodePage, FullInstallTakesThePackNamesAndWritesTheListsAsUnder1252) {
  const UmlautReading* reading = nullptr;
  for (const UmlautReading& r : kUmlautReadings)
    if (r.code_page == GetACP()) reading = &r;
  ASSERT_NE(reading, nullptr) << "code page " << GetACP() << ": runs under a locale of "
                              << "tools/setup.sh, as tests/CMakeLists.txt sets it";
  const std::wstring stem = reading->stem;
  WizardSession session;
  ASSERT_EQ(UmlautMapLines(WideNamesIn(session.game.scratch.At("Maps"))),
            L"Scharm\u00FCtzel2.jpg\nScharm\u00FCtzel2.m3d\nScharm\u00FCtzel2.txt\n");
  WizardProcess& w = session.Start();
  w.ReachPage(2);
  HWND box = w.InstallAndWait();
  ASSERT_EQ(box, nullptr) << w.BoxText(box);
  EXPECT_EQ(w.FrontPanel(), TabControl4);
  int minimum = -1, maximum = -1, position = -1;
  w.Progress(minimum, maximum, position);
  EXPECT_EQ(position, 49999);

  // Every list line keeps byte FC, as the game reads it in its own code page.
  ExpectListsOfOneInstall(session.game);

  // The 8-bit names, read by the ...A file functions as the game reads them.
  for (int i = 0; i < 21; ++i) {
    const std::string base = PackBaseName(i);
    SCOPED_TRACE(base);
    EXPECT_EQ(session.game.ReadData("Missions\\Skirmish\\" + base + ".m3d"), "map " + base);
    EXPECT_EQ(session.game.ReadData("Missions\\Skirmish\\" + base + ".txt"),
              "{Zelmora}{1.60}" + GameFixture::MapTitle(i) + ".\r\nA map of the pack.\r\n");
    EXPECT_EQ(session.game.ReadData("Interf3\\maps\\skirmish\\" + base + ".jpg"),
              "preview " + base);
  }
  const std::wstring skirmish = WideNamesIn(session.game.DataPath("Missions\\Skirmish"));
  EXPECT_EQ(UmlautMapLines(skirmish), stem + L".m3d\n" + stem + L".txt\n");
  EXPECT_EQ(UmlautMapLines(WideNamesIn(session.game.DataPath("Interf3\\maps\\skirmish"))),
            stem + L".jpg\n");
  std::printf("Data\\Missions\\Skirmish after the install:\n%s", Utf8(skirmish).c_str());
}

}  // namespace
