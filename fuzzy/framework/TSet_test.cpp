#include "fuzzy/framework/TSet.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace fuzzy {
namespace {

enum TTestMember : std::uint8_t { tmA, tmB, tmC, tmFar = 200 };
using TTestSet = TSet<TTestMember>;

TEST(TSet, HoldsExactlyTheMembersGiven) {
  constexpr TTestSet set{tmA, tmC, tmFar};
  static_assert(set.Contains(tmA) && set.Contains(tmFar) && !set.Contains(tmB));
  EXPECT_FALSE(set.IsEmpty());
  EXPECT_TRUE(TTestSet{}.IsEmpty());
  EXPECT_EQ(set, (TTestSet{tmFar, tmC, tmA, tmA}));
  EXPECT_NE(set, (TTestSet{tmA, tmC}));
}

TEST(TSet, IncludeAndExcludeChangeOneMember) {
  TTestSet set{tmA};
  set.Include(tmFar).Include(tmB).Exclude(tmA);
  EXPECT_EQ(set, (TTestSet{tmB, tmFar}));
  set.Exclude(tmC);
  EXPECT_EQ(set, (TTestSet{tmB, tmFar}));
}

TEST(TSet, CombinesLikeSets) {
  const TTestSet ab{tmA, tmB}, bFar{tmB, tmFar};
  EXPECT_EQ(ab + bFar, (TTestSet{tmA, tmB, tmFar}));
  EXPECT_EQ(ab * bFar, TTestSet{tmB});
  EXPECT_EQ(ab - bFar, TTestSet{tmA});
}

}  // namespace
}  // namespace fuzzy
