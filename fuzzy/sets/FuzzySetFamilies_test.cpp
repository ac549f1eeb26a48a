#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::FzyMessageOf;
using testing_support::TPointList;
using testing_support::TRecordingFuzzyLogic;

TOwned<TFuzzySet> SetOf(const TPointList& points, const std::string& name = "") {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->SetName(name);
  AddPoints(set->GetValues(), points);
  return set;
}

std::string Text(const TPointList& points) {
  return SetOf(points)->GetValuesToString();
}

// ---- The rules of the families -------------------------------------------------------------

struct TRuleCase {
  const char* name;
  TFuzzyOperator rule;
  TFzyFloat y1, y2;
  TFzyFloat expected;
};

class OperatorRuleTest : public testing::TestWithParam<TRuleCase> {};

TEST_P(OperatorRuleTest, AppendsOnePointAtX1AndNeverStops) {
  const auto result = SetOf({});
  EXPECT_FALSE(GetParam().rule(result->GetValues(), 2, GetParam().y1, 2.00005, GetParam().y2));
  ASSERT_EQ(result->GetValues()->GetCount(), 1);
  EXPECT_EQ(result->GetValues()->GetItem(0)->GetX(), 2);
  EXPECT_NEAR(result->GetValues()->GetItem(0)->GetY(), GetParam().expected, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Families, OperatorRuleTest,
    testing::Values(
        TRuleCase{"Min", TFuzzySet::FuzzyOperatorMin, 0.3, 0.8, 0.3},
        TRuleCase{"Max", TFuzzySet::FuzzyOperatorMax, 0.3, 0.8, 0.8},
        TRuleCase{"Mean", TFuzzySet::FuzzyOperatorMean, 0.2, 0.6, 0.4},
        TRuleCase{"MeanSqr", TFuzzySet::FuzzyOperatorMeanSqr, 0.2, 0.6, 0.16},
        TRuleCase{"MeanSqrt", TFuzzySet::FuzzyOperatorMeanSqrt, 0.2, 0.6, std::sqrt(0.4)},
        TRuleCase{"UnionMeanOfZeroAndOne", TFuzzySet::FuzzyOperatorUnionMean, 0, 1, 2.0 / 3},
        TRuleCase{"UnionMeanWeighsTheLarger", TFuzzySet::FuzzyOperatorUnionMean, 0.9, 0.3,
                  (2 * 0.3 + 4 * 0.9) / 6},
        TRuleCase{"IntersectionProduct", TFuzzySet::FuzzyOperatorIntersectionProduct, 0.5, 0.6,
                  0.3},
        TRuleCase{"UnionProduct", TFuzzySet::FuzzyOperatorUnionProduct, 0.5, 0.5, 0.75},
        TRuleCase{"IntersectionBoundedSum", TFuzzySet::FuzzyOperatorIntersectionBoundedSum, 0.7,
                  0.6, 0.3},
        TRuleCase{"IntersectionBoundedSumFloor", TFuzzySet::FuzzyOperatorIntersectionBoundedSum,
                  0.3, 0.4, 0},
        TRuleCase{"UnionBoundedSum", TFuzzySet::FuzzyOperatorUnionBoundedSum, 0.2, 0.3, 0.5},
        TRuleCase{"UnionBoundedSumCap", TFuzzySet::FuzzyOperatorUnionBoundedSum, 0.7, 0.6, 1},
        TRuleCase{"UnionSumIsUnbounded", TFuzzySet::FuzzyOperatorUnionSum, 0.7, 0.6, 1.3}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Intersection and union ----------------------------------------------------------------

struct TOperationCase {
  TFuzzyOperation operation;
  const char* intersectionName;
  const char* unionName;
};

class OperationNameTest : public testing::TestWithParam<TOperationCase> {};

TEST_P(OperationNameTest, NamesTheResultByTheKeyword) {
  const auto low = SetOf({{0, 0}, {4, 1}, {8, 0}}, "low");
  const auto high = SetOf({{4, 0}, {8, 1}, {12, 0}}, "high");
  const TOperationCase& c = GetParam();
  if (c.intersectionName != nullptr) {
    auto result = Own(low->Intersection(high.get(), c.operation));
    EXPECT_EQ(result->GetName(), std::string("low ") + c.intersectionName + " high");
  }
  auto result = Own(low->Union(high.get(), c.operation));
  EXPECT_EQ(result->GetName(), std::string("low ") + c.unionName + " high");
  EXPECT_EQ(result->GetExpression(), result->GetName());
}

INSTANTIATE_TEST_SUITE_P(All, OperationNameTest,
                         testing::Values(TOperationCase{foZadeh, "and", "or"},
                                         TOperationCase{foMean, "and-mean", "or-mean"},
                                         TOperationCase{foMeanSqr, "and-meansqr", "or-meansqr"},
                                         TOperationCase{foMeanSqrt, "and-meansqrt", "or-meansqrt"},
                                         TOperationCase{foProduct, "and-product", "or-product"},
                                         TOperationCase{foBoundedSum, "and-boundedsum",
                                                        "or-boundedsum"},
                                         TOperationCase{foSum, nullptr, "or-sum"}));

TEST(FuzzySetIntersection, WithoutAnOperationIsTheZadehMinimumAndMaximum) {
  const auto low = SetOf({{0, 0}, {4, 1}, {8, 0}}, "low");
  const auto high = SetOf({{4, 0}, {8, 1}, {12, 0}}, "high");
  auto both = Own(low->Intersection(high.get()));
  auto either = Own(low->Union(high.get()));
  EXPECT_EQ(both->GetValuesToString(), Text({{4, 0}, {6, 0.5}, {8, 0}}));
  EXPECT_EQ(either->GetValuesToString(), Text({{0, 0}, {4, 1}, {6, 0.5}, {8, 1}, {12, 0}}));
  EXPECT_EQ(either->GetName(), "low or high");
}

TEST(FuzzySetIntersection, TheSumHasNoIntersectionAndNothingIsCreated) {
  auto variable = Own(TFuzzyVariable::Create(nullptr));
  TFuzzySet* low = variable->GetItems()->Add("low");
  const auto high = SetOf({{0, 1}}, "high");
  EXPECT_EQ(FzyMessageOf([&] { low->Intersection(high.get(), foSum); }),
            "Invalid fuzzy operation: \"foSum:");
  EXPECT_EQ(FzyMessageOf([&] { low->Union(high.get(), static_cast<TFuzzyOperation>(9)); }),
            "Invalid fuzzy operation: \"9:");
  EXPECT_EQ(variable->GetItems()->GetCount(), 1);
}

TEST(FuzzySetUnion, TheSumAddsOverlappingValuesBeyondOne) {
  const auto a = SetOf({{0, 0}, {1, 0.7}, {2, 0}});
  const auto b = SetOf({{0, 0}, {1, 0.6}, {2, 0}});
  auto sum = Own(a->Union(b.get(), foSum));
  EXPECT_NEAR(sum->DegreeOfMembership(1), 1.3, 1e-12);
}

TEST(FuzzySetIntersection, TheMeanOfASetWithItselfIsTheSet) {
  const auto a = SetOf({{0, 0}, {1, 0.7}, {3, 0.2}, {4, 1}});
  auto mean = Own(a->Intersection(a.get(), foMean));
  EXPECT_EQ(mean->GetValuesToString(), a->GetValuesToString());
}

TEST(FuzzySetIntersection, AnEmptyOtherSetActsAsTheReceiverItself) {
  const auto a = SetOf({{0, 0.25}, {1, 0.75}});
  const auto empty = SetOf({});
  EXPECT_EQ(Own(a->Intersection(empty.get(), foProduct))->GetValuesToString(),
            Text({{0, 0.0625}, {1, 0.5625}}));
  EXPECT_EQ(Own(a->Union(empty.get(), foSum))->GetValuesToString(), Text({{0, 0.5}, {1, 1.5}}));
  // max(0, 2Y - 1) bends where Y passes 0.5.
  EXPECT_EQ(Own(a->Intersection(empty.get(), foBoundedSum))->GetValuesToString(),
            Text({{0, 0}, {0.5, 0}, {1, 0.5}}));
}

TEST(FuzzySetUnion, TheBoundedSumsBendWhereTheSumReachesOne) {
  const auto a = SetOf({{0, 0}, {4, 1}});
  EXPECT_EQ(Own(a->Union(a.get(), foBoundedSum))->GetValuesToString(), Text({{0, 0}, {2, 1}}));
  EXPECT_EQ(Own(a->Intersection(a.get(), foBoundedSum))->GetValuesToString(),
            Text({{2, 0}, {4, 1}}));
}

// ---- Inference -----------------------------------------------------------------------------

// Records which operation inference asked for instead of building a set.
class TRecordingSet : public TFuzzySet {
 public:
  static TRecordingSet* Create(TCollection* collection) {
    return Constructed(new TRecordingSet(collection));
  }
  TFuzzySet* Intersection(const TFuzzySet*, TFuzzyOperation operation) const override {
    Calls.push_back({true, operation});
    return nullptr;
  }
  TFuzzySet* Union(const TFuzzySet*, TFuzzyOperation operation) const override {
    Calls.push_back({false, operation});
    return nullptr;
  }
  mutable std::vector<std::pair<bool, TFuzzyOperation>> Calls;

 protected:
  using TFuzzySet::TFuzzySet;
};

struct TInferCase {
  TFuzzyInferenceMethod method;
  TFuzzyOperation operation;
};

class InferTest : public testing::TestWithParam<TInferCase> {};

TEST_P(InferTest, MapsTheMethodToAnOperation) {
  auto set = Own(TRecordingSet::Create(nullptr));
  set->Infer(set.get(), GetParam().method, true);
  set->Infer(set.get(), GetParam().method, false);
  using TCall = std::pair<bool, TFuzzyOperation>;
  EXPECT_EQ(set->Calls,
            (std::vector<TCall>{{true, GetParam().operation}, {false, GetParam().operation}}));
}

INSTANTIATE_TEST_SUITE_P(
    Methods, InferTest,
    testing::Values(TInferCase{fimMinMax, foZadeh}, TInferCase{fimAdditive, foSum},
                    TInferCase{fimMean, foMean}, TInferCase{fimProduct, foProduct},
                    TInferCase{fimBoundedSum, foBoundedSum},
                    TInferCase{static_cast<TFuzzyInferenceMethod>(7), foZadeh}));

TEST(FuzzySetInfer, TakesTheComponentsMethodElseMinMax) {
  auto alone = Own(TRecordingSet::Create(nullptr));
  alone->Infer(alone.get(), false);
  auto logic = Own(TRecordingFuzzyLogic::Create());
  logic->SetInferenceMethod(fimProduct);
  auto* variable = TFuzzyVariable::Create(logic->GetItems());
  auto* term = TRecordingSet::Create(variable->GetItems());
  term->Infer(term, false);
  using TCall = std::pair<bool, TFuzzyOperation>;
  EXPECT_EQ(alone->Calls, (std::vector<TCall>{{false, foZadeh}}));
  EXPECT_EQ(term->Calls, (std::vector<TCall>{{false, foProduct}}));
}

// ---- Correlation ---------------------------------------------------------------------------

struct TCorrelateCase {
  const char* name;
  TPointList points;
  TFuzzyCorrelationMethod method;
  TPointList expected;
  const char* setName;
  const char* expression;
};

class CorrelateTest : public testing::TestWithParam<TCorrelateCase> {};

TEST_P(CorrelateTest, ChangesTheSetInPlace) {
  const auto set = SetOf(GetParam().points, "low");
  EXPECT_EQ(set->Correlate(0.5, GetParam().method), set.get());
  EXPECT_EQ(set->GetValuesToString(), Text(GetParam().expected));
  EXPECT_EQ(set->GetName(), GetParam().setName);
  EXPECT_EQ(set->GetExpression(), GetParam().expression);
}

INSTANTIATE_TEST_SUITE_P(Methods, CorrelateTest,
                         testing::Values(
                             // By minimum the peak is cut where the sides cross the strength.
                             TCorrelateCase{"MinimumCutsATriangleToATrapezoid",
                                            {{0, 0}, {5, 1}, {10, 0}},
                                            fcmMinimum,
                                            {{0, 0}, {2.5, 0.5}, {7.5, 0.5}, {10, 0}},
                                            "low > 0.5000",
                                            "> "},
                             TCorrelateCase{"MinimumInsertsOneAndDropsOne",
                                            {{0, 0}, {4, 1}, {5, 1}},
                                            fcmMinimum,
                                            {{0, 0}, {2, 0.5}, {5, 0.5}},
                                            "low > 0.5000",
                                            "> "},
                             TCorrelateCase{"MinimumShortensAStep",
                                            {{0, 0}, {5, 0}, {5, 1}, {10, 1}},
                                            fcmMinimum,
                                            {{0, 0}, {5, 0}, {5, 0.5}, {10, 0.5}},
                                            "low > 0.5000",
                                            "> "},
                             TCorrelateCase{"MinimumLeavesALowSet",
                                            {{0, 0.1}, {5, 0.4}},
                                            fcmMinimum,
                                            {{0, 0.1}, {5, 0.4}},
                                            "low > 0.5000",
                                            "> "},
                             TCorrelateCase{"ProductScales",
                                            {{0, 0}, {5, 1}, {10, 0.5}},
                                            fcmProduct,
                                            {{0, 0}, {5, 0.5}, {10, 0.25}},
                                            "low * 0.5000",
                                            "* "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FuzzySetCorrelate, TakesTheComponentsMethodElseMinimum) {
  const auto alone = SetOf({{0, 0}, {5, 1}, {10, 0}}, "low");
  alone->Correlate(0.5);
  EXPECT_EQ(alone->GetValuesToString(), Text({{0, 0}, {2.5, 0.5}, {7.5, 0.5}, {10, 0}}));
  auto logic = Own(TRecordingFuzzyLogic::Create());
  logic->SetCorrelationMethod(fcmProduct);
  auto* variable = TFuzzyVariable::Create(logic->GetItems());
  variable->SetMaximum(10);
  TFuzzySet* term = variable->GetItems()->Add("low");
  AddPoints(term->GetValues(), {{0, 0}, {5, 1}, {10, 0}});
  term->Correlate(0.5);
  EXPECT_EQ(term->GetValuesToString(), Text({{0, 0}, {5, 0.5}, {10, 0}}));
}

// ---- Correlation strength and the threshold match ------------------------------------------

TEST(FuzzySetCorrelationStrength, IsTheHeightOfTheIntersection) {
  const auto rising = SetOf({{0, 0}, {4, 1}, {8, 0}});
  const auto falling = SetOf({{4, 0}, {8, 1}, {12, 0}});
  const auto apart = SetOf({{20, 0}, {21, 1}, {22, 0}});
  EXPECT_DOUBLE_EQ(rising->GetCorrelationStrength(falling.get()), 0.5);
  EXPECT_DOUBLE_EQ(rising->GetCorrelationStrength(rising.get()), 1.0);
  EXPECT_DOUBLE_EQ(rising->GetCorrelationStrength(apart.get()), 0.0);
  EXPECT_DOUBLE_EQ(rising->GetCorrelationAccumulator(), 0.0);
}

TEST(FuzzySetMinThreshold, ComparesWithTheVariablesThreshold) {
  auto variable = Own(TFuzzyVariable::Create(nullptr));
  variable->SetThreshold(0.4);
  TFuzzySet* term = variable->GetItems()->Add("low");
  EXPECT_TRUE(term->FuzzyOperatorMinThreshold(0, 0.4, 0, 0.9));
  EXPECT_FALSE(term->FuzzyOperatorMinThreshold(0, 0.9, 0, 0.39));
  const auto alone = SetOf({});
  EXPECT_EQ(FzyMessageOf([&] { alone->FuzzyOperatorMinThreshold(0, 1, 0, 1); }),
            "Missing fuzzy linguistic variable");
}

}  // namespace
}  // namespace fuzzy
