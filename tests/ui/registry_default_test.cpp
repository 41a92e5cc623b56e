#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/game_registry.h"
#include "tests/ui/wizard_session.h"

namespace {

using namespace wizard;

struct RegistryCase {
  const char* name;
  std::function<void()> lay_out;
  std::string path_box;   // what the path box shows
  std::string error_box;  // the error box shown before the window, if any
};

class FormCreateRegistry : public testing::TestWithParam<RegistryCase> {};

TEST_P(FormCreateRegistry, FillsThePathBoxOrReportsBeforeTheWindow) {
  WizardSession session(false);
  GetParam().lay_out();
  WizardProcess& w = session.Start();
  if (!GetParam().error_box.empty()) {
    HWND box = w.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(w.BoxCaption(box), "Setup");
    EXPECT_EQ(w.BoxText(box), GetParam().error_box);
    HWND form = FindWindowA("TForm1", nullptr);
    EXPECT_TRUE(form == nullptr || !IsWindowVisible(form))
        << "the box comes before the window is shown";
    w.AnswerBox(box, IDOK);
  }
  EXPECT_EQ(w.FrontPanel(), TabControl2);
  EXPECT_EQ(w.Text(Edit1), GetParam().path_box);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FormCreateRegistry,
    testing::Values(RegistryCase{"FirstNonEmptyStringWins",
                                 [] {
                                   SetTargetFolder("A", REG_NONE, "", true);
                                   SetTargetFolder("B", REG_SZ, std::string("", 1));
                                   SetTargetFolder("C", REG_SZ, std::string("C:\\Games\\C", 11));
                                   SetTargetFolder("D", REG_SZ, std::string("C:\\Games\\D", 11));
                                 },
                                 "C:\\Games\\C", ""},
                    RegistryCase{"NumberValueStopsTheSearch",
                                 [] {
                                   SetTargetFolder("A", REG_DWORD, std::string("\x01\0\0\0", 4));
                                   SetTargetFolder("B", REG_SZ, "C:\\Games\\B");
                                 },
                                 "", "Invalid data type for 'target folder'"},
                    RegistryCase{"NumberValueWithoutDataIsPassedOver",
                                 [] {
                                   SetTargetFolder("A", REG_DWORD, "");
                                   SetTargetFolder("B", REG_SZ, "C:\\Games\\B");
                                 },
                                 "C:\\Games\\B", ""},
                    RegistryCase{
                        "TextEndsAtANulInside",
                        [] { SetTargetFolder("A", REG_SZ, std::string("C:\\Game\0rest", 12)); },
                        "C:\\Game", ""},
                    RegistryCase{"ExpandableStringStaysUnexpanded",
                                 [] { SetTargetFolder("A", REG_EXPAND_SZ, "%WINDIR%\\Game"); },
                                 "%WINDIR%\\Game", ""},
                    RegistryCase{"UnterminatedStringIsReadSafely",
                                 [] { SetUnterminatedTargetFolder("A", "C:\\Unterminated"); },
                                 "C:\\Unterminated", ""},
                    RegistryCase{"NoGameKey", [] {}, "", "List index out of bounds (0)"},
                    RegistryCase{"EntryOnlyInTheNative64BitViewIsNotTheGames",
                                 [] { SetTargetFolderInTheOtherView("A", "C:\\Games\\A"); }, "",
                                 "List index out of bounds (0)"},
                    RegistryCase{"KeyWithoutSubKeys", [] { CreateGameKey(); }, "",
                                 "List index out of bounds (0)"},
                    RegistryCase{"TwoSubKeysWithoutFolder",
                                 [] {
                                   SetTargetFolder("A", REG_NONE, "", true);
                                   SetTargetFolder("B", REG_SZ, "");
                                 },
                                 "", "List index out of bounds (2)"}),
    [](const testing::TestParamInfo<RegistryCase>& info) { return info.param.name; });

TEST(Browse, CancelPutsTheRegistryDefaultBack) {
  WizardSession session;
  WizardProcess& w = session.Start();
  w.ReachPage(2);
  w.SetText(Edit1, "C:\\typed by the user");
  w.Click(Button12);
  HWND dialog = w.WaitForBox();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(w.BoxCaption(dialog), "Browse for Folder");
  EXPECT_TRUE(IsWindowEnabled(w.Form())) << "the folder dialog leaves the wizard enabled";
  w.AnswerBox(dialog, IDCANCEL);
  w.WaitIdle();
  EXPECT_EQ(w.Text(Edit1), session.game.GameFolder());
}

TEST(Browse, ChosenFolderFillsThePathBoxExactly) {
  WizardSession session;
  WizardProcess& w = session.Start();
  w.ReachPage(2);
  w.Click(Button12);
  HWND dialog = w.WaitForBox();
  ASSERT_NE(dialog, nullptr);
  w.ChooseFolder(dialog, session.game.scratch.At("Maps"));
  w.WaitIdle();
  EXPECT_EQ(w.Text(Edit1), session.game.scratch.At("Maps"));
}

TEST(Browse, RegistryFailureShowsItsMessageAndNoDialog) {
  WizardSession session(false);
  WizardProcess& w = session.Start();
  HWND box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  w.AnswerBox(box, IDOK);
  w.ReachPage(2);
  w.SetText(Edit1, "C:\\typed");
  w.Click(Button12);
  box = w.WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(w.BoxCaption(box), "Setup");
  EXPECT_EQ(w.BoxText(box), "List index out of bounds (0)");
  w.AnswerBox(box, IDOK);
  w.WaitIdle();
  EXPECT_EQ(w.Text(Edit1), "C:\\typed");
  EXPECT_EQ(w.FrontPanel(), TabControl5);
}

}  // namespace
