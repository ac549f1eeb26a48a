#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::TPointList;
using testing_support::TRecordingFuzzyLogic;

struct TEvent {
  TFzyFloat X1, Y1, X2, Y2;
};
using TEvents = std::vector<TEvent>;

std::ostream& operator<<(std::ostream& out, const TEvent& e) {
  return out << "(" << e.X1 << " " << e.Y1 << " " << e.X2 << " " << e.Y2 << ")";
}

TOwned<TFuzzySet> SetOf(const TPointList& points, const std::string& name = "") {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->SetName(name);
  AddPoints(set->GetValues(), points);
  return set;
}

std::string Text(const TPointList& points) {
  return SetOf(points)->GetValuesToString();
}

TEvents EventsOf(const TPointList& a, const TPointList& b) {
  TEvents events;
  SetOf(a)->Iterate(SetOf(b).get(), [&](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    events.push_back({x1, y1, x2, y2});
    return false;
  });
  return events;
}

// ---- Events of the walk --------------------------------------------------------------------

struct TWalkCase {
  const char* name;
  TPointList a;
  TPointList b;
  TEvents expected;
};

class WalkEventsTest : public testing::TestWithParam<TWalkCase> {};

TEST_P(WalkEventsTest, VisitsPointsAndCrossingsInOrder) {
  const TEvents events = EventsOf(GetParam().a, GetParam().b);
  const TEvents& expected = GetParam().expected;
  ASSERT_EQ(events.size(), expected.size());
  for (std::size_t k = 0; k < events.size(); ++k) {
    const TEvent& e = events[k];
    const TEvent& x = expected[k];
    EXPECT_TRUE(std::abs(e.X1 - x.X1) + std::abs(e.Y1 - x.Y1) + std::abs(e.X2 - x.X2) +
                    std::abs(e.Y2 - x.Y2) <
                1e-12)
        << "event " << k << ": " << e << " expected " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WalkEventsTest,
    testing::Values(
        TWalkCase{"Triangles",
                  {{0, 0}, {4, 1}, {8, 0}},
                  {{4, 0}, {8, 1}, {12, 0}},
                  {{0, 0, 0, 0}, {4, 1, 4, 0}, {6, 0.5, 6, 0.5}, {8, 0, 8, 1}, {12, 0, 12, 0}}},
        // Before the first points both functions are flat: nothing crosses there.
        TWalkCase{"NoCrossingBeforeTheFirstPoints",
                  {{2, 0.3}, {4, 1}},
                  {{2, 0.30005}, {4, 1.5}},
                  {{2, 0.3, 2, 0.30005}, {4, 1, 4, 1.5}}},
        TWalkCase{"NearEqualXFormOneEventWithBothValues",
                  {{1, 0.2}, {3, 1}},
                  {{1.00005, 0.6}, {3, 1.5}},
                  {{1, 0.2, 1.00005, 0.6}, {3, 1, 3, 1.5}}},
        // Two steps at one X pair off in order; the surplus point meets the Y the other set
        // goes on from, not its highest one.
        TWalkCase{"StepsPairOff",
                  {{5, 1}, {5, 0}},
                  {{5, 0}, {5, 1}, {5, 0.5}},
                  {{5, 1, 5, 0}, {5, 0, 5, 1}, {5, 0, 5, 0.5}}},
        // A flat set crosses the other wherever it passes its level, beyond its own range.
        TWalkCase{"FlatSetCrossesOutsideItsRange",
                  {{0, 0.5}, {1, 0.5}},
                  {{2, 0}, {4, 1}, {6, 0}},
                  {{0, 0.5, 0, 0},
                   {1, 0.5, 1, 0},
                   {2, 0.5, 2, 0},
                   {3, 0.5, 3, 0.5},
                   {4, 0.5, 4, 1},
                   {5, 0.5, 5, 0.5},
                   {6, 0.5, 6, 0}}},
        // The rising segment meets A's continuation at 0.5 (X = 4).
        TWalkCase{"ContinuationIsCrossed",
                  {{0, 0}, {2, 0.5}},
                  {{3, 0}, {5, 1}},
                  {{0, 0, 0, 0}, {2, 0.5, 2, 0}, {3, 0.5, 3, 0}, {4, 0.5, 4, 0.5}, {5, 0.5, 5, 1}}},
        // The last point of B lies on the line through A's rising edge, not on A: no event.
        TWalkCase{"APointOnTheOthersLineIsNoCrossing",
                  {{0.25, 0}, {0.75, 1}},
                  {{0, 0}, {0.125, 0}},
                  {{0, 0, 0, 0}, {0.125, 0, 0.125, 0}, {0.25, 0, 0.25, 0}, {0.75, 1, 0.75, 0}}},
        TWalkCase{"OtherEmptyPairsEachPointWithItself",
                  {{1, 0.2}, {2, 0.4}},
                  {},
                  {{1, 0.2, 1, 0.2}, {2, 0.4, 2, 0.4}}},
        TWalkCase{"ReceiverEmptyPairsTheOthersPoints", {}, {{3, 0.7}}, {{3, 0.7, 3, 0.7}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FuzzySetIterate, BothEmptyAnswerTrueWithoutAnyVisit) {
  int visits = 0;
  const bool stopped =
      SetOf({})->Iterate(SetOf({}).get(), [&](auto...) { return ++visits, false; });
  EXPECT_TRUE(stopped);
  EXPECT_EQ(visits, 0);
}

TEST(FuzzySetIterate, AnswersWhetherTheComparisonStoppedTheWalk) {
  const auto a = SetOf({{0, 0}, {4, 1}, {8, 0}});
  const auto b = SetOf({{4, 0}, {8, 1}, {12, 0}});
  const auto empty = SetOf({});
  int visits = 0;
  const auto count = [&](auto...) { return ++visits, false; };
  EXPECT_FALSE(a->Iterate(b.get(), count));
  EXPECT_FALSE(empty->Iterate(b.get(), count));
  visits = 0;
  EXPECT_TRUE(a->Iterate(b.get(), [&](TFzyFloat, TFzyFloat y1, TFzyFloat, TFzyFloat y2) {
    ++visits;
    return y1 == 0.5 && y2 == 0.5;
  }));
  EXPECT_EQ(visits, 3);
}

// Every event reads both functions: the walk's own membership lookups must agree with
// DegreeOfMembership, on random functions with slopes, plateaus and steps.
TEST(FuzzySetIterate, EventsLieOnBothFunctions) {
  std::mt19937 random(11);
  std::uniform_real_distribution<TFzyFloat> level(0.0, 1.0);
  std::uniform_real_distribution<TFzyFloat> gap(0.01, 3.0);
  const auto randomPoints = [&](TFzyFloat x) {
    TPointList points;
    for (int k = 0; k < 40; ++k) {
      x += (k % 9 == 8) ? 0 : gap(random);  // now and then a vertical step
      points.push_back({x, k % 7 == 3 ? points.back().second : level(random)});
    }
    return points;
  };
  for (int round = 0; round < 20; ++round) {
    const auto a = SetOf(randomPoints(0));
    const auto b = SetOf(randomPoints(round));
    a->Iterate(b.get(), [&](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
      // At a step only the step's points themselves may differ from the membership.
      if (a->GetValues()->GetXCount(x1) < 2) {
        EXPECT_NEAR(y1, a->DegreeOfMembership(x1), 1e-9);
      }
      if (b->GetValues()->GetXCount(x2) < 2) {
        EXPECT_NEAR(y2, b->DegreeOfMembership(x2), 1e-9);
      }
      return false;
    });
  }
}

// ---- Operator ------------------------------------------------------------------------------

struct TOperatorCase {
  const char* name;
  TPointList a;
  TPointList b;
  TFuzzyOperator op;
  TPointList expected;
};

class OperatorTest : public testing::TestWithParam<TOperatorCase> {};

TEST_P(OperatorTest, BuildsTheTidiedResult) {
  const auto a = SetOf(GetParam().a, "low");
  const auto b = SetOf(GetParam().b, "high");
  auto result = Own(a->Operator(b.get(), "and", GetParam().op));
  EXPECT_EQ(result->GetValuesToString(), Text(GetParam().expected));
  EXPECT_EQ(result->GetName(), "low and high");
  EXPECT_EQ(result->GetExpression(), "low and high");
}

const TPointList kRising{{0, 0}, {4, 1}, {8, 0}};
const TPointList kFalling{{4, 0}, {8, 1}, {12, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, OperatorTest,
    testing::Values(
        TOperatorCase{"MinCrossesAndTrimsFlatEnds",
                      kRising,
                      kFalling,
                      TFuzzySet::FuzzyOperatorMin,
                      {{4, 0}, {6, 0.5}, {8, 0}}},
        TOperatorCase{"MaxKeepsBothPeaks",
                      kRising,
                      kFalling,
                      TFuzzySet::FuzzyOperatorMax,
                      {{0, 0}, {4, 1}, {6, 0.5}, {8, 1}, {12, 0}}},
        TOperatorCase{"ContinuationIsCrossed",
                      {{0, 0}, {2, 0.5}},
                      {{3, 0}, {5, 1}},
                      TFuzzySet::FuzzyOperatorMin,
                      {{3, 0}, {4, 0.5}}},
        // With the other set empty the points pair with themselves and nothing is tidied.
        TOperatorCase{"OtherEmptyCopiesUntidied",
                      {{0, 0}, {1, 0}, {2, 1}, {3, 1}},
                      {},
                      TFuzzySet::FuzzyOperatorMin,
                      {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        TOperatorCase{"OtherEmptyProductSquares",
                      {{0, 0.5}, {1, 1}},
                      {},
                      TFuzzySet::FuzzyOperatorIntersectionProduct,
                      {{0, 0.25}, {1, 1}}},
        TOperatorCase{"OtherEmptySumDoubles",
                      {{0, 0.5}, {1, 0.25}},
                      {},
                      TFuzzySet::FuzzyOperatorUnionSum,
                      {{0, 1}, {1, 0.5}}},
        // An empty receiver counts as equal to the other set, as an empty other set does.
        TOperatorCase{
            "ReceiverEmptyCopiesUntidied", {}, kFalling, TFuzzySet::FuzzyOperatorMax, kFalling},
        TOperatorCase{"BothEmpty", {}, {}, TFuzzySet::FuzzyOperatorMin, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FuzzySetOperator, ResultIsOfTheReceiversClassInItsCollection) {
  class TTaggedSet : public TFuzzySet {
   public:
    static TTaggedSet* Create(TCollection* c) { return Constructed(new TTaggedSet(c)); }
    TFuzzySetClass GetClassType() const override { return TFuzzySetClass::Of<TTaggedSet>(); }

   protected:
    using TFuzzySet::TFuzzySet;
  };
  auto variable = Own(TFuzzyVariable::Create(nullptr));
  auto* a = TTaggedSet::Create(variable->GetItems());
  a->SetName("very low");
  AddPoints(a->GetValues(), kRising);
  const auto b = SetOf(kFalling, "high");
  b->SetExpression("[a or b]");
  TFuzzySet* result = a->Operator(b.get(), "or", TFuzzySet::FuzzyOperatorMax);
  EXPECT_NE(dynamic_cast<TTaggedSet*>(result), nullptr);
  EXPECT_EQ(result->GetCollection(), variable->GetItems());
  EXPECT_EQ(result->GetName(), "[very low] or high");
  EXPECT_EQ(result->GetExpression(), "[very low] or [a or b]");
}

TEST(FuzzySetOperator, AStoppingCallbackSkipsTheTidyButNamesTheResult) {
  const auto a = SetOf(kRising, "low");
  const auto b = SetOf(kFalling, "high");
  int calls = 0;
  auto result = Own(a->Operator(
      b.get(), "x", [&](TFuzzySetValues* values, TFzyFloat, TFzyFloat, TFzyFloat, TFzyFloat y2) {
        values->Add(++calls, y2);
        return calls == 4;
      }));
  EXPECT_EQ(calls, 4);  // of five events
  // Tidied, the leading run at 0 would keep only its last point (2, 0).
  EXPECT_EQ(result->GetValuesToString(), Text({{1, 0}, {2, 0}, {3, 0.5}, {4, 1}}));
  EXPECT_EQ(result->GetExpression(), "low x high");
}

// The tidy step decides in one pass what deleting point by point decides.
TPointList TidiedOneByOne(TPointList points) {
  std::size_t k = 1;
  int run = 1;
  while (k < points.size()) {
    if (FloatEquals(points[k - 1].second, points[k].second)) {
      if (++run >= 2) {
        points.erase(points.begin() + static_cast<long>(k - 1));
      } else {
        ++k;
      }
    } else {
      ++k;
      run = 0;
    }
  }
  const std::size_t n = points.size();
  if (n > 1 && FloatEquals(points[n - 2].second, points[n - 1].second)) points.pop_back();
  return points;
}

TEST(FuzzySetOperator, TidyMatchesPointByPointDeletion) {
  // Neighbouring levels lie within the tolerance, levels two apart do not.
  const TFzyFloat levels[] = {0.5, 0.50008, 0.50016, 0.7};
  std::mt19937 random(5);
  std::uniform_int_distribution<int> pick(0, 3);
  const auto a = SetOf({{0, 0}, {1, 1}});
  const auto b = SetOf({{0, 1}, {1, 0}});
  for (int round = 0; round < 200; ++round) {
    TPointList script;
    for (int k = 0; k < 12; ++k) script.push_back({k, levels[pick(random)]});
    auto result = Own(a->Operator(b.get(), "and", [&](TFuzzySetValues* values, auto...) {
      if (values->GetCount() == 0) {
        for (const auto& [x, y] : script) values->Add(x, y);
      }
      return false;
    }));
    ASSERT_EQ(result->GetValuesToString(), Text(TidiedOneByOne(script))) << round;
  }
}

// ---- Failures in Operator leave nothing behind ---------------------------------------------

class OperatorFailure : public testing::Test {
 protected:
  OperatorFailure() {
    FLow = FVariable->GetItems()->Add("low");
    AddPoints(FLow->GetValues(), kRising);
    FHigh = FVariable->GetItems()->Add("high");
    AddPoints(FHigh->GetValues(), kFalling);
  }
  int Terms() const { return FVariable->GetItems()->GetCount(); }

  TOwned<TRecordingFuzzyLogic> FLogic = Own(TRecordingFuzzyLogic::Create());
  TFuzzyVariable* FVariable = TFuzzyVariable::Create(FLogic->GetItems());
  TFuzzySet* FLow = nullptr;
  TFuzzySet* FHigh = nullptr;
};

TEST_F(OperatorFailure, AHandlerRaisingOnTheAddedResult) {
  FLogic->ThrowOn = "NotifyFuzzySet added ";
  EXPECT_THROW(FLow->Intersection(FHigh), EFzyException);
  EXPECT_EQ(Terms(), 2);
}

TEST_F(OperatorFailure, AHandlerRaisingOnTheNamedResult) {
  FLogic->ThrowOn = "UpdateFuzzySet low and high";
  EXPECT_THROW(FLow->Intersection(FHigh), EFzyException);
  EXPECT_EQ(Terms(), 2);
}

TEST_F(OperatorFailure, ACallbackRaisingInTheWalk) {
  EXPECT_THROW(FLow->Operator(FHigh, "and",
                              [](TFuzzySetValues* values, TFzyFloat x, TFzyFloat y, auto...) {
                                values->Add(x, y);
                                if (values->GetCount() == 3) throw EFzyException("stop");
                                return false;
                              }),
               EFzyException);
  EXPECT_EQ(Terms(), 2);
}

// ---- Geometry ------------------------------------------------------------------------------

struct TSegmentsCase {
  const char* name;
  TFzyFloat c[8];
  bool crosses;
  TFzyFloat x, y;
};

class LineSegmentIntersectsTest : public testing::TestWithParam<TSegmentsCase> {};

TEST_P(LineSegmentIntersectsTest, FindsTheCrossing) {
  const auto& p = GetParam();
  TFzyFloat x = -99;
  TFzyFloat y = -99;
  const bool crosses = TFuzzySet::LineSegmentIntersects(p.c[0], p.c[1], p.c[2], p.c[3], p.c[4],
                                                        p.c[5], p.c[6], p.c[7], x, y);
  EXPECT_EQ(crosses, p.crosses);
  // Exact: the outputs are untouched without a crossing, exact at vertical and horizontal ones.
  EXPECT_EQ(x, crosses ? p.x : -99);
  EXPECT_EQ(y, crosses ? p.y : -99);

  TOwned<TFuzzySetValue> points[4];
  for (int k = 0; k < 4; ++k) {
    points[k] = Own(TFuzzySetValue::Create(nullptr));
    points[k]->SetValue(p.c[2 * k], p.c[2 * k + 1]);
  }
  auto crossing = Own(TFuzzySet::LineSegmentIntersects(points[0].get(), points[1].get(),
                                                       points[2].get(), points[3].get()));
  ASSERT_EQ(crossing != nullptr, p.crosses);
  if (!crossing) return;
  EXPECT_EQ(crossing->GetX(), p.x);
  EXPECT_EQ(crossing->GetY(), p.y);
  EXPECT_EQ(crossing->GetCollection(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSegmentIntersectsTest,
    testing::Values(
        TSegmentsCase{"Crossing", {0, 0, 2, 2, 0, 2, 2, 0}, true, 1, 1},
        TSegmentsCase{
            "VerticalAgainstHorizontalIsExact", {0.3, 0, 0.3, 1, 0, 0.7, 1, 0.7}, true, 0.3, 0.7},
        TSegmentsCase{"CollinearApartAnswersTheFirstEnd", {0, 0, 1, 1, 2, 2, 3, 3}, true, 1, 1},
        TSegmentsCase{
            "CollinearTakesTheOtherEndWhenNotSmaller", {2, 2, 3, 3, 0, 0, 1, 1}, true, 1, 1},
        TSegmentsCase{"ParallelApart", {0, 0, 1, 1, 0, 1, 1, 2}, false, 0, 0},
        TSegmentsCase{"PointOnTheOtherSegment", {1, 1, 1, 1, 0, 0, 2, 2}, true, 1, 1},
        TSegmentsCase{"PointOffTheOtherSegment", {1, 0, 1, 0, 0, 0, 2, 2}, false, 0, 0},
        TSegmentsCase{"TwoEqualPoints", {4, 0.5, 4, 0.5, 4, 0.5, 4, 0.5}, true, 4, 0.5},
        TSegmentsCase{"BeyondTheFirstSegment", {0, 0, 1, 1, 2, 0, 2, 5}, false, 0, 0},
        TSegmentsCase{"BeyondTheSecondSegment", {0, 0, 2, 2, 1, 3, 1, 5}, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FuzzySetGetSlope, AVerticalStepHasItsDirection) {
  const auto slope = [](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    auto p1 = Own(TFuzzySetValue::Create(nullptr));
    auto p2 = Own(TFuzzySetValue::Create(nullptr));
    p1->SetValue(x1, y1);
    p2->SetValue(x2, y2);
    return TFuzzySet::GetSlope(p1.get(), p2.get());
  };
  EXPECT_EQ(slope(3, 0.2, 3, 0.9), 1);
  EXPECT_EQ(slope(3, 0.9, 3.00005, 0.2), -1);
  EXPECT_EQ(slope(3, 0.5, 3, 0.5), 0);
  EXPECT_DOUBLE_EQ(slope(1, 0, 3, 1), 0.5);
}

struct TIntersectsCase {
  const char* name;
  TPointList a;
  TPointList b;
  bool expected;
};

class IntersectsTest : public testing::TestWithParam<TIntersectsCase> {};

TEST_P(IntersectsTest, JudgesFromEndsAndRanges) {
  EXPECT_EQ(SetOf(GetParam().a)->Intersects(SetOf(GetParam().b).get()), GetParam().expected);
}

const TPointList kFlatZero{{0, 0}, {4, 0}};
const TPointList kPeak{{2, 0}, {3, 1}, {4, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, IntersectsTest,
    testing::Values(TIntersectsCase{"TouchAboveZero", {{0, 0}, {5, 1}}, {{5, 1}, {9, 0}}, true},
                    TIntersectsCase{"TouchAtZero", {{0, 0}, {1, 1}, {2, 0}}, kPeak, false},
                    TIntersectsCase{"TouchAtAStepTop", {{0, 0}, {2, 0}, {2, 1}}, kPeak, true},
                    TIntersectsCase{"ReceiverFlatAtZero", kFlatZero, kPeak, false},
                    TIntersectsCase{"OtherFlatAtZeroGoesOn", kPeak, kFlatZero, true},
                    TIntersectsCase{"BothFlatAtZero", kFlatZero, {{2, 0}, {6, 0}}, true},
                    TIntersectsCase{
                        "ApartAtZero", {{0, 0}, {1, 1}, {2, 0}}, {{3, 0}, {4, 1}}, false},
                    TIntersectsCase{"OverlappingRanges", {{0, 0}, {3, 1}}, kPeak, true},
                    TIntersectsCase{"Empty", {}, kPeak, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Unit routines -------------------------------------------------------------------------

TEST(FuzzySetUnitRoutines, FloatEqualsAndSign) {
  EXPECT_TRUE(FloatEquals(1.0, 1.0001));
  EXPECT_TRUE(FloatEquals(1.0001, 1.0));
  EXPECT_FALSE(FloatEquals(1.0, 1.00011));
  EXPECT_FALSE(FloatEquals(std::numeric_limits<TFzyFloat>::quiet_NaN(), 1.0));
  EXPECT_EQ(Sign(0.3), 1);
  EXPECT_EQ(Sign(0.0), 0);
  EXPECT_EQ(Sign(-2.0), -1);
}

TEST(FuzzySetUnitRoutines, SteppingThroughAList) {
  const auto list = SetOf({{0, 0.2}, {1, 0.6}});
  const auto target = SetOf({});
  auto current = Own(TFuzzySetValue::Create(nullptr));
  auto previous = Own(TFuzzySetValue::Create(nullptr));
  auto marker = Own(TFuzzySetValue::Create(nullptr));
  current->SetValue(0, 0.2);
  int index = 0;
  // a >= b with the flag: current is copied into the target.
  AddAndIncrement(target.get(), current.get(), previous.get(), marker.get(), index, 0.5, 0.5,
                  list->GetValues(), 9, true);
  EXPECT_EQ(target->GetValuesToString(), Text({{0, 0.2}}));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(current->GetX(), 1);
  // a equal to b: the marker took the previous point.
  EXPECT_EQ(marker->GetY(), 0.2);
  // Past the end the current point only moves to the given X.
  auto other = Own(TFuzzySetValue::Create(nullptr));
  int otherIndex = 5;
  Add1AndIncrement2(target.get(), current.get(), other.get(), previous.get(), marker.get(), index,
                    otherIndex, 0.1, 0.2, list->GetValues(), list->GetValues(), 9, true);
  EXPECT_EQ(target->GetValues()->GetCount(), 1);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(current->GetX(), 9);
  EXPECT_EQ(current->GetY(), 0.6);
  EXPECT_EQ(otherIndex, 6);
  EXPECT_EQ(other->GetX(), 9);
}

}  // namespace
}  // namespace fuzzy
