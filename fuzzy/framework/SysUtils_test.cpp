#include "fuzzy/framework/SysUtils.h"

#include <gtest/gtest.h>

#include <clocale>

#include "fuzzy/framework/Exceptions.h"

namespace fuzzy {
namespace {

struct FormatCase {
  const char* Format;
  std::string Expected;
  std::string Actual;
};

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, WritesTheHostLayout) {
  EXPECT_EQ(GetParam().Actual, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatTable,
    ::testing::Values(FormatCase{"%s", "high", Format("%s", "high")},
                      FormatCase{"%d", "-42", Format("%d", -42)},
                      FormatCase{"%.4f", "2.5000", Format("%.4f", 2.5)},
                      FormatCase{"%.4f rounds", "0.3333", Format("%.4f", 1.0 / 3)},
                      FormatCase{"%.4f negative", "-1.2346", Format("%.4f", -1.23456)},
                      FormatCase{"%9.9d", "000000017", Format("%9.9d", 17)},
                      FormatCase{"width", "   ab|cd   |", Format("%5s|%-5s|", "ab", "cd")},
                      FormatCase{"percent", "100%", Format("%d%%", 100)},
                      FormatCase{"index", "b a", Format("%1:s %0:s", "a", "b")},
                      FormatCase{"%.4f of an integer", "3.0000", Format("%.4f", 3)}));

TEST(Format, IgnoresTheProcessLocale) {
  const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(Format("%.4f", 0.5), "0.5000");
  if (german != nullptr) std::setlocale(LC_NUMERIC, "C");
}

TEST(Format, MissingOrMismatchedArgumentsRaiseInsteadOfReadingPastThem) {
  EXPECT_THROW(Format("%s %s", "one"), EConvertError);
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%s", 1), EConvertError);
  EXPECT_THROW(Format("dangling %"), EConvertError);
}

struct ValCase {
  const char* Text;
  int Position;
};

class ValIntTable : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValIntTable, ReportsTheFailingPosition) {
  std::int32_t value = 99;
  EXPECT_EQ(ValInt(GetParam().Text, value), GetParam().Position) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ValIntTable,
                         ::testing::Values(ValCase{"42", 0}, ValCase{"-2147483648", 0},
                                           ValCase{"2147483647", 0}, ValCase{"2147483648", 10},
                                           ValCase{"12a", 3}, ValCase{"", 1}, ValCase{"-", 2},
                                           ValCase{"1.5", 2}));

class ValFloatTable : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValFloatTable, ReportsTheFailingPosition) {
  double value = 0;
  EXPECT_EQ(ValFloat(GetParam().Text, value), GetParam().Position) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ValFloatTable,
                         ::testing::Values(ValCase{"2.5", 0}, ValCase{"-.5", 0}, ValCase{"+5", 0},
                                           ValCase{"1e3", 0}, ValCase{"1.5E-2", 0},
                                           ValCase{"1.x", 3}, ValCase{"1e", 3}, ValCase{".", 2},
                                           ValCase{"1e999", 5}, ValCase{"1e-999", 0},
                                           ValCase{"", 1}));

TEST(ValFloat, ReadsWithAPointWhateverTheLocale) {
  double value = 0;
  ASSERT_EQ(ValFloat("-12.25e1", value), 0);
  EXPECT_DOUBLE_EQ(value, -122.5);
}

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(Trim("  very high \t\n"), "very high");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(FloatToStr, GivesTheShortestTextThatReadsBack) {
  EXPECT_EQ(FloatToStr(2.5), "2.5");
  EXPECT_EQ(FloatToStr(7), "7");
  EXPECT_EQ(FloatToStr(0.1), "0.1");
}

TEST(Ceil, RoundsTowardsPositiveInfinity) {
  EXPECT_EQ(Ceil(2.1L), 3);
  EXPECT_EQ(Ceil(-2.1L), -2);
  EXPECT_EQ(Ceil(4.0L), 4);
}

}  // namespace
}  // namespace fuzzy
