#include <gtest/gtest.h>

#include <algorithm>

#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/HedgeTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::HedgeErrorOf;
using testing_support::TPointList;

const TPointList Triangle{{0, 0}, {5, 1}, {10, 0}};

TFzyFloat Height(const TFuzzySet* set) {
  TFzyFloat height = 0;
  for (const TFuzzySetValue* point : *set->GetValues()) height = std::max(height, point->GetY());
  return height;
}

// A variable over [0, 10] with the one term low.
class Slightly : public testing::Test {
 protected:
  void SetUp() override {
    FVariable->SetMaximum(10);
    FLow = FVariable->GetItems()->Add("low");
  }
  TFuzzySets* Terms() const { return FVariable->GetItems(); }

  TOwned<TFuzzyVariable> FVariable = Own(TFuzzyVariable::Create(nullptr));
  TFuzzySet* FLow = nullptr;
};

TEST_F(Slightly, GivesANormalisedSetBetweenTheEndsAndThePeak) {
  AddPoints(FLow->GetValues(), Triangle);
  EXPECT_EQ(FLow->Hedge(fhSlightly), FLow);
  EXPECT_EQ(FLow->GetName(), "slightly low");
  EXPECT_EQ(FLow->GetExpression(), "[slightly low]");
  EXPECT_DOUBLE_EQ(Height(FLow), 1);
  // Plus low is 0 at the ends, not very low is 0 at the peak: slightly low is 0 at all three.
  EXPECT_DOUBLE_EQ(FLow->DegreeOfMembership(0), 0);
  EXPECT_DOUBLE_EQ(FLow->DegreeOfMembership(5), 0);
  EXPECT_DOUBLE_EQ(FLow->DegreeOfMembership(10), 0);
  EXPECT_GT(FLow->DegreeOfMembership(3), 0.5);
  EXPECT_GT(FLow->DegreeOfMembership(7), 0.5);
}

TEST_F(Slightly, LeavesNoTemporarySetBehindAndClosesTheBatch) {
  AddPoints(FLow->GetValues(), Triangle);
  FLow->Hedge(fhSlightly);
  ASSERT_EQ(Terms()->GetCount(), 1);
  EXPECT_EQ(Terms()->GetItem(0), FLow);
  EXPECT_EQ(Terms()->GetUpdateCount(), 0);
}

TEST_F(Slightly, OnAnEmptySetRaisesAndCleansUp) {
  EXPECT_EQ(HedgeErrorOf([&] { FLow->Hedge(fhSlightly); }),
            "Invalid operation: \"Get Maximum Y Value\".  Fuzzy set is empty");
  ASSERT_EQ(Terms()->GetCount(), 1);
  EXPECT_EQ(Terms()->GetItem(0), FLow);
  EXPECT_EQ(Terms()->GetUpdateCount(), 0);
  EXPECT_EQ(FLow->GetName(), "low");
  EXPECT_EQ(FLow->GetValues()->GetCount(), 0);
}

TEST(SlightlyFreeStanding, WorksWithoutACollection) {
  auto set = Own(TFuzzySet::Create(nullptr));
  AddPoints(set->GetValues(), Triangle);
  set->SetName("low");
  set->Hedge(fhSlightly);
  EXPECT_EQ(set->GetName(), "slightly low");
  EXPECT_DOUBLE_EQ(Height(set.get()), 1);
  EXPECT_DOUBLE_EQ(set->DegreeOfMembership(5), 0);
}

}  // namespace
}  // namespace fuzzy
