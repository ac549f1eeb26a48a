#include "fuzzy/membership/FuzzySetValues.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::MakeSet;
using testing_support::Text;
using testing_support::TPointList;
using testing_support::TProbeSet;

// ---- Statistics ----------------------------------------------------------------------------

struct TStatCase {
  std::vector<double> Ys;
  double Avg, Max, Min;
};

class FuzzySetValuesStatistics : public ::testing::TestWithParam<TStatCase> {};

// Y values on distinct X so that nothing is merged on the way in.
TOwned<TFuzzySetValues> ListOfYs(const std::vector<double>& ys) {
  TOwned<TFuzzySetValues> values = Own(TFuzzySetValues::Create(nullptr));
  for (std::size_t i = 0; i < ys.size(); ++i) values->Add(static_cast<double>(i), ys[i]);
  return values;
}

TEST_P(FuzzySetValuesStatistics, MaximumStartsAtZeroAndMinimumAtOne) {
  TOwned<TFuzzySetValues> values = ListOfYs(GetParam().Ys);
  TFzyFloat avg = -1, max = -1, min = -1;
  values->GetStatValues(avg, max, min);
  EXPECT_NEAR(avg, GetParam().Avg, 1e-12);
  EXPECT_DOUBLE_EQ(max, GetParam().Max);
  EXPECT_DOUBLE_EQ(min, GetParam().Min);
  EXPECT_NEAR(values->GetAvgValue(), GetParam().Avg, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzySetValuesStatistics,
                         ::testing::Values(TStatCase{{0.2, 0.4}, 0.3, 0.4, 0.2},
                                           TStatCase{{1.5, 2.0}, 1.75, 2.0, 1.0},
                                           TStatCase{{0.0}, 0.0, 0.0, 0.0},
                                           TStatCase{{0.5, 0.0, 1.0}, 0.5, 1.0, 0.0}));

TEST(FuzzySetValues, MaxAndMinScansStopAtFullAndNoMembership) {
  TOwned<TFuzzySetValues> values = ListOfYs({0.5, 1.0, 2.0, 0.0, 0.3});
  values->GetItem(4)->SetValue(4, -1.0);  // a list without set keeps a negative Y
  EXPECT_DOUBLE_EQ(values->GetMaxValue(), 1.0);
  EXPECT_DOUBLE_EQ(values->GetMinValue(), 0.0);
  TOwned<TFuzzySetValues> high = ListOfYs({0.5, 2.0, 0.2});
  EXPECT_DOUBLE_EQ(high->GetMaxValue(), 2.0);
  EXPECT_DOUBLE_EQ(high->GetMinValue(), 0.2);
}

struct TEmptyCase {
  std::string Label;
  void (*Call)(const TFuzzySetValues*);
};

class FuzzySetValuesEmptyStatistics : public ::testing::TestWithParam<TEmptyCase> {};

TEST_P(FuzzySetValuesEmptyStatistics, RaiseTheEmptySetMessageWithTheirLabel) {
  TOwned<TFuzzySetValues> values = Own(TFuzzySetValues::Create(nullptr));
  try {
    GetParam().Call(values.get());
    FAIL() << "no exception";
  } catch (const EFzyException& e) {
    EXPECT_EQ(e.GetMessage(),
              "Invalid operation: \"" + GetParam().Label + "\".  Fuzzy set is empty");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FuzzySetValuesEmptyStatistics,
    ::testing::Values(
        TEmptyCase{"Get Average Y Value", [](const TFuzzySetValues* v) { v->GetAvgValue(); }},
        TEmptyCase{"Get Statistics Values",
                   [](const TFuzzySetValues* v) {
                     TFzyFloat a, b, c;
                     v->GetStatValues(a, b, c);
                   }},
        TEmptyCase{"Get Maximum Y Value", [](const TFuzzySetValues* v) { v->GetMaxValue(); }},
        TEmptyCase{"Get Minimum Y Value", [](const TFuzzySetValues* v) { v->GetMinValue(); }}));

// ---- Searching -----------------------------------------------------------------------------

struct TSkipCase {
  int Start;
  double Value;
  int Direction;
  int Expected;
};

class FuzzySetValuesSkipX : public ::testing::TestWithParam<TSkipCase> {};

// Points at X 0, 1, 1.00005, 1.0001, 2.
TEST_P(FuzzySetValuesSkipX, AnswersTheFirstPointOutsideTheTolerance) {
  TOwned<TFuzzySetValues> values = Own(TFuzzySetValues::Create(nullptr));
  AddPoints(values.get(), {{0, 0}, {1, 1}, {1.00005, 0.5}, {1.0001, 0.2}, {2, 0}});
  EXPECT_EQ(values->SkipX(GetParam().Start, GetParam().Value, GetParam().Direction),
            GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzySetValuesSkipX,
                         ::testing::Values(TSkipCase{4, 2, 1, -1},       // last point forward
                                           TSkipCase{0, 0, 1, 1},        // different neighbour
                                           TSkipCase{1, 1, 1, 4},        // past the whole run
                                           TSkipCase{1, 1, 0, 4},        // 0 counts as +1
                                           TSkipCase{3, 1.0001, -1, 0},  // back past the run
                                           TSkipCase{0, 0, -1, -1},      // off the start
                                           TSkipCase{2, 5, 1, 2}));      // start already outside

TEST(FuzzySetValues, SkipYWalksOverEqualHeights) {
  TOwned<TFuzzySetValues> values = ListOfYs({0.5, 0.50005, 0.5, 0.7});
  EXPECT_EQ(values->SkipY(0, 0.5, 1), 3);
  TOwned<TFuzzySetValues> flat = ListOfYs({0.5, 0.5});
  EXPECT_EQ(flat->SkipY(0, 0.5, 1), -1);
  EXPECT_EQ(values->GetXCount(1), 1);  // exact, unlike the walks
}

// ---- Items, Insert, Append, enumeration ----------------------------------------------------

// Points added one at a time, as the reader adds a text's point list: a step whose foot stands
// at height 0 keeps its foot, and a point past the set's range is clamped onto it.
struct TAddCase {
  const char* Name;
  TPointList Points;
  std::string Expected;
};

class FuzzySetValuesAdd : public ::testing::TestWithParam<TAddCase> {};

TEST_P(FuzzySetValuesAdd, KeepsEveryPointOfAStep) {
  auto set = MakeSet({});
  set->Ranged = true;
  set->Upper = 10;
  for (const auto& [x, y] : GetParam().Points) set->GetValues()->Add(x, y);
  EXPECT_EQ(Text(set->GetValues()), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FuzzySetValuesAdd,
    ::testing::Values(TAddCase{"StepUpFromZero",
                               {{0, 0}, {5, 0}, {5, 1}, {10, 1}},
                               "(0.0000 0.0000) (5.0000 0.0000) (5.0000 1.0000) (10.0000 1.0000)"},
                      TAddCase{"StepDownToZero",
                               {{0, 1}, {5, 1}, {5, 0}, {10, 0}},
                               "(0.0000 1.0000) (5.0000 1.0000) (5.0000 0.0000) (10.0000 0.0000)"},
                      TAddCase{"StepAtTheStart",
                               {{0, 0}, {0, 1}, {10, 1}},
                               "(0.0000 0.0000) (0.0000 1.0000) (10.0000 1.0000)"},
                      TAddCase{
                          "PastTheRange",
                          {{0, 0}, {9, 1}, {10, 0.5}, {11, 0}},
                          "(0.0000 0.0000) (9.0000 1.0000) (10.0000 0.5000) (10.0000 0.0000)"}),
    [](const ::testing::TestParamInfo<TAddCase>& info) { return info.param.Name; });

TEST(FuzzySetValues, OutOfRangeIndexesRaiseTheListIndexError) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {1, 1}});
  TFuzzySetValues* values = set->GetValues();
  EXPECT_THROW(values->GetItem(2), EListError);
  EXPECT_THROW(values->GetItem(-1), EListError);
  EXPECT_THROW(values->Insert(3), EListError);
  EXPECT_THROW(values->Delete(2), EListError);
  EXPECT_THROW(values->SetItem(5, values->GetItem(0)), EListError);
  EXPECT_EQ(values->GetCount(), 2);
}

TEST(FuzzySetValues, SetItemCopiesValuesIntoTheStoredPoint) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {1, 1}, {2, 0}});
  TOwned<TFuzzySetValues> other = Own(TFuzzySetValues::Create(nullptr));
  other->Add(1.5, 0.5);
  TFuzzySetValue* stored = set->GetValues()->GetItem(0);
  set->GetValues()->SetItem(0, other->GetItem(0));
  EXPECT_EQ(Text(set->GetValues()), "(1.0000 1.0000) (1.5000 0.5000) (2.0000 0.0000)");
  EXPECT_EQ(set->GetValues()->GetItem(1), stored);
}

struct TAppendCase {
  int Start, Count;
  std::string Expected;
};

class FuzzySetValuesAppend : public ::testing::TestWithParam<TAppendCase> {};

TEST_P(FuzzySetValuesAppend, StartIsPulledIntoTheSourceAndCountCutAtItsEnd) {
  TOwned<TFuzzySetValues> source = Own(TFuzzySetValues::Create(nullptr));
  AddPoints(source.get(), {{0, 0}, {1, 1}, {2, 0.5}});
  TOwned<TProbeSet> set = MakeSet({});
  set->GetValues()->Append(source.get(), GetParam().Start, GetParam().Count);
  EXPECT_EQ(Text(set->GetValues()), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzySetValuesAppend,
                         ::testing::Values(TAppendCase{-5, 2, "(0.0000 0.0000) (1.0000 1.0000)"},
                                           TAppendCase{7, 1, "(2.0000 0.5000)"},
                                           TAppendCase{7, 4, "(2.0000 0.5000)"},
                                           TAppendCase{1, 10, "(1.0000 1.0000) (2.0000 0.5000)"},
                                           TAppendCase{0, 0, ""}));

TEST(FuzzySetValues, AppendCopiesAreClampedAndPlaced) {
  TOwned<TFuzzySetValues> source = Own(TFuzzySetValues::Create(nullptr));
  AddPoints(source.get(), {{-4, 0.5}, {1, 1}});
  source->GetItem(0)->SetValue(-4, -0.5);
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {4, 0}});
  set->Ranged = true;
  set->Lower = -2;
  set->Upper = 4;
  set->GetValues()->Append(source.get());
  EXPECT_EQ(Text(set->GetValues()),
            "(-2.0000 0.0000) (0.0000 0.0000) (1.0000 1.0000) (4.0000 0.0000)");
}

TEST(FuzzySetValues, AppendFromAnEmptyListAddsNothing) {
  TOwned<TFuzzySetValues> empty = Own(TFuzzySetValues::Create(nullptr));
  TOwned<TProbeSet> set = MakeSet({{0, 0}});
  set->GetValues()->Append(empty.get(), -1, 3);
  set->GetValues()->Append(empty.get());
  EXPECT_EQ(set->GetValues()->GetCount(), 1);
  EXPECT_EQ(set->Reports(), 0);
}

TEST(FuzzySetValues, EnumeratorAndRangeForYieldTypedPoints) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {1, 1}, {2, 0}});
  TOwned<TFuzzySetValuesEnumerator> enumerator = Own(set->GetValues()->GetEnumerator());
  std::vector<double> xs;
  while (enumerator->MoveNext()) xs.push_back(enumerator->GetCurrent()->GetX());
  std::vector<double> ys;
  for (TFuzzySetValue* value : *set->GetValues()) ys.push_back(value->GetY());
  EXPECT_EQ(xs, (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(ys, (std::vector<double>{0, 1, 0}));
}

// ---- Points in bulk -------------------------------------------------------------------------

// Random points with steps, repeats, near repeats within the tolerance, points out of order and
// out of the range [1, 9].
std::vector<TFuzzyPoint> RandomPoints(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<TFuzzyPoint> points;
  double x = unit(random) * 2;
  const int count = static_cast<int>(random() % 7);
  for (int k = 0; k < count; ++k) {
    const int kind = static_cast<int>(random() % 6);
    if (kind == 0) x += 0.00005;
    if (kind == 1) x -= unit(random) * 3;
    if (kind >= 3) x += unit(random) * 3;
    const double y = kind == 2 && !points.empty() ? points.back().Y : unit(random) * 1.2 - 0.1;
    points.push_back({x, y});
  }
  return points;
}

std::vector<std::pair<double, double>> PointsOf(const TFuzzySetValues* values) {
  std::vector<std::pair<double, double>> points;
  for (const TFuzzySetValue* point : *values) points.emplace_back(point->GetX(), point->GetY());
  return points;
}

// Points joining in bulk (AddPoints, and a list's Assign from another) end as the same adds
// made one by one in a batch do: the same points, the same numbering, the same flags.
TEST(FuzzySetValuesInBulk, JoinAsTheAddsOneByOneDo) {
  TOwned<TFuzzyLogic> logic = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* variable = logic->GetItems()->Add();
  variable->SetMinimum(1);
  variable->SetMaximum(9);
  std::mt19937 random(2026);
  for (int round = 0; round < 3000; ++round) {
    const std::vector<TFuzzyPoint> points = RandomPoints(random);
    TFuzzySet* reference = variable->GetItems()->Add();
    {
      TCollectionUpdate batch(reference->GetValues());
      for (const TFuzzyPoint& point : points) reference->GetValues()->Add(point.X, point.Y);
      batch.End();
    }
    TFuzzySet* bulk = variable->GetItems()->Add();
    bulk->GetValues()->AddPoints(points);
    TFuzzySet* copy = variable->GetItems()->Add();
    copy->GetValues()->Add(5, 0.5);
    copy->GetValues()->Assign(reference->GetValues());
    for (const TFuzzySet* set : {bulk, copy}) {
      const TFuzzySetValues* values = set->GetValues();
      ASSERT_EQ(PointsOf(values), PointsOf(reference->GetValues())) << "round " << round;
      ASSERT_EQ(values->GetSorted(), reference->GetValues()->GetSorted());
      ASSERT_EQ(values->GetDuplicatesRemoved(), reference->GetValues()->GetDuplicatesRemoved());
    }
    // The copy's points join in the order of the settled source, the added ones in the order
    // given, which the clean-up may have changed.
    for (int i = 0; i < copy->GetValues()->GetCount(); ++i) {
      const TFuzzySetValues* values = bulk->GetValues();
      ASSERT_EQ(values->GetItem(i)->GetID() - values->GetItem(0)->GetID(),
                reference->GetValues()->GetItem(i)->GetID() -
                    reference->GetValues()->GetItem(0)->GetID());
      ASSERT_EQ(copy->GetValues()->GetItem(i)->GetID() - copy->GetValues()->GetItem(0)->GetID(), i);
    }
    for (TFuzzySet* set : {reference, bulk, copy}) set->Free();
  }
}

}  // namespace
}  // namespace fuzzy
