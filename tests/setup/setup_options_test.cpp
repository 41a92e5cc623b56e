#include "setup/setup_options.h"

#include <gtest/gtest.h>

namespace {

struct OptionsCase {
  const char* arguments;
  bool silent, uninstall;
  const char* game_folder;
  const char* log_file;
  const char* unknown;  // the argument refused, if any
};

class CommandLine : public testing::TestWithParam<OptionsCase> {};

TEST_P(CommandLine, ReadsTheSwitchesInstallersTake) {
  const OptionsCase& c = GetParam();
  const setup::SetupOptions options = setup::ParseSetupOptions(c.arguments);
  EXPECT_EQ(options.refusal,
            c.unknown ? std::string("Unknown argument: ") + c.unknown +
                            "\n\nSetup.exe takes /S (no window, no question), /LOG=<file>, "
                            "/uninstall, and last /D=<game folder>. Nothing has been changed."
                      : "");
  EXPECT_EQ(options.silent, c.silent);
  EXPECT_EQ(options.uninstall, c.uninstall);
  EXPECT_EQ(options.game_folder, c.game_folder);
  EXPECT_EQ(options.log_file, c.log_file);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(OptionsCase{"", false, false, "", "", nullptr},
                    OptionsCase{" /s\t", true, false, "", "", nullptr},
                    OptionsCase{"/S /D=C:\\Program Files\\Game \t", true, false,
                                "C:\\Program Files\\Game", "", nullptr},
                    OptionsCase{"/D=C:\\a /S", false, false, "C:\\a /S", "", nullptr},
                    OptionsCase{"/S \"/D=C:\\Games\\Cossacks II\"", true, false,
                                "C:\\Games\\Cossacks II", "", nullptr},
                    OptionsCase{"/Uninstall /S /d=\"C:\\G\"", true, true, "C:\\G", "", nullptr},
                    OptionsCase{"/LOG=\"C:\\my logs\\a.log\"", false, false, "",
                                "C:\\my logs\\a.log", nullptr},
                    OptionsCase{"\"/log=C:\\a b.log\" /S", true, false, "", "C:\\a b.log", nullptr},
                    OptionsCase{"/Sx /S /x", true, false, "", "", "/Sx"},
                    OptionsCase{"/uninstal", false, false, "", "", "/uninstal"},
                    OptionsCase{"Setup.exe", false, false, "", "", "Setup.exe"},
                    OptionsCase{"/D=  ", false, false, "", "", "/D="},
                    OptionsCase{"/LOG= /S", true, false, "", "", "/LOG="}));

}  // namespace
