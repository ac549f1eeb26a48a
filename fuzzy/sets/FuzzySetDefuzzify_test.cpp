#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fuzzy/logic/FuzzyLogicComponent.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/TermTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::TPointList;
using testing_support::TTermVariable;

constexpr TFzyFloat kTolerance = 1e-9;

// ---- Centre of gravity and mean of maxima, over a variable on [0, 10] ----------------------

struct TCrispCase {
  const char* name;
  TPointList points;
  TFzyFloat centerOfGravity;
  TFzyFloat meanOfMaxima;
};

class CrispValueTest : public testing::TestWithParam<TCrispCase> {};

TEST_P(CrispValueTest, CentreOfGravityAndMeanOfMaxima) {
  TTermVariable variable(0, 10);
  TFuzzySet* set = variable.Term(GetParam().points);
  EXPECT_NEAR(set->CenterOfGravity(), GetParam().centerOfGravity, kTolerance);
  EXPECT_NEAR(set->MeanOfMaxima(), GetParam().meanOfMaxima, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CrispValueTest,
    testing::Values(
        TCrispCase{"Empty", {}, 0, 0}, TCrispCase{"Triangle", {{0, 0}, {5, 1}, {10, 0}}, 5, 5},
        // Left strip of area 2 at 1, falling triangle of area 1 at 2 + 2/3.
        TCrispCase{"FallingWithLeftStrip", {{2, 1}, {4, 0}}, 14.0 / 9.0, 2},
        // All on the axis: no area at all, and every point is a maximum.
        TCrispCase{"AllZero", {{1, 0}, {4, 0}, {7, 0}}, 0, 4},
        TCrispCase{"SinglePoint", {{3, 1}}, 5, 3},
        // 0 up to the step, 1 after it: the strip over [3, 10].
        TCrispCase{"OnlyAStep", {{3, 0}, {3, 1}}, 6.5, 3},
        // A crisp value is level on both sides: nothing tells one X from another.
        TCrispCase{"CrispValue", {{3, 0}, {3, 1}, {3, 0}}, 5, 3},
        // The segment counts 0.00005 as zero, the strip's exact test does not: the only area
        // is the strip of height 0.00005 over [0, 2].
        TCrispCase{"TinyFirstYStillMakesAStrip", {{2, 0.00005}, {4, 0}}, 1, 3},
        TCrispCase{"Trapezoid", {{0, 0}, {2, 1}, {6, 1}, {8, 0}}, 4, 4},
        TCrispCase{"PlateauWithInnerPoint", {{2, 1}, {3, 1}, {6, 1}}, 5, 11.0 / 3.0},
        // Strip 1 at 1, rectangle 2 at 4, falling triangle 0.5 at 6 + 2/3.
        TCrispCase{"RectangleThenFall", {{2, 0.5}, {6, 0.5}, {8, 0}}, (1 + 8 + 10.0 / 3) / 3.5, 4},
        // Trapezoid under 0.5 + x/8 on [0, 4] (area 3, moment 20/3) and the strip to 10.
        TCrispCase{"SlopedTrapezoid", {{0, 0.5}, {4, 1}}, (20.0 / 3 + 42) / 9, 4},
        // 0.80009 joins the maximum 0.8, 0.80015 lies outside it and starts a new one. Both
        // pieces are rectangles at their first point's height, within the strips.
        TCrispCase{"MaximumDoesNotDrift",
                   {{1, 0.8}, {2, 0.80009}, {3, 0.80015}},
                   (0.8 * 0.5 + 0.8 * 1.5 + 0.80009 * 2.5 + 7 * 0.80015 * 6.5) /
                       (0.8 + 0.8 + 0.80009 + 7 * 0.80015),
                   3},
        // 0.99995 counts as the maximum 1, and as the same height for the piece's shape: a
        // rectangle of area 1 at 2.5, then a trapezoid down to 0.2 and the strip to 10.
        TCrispCase{"NearMaximumAfterTheMaximum",
                   {{1, 0.5}, {2, 1}, {3, 0.99995}, {4, 0.2}},
                   (0.25 + 0.75 * 14 / 9 + 2.5 +
                    0.599975 * (3 + 2.0 / 3 * (0.5 * 0.99995 + 0.2) / 1.19995) + 8.4) /
                       (0.5 + 0.75 + 1 + 0.599975 + 1.2),
                   2.5}),
    [](const testing::TestParamInfo<TCrispCase>& info) { return info.param.name; });

TEST(FuzzySetCenterOfGravity, FreeStandingSetsUseTheWholeThirtyTwoBitRange) {
  auto single = Own(TFuzzySet::Create(nullptr));
  AddPoints(single->GetValues(), {{3, 1}});
  EXPECT_EQ(single->CenterOfGravity(), 0);
  // A non-zero end continues to -2147483647 and outweighs the triangle.
  auto falling = Own(TFuzzySet::Create(nullptr));
  AddPoints(falling->GetValues(), {{0, 1}, {1, 0}});
  const long double strip = 2147483647.0L;
  const long double expected = (strip * (-strip / 2) + 0.5L * (1.0L / 3)) / (strip + 0.5L);
  EXPECT_NEAR(falling->CenterOfGravity(), static_cast<TFzyFloat>(expected), 1e-6);
}

// ---- Undecidable sets and the compatibility index --------------------------------------------

struct TUndecidableCase {
  const char* name;
  TPointList points;
  bool undecidable;
};

class UndecidableTest : public testing::TestWithParam<TUndecidableCase> {};

TEST_P(UndecidableTest, OnlyAllZeroOrAllOneExactly) {
  auto set = Own(TFuzzySet::Create(nullptr));
  AddPoints(set->GetValues(), GetParam().points);
  EXPECT_EQ(set->IsUndecidable(), GetParam().undecidable);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, UndecidableTest,
    testing::Values(TUndecidableCase{"Empty", {}, true},
                    TUndecidableCase{"AllOne", {{0, 1}, {5, 1}}, true},
                    TUndecidableCase{"AllZero", {{0, 0}, {3, 0}, {5, 0}}, true},
                    TUndecidableCase{"AlmostOne", {{0, 1}, {5, 0.99}}, false},
                    TUndecidableCase{"ZeroWithinToleranceIsNotZero", {{0, 0}, {5, 0.00001}}, false},
                    TUndecidableCase{"SingleHalf", {{0, 0.5}}, false}),
    [](const testing::TestParamInfo<TUndecidableCase>& info) { return info.param.name; });

TEST(FuzzySetCompatibilityIndex, IsThePlainMeanOfTheYValuesAndZeroWithoutPoints) {
  auto set = Own(TFuzzySet::Create(nullptr));
  EXPECT_EQ(set->GetCompatibilityIndex(), 0);
  // Not weighted by X: the wide last piece counts as much as the narrow first one.
  AddPoints(set->GetValues(), {{0, 0}, {1, 1}, {10, 0}});
  EXPECT_NEAR(set->GetCompatibilityIndex(), 1.0 / 3.0, kTolerance);
}

// ---- Choice of method ---------------------------------------------------------------------

TEST(FuzzySetDefuzzify, FollowsTheComponentsMethodAndElseTakesTheCentreOfGravity) {
  auto fuzzy = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* variable = fuzzy->GetItems()->Add();
  variable->SetMaximum(10);
  TFuzzySet* set = variable->GetItems()->Add("low");
  AddPoints(set->GetValues(), {{2, 1}, {4, 0}});
  EXPECT_NEAR(set->Defuzzify(), 14.0 / 9.0, kTolerance);
  fuzzy->SetDefuzzificationMethod(dmMeanOfMaxima);
  EXPECT_EQ(set->Defuzzify(), 2);
  fuzzy->SetDefuzzificationMethod(dmCenterOfGravity);
  EXPECT_NEAR(set->Defuzzify(), 14.0 / 9.0, kTolerance);

  TTermVariable alone(0, 10);
  EXPECT_NEAR(alone.Term({{2, 1}, {4, 0}})->Defuzzify(), 14.0 / 9.0, kTolerance);
}

// ---- Comparisons --------------------------------------------------------------------------

// Two triangles that cross at (6, 0.5).
class FuzzySetComparison : public testing::Test {
 protected:
  TTermVariable FVariable{0, 12};
  TFuzzySet* FLeft = FVariable.Term({{0, 0}, {4, 1}, {8, 0}}, "left");
  TFuzzySet* FRight = FVariable.Term({{4, 0}, {8, 1}, {12, 0}}, "right");
};

TEST_F(FuzzySetComparison, EqualsWhenBothReachTheVariablesThresholdSomewhere) {
  FVariable.Get()->SetThreshold(0.49);
  EXPECT_TRUE(FLeft->Equals(FRight));
  EXPECT_TRUE(FRight->Equals(FLeft));
  FVariable.Get()->SetThreshold(0.51);
  EXPECT_FALSE(FLeft->Equals(FRight));
  EXPECT_TRUE(FLeft->Equals(FLeft));
}

TEST_F(FuzzySetComparison, EmptySetsAreEqualAndOneEmptySetLooksAtTheOther) {
  FVariable.Get()->SetThreshold(0.9);
  TFuzzySet* empty = FVariable.Term({}, "none");
  TFuzzySet* otherEmpty = FVariable.Term({}, "nothing");
  EXPECT_TRUE(empty->Equals(otherEmpty));
  EXPECT_TRUE(empty->Equals(FLeft));
  TFuzzySet* low = FVariable.Term({{0, 0.5}, {4, 0}}, "low");
  EXPECT_FALSE(low->Equals(empty));
}

TEST_F(FuzzySetComparison, FuzzyEqualsIsTheHeightOfTheIntersection) {
  EXPECT_NEAR(FLeft->FuzzyEquals(FRight), 0.5, kTolerance);
  EXPECT_NEAR(FLeft->FuzzyEquals(FLeft), 1, kTolerance);
}

TEST(FuzzySetEquals, WithoutAVariableRaisesEvenForEmptySets) {
  auto set = Own(TFuzzySet::Create(nullptr));
  auto other = Own(TFuzzySet::Create(nullptr));
  EXPECT_THAT(
      [&] { set->Equals(other.get()); },
      testing::ThrowsMessage<EFzyException>(testing::StrEq("Missing fuzzy linguistic variable")));
}

}  // namespace
}  // namespace fuzzy
