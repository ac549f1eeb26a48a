#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/HedgeTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::HedgeErrorOf;
using testing_support::MakeSet;
using testing_support::Text;
using testing_support::TPointList;
using testing_support::TProbeSet;

const TPointList Triangle{{0, 0}, {5, 1}, {10, 0}};
const TPointList Plateau{{0, 0}, {2, 1}, {6, 1}, {8, 0}};
const TPointList AllZero{{0, 0}, {5, 0}, {10, 0}};

// A free-standing set named low holding `points`.
TOwned<TProbeSet> Low(const TPointList& points) {
  TOwned<TProbeSet> set = MakeSet(points);
  set->SetName("low");
  return set;
}

// ---- Named hedges: points -------------------------------------------------------------------

struct TNamedHedgeCase {
  const char* name;
  TFuzzyHedge hedge;
  TPointList points;
  TPointList expected;
};

class NamedHedgePoints : public testing::TestWithParam<TNamedHedgeCase> {};

TEST_P(NamedHedgePoints, GiveTheDescribedFunction) {
  const auto& param = GetParam();
  auto set = Low(param.points);
  set->Hedge(param.hedge);
  EXPECT_EQ(Text(set->GetValues()), Text(param.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, NamedHedgePoints, testing::Values(
    TNamedHedgeCase{"NotTriangle", fhNot, Triangle, {{0, 1}, {5, 0}, {10, 1}}},
    TNamedHedgeCase{"VeryTriangle", fhVery, Triangle,
                    {{0, 0}, {5.0 / 3, 1.0 / 9}, {10.0 / 3, 4.0 / 9}, {5, 1},
                     {20.0 / 3, 4.0 / 9}, {25.0 / 3, 1.0 / 9}, {10, 0}}},
    TNamedHedgeCase{"AboveTriangle", fhAbove, Triangle, {{0, 0}, {5, 0}, {10, 1}}},
    TNamedHedgeCase{"BelowTriangle", fhBelow, Triangle, {{0, 1}, {5, 0}, {10, 0}}},
    TNamedHedgeCase{"AbovePlateau", fhAbove, Plateau, {{0, 0}, {2, 0}, {6, 0}, {8, 1}}},
    TNamedHedgeCase{"BelowPlateau", fhBelow, Plateau, {{0, 1}, {2, 0}, {6, 0}, {8, 0}}},
    TNamedHedgeCase{"AboveAllZero", fhAbove, AllZero, AllZero},
    // Equal maxima below 1: above takes the last, below the first.
    TNamedHedgeCase{"AboveEqualMaxima", fhAbove, {{0, 0.5}, {4, 0.5}, {8, 0.2}},
                    {{0, 0}, {4, 0}, {8, 0.8}}},
    TNamedHedgeCase{"BelowEqualMaxima", fhBelow, {{0, 0.2}, {4, 0.5}, {8, 0.5}},
                    {{0, 0.8}, {4, 0}, {8, 0}}},
    TNamedHedgeCase{"NormalizeHalfTriangle", fhNormalize, {{0, 0}, {5, 0.5}, {10, 0}}, Triangle}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Named hedges: naming -------------------------------------------------------------------

TEST(NamedHedgeNaming, VeryNamesTheSetAndItsExpression) {
  auto set = Low(Triangle);
  EXPECT_EQ(set->Hedge(fhVery), set.get());
  EXPECT_EQ(set->GetName(), "very low");
  EXPECT_EQ(set->GetExpression(), "[very low]");
}

TEST(NamedHedgeNaming, CompoundNameIsBracketed) {
  auto set = MakeSet(Triangle);
  set->SetName("very high");
  set->Hedge(fhNot);
  EXPECT_EQ(set->GetName(), "not [very high]");
  EXPECT_EQ(set->GetExpression(), "[not [very high]]");
}

TEST(NamedHedgeNaming, HedgeThatKeepsTheExpressionWrapsIt) {
  // Normalising an all-zero set touches no point, so the expression survives and is wrapped.
  auto set = Low(AllZero);
  set->SetExpression("high");
  set->Hedge(fhNormalize);
  EXPECT_EQ(set->GetName(), "normalize low");
  EXPECT_EQ(set->GetExpression(), "normalize high");
}

TEST(NamedHedgeNaming, IntensifyCalledDirectlyNamesTheSetAfterThePower) {
  auto set = Low(Triangle);
  set->Intensify(7, 2);
  EXPECT_EQ(set->GetName(), "low ^ 2.0000");
  EXPECT_EQ(set->GetExpression(), "");
}

// ---- Every named hedge runs its own algorithm --------------------------------------------------

// A lopsided triangle below full membership, so that complement, normalisation, above, below,
// powers, contrasts and spreads all give different results.
const TPointList Lopsided{{0, 0}, {4, 0.8}, {10, 0}};

void Points(TFuzzySet* set, const TPointList& points) {
  TCollectionUpdate batch(set->GetValues());
  set->GetValues()->Clear();
  AddPoints(set->GetValues(), points);
  batch.End();
}

struct TDispatchCase {
  const char* word;
  TFuzzyHedge hedge;
  std::function<void(TFuzzySet*)> reference;
};

class NamedHedgeDispatch : public testing::TestWithParam<TDispatchCase> {
 protected:
  // Over [0, 10], so that the spreads sample a narrow grid.
  static TOwned<TProbeSet> Ranged() {
    TOwned<TProbeSet> set = Low(Lopsided);
    set->Ranged = true;
    set->Upper = 10;
    return set;
  }
};

TEST_P(NamedHedgeDispatch, RunsItsAlgorithmWithItsModifierAndTakesItsWord) {
  const auto& param = GetParam();
  auto hedged = Ranged();
  auto reference = Ranged();
  hedged->Hedge(param.hedge);
  param.reference(reference.get());
  EXPECT_EQ(Text(hedged->GetValues()), Text(reference->GetValues()));
  EXPECT_EQ(hedged->GetName(), std::string(param.word) + " low");
}

INSTANTIATE_TEST_SUITE_P(
    AllButSlightly, NamedHedgeDispatch,
    testing::Values(
        TDispatchCase{"not", fhNot,
                      [](TFuzzySet* s) {
                        Points(s, {{0, 1}, {4, 0.2}, {10, 1}});
                      }},
        TDispatchCase{"somewhat", fhSomewhat, [](TFuzzySet* s) { s->Intensify(7, 1.0 / 3); }},
        TDispatchCase{"moreorless", fhMoreOrLess, [](TFuzzySet* s) { s->Intensify(7, 0.5); }},
        TDispatchCase{"greatly", fhGreatly, [](TFuzzySet* s) { s->Intensify(7, 0.7); }},
        TDispatchCase{"plus", fhPlus, [](TFuzzySet* s) { s->Intensify(7, 1.25); }},
        TDispatchCase{"very", fhVery, [](TFuzzySet* s) { s->Intensify(7, 2); }},
        TDispatchCase{"extremely", fhExtremely, [](TFuzzySet* s) { s->Intensify(7, 3); }},
        TDispatchCase{"above", fhAbove,
                      [](TFuzzySet* s) {
                        Points(s, {{0, 0}, {4, 0}, {10, 1}});
                      }},
        TDispatchCase{"below", fhBelow,
                      [](TFuzzySet* s) {
                        Points(s, {{0, 1}, {4, 0}, {10, 0}});
                      }},
        TDispatchCase{"normalize", fhNormalize,
                      [](TFuzzySet* s) {
                        Points(s, {{0, 0}, {4, 1}, {10, 0}});
                      }},
        TDispatchCase{"about", fhAbout, [](TFuzzySet* s) { s->FuzzyApproximation(7, 2); }},
        TDispatchCase{"vicinity", fhVicinity, [](TFuzzySet* s) { s->FuzzyApproximation(7, 4); }},
        TDispatchCase{"close", fhClose, [](TFuzzySet* s) { s->FuzzyApproximation(7, 1.2); }},
        TDispatchCase{"near", fhNear, [](TFuzzySet* s) { s->FuzzyApproximation(7, 1.2); }},
        TDispatchCase{"neighboring", fhNeighboring,
                      [](TFuzzySet* s) { s->FuzzyApproximation(7, 1.2); }},
        TDispatchCase{"positively", fhPositively, [](TFuzzySet* s) { s->FuzzyContrast(7, 2); }},
        TDispatchCase{"absolutely", fhAbsolutely, [](TFuzzySet* s) { s->FuzzyContrast(7, 2); }},
        TDispatchCase{"definitely", fhDefinitely, [](TFuzzySet* s) { s->FuzzyContrast(7, 2); }},
        TDispatchCase{"generally", fhGenerally, [](TFuzzySet* s) { s->FuzzyContrast(7, 0.5); }}),
    [](const auto& info) { return std::string(info.param.word); });

// ---- Base hedges ------------------------------------------------------------------------------

struct TBaseHedgeCase {
  const char* name;
  TBaseFuzzyHedge hedge;
  TFzyFloat value;
  bool onY;
  TPointList points;
  TPointList expected;
  const char* newName;
  const char* expression;
};

// Terms of a variable over [0, 12], so that X edits are clamped into that range.
class BaseHedges : public testing::TestWithParam<TBaseHedgeCase> {
 protected:
  void SetUp() override {
    FVariable->SetMaximum(12);
    FTerm = FVariable->GetItems()->Add("low");
  }
  TOwned<TFuzzyVariable> FVariable = Own(TFuzzyVariable::Create(nullptr));
  TFuzzySet* FTerm = nullptr;
};

TEST_P(BaseHedges, ChangeEveryPointAndNameTheSet) {
  const auto& param = GetParam();
  AddPoints(FTerm->GetValues(), param.points);
  FTerm->SetExpression("old");
  EXPECT_EQ(FTerm->Hedge(param.hedge, param.value, param.onY), FTerm);
  EXPECT_EQ(Text(FTerm->GetValues()), Text(param.expected));
  EXPECT_EQ(FTerm->GetName(), param.newName);
  // The closed batch has cleared the old expression before the hedge names it.
  EXPECT_EQ(FTerm->GetExpression(), param.expression);
}

const TPointList Slopes{{0, 0.2}, {5, 0.5}, {10, 0.8}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, BaseHedges, testing::Values(
    // Clipping inserts no point where the function crosses the level.
    TBaseHedgeCase{"CutGreaterOnY", bfhCutGreater, 0.5, true, Triangle,
                   {{0, 0}, {5, 0.5}, {10, 0}}, "low > 0.5000", "> "},
    TBaseHedgeCase{"CutGreaterEqOnY", bfhCutGreaterEq, 0.5, true, Slopes,
                   {{0, 0.2}, {5, 0.5}, {10, 0.5}}, "low >= 0.5000", ">= "},
    TBaseHedgeCase{"CutLessOnY", bfhCutLess, 0.5, true, Slopes,
                   {{0, 0.5}, {5, 0.5}, {10, 0.8}}, "low < 0.5000", "< "},
    TBaseHedgeCase{"CutLessEqOnY", bfgCutLessEq, 0.5, true, Slopes,
                   {{0, 0.5}, {5, 0.5}, {10, 0.8}}, "low <= 0.5000", "<= "},
    TBaseHedgeCase{"AddOnX", bfhAdd, 2, false, Triangle,
                   {{2, 0}, {7, 1}, {12, 0}}, "low +X 2.0000", "+X "},
    // Doubled X values beyond the variable's maximum stop at it.
    TBaseHedgeCase{"MultiplyOnXClamps", bfhMultiply, 2, false, Triangle,
                   {{0, 0}, {10, 1}, {12, 0}}, "low *X 2.0000", "*X "},
    // A negative membership becomes 0.
    TBaseHedgeCase{"SubtractOnYFloorsAtZero", bfhSubtract, 0.25, true, Slopes,
                   {{0, 0}, {5, 0.25}, {10, 0.55}}, "low - 0.2500", "- "},
    TBaseHedgeCase{"DivideOnY", bfhDivide, 4, true, Slopes,
                   {{0, 0.05}, {5, 0.125}, {10, 0.2}}, "low / 4.0000", "/ "},
    // Only memberships strictly between 0 and 1 are raised.
    TBaseHedgeCase{"PowerOnY", bfhPower, 2, true, {{0, 0}, {4, 0.5}, {8, 1}, {10, 1.5}},
                   {{0, 0}, {4, 0.25}, {8, 1}, {10, 1.5}}, "low ^ 2.0000", "^ "},
    // Only positive X values are raised.
    TBaseHedgeCase{"PowerOnX", bfhPower, 2, false, {{0, 0}, {0.5, 1}, {3, 0}},
                   {{0, 0}, {0.25, 1}, {9, 0}}, "low ^X 2.0000", "^X "}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(BaseHedgeDivide, ByZeroRaisesAndChangesNothing) {
  auto set = Low(Triangle);
  set->SetExpression("e");
  EXPECT_EQ(HedgeErrorOf([&] { set->Hedge(bfhDivide, 0, true); }),
            "Invalid fuzzy operation: \"bfhDivide:");
  EXPECT_EQ(Text(set->GetValues()), Text(Triangle));
  EXPECT_EQ(set->GetName(), "low");
  EXPECT_EQ(set->GetExpression(), "e");
  EXPECT_EQ(set->Reports(), 0);
}

TEST(BaseHedgeBatch, IsClosedWhenAnEditRaises) {
  auto set = Low(Triangle);
  set->RangeFails = true;  // every X edit asks for the range
  EXPECT_THROW(set->Hedge(bfhAdd, 1, false), EFzyException);
  EXPECT_EQ(set->GetValues()->GetUpdateCount(), 0);
  EXPECT_EQ(set->GetName(), "low");
}

// ---- Contrast and normalisation -------------------------------------------------------------

struct TContrastCase {
  TFzyFloat exponent;
  TFzyFloat y;
  TFzyFloat expected;
};

class FuzzyContrastValues : public testing::TestWithParam<TContrastCase> {};

TEST_P(FuzzyContrastValues, MapEachMembership) {
  const auto& param = GetParam();
  auto set = MakeSet({{0, param.y}});
  set->FuzzyContrast(1, param.exponent);
  EXPECT_DOUBLE_EQ(set->GetValues()->GetItem(0)->GetY(), param.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzyContrastValues,
                         testing::Values(TContrastCase{2, 0.25, 0.125}, TContrastCase{2, 0.5, 0.5},
                                         TContrastCase{2, 0.75, 0.875}, TContrastCase{2, 0, 0},
                                         TContrastCase{2, 1, 1}, TContrastCase{0.5, 0.04, 0.1},
                                         TContrastCase{0.5, 0.96, 0.9}, TContrastCase{0.5, 0, 0}));

TEST(Normalize, ScalesToAPeakOfOneAndClearsTheExpression) {
  auto set = MakeSet({{0, 0}, {5, 0.5}, {10, 0}});
  set->SetExpression("e");
  EXPECT_EQ(set->Normalize(), set.get());
  EXPECT_EQ(Text(set->GetValues()), Text(Triangle));
  EXPECT_EQ(set->GetExpression(), "");
}

TEST(Normalize, LeavesAnAllZeroSetAndItsExpressionAlone) {
  auto set = MakeSet(AllZero);
  set->SetExpression("2.5000");
  set->Normalize();
  EXPECT_EQ(Text(set->GetValues()), Text(AllZero));
  EXPECT_EQ(set->GetExpression(), "2.5000");
  EXPECT_EQ(set->Reports(), 0);
}

TEST(Normalize, OnAnEmptySetRaisesAndTheHedgeKeepsItsName) {
  auto set = Low({});
  EXPECT_EQ(HedgeErrorOf([&] { set->Hedge(fhNormalize); }),
            "Invalid operation: \"Get Maximum Y Value\".  Fuzzy set is empty");
  EXPECT_EQ(set->GetName(), "low");
}

}  // namespace
}  // namespace fuzzy
