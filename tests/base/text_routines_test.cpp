#include "base/text_routines.h"

#include <gtest/gtest.h>

#include "tests/support/failure_text.h"

namespace {

struct ParseCase {
  const char* text;
  bool valid;
  std::int32_t value;
};

class ParseIntForms : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntForms, AcceptsOnlyTheIntegerForms) {
  const ParseCase& c = GetParam();
  if (c.valid) {
    EXPECT_EQ(ParseInt(c.text), c.value) << "'" << c.text << "'";
    return;
  }
  EXPECT_EQ(FailureText([&] { ParseInt(c.text); }),
            "'" + std::string(c.text) + "' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntForms,
    testing::Values(
        ParseCase{"12", true, 12}, ParseCase{"   12", true, 12}, ParseCase{"0012", true, 12},
        ParseCase{"+7", true, 7}, ParseCase{"-0", true, 0},
        ParseCase{"2147483647", true, 2147483647}, ParseCase{"-2147483648", true, INT32_MIN},
        ParseCase{"000000000002147483647", true, 2147483647}, ParseCase{"2147483648", false, 0},
        ParseCase{"-2147483649", false, 0}, ParseCase{"99999999999999999999", false, 0},
        ParseCase{"$1f", true, 31}, ParseCase{"$0C", true, 12}, ParseCase{"x10", true, 16},
        ParseCase{"X10", true, 16}, ParseCase{"0x7FFFFFFF", true, 2147483647},
        ParseCase{"0XffffFFFF", true, -1}, ParseCase{"$80000000", true, INT32_MIN},
        ParseCase{"$000000001", true, 1}, ParseCase{"$100000000", false, 0},
        ParseCase{"  $A", true, 10}, ParseCase{"12 ", false, 0}, ParseCase{"12a", false, 0},
        ParseCase{"", false, 0}, ParseCase{"   ", false, 0}, ParseCase{"-", false, 0},
        ParseCase{"+", false, 0}, ParseCase{"- 1", false, 0}, ParseCase{"$", false, 0},
        ParseCase{"0x", false, 0}, ParseCase{"-$1", false, 0}, ParseCase{"+0x1", false, 0},
        ParseCase{"\t1", false, 0}, ParseCase{"1.0", false, 0}, ParseCase{"$g", false, 0},
        ParseCase{"#StonebridgeVale", false, 0}));

TEST(FormatInt, WritesPlainDecimal) {
  EXPECT_EQ(FormatInt(-5), "-5");
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(23), "23");
  EXPECT_EQ(FormatInt(INT32_MIN), "-2147483648");
  EXPECT_EQ(FormatInt(INT32_MAX), "2147483647");
}

struct FindCase {
  const char* needle;
  const char* text;
  int position;
};

class FindTextCases : public testing::TestWithParam<FindCase> {};

TEST_P(FindTextCases, GivesTheOneBasedFirstPosition) {
  EXPECT_EQ(FindText(GetParam().needle, GetParam().text), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Texts, FindTextCases,
                         testing::Values(FindCase{"ABC", "XABCD", 2}, FindCase{"A", "A", 1},
                                         FindCase{"b", "abab", 2}, FindCase{"", "abc", 0},
                                         FindCase{"a", "", 0}, FindCase{"abcd", "abc", 0},
                                         FindCase{"abc", "ABC", 0}, FindCase{"\xFC", "u\xFC", 2},
                                         FindCase{"aab", "aaab", 2}));

TEST(FillIn, ReplacesOnlyThePlaceholder) {
  EXPECT_EQ(FillIn("Cannot open file %s", "C:\\100%d"), "Cannot open file C:\\100%d");
  EXPECT_EQ(FillIn("List index out of bounds (%d)", "3"), "List index out of bounds (3)");
  EXPECT_EQ(FillIn("50% of %s", "x"), "50% of x");
  EXPECT_EQ(FillIn("in %s, read %s", {"C:\\100%s", "a.txt"}), "in C:\\100%s, read a.txt");
}

}  // namespace
