#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fuzzy/interfaces/IFuzzyVariable.h"
#include "fuzzy/interfaces/IntfVarTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddTriangle;
using testing_support::LiveObjects;
using testing_support::NewCountedVariable;

// A rule over "temp" (0..10): premise and conclusion are the triangle (0, 5, 10).
class IntfRules : public ::testing::Test {
 protected:
  void TearDown() override {
    Variable = nullptr;
    Triangle = nullptr;
    EXPECT_EQ(LiveObjects(), FLiveAtStart);
  }

  // A crisp input at x, outside the term table.
  IPtr<IFuzzySet> Crisp(TFzyFloat x) const {
    IPtr<IFuzzySet> input(TIFuzzySet::Create(Variable, "input"));
    input->CreateCrispValue(x);
    return input;
  }

  const int FLiveAtStart = LiveObjects();
  IPtr<IFuzzyVariable> Variable = NewCountedVariable("temp");
  IPtr<IFuzzySet> Triangle = AddTriangle(Variable, "warm", 0, 5, 10);
};

TEST_F(IntfRules, StrengthIsTheWeakestPremiseAndOneWithoutPremises) {
  EXPECT_EQ(Variable->GetCorrelationStrength({}, {}), 1.0);
  const IPtr<IFuzzySet> other = AddTriangle(Variable, "hot", 0, 5, 10);
  EXPECT_NEAR(Variable->GetCorrelationStrength({Triangle, other}, {Crisp(3.5), Crisp(2)}), 0.4,
              1e-9);
  EXPECT_THROW(Variable->GetCorrelationStrength({Triangle, other}, {Crisp(3.5)}), EListError);
}

TEST_F(IntfRules, FiresFromTheThresholdOn) {
  Variable->SetThreshold(0.5);
  EXPECT_TRUE(Variable->AssertRule(0.5, Triangle, nullptr));
  EXPECT_FALSE(Variable->AssertRule(0.5 - 1e-9, Triangle, nullptr));
}

TEST_F(IntfRules, ClipsACopyOfTheConclusionByMinimum) {
  const IPtr<IFuzzySet> result = Variable->AssertRule(0.5, Triangle, nullptr);
  ASSERT_TRUE(result);
  EXPECT_NE(result, Triangle);
  EXPECT_EQ(result->GetVariable(), Variable);
  EXPECT_EQ(Variable->GetCount(), 1);
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(5), 0.5);
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(2.5), 0.5);
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(1), 0.2);
  EXPECT_DOUBLE_EQ(Triangle->DegreeOfMembership(5), 1.0);
}

TEST_F(IntfRules, CombinesWithTheAccumulatorByMaximum) {
  const IPtr<IFuzzySet> accumulator = AddTriangle(Variable, "acc", 6, 8, 10);
  const IPtr<IFuzzySet> result = Variable->AssertRule(0.5, Triangle, accumulator);
  ASSERT_TRUE(result);
  EXPECT_NE(result, accumulator);
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(2.5), 0.5);
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(8), 1.0);
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(9), 0.5);
  EXPECT_DOUBLE_EQ(accumulator->DegreeOfMembership(5), 0.0);
  EXPECT_EQ(Variable->GetCount(), 2);
}

struct OverloadCase {
  const char* Case;
  std::function<IPtr<IFuzzySet>(IFuzzyVariable&, const IPtr<IFuzzySet>& premise,
                                const IPtr<IFuzzySet>& input)>
      Fire;
};

class IntfRuleOverloads : public IntfRules, public ::testing::WithParamInterface<OverloadCase> {};

// The crisp input at 2.5 meets the premise at 0.5, whichever way the strength is given.
TEST_P(IntfRuleOverloads, ReachTheSameFiring) {
  const IPtr<IFuzzySet> result = GetParam().Fire(*Variable, Triangle, Crisp(2.5));
  ASSERT_TRUE(result);
  EXPECT_NEAR(result->DegreeOfMembership(5), 0.5, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntfRuleOverloads,
                         ::testing::Values(OverloadCase{"Strength",
                                                        [](auto& v, auto& premise, auto&) {
                                                          return v.AssertRule(0.5, premise, {});
                                                        }},
                                           OverloadCase{"OnePremise",
                                                        [](auto& v, auto& premise, auto& input) {
                                                          return v.AssertRule(premise, premise,
                                                                              input, {});
                                                        }},
                                           OverloadCase{"PremiseArrays",
                                                        [](auto& v, auto& premise, auto& input) {
                                                          return v.AssertRule(
                                                              TIFuzzySetArray{premise},
                                                              TIFuzzySetArray{input}, premise, {});
                                                        }}),
                         [](const auto& info) { return std::string(info.param.Case); });

TEST_F(IntfRules, AMissingOperandIsRefused) {
  EXPECT_THROW(Variable->AssertRule(0.5, nullptr, nullptr), EFzyException);
  EXPECT_THROW(Variable->GetCorrelationStrength({nullptr}, {Triangle}), EFzyException);
}

}  // namespace
}  // namespace fuzzy
