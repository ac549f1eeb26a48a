#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "fuzzy/logic/FuzzyLogicComponent.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using TPoints = std::vector<std::pair<TFzyFloat, TFzyFloat>>;

TPoints PointsOf(const TFuzzySet* set) {
  TPoints points;
  for (TFuzzySetValue* point : *set->GetValues()) points.emplace_back(point->GetX(), point->GetY());
  return points;
}

void ExpectPoints(const TFuzzySet* set, const TPoints& expected) {
  const TPoints actual = PointsOf(set);
  ASSERT_EQ(actual.size(), expected.size()) << set->GetValuesToString();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i].first, expected[i].first, 5e-5) << "point " << i;
    EXPECT_NEAR(actual[i].second, expected[i].second, 5e-5) << "point " << i;
  }
}

TOwned<TFuzzySet> NewSet() {
  return Own(TFuzzySet::Create(nullptr));
}

TEST(FuzzySetCurves, GrowthAndDeclineOfFivePoints) {
  auto growth = NewSet();
  growth->CreateCurveValues(5, 0, 4, 2, true);
  ExpectPoints(growth.get(), {{0, 0}, {1, 0.125}, {2, 0.5}, {3, 0.875}, {4, 1}});
  EXPECT_EQ(growth->GetSetType(), fstGrowthCurve);
  EXPECT_EQ(growth->GetInflectionPoint(), 2);
  auto decline = NewSet();
  decline->CreateCurveValues(5, 0, 4, 2, false);
  ExpectPoints(decline.get(), {{0, 1}, {1, 0.875}, {2, 0.5}, {3, 0.125}, {4, 0}});
  EXPECT_EQ(decline->GetSetType(), fstDeclineCurve);
}

TEST(FuzzySetCurves, FewerThanThreePointsBecomeThree) {
  auto set = NewSet();
  set->CreateCurveValues(1, 0, 2, 1, true);
  ExpectPoints(set.get(), {{0, 0}, {1, 0.5}, {2, 1}});
}

TEST(FuzzySetCurves, ManyStepsStillEndExactlyAtTheRightEnd) {
  auto set = NewSet();
  set->CreateCurveValues(1001, 0, 0.7, 0.35, true);
  EXPECT_EQ(set->GetValues()->GetCount(), 1001);
  EXPECT_NEAR(set->GetValues()->GetItem(1000)->GetX(), 0.7, 1e-15);
}

// A reversed range is refused before the list is touched, by both range generators.
class ReversedRangeTest : public testing::TestWithParam<bool> {};

TEST_P(ReversedRangeTest, RaisesAndLeavesThePointsAlone) {
  auto set = NewSet();
  set->CreateTriangleFunctionValues(0, 1, 2);
  auto generate = [&] {
    if (GetParam()) {
      set->CreateCurveValues(5, 5, 1, 3, true);
    } else {
      set->CreatePIFunctionValues(5, 5, 1, 3);
    }
  };
  EXPECT_THAT(generate, testing::ThrowsMessage<EFzyException>(testing::StrEq(
                            "Invalid range arguments.  Left (5.0000) is greater than right "
                            "(1.0000)")));
  ExpectPoints(set.get(), {{0, 0}, {1, 1}, {2, 0}});
  EXPECT_EQ(set->GetSetType(), fstTriangle);
  EXPECT_EQ(set->GetValues()->GetUpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Generators, ReversedRangeTest, testing::Bool());

TEST(FuzzySetPI, OddCountSharesThePeak) {
  auto set = NewSet();
  set->CreatePIFunctionValues(7, 0, 6, 3);
  ExpectPoints(set.get(),
               {{0, 0}, {1, 0.2222}, {2, 0.7778}, {3, 1}, {4, 0.7778}, {5, 0.2222}, {6, 0}});
  EXPECT_EQ(set->GetSetType(), fstPICurve);
  EXPECT_DOUBLE_EQ(set->GetInflectionPoint(), 4.5);
}

TEST(FuzzySetPI, EvenCountHasNoPointAtTheCenter) {
  auto set = NewSet();
  set->CreatePIFunctionValues(8, 0, 6, 3);
  EXPECT_EQ(set->GetValues()->GetCount(), 8);
  for (auto [x, y] : PointsOf(set.get())) EXPECT_NE(x, 3) << y;
  EXPECT_EQ(set->GetSetType(), fstPICurve);
}

TEST(FuzzySetPI, CenterOutsideTheRangeIsClamped) {
  auto outside = NewSet();
  outside->CreatePIFunctionValues(5, 0, 4, 9);
  auto atEnd = NewSet();
  atEnd->CreatePIFunctionValues(5, 0, 4, 4);
  EXPECT_EQ(PointsOf(outside.get()), PointsOf(atEnd.get()));
}

TEST(FuzzySetPI, RangeFormEqualsTheLeftRightForm) {
  auto byRange = NewSet();
  byRange->CreatePIFunctionValues(7, 2, 5);
  auto byEnds = NewSet();
  byEnds->CreatePIFunctionValues(7, 3, 7, 5);
  EXPECT_EQ(PointsOf(byRange.get()), PointsOf(byEnds.get()));
  EXPECT_EQ(byRange->GetSetType(), fstPICurve);
}

TEST(FuzzySetBeta, ThreePointsFallToOneOverOnePlusWeight) {
  auto set = NewSet();
  set->CreateBetaCurveFunctionValues(3, 1, 0, 1);
  ExpectPoints(set.get(), {{-1, 0.5}, {0, 1}, {1, 0.5}});
  EXPECT_EQ(set->GetSetType(), fstBetaCurve);
  EXPECT_EQ(set->GetInflectionPoint(), 1);
  auto weighted = NewSet();
  weighted->CreateBetaCurveFunctionValues(3, 1, 0, 1, 3);
  ExpectPoints(weighted.get(), {{-1, 0.25}, {0, 1}, {1, 0.25}});
}

TEST(FuzzySetBeta, AZeroInflectionPointGivesASpikeInsteadOfNaN) {
  auto set = NewSet();
  set->CreateBetaCurveFunctionValues(3, 1, 0, 0);
  ExpectPoints(set.get(), {{-1, 0}, {0, 1}, {1, 0}});
}

TEST(FuzzySetTriangle, ReordersItsCorners) {
  auto set = NewSet();
  set->CreateTriangleFunctionValues(2, 5, 1);
  ExpectPoints(set.get(), {{2, 0}, {2, 1}, {2, 0}});
  auto low = NewSet();
  low->CreateTriangleFunctionValues(2, -1, 4);
  ExpectPoints(low.get(), {{2, 0}, {2, 1}, {4, 0}});
}

// A variable over [100, 200] (optionally inside a component) with one term.
class SetTypeTest : public testing::Test {
 protected:
  void SetUp() override {
    Variable = Own(TFuzzyVariable::Create(nullptr));
    Variable->SetMaximum(200);
    Variable->SetMinimum(100);
    Set = Variable->GetItems()->Add("warm");
  }
  TOwned<TFuzzyVariable> Variable;
  TFuzzySet* Set = nullptr;
};

TEST_F(SetTypeTest, TriangleOverTheVariablesRange) {
  Set->SetSetType(fstTriangle);
  ExpectPoints(Set, {{116.6667, 0}, {150, 1}, {183.3333, 0}});
  EXPECT_EQ(Set->GetSetType(), fstTriangle);
}

// Triangles that go in in one step must end as the three points added one by one do: corners
// inside and outside the range, apart, within the tolerance, equal.
TEST_F(SetTypeTest, TriangleEndsAsItsPointsAddedOneByOne) {
  std::mt19937 random(5);
  const TFzyFloat gaps[] = {0, 5e-5, 1e-4, 1.5e-4, 3e-4, 0.5, 20, 60};
  std::uniform_int_distribution<std::size_t> gap(0, std::size(gaps) - 1);
  std::uniform_real_distribution<TFzyFloat> start(80, 210);
  for (int round = 0; round < 2000; ++round) {
    const TFzyFloat left = start(random);
    const TFzyFloat middle = left + gaps[gap(random)];
    const TFzyFloat right = middle + gaps[gap(random)];
    TFuzzySet* triangle = Variable->GetItems()->Add("t");
    triangle->CreateTriangleFunctionValues(left, middle, right);
    TFuzzySet* reference = Variable->GetItems()->Add("r");
    TCollectionUpdate batch(reference->GetValues());
    for (const auto& [x, y] : TPoints{{left, 0}, {middle, 1}, {right, 0}}) {
      reference->GetValues()->Add(x, y);
    }
    batch.End();
    ASSERT_EQ(PointsOf(triangle), PointsOf(reference)) << left << " " << middle << " " << right;
    EXPECT_EQ(triangle->GetSetType(), fstTriangle);
    triangle->Free();
    reference->Free();
  }
}

TEST_F(SetTypeTest, EveryShapeReadsBackItsTypeAndReplacesThePoints) {
  Set->GetValues()->Add(190, 0.3);
  for (TFuzzySetType type : {fstGrowthCurve, fstDeclineCurve, fstPICurve, fstBetaCurve}) {
    Set->SetSetType(type);
    EXPECT_EQ(Set->GetSetType(), type);
    EXPECT_EQ(Set->GetValues()->GetCount(), 7) << GetEnumName(type);
  }
  ExpectPoints(Set, {{116.6667, 0.0588},
                     {127.7778, 0.1233},
                     {138.8889, 0.36},
                     {150, 1},
                     {161.1111, 0.36},
                     {172.2222, 0.1233},
                     {183.3333, 0.0588}});
  EXPECT_NEAR(Set->GetInflectionPoint(), 100.0 / 12, 1e-9);
}

TEST_F(SetTypeTest, UserDefinedKeepsThePoints) {
  Set->SetSetType(fstTriangle);
  Set->SetSetType(fstUserDefined);
  EXPECT_EQ(Set->GetValues()->GetCount(), 3);
  EXPECT_EQ(Set->GetSetType(), fstUserDefined);
}

// A shape drawn partly beyond the variable's range [100, 200]: its cut points move onto the
// bound with their heights, and nearly equal heights merge. Only a shape that lost points so
// stops being that shape, since its parameters can no longer be told from its points.
struct TCutShapeCase {
  const char* Name;
  void (*Draw)(TFuzzySet* set);
  TFuzzySetType Expected;
};

class CutShapeTest : public SetTypeTest, public testing::WithParamInterface<TCutShapeCase> {};

TEST_P(CutShapeTest, IsItsShapeOnlyWhileNoPointMerged) {
  GetParam().Draw(Set);
  EXPECT_EQ(Set->GetSetType(), GetParam().Expected) << Set->GetValuesToString();
  EXPECT_GE(Set->GetValues()->GetItem(0)->GetX(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CutShapeTest,
    testing::Values(
        // Beta tails far from the centre: the first three cut points lie within 0.0001.
        TCutShapeCase{"BetaTailsMerged",
                      [](TFuzzySet* s) { s->CreateBetaCurveFunctionValues(7, 60, 115, 0.5, 2); },
                      fstUserDefined},
        TCutShapeCase{"BetaCutApart",
                      [](TFuzzySet* s) { s->CreateBetaCurveFunctionValues(7, 60, 130, 20, 2); },
                      fstBetaCurve},
        TCutShapeCase{"GrowthTailMerged",
                      [](TFuzzySet* s) { s->CreateCurveValues(401, 0, 200, 100, true); },
                      fstUserDefined},
        TCutShapeCase{"DeclineTailMerged",
                      [](TFuzzySet* s) { s->CreateCurveValues(401, 100, 300, 200, false); },
                      fstUserDefined},
        // All points beyond the range: they stand on its bound, no step is left.
        TCutShapeCase{"DeclineWhollyBelow",
                      [](TFuzzySet* s) { s->CreateCurveValues(7, 10, 18, 14, false); },
                      fstUserDefined},
        TCutShapeCase{"GrowthCutApart",
                      [](TFuzzySet* s) { s->CreateCurveValues(7, 40, 160, 100, true); },
                      fstGrowthCurve},
        // The peak on the bound: the whole half beyond it stands on the bound.
        TCutShapeCase{"PiHalfOnTheBound",
                      [](TFuzzySet* s) { s->CreatePIFunctionValues(7, 180, 220, 200); },
                      fstUserDefined},
        TCutShapeCase{"PiTailMerged",
                      [](TFuzzySet* s) { s->CreatePIFunctionValues(401, 0, 200, 150); },
                      fstUserDefined},
        TCutShapeCase{"PiInside", [](TFuzzySet* s) { s->CreatePIFunctionValues(3, 120, 180, 150); },
                      fstPICurve}),
    [](const testing::TestParamInfo<TCutShapeCase>& info) { return info.param.Name; });

// Points moved onto a bound form one vertical step; a set left as only its points keeps of it
// the entry, the highest and the exit point, the most a point list read from text holds, so
// the membership at the bound is still the highest height moved there.
TEST_F(SetTypeTest, ACurveWhollyBelowTheRangeKeepsItsStepsMeaning) {
  Set->CreateCurveValues(7, 10, 18, 14, false);
  ExpectPoints(Set, {{100, 1}, {100, 0}});
  EXPECT_EQ(Set->GetSetType(), fstUserDefined);
  EXPECT_EQ(Set->DegreeOfMembership(100), 1);
}

TEST_F(SetTypeTest, APiCurveWhosePeakIsBeyondTheRangeKeepsThePeakOnTheBound) {
  Set->CreatePIFunctionValues(7, 180, 260, 220);
  EXPECT_EQ(Set->GetSetType(), fstUserDefined);
  const TFuzzySetValues* points = Set->GetValues();
  ASSERT_EQ(points->GetCount(), 5) << Set->GetValuesToString();
  EXPECT_EQ(points->GetItem(3)->GetX(), 200);
  EXPECT_EQ(points->GetItem(3)->GetY(), 1);
  EXPECT_EQ(Set->DegreeOfMembership(200), 1);
}

TEST(FuzzySetSetType, CurvesTakeTheComponentsNumberOfFunctionValues) {
  auto fuzzy = Own(TFuzzyLogic::Create(nullptr));
  fuzzy->SetNumFunctionValues(11);
  TFuzzySet* set = fuzzy->GetItems()->Add()->GetItems()->Add();
  set->SetSetType(fstGrowthCurve);
  EXPECT_EQ(set->GetValues()->GetCount(), 11);
  EXPECT_DOUBLE_EQ(set->GetValues()->GetItem(0)->GetX(), 1.0 / 3);
}

// A set whose range is reversed, so that its default PI shape cannot be made.
class TReversedRangeSet : public TFuzzySet {
 public:
  static TReversedRangeSet* Create(TCollection* collection) {
    return Constructed(new TReversedRangeSet(collection));
  }
  TFzyFloat GetXRange(int index) const override { return index == 0 ? 0.0 : 3.0; }

 protected:
  using TFuzzySet::TFuzzySet;
};

TEST(FuzzySetSetType, AFailingGeneratorClosesTheBatchAndLeavesAUserDefinedSet) {
  auto set = Own(TReversedRangeSet::Create(nullptr));
  EXPECT_THROW(set->SetSetType(fstPICurve), EFzyException);
  EXPECT_EQ(set->GetValues()->GetUpdateCount(), 0);
  EXPECT_EQ(set->GetSetType(), fstUserDefined);
}

}  // namespace
}  // namespace fuzzy
