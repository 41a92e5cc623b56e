#include <gtest/gtest.h>

#include "app/error_handler.h"
#include "app/title.h"

namespace {

struct TitleCase {
  const char* path;
  const char* title;
};

class ApplicationTitleRule : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleRule, KeepsTheNameUpToItsFirstDotWithTheRestLowered) {
  EXPECT_EQ(app::TitleFromProgramPath(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Paths, ApplicationTitleRule,
                         testing::Values(TitleCase{"C:\\Downloads\\SETUP.EXE", "Setup"},
                                         TitleCase{"C:\\x\\Map.Install.exe", "Map"},
                                         TitleCase{"C:\\a.b\\zELMORA.exe", "zelmora"},
                                         TitleCase{"Setup", "Setup"}, TitleCase{"C:\\x\\.exe", ""},
                                         TitleCase{"C:\\x\\\xC4\xD6X.exe", "\xC4\xF6x"}));

struct PeriodCase {
  const char* message;
  const char* shown;
};

class FinalPeriodRule : public testing::TestWithParam<PeriodCase> {};

TEST_P(FinalPeriodRule, AddsAPeriodAfterCharactersAboveIt) {
  EXPECT_EQ(app::WithFinalPeriod(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FinalPeriodRule,
    testing::Values(PeriodCase{"List index out of bounds (0)", "List index out of bounds (0)"},
                    PeriodCase{"Cannot open file C:\\a.txt", "Cannot open file C:\\a.txt."},
                    PeriodCase{"", ""}, PeriodCase{"x.", "x."}, PeriodCase{"x!", "x!"},
                    PeriodCase{"x ", "x "}, PeriodCase{"x'", "x'"}, PeriodCase{"x/", "x/."},
                    PeriodCase{"x9", "x9."}, PeriodCase{"x\xFC", "x\xFC."}));

}  // namespace
