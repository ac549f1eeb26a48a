#include "fuzzy/framework/TextConsts.h"

#include <gtest/gtest.h>

namespace fuzzy {
namespace {

constexpr struct {
  char c;
  bool numberChar;
  bool numberSymbol;
} NumberCharCases[] = {{'0', true, false},  {'9', true, false},  {'+', true, true},
                       {'-', true, true},   {'.', true, true},   {'e', false, false},
                       {',', false, false}, {' ', false, false}, {'/', false, false}};

TEST(TextConsts, NumberCharacterTests) {
  for (const auto& c : NumberCharCases) {
    EXPECT_EQ(IsNumberChar(c.c), c.numberChar) << c.c;
    EXPECT_EQ(IsNumberSymbol(c.c), c.numberSymbol) << c.c;
  }
}

}  // namespace
}  // namespace fuzzy
