// The /LOG= file: one line a step after what earlier runs wrote, never through
// a link at its name, and a write that fails told once, with its exit code.

#include "setup/log_file.h"

#include <gtest/gtest.h>

#include "tests/support/failure_text.h"
#include "tests/support/fake_system.h"

namespace {

const char kLog[] = "C:\\Logs\\setup.log";

class Told : public setup::Person {
 public:
  bool Agrees(const std::string&) override { return false; }
  void Tell(const std::string& text) override { said += text; }
  void TellFailure(const std::string& message) override { said += "! " + message; }
  std::string said;
};

TEST(LogFile, AddsOneLineAStepAfterEarlierRuns) {
  FakeSystem machine("C:\\Setup\\Setup.exe", "C:\\Logs");
  machine.PutFile(kLog, "earlier run\r\n");
  setup::LogFile log(machine, kLog);
  log.Write("Cannot copy\r\nfile A\nto B");
  log.Write("Done");
  EXPECT_EQ(machine.Content(kLog), "earlier run\r\nCannot copy file A to B\r\nDone\r\n");
  EXPECT_EQ(log.Reported(0, nullptr), 0);
}

TEST(LogFile, NeverOpensALinkOrAFolderAtItsName) {
  FakeSystem machine("C:\\Setup\\Setup.exe", "C:\\Logs");
  machine.AddLink(kLog);
  const char* refused =
      "The log file C:\\Logs\\setup.log is a link, a folder or one of several names of one file: "
      "Setup writes its log only into a plain file of its own. Nothing has been changed.";
  EXPECT_EQ(FailureText([&] { setup::LogFile log(machine, kLog); }), refused);
  EXPECT_EQ(FailureText([&] { setup::LogFile log(machine, "C:\\Gone\\setup.log"); }),
            "Cannot create file C:\\Gone\\setup.log");
}

TEST(LogFile, AFullDriveStopsTheLogAndAWellEndedRunSaysSo) {
  FakeSystem machine("C:\\Setup\\Setup.exe", "C:\\Logs");
  machine.room = 10;
  setup::LogFile log(machine, kLog);
  log.Write("first");
  log.Write("second, too long for the drive");
  machine.room = 1000;
  log.Write("third");
  EXPECT_EQ(machine.Content(kLog), "first\r\n");
  Told player;
  EXPECT_EQ(log.Reported(0, &player), 1);
  EXPECT_EQ(player.said,
            "! Cannot write file C:\\Logs\\setup.log: the log stops before the line \"second, too "
            "long for the drive\"");
  EXPECT_EQ(log.Reported(4, nullptr), 4);
}

}  // namespace
