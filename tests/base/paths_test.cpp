#include "base/paths.h"

#include <gtest/gtest.h>

namespace {

struct JoinCase {
  const char* a;
  const char* b;
  const char* joined;
};

class JoinPathRule : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathRule, ConcatenatesUnchanged) {
  EXPECT_EQ(JoinPath(GetParam().a, GetParam().b), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(Paths, JoinPathRule,
                         testing::Values(JoinCase{"C:\\Game", "\\Data\\Missions\\SingleMiss.txt",
                                                  "C:\\Game\\Data\\Missions\\SingleMiss.txt"},
                                         JoinCase{"", "\\Run\\Data", "\\Run\\Data"},
                                         JoinCase{"C:\\Game\\", "\\Data", "C:\\Game\\\\Data"},
                                         JoinCase{"rel", "", "rel"}));

struct SplitCase {
  const char* path;
  const char* folder;
  const char* name;
};

class FolderAndName : public testing::TestWithParam<SplitCase> {};

TEST_P(FolderAndName, SplitAtTheLastSeparator) {
  EXPECT_EQ(FolderOf(GetParam().path), GetParam().folder);
  EXPECT_EQ(FileNameOf(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderAndName,
    testing::Values(SplitCase{"C:\\Game\\missions.txt", "C:\\Game\\", "missions.txt"},
                    SplitCase{"missions.txt", "", "missions.txt"},
                    SplitCase{"/tmp/a/b", "/tmp/a/", "b"}, SplitCase{"C:\\", "C:\\", ""}));

}  // namespace
