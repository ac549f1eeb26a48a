#include <gtest/gtest.h>

#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::MakeSet;
using testing_support::Text;
using testing_support::TPointList;
using testing_support::TProbeSet;

// A set over the range [0, 10] holding `points`.
TOwned<TProbeSet> OverTen(const TPointList& points) {
  TOwned<TProbeSet> set = MakeSet(points);
  set->Ranged = true;
  set->Upper = 10;
  return set;
}

TFzyFloat YAt(const TFuzzySet* set, int index) {
  return set->GetValues()->GetItem(index)->GetY();
}

// The grid points nearest X 5 lie 5/49 away from it; they carry the peak before normalising.
constexpr TFzyFloat NearestToCentre = 5.0 / 49;

TEST(FuzzyApproximation, SamplesTheScaledEnvelopeOnFiftyPointsOverTheRange) {
  auto set = OverTen({{0, 0}, {5, 1}, {10, 0}});
  set->FuzzyApproximation(7, 2);
  const TFuzzySetValues* values = set->GetValues();
  ASSERT_EQ(values->GetCount(), 50);
  EXPECT_DOUBLE_EQ(values->GetItem(0)->GetX(), 0);
  EXPECT_NEAR(values->GetItem(1)->GetX(), 10.0 / 49, 1e-12);
  EXPECT_DOUBLE_EQ(values->GetItem(49)->GetX(), 10);
  EXPECT_DOUBLE_EQ(values->GetMaxValue(), 1);
  // A symmetric set spreads symmetrically.
  for (int j = 0; j < 25; ++j) EXPECT_NEAR(YAt(set.get(), j), YAt(set.get(), 49 - j), 1e-9);
  // Width 10 over a range of 10: scale 1. At X 0 the point (5/3, 1/3) of the expanded triangle
  // spreads highest: (1/3) / (1 + (5/3)^2) = 3/34; the peak is 1 / (1 + (5/49)^2).
  const TFzyFloat peak = 1 / (1 + NearestToCentre * NearestToCentre);
  EXPECT_NEAR(YAt(set.get(), 0), (3.0 / 34) / peak, 1e-9);
}

TEST(FuzzyApproximation, SpreadsACrispValueByTheDefaultScale) {
  // No width: scale 0.2. At X 0, five away from the value: 1 / (1 + 1^p) = 0.5 for every p.
  auto set = OverTen({});
  set->CreateCrispValue(5);
  set->FuzzyApproximation(7, 4);
  const TFzyFloat nearest = 0.2 * NearestToCentre;
  const TFzyFloat peak = 1 / (1 + nearest * nearest * nearest * nearest);
  ASSERT_EQ(set->GetValues()->GetCount(), 50);
  EXPECT_NEAR(YAt(set.get(), 0), 0.5 / peak, 1e-9);
  EXPECT_NEAR(YAt(set.get(), 49), 0.5 / peak, 1e-9);
}

TEST(FuzzyApproximation, LeavesAnEmptySetAsItIs) {
  auto set = OverTen({});
  set->SetName("low");
  set->SetExpression("e");
  set->ResetReports();
  set->FuzzyApproximation(7, 2);
  set->Hedge(fhAbout);
  EXPECT_EQ(set->GetValues()->GetCount(), 0);
  EXPECT_EQ(set->GetName(), "low");
  EXPECT_EQ(set->GetExpression(), "e");
  EXPECT_EQ(set->Reports(), 0);
}

TEST(FuzzyApproximation, ClosesItsBatchWhenTheRangeRaises) {
  auto set = MakeSet({{0, 0}, {5, 1}, {10, 0}});
  set->RangeFails = true;
  EXPECT_THROW(set->FuzzyApproximation(7, 2), EFzyException);
  EXPECT_EQ(set->GetValues()->GetUpdateCount(), 0);
}

TEST(FuzzyApproximation, LeavesAnAllZeroSetAtZero) {
  auto set = OverTen({{0, 0}, {10, 0}});
  set->FuzzyApproximation(7, 2);
  EXPECT_EQ(set->GetValues()->GetCount(), 50);
  EXPECT_DOUBLE_EQ(set->GetValues()->GetMaxValue(), 0);
}

}  // namespace
}  // namespace fuzzy
