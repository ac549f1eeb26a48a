#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/TermTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::Text;
using testing_support::TPointList;
using testing_support::TTermVariable;

const TPointList kTriangle{{0, 0}, {5, 1}, {10, 0}};

enum TCut : std::uint8_t { cutAlpha, cutAlphaStrict, cutOr, cutAnd };
constexpr const char* kCutNames[] = {"Alpha", "AlphaStrict", "Or", "And"};

TFuzzySet* CutOf(const TFuzzySet* set, TCut cut, TFzyFloat level) {
  switch (cut) {
    case cutAlpha:
      return set->AlphaCutoff(level, false);
    case cutAlphaStrict:
      return set->AlphaCutoff(level, true);
    case cutOr:
      return set->Cutoff(level, true);
    case cutAnd:
      return set->Cutoff(level, false);
  }
  return nullptr;
}

// ---- Points of the result ------------------------------------------------------------------

struct TCutCase {
  const char* name;
  TPointList points;
  TCut cut;
  TFzyFloat level;
  TPointList expected;
};

class CutPointsTest : public testing::TestWithParam<TCutCase> {};

TEST_P(CutPointsTest, InsertsTheCrossingsOfTheLevel) {
  TTermVariable variable(0, 10);
  TFuzzySet* cut = CutOf(variable.Term(GetParam().points), GetParam().cut, GetParam().level);
  EXPECT_EQ(Text(cut->GetValues()), Text(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    AlphaCuts, CutPointsTest,
    testing::Values(
        TCutCase{"TriangleAtHalf",
                 kTriangle,
                 cutAlpha,
                 0.5,
                 {{0, 0}, {2.5, 0}, {2.5, 0.5}, {5, 1}, {7.5, 0.5}, {7.5, 0}}},
        TCutCase{"StrictAboveOneKeepsNothing", kTriangle, cutAlphaStrict, 1.5, {{0, 0}}},
        TCutCase{"StrictAtZeroKeepsEverything", kTriangle, cutAlphaStrict, 0, kTriangle},
        // A peak exactly at the level is inside only without the flag.
        TCutCase{"PeakOnTheLevelIsInside",
                 {{0, 0}, {5, 0.5}, {10, 0}},
                 cutAlpha,
                 0.5,
                 {{0, 0}, {5, 0}, {5, 0.5}, {5, 0}}},
        TCutCase{"PeakOnTheLevelIsOutsideTheStrictCut",
                 {{0, 0}, {5, 0.5}, {10, 0}},
                 cutAlphaStrict,
                 0.5,
                 {{0, 0}}},
        // Outside the strict cut, the point on the level is where the cut begins.
        TCutCase{"StrictCutBeginsAtThePointOnTheLevel",
                 {{0, 0}, {2, 0.5}, {4, 1}, {6, 0}},
                 cutAlphaStrict,
                 0.5,
                 {{0, 0}, {2, 0}, {2, 0.5}, {4, 1}, {5, 0.5}, {5, 0}}},
        TCutCase{"InsideFromTheFirstPoint",
                 {{0, 1}, {10, 0}},
                 cutAlpha,
                 0.25,
                 {{0, 1}, {7.5, 0.25}, {7.5, 0}}},
        TCutCase{"EmptyStaysEmpty", {}, cutAlpha, 0.5, {}},
        // Zero everywhere whatever the receiver, so also for a receiver without points.
        TCutCase{"EmptyStrictAtOneIsTheZeroPoint", {}, cutAlphaStrict, 1, {{0, 0}}}),
    [](const testing::TestParamInfo<TCutCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Cutoffs, CutPointsTest,
    testing::Values(
        TCutCase{"AndAtHalf", kTriangle, cutAnd, 0.5, {{0, 0}, {2.5, 0.5}, {7.5, 0.5}, {10, 0}}},
        TCutCase{"OrAtHalf", kTriangle, cutOr, 0.5, {{2.5, 0.5}, {5, 1}, {7.5, 0.5}}},
        TCutCase{"OrWithZeroIsTheSet", kTriangle, cutOr, 0, kTriangle},
        TCutCase{"AndWithOneIsTheSet", kTriangle, cutAnd, 1, kTriangle},
        TCutCase{"OrWithOneIsConstantOne", kTriangle, cutOr, 1, {{0, 1}}},
        TCutCase{"AndWithZeroIsConstantZero", kTriangle, cutAnd, 0, {{0, 0}}},
        TCutCase{"NegativeLevelIsZero", kTriangle, cutAnd, -0.5, {{0, 0}}},
        TCutCase{"LevelAboveOneIsOne", kTriangle, cutOr, 3, {{0, 1}}},
        // Entirely below the level: nothing is kept.
        TCutCase{"OrAboveTheWholeSet", {{0, 0}, {10, 0.2}}, cutOr, 0.5, {}},
        // Points on the level are kept on both sides, and are not crossings.
        TCutCase{"AndKeepsPointsOnTheLevel",
                 {{0, 0}, {2, 0.5}, {4, 1}, {6, 0.5}, {8, 0}},
                 cutAnd,
                 0.5,
                 {{0, 0}, {2, 0.5}, {6, 0.5}, {8, 0}}},
        TCutCase{"EmptyStaysEmpty", {}, cutOr, 0.5, {}},
        TCutCase{"EmptyOrWithOneIsStillConstantOne", {}, cutOr, 1, {{0, 1}}}),
    [](const testing::TestParamInfo<TCutCase>& info) { return info.param.name; });

// ---- Name, expression, class and collection --------------------------------------------------

TEST(FuzzySetCuts, AlphaCutoffIsNamedLikeTheSetAndHasNoExpression) {
  TTermVariable variable(0, 10);
  TFuzzySet* set = variable.Term(kTriangle, "low");
  set->SetExpression("very low");
  TFuzzySet* cut = set->AlphaCutoff(0.5, false);
  EXPECT_EQ(cut->GetName(), "low");
  EXPECT_EQ(cut->GetExpression(), "");
  EXPECT_EQ(variable.TermCount(), 2);
}

struct TNameCase {
  const char* name;
  TCut cut;
  TFzyFloat level;
  const char* setName;
  const char* setExpression;
  const char* resultName;
  const char* resultExpression;
};

class CutoffNameTest : public testing::TestWithParam<TNameCase> {};

TEST_P(CutoffNameTest, NameTakesTheLevelAsGivenAndTheExpressionClamped) {
  TTermVariable variable(0, 10);
  TFuzzySet* set = variable.Term(kTriangle, GetParam().setName);
  set->SetExpression(GetParam().setExpression);
  TFuzzySet* cut = CutOf(set, GetParam().cut, GetParam().level);
  EXPECT_EQ(cut->GetName(), GetParam().resultName);
  EXPECT_EQ(cut->GetExpression(), GetParam().resultExpression);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, CutoffNameTest,
    testing::Values(
        TNameCase{"And", cutAnd, 0.5, "low", "", "low and 0.5000", ""},
        TNameCase{"Or", cutOr, 0.5, "low", "", "low or 0.5000", ""},
        TNameCase{"Negative", cutAnd, -0.5, "low", "", "low and -0.5000", ""},
        TNameCase{"CompoundName", cutOr, 0.25, "very low", "", "[very low] or 0.2500", ""},
        TNameCase{"WithExpression", cutAnd, 0.5, "x", "very low", "x and 0.5000",
                  "very low and 0.5000"},
        TNameCase{"ClampedInExpression", cutOr, 1.5, "x", "low", "x or 1.5000", "low or 1.0000"},
        TNameCase{"IdentityKeepsTheExpressionRule", cutOr, 0, "x", "low", "x or 0.0000",
                  "low or 0.0000"}),
    [](const testing::TestParamInfo<TNameCase>& info) { return info.param.name; });

// A set class of its own, to see that cuts keep the run-time class.
class TTaggedSet : public TFuzzySet {
 public:
  static TTaggedSet* Create(TCollection* collection) {
    return Constructed(new TTaggedSet(collection));
  }
  TFuzzySetClass GetClassType() const override { return TFuzzySetClass::Of<TTaggedSet>(); }

 protected:
  using TFuzzySet::TFuzzySet;
};

class CutClassTest : public testing::TestWithParam<TCut> {};

TEST_P(CutClassTest, ResultIsOfTheSetsClassAndFreeStandingLikeIt) {
  auto set = Own(TTaggedSet::Create(nullptr));
  AddPoints(set->GetValues(), kTriangle);
  auto cut = Own(CutOf(set.get(), GetParam(), 0.5));
  EXPECT_NE(dynamic_cast<TTaggedSet*>(cut.get()), nullptr);
  EXPECT_EQ(cut->TCollectionItem::GetCollection(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cuts, CutClassTest, testing::Values(cutAlpha, cutOr, cutAnd),
                         [](const testing::TestParamInfo<TCut>& info) {
                           return kCutNames[info.param];
                         });

// ---- A collection whose hooks raise ----------------------------------------------------------

// When a result is reported to its collection, and in what state.
enum THookStage : std::uint8_t { hookJoining, hookNaming, hookFilled };
constexpr const char* kStageNames[] = {"Joining", "Naming", "Filled"};

class TRaisingSets : public TCollection {
 public:
  static TRaisingSets* Create() { return Constructed(new TRaisingSets()); }
  TFuzzySet* Receiver = nullptr;
  bool Armed = false;
  THookStage Stage = hookJoining;

 protected:
  TRaisingSets() : TCollection(TFuzzySetClass::Of<TFuzzySet>()) {}
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    TCollection::Notify(item, action);
    if (Armed && Stage == hookJoining && action == cnAdded) throw EFzyException("hook");
  }
  void Update(TCollectionItem* item) override {
    auto* set = dynamic_cast<TFuzzySet*>(item);
    if (!Armed || set == nullptr || set == Receiver) return;
    const bool filled = set->GetValues()->GetCount() > 0;
    if ((Stage == hookNaming && !filled) || (Stage == hookFilled && filled)) {
      throw EFzyException("hook");
    }
  }
};

class CutHookTest : public testing::TestWithParam<std::tuple<TCut, THookStage>> {};

TEST_P(CutHookTest, ARaisingHookLeavesNoResultBehind) {
  auto sets = Own(TRaisingSets::Create());
  auto* set = static_cast<TFuzzySet*>(sets->Add());
  set->SetName("low");
  AddPoints(set->GetValues(), kTriangle);
  sets->Receiver = set;
  sets->Armed = true;
  sets->Stage = std::get<1>(GetParam());
  EXPECT_THAT([&] { CutOf(set, std::get<0>(GetParam()), 0.5); },
              testing::ThrowsMessage<EFzyException>(testing::StrEq("hook")));
  EXPECT_EQ(sets->GetCount(), 1);
  EXPECT_EQ(Text(set->GetValues()), Text(kTriangle));
}

INSTANTIATE_TEST_SUITE_P(Stages, CutHookTest,
                         testing::Combine(testing::Values(cutAlpha, cutOr, cutAnd),
                                          testing::Values(hookJoining, hookNaming, hookFilled)),
                         [](const testing::TestParamInfo<CutHookTest::ParamType>& info) {
                           return std::string(kCutNames[std::get<0>(info.param)]) +
                                  kStageNames[std::get<1>(info.param)];
                         });

}  // namespace
}  // namespace fuzzy
