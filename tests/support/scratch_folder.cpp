#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include "tests/support/system_folders.h"

namespace {
int scratch_counter = 0;
}

ScratchFolder::ScratchFolder()
    : ScratchFolder(TemporaryRoot() + "zelmora-" + std::to_string(ProcessId()) + "-" +
                    std::to_string(++scratch_counter)) {}

ScratchFolder::ScratchFolder(const std::string& path) : path_(path) {
  RemoveTree(path_);
  EXPECT_TRUE(CreateOneFolder(path_)) << path_;
}

ScratchFolder::~ScratchFolder() {
  // Windows cannot remove a folder that is some process's current directory.
  if (ThisMachine().CurrentDirectory().compare(0, path_.size(), path_) == 0)
    ChangeDirectory(TemporaryRoot());
  RemoveTree(path_);
}

std::string ScratchFolder::At(const std::string& relative) const {
  return relative.empty() ? path_ : path_ + "\\" + relative;
}

void ScratchFolder::MakeFolder(const std::string& relative) const {
  std::string::size_type at = 0;
  while (at != std::string::npos) {
    at = relative.find('\\', at + 1);
    const std::string prefix = relative.substr(0, at);
    if (!ThisMachine().IsFolder(At(prefix))) {
      ASSERT_TRUE(CreateOneFolder(At(prefix))) << At(prefix);
    }
  }
}

void ScratchFolder::WriteFile(const std::string& relative, const std::string& bytes) const {
  const std::string::size_type slash = relative.rfind('\\');
  if (slash != std::string::npos) MakeFolder(relative.substr(0, slash));
  ASSERT_EQ(ThisMachine().WriteWholeFile(At(relative), bytes), platform::WriteOutcome::Ok)
      << At(relative);
}

std::string ScratchFolder::ReadFile(const std::string& relative) const {
  std::string bytes;
  EXPECT_EQ(ThisMachine().ReadWholeFile(At(relative), bytes), platform::ReadOutcome::Ok)
      << At(relative);
  return bytes;
}

bool ScratchFolder::Exists(const std::string& relative) const {
  std::string bytes;
  return ThisMachine().IsFolder(At(relative)) ||
         ThisMachine().ReadWholeFile(At(relative), bytes) == platform::ReadOutcome::Ok;
}

std::string ScratchFolder::ListNames(const std::string& relative) const {
  std::string joined;
  for (const std::string& name : NamesIn(At(relative))) joined += name + "\n";
  return joined;
}
