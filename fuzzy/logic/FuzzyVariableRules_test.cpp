#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/MembershipTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::TPointList;
using testing_support::TRecordingFuzzyLogic;

std::string Text(const TPointList& points) {
  auto set = Own(TFuzzySet::Create(nullptr));
  AddPoints(set->GetValues(), points);
  return set->GetValuesToString();
}

// A variable "speed" over [0, 10] with the terms low and high, in a component without automatic
// terms.
class RuleFiring : public testing::Test {
 protected:
  RuleFiring() {
    FVariable->SetMaximum(10);
    FLow = Term("low", {{0, 0}, {2, 1}, {4, 0}});
    FHigh = Term("high", {{6, 0}, {8, 1}, {10, 0}});
  }

  TFuzzySet* Term(const std::string& name, const TPointList& points) {
    TFuzzySet* term = FVariable->GetItems()->Add(name);
    AddPoints(term->GetValues(), points);
    return term;
  }
  int Terms() const { return FVariable->GetItems()->GetCount(); }

  TOwned<TRecordingFuzzyLogic> FLogic = Own(TRecordingFuzzyLogic::Create());
  TFuzzyVariable* FVariable = TFuzzyVariable::Create(FLogic->GetItems());
  TFuzzySet* FLow = nullptr;
  TFuzzySet* FHigh = nullptr;
};

TEST_F(RuleFiring, AStrengthAtTheThresholdFiresAndJustBelowItDoesNot) {
  FVariable->SetThreshold(0.5);
  EXPECT_EQ(FVariable->AssertRule(0.5 - 1e-9, FLow, nullptr), nullptr);
  EXPECT_EQ(Terms(), 2);
  TOwned<TFuzzySet> fired(FVariable->AssertRule(0.5, FLow, nullptr));
  ASSERT_NE(fired, nullptr);
  EXPECT_EQ(fired->GetValuesToString(), Text({{0, 0}, {1, 0.5}, {3, 0.5}, {4, 0}}));
  EXPECT_EQ(fired->GetName(), "low > 0.5000");
  EXPECT_EQ(fired->GetCollection(), FVariable->GetItems());
  // The consequent itself is not touched.
  EXPECT_EQ(FLow->GetValuesToString(), Text({{0, 0}, {2, 1}, {4, 0}}));
}

TEST_F(RuleFiring, RulesAccumulateByUnionAndTheCopiesGo) {
  TOwned<TFuzzySet> first(FVariable->AssertRule(0.5, FLow, nullptr));
  TOwned<TFuzzySet> both(FVariable->AssertRule(0.25, FHigh, first.get()));
  ASSERT_NE(both, nullptr);
  EXPECT_EQ(both->GetValuesToString(),
            Text({{0, 0}, {1, 0.5}, {3, 0.5}, {4, 0}, {6, 0}, {6.5, 0.25}, {9.5, 0.25}, {10, 0}}));
  EXPECT_EQ(both->GetName(), "[low > 0.5000] or [high > 0.2500]");
  // low, high, the first conclusion and the union: the copy of high was freed.
  EXPECT_EQ(Terms(), 4);
}

TEST_F(RuleFiring, ThePremiseOverloadUsesItsCorrelationStrength) {
  TFuzzySet* input = Term("reading", {{0, 0.7}, {10, 0.7}});
  TOwned<TFuzzySet> fired(FVariable->AssertRule(FLow, FHigh, input, nullptr));
  ASSERT_NE(fired, nullptr);
  EXPECT_EQ(fired->GetName(), "high > 0.7000");
}

TEST_F(RuleFiring, ConjunctionStrengthIsTheSmallestMatch) {
  TFuzzySet* strong = Term("strong", {{0, 0.7}, {10, 0.7}});
  TFuzzySet* weak = Term("weak", {{0, 0.4}, {10, 0.4}});
  EXPECT_DOUBLE_EQ(FVariable->GetCorrelationStrength({}, {}), 1.0);
  const std::vector<TFuzzySet*> premises{FLow, FHigh};
  const std::vector<TFuzzySet*> inputs{strong, weak};
  EXPECT_DOUBLE_EQ(FVariable->GetCorrelationStrength(premises, inputs), 0.4);
  // Extra inputs are ignored; missing ones are an error, not a read past the end.
  EXPECT_DOUBLE_EQ(FVariable->GetCorrelationStrength(std::vector{FLow}, inputs), 0.7);
  EXPECT_THROW(FVariable->GetCorrelationStrength(premises, std::vector{strong}), EListError);
  TOwned<TFuzzySet> fired(FVariable->AssertRule(premises, inputs, FHigh, nullptr));
  ASSERT_NE(fired, nullptr);
  EXPECT_EQ(fired->GetName(), "high > 0.4000");
}

TEST_F(RuleFiring, AFailingInferenceLeavesNothingBehind) {
  TOwned<TFuzzySet> first(FVariable->AssertRule(0.5, FLow, nullptr));
  FLogic->ThrowOn = "UpdateFuzzySet [low > 0.5000] or [high > 0.2500]";
  EXPECT_THROW(FVariable->AssertRule(0.25, FHigh, first.get()), EFzyException);
  EXPECT_EQ(Terms(), 3);
}

TEST_F(RuleFiring, AFailingCopyLeavesNothingBehind) {
  FLogic->ThrowOn = "UpdateFuzzySet low > 0.5000";
  EXPECT_THROW(FVariable->AssertRule(0.5, FLow, nullptr), EFzyException);
  EXPECT_EQ(Terms(), 2);
}

}  // namespace
}  // namespace fuzzy
