#include "fuzzy/interfaces/IFuzzySet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fuzzy/interfaces/IFuzzySetTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddTriangle;
using testing_support::NewCountedSet;
using testing_support::NewCountedVariable;
using testing_support::ObjectOf;
using testing_support::TCountedFuzzySet;
using testing_support::TEventLog;
using testing_support::TStubParser;
using testing_support::TXYPoints;
using testing_support::XYPointsOf;

using IFuzzySetTest = testing_support::TLiveObjectsTest;

// The names in the variable's table, in its order.
std::vector<std::string> TableOf(const IPtr<IFuzzyVariable>& variable) {
  std::vector<std::string> names;
  for (int i = 0; i < variable->GetCount(); ++i)
    names.push_back(variable->GetFuzzySet(i)->GetName());
  return names;
}

// ---- Identity and lifetime ---------------------------------------------------------------------

TEST_F(IFuzzySetTest, ANewSetIsCountedFromZeroAndGoesWithItsLastReference) {
  const int live = TCountedFuzzySet::Live;
  TCountedFuzzySet* raw = TCountedFuzzySet::Create(nullptr, "warm");
  EXPECT_EQ(raw->GetRefCount(), 0);
  {
    const IPtr<IFuzzySet> first(raw);
    const IPtr<IFuzzySet> second = first;
    EXPECT_EQ(raw->GetRefCount(), 2);
  }
  EXPECT_EQ(TCountedFuzzySet::Live, live);
}

TEST_F(IFuzzySetTest, AnswersItsInterfacesByGuid) {
  const IPtr<IFuzzySet> set = NewCountedSet({});
  EXPECT_TRUE(Supports<ICloneable>(set));
  EXPECT_TRUE(Supports<IInterface>(set));
  EXPECT_FALSE(Supports<IFuzzyVariable>(set));
  void* out = nullptr;
  EXPECT_EQ(set->QueryInterface(IFuzzyParser::IID, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
}

TEST_F(IFuzzySetTest, CreateWithAReservedNameRaisesAndLeavesNothing) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  EXPECT_THROW(TCountedFuzzySet::Create(variable, "very"), EFzyException);
}

TEST(GetUniqueID, CountsUpByOneFromEveryThread) {
  const int first = GetUniqueID();
  EXPECT_GE(first, 1);
  EXPECT_EQ(GetUniqueID(), first + 1);
  std::vector<int> a(500);
  std::vector<int> b(500);
  std::thread ta([&] {
    for (int& id : a) id = GetUniqueID();
  });
  std::thread tb([&] {
    for (int& id : b) id = GetUniqueID();
  });
  ta.join();
  tb.join();
  std::set<int> all(a.begin(), a.end());
  all.insert(b.begin(), b.end());
  EXPECT_EQ(all.size(), 1000u);
}

// ---- X range
// -------------------------------------------------------------------------------------

struct TEndsCase {
  const char* Label;
  bool WithVariable;
  TXYPoints Points;
  TFzyFloat Maximum;
  TFzyFloat Minimum;
};

class IFuzzySetEnds : public IFuzzySetTest, public ::testing::WithParamInterface<TEndsCase> {};

TEST_P(IFuzzySetEnds, FallBackFromVariableToPointsToTheFreeRange) {
  const IPtr<IFuzzyVariable> variable =
      GetParam().WithVariable ? NewCountedVariable("v", -5, 20) : nullptr;
  const IPtr<IFuzzySet> set = NewCountedSet(GetParam().Points, "s", variable);
  EXPECT_EQ(set->GetXMaximum(), GetParam().Maximum);
  EXPECT_EQ(set->GetXMinimum(), GetParam().Minimum);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IFuzzySetEnds,
    ::testing::Values(TEndsCase{"Alone", false, {}, 2147483647.0, -2147483647.0},
                      TEndsCase{"AloneWithPoints", false, {{2, 0}, {3, 1}, {7, 0}}, 7, 2},
                      TEndsCase{"WithVariable", true, {{2, 0}, {7, 0}}, 20, -5}),
    [](const auto& info) { return info.param.Label; });

TEST_F(IFuzzySetTest, GetXRangeReadsTheVariableAndRejectsOtherIndexes) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v", 1, 4);
  const IPtr<IFuzzySet> held = NewCountedSet({}, "s", variable);
  const TIFuzzySet* set = ObjectOf(held);
  EXPECT_EQ(set->GetXRange(0), 4);
  EXPECT_EQ(set->GetXRange(1), 1);
  try {
    set->GetXRange(2);
    FAIL() << "no exception";
  } catch (const EFzyException& e) {
    EXPECT_EQ(std::string(e.what()), "Invalid index argument to GetXRange.  Index = 2");
  }
}

TEST_F(IFuzzySetTest, ShapesFollowTheVariablesRange) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v", 0, 30);
  const IPtr<IFuzzySet> set = NewCountedSet({}, "s", variable);
  set->SetSetType(fstTriangle);
  EXPECT_EQ(set->GetSetType(), fstTriangle);
  // Centred on the range, a third of its width to either side.
  EXPECT_EQ(XYPointsOf(set), (TXYPoints{{5, 0}, {15, 1}, {25, 0}}));
}

// ---- Points by index ---------------------------------------------------------------------------

TEST_F(IFuzzySetTest, PointsAreReadAndWrittenByIndex) {
  const IPtr<IFuzzySet> set = NewCountedSet({{0, 0}, {5, 1}, {10, 0}});
  set->SetYValues(1, 0.5);
  set->SetXValues(2, 12);
  EXPECT_EQ(XYPointsOf(set), (TXYPoints{{0, 0}, {5, 0.5}, {12, 0}}));
}

class IFuzzySetBadIndex : public IFuzzySetTest, public ::testing::WithParamInterface<int> {};

TEST_P(IFuzzySetBadIndex, RaisesTheListIndexError) {
  const IPtr<IFuzzySet> set = NewCountedSet({{0, 0}, {5, 1}});
  const int index = GetParam();
  EXPECT_THROW(set->GetXValues(index), EListError);
  EXPECT_THROW(set->GetYValues(index), EListError);
  EXPECT_THROW(set->SetXValues(index, 1), EListError);
  EXPECT_THROW(set->SetYValues(index, 1), EListError);
  EXPECT_THROW(set->Delete(index), EListError);
}

INSTANTIATE_TEST_SUITE_P(OutsideTheList, IFuzzySetBadIndex, ::testing::Values(-1, 2, 100));

TEST_F(IFuzzySetTest, AnEditMakesTheSetUserDefinedAndTellsTheVariable) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> set = AddTriangle(variable, "warm", 0, 5, 10);
  set->SetExpression("hot");
  const TEventLog log(variable);
  set->SetYValues(1, 0.5);
  EXPECT_EQ(set->GetSetType(), fstUserDefined);
  EXPECT_EQ(set->GetExpression(), "");
  EXPECT_EQ(log.Events, std::vector<std::string>{"set warm"});
}

// ---- Membership in the variable's table
// ------------------------------------------------------------

TEST_F(IFuzzySetTest, OnlyADefinedSetEntersTheTableOfItsVariable) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> loose = NewCountedSet({}, "loose", variable);
  const IPtr<IFuzzySet> term = NewCountedSet({}, "term");
  term->SetDefined(true);
  term->SetVariable(variable);
  EXPECT_EQ(loose->GetVariable(), variable);
  EXPECT_EQ(TableOf(variable), std::vector<std::string>{"term"});
}

TEST_F(IFuzzySetTest, RenamingADefinedSetKeepsOneEntryUnderTheNewName) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> set = AddTriangle(variable, "warm", 0, 5, 10);
  set->SetName("mild");
  EXPECT_EQ(TableOf(variable), std::vector<std::string>{"mild"});
  EXPECT_EQ(variable->ContainsFuzzySet("mild"), set);
  EXPECT_EQ(variable->ContainsFuzzySet("warm"), nullptr);
}

TEST_F(IFuzzySetTest, RenamingRaisesTheDeletedAndAddedEvents) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> set = AddTriangle(variable, "warm", 0, 5, 10);
  const TEventLog log(variable);
  set->SetName("mild");
  EXPECT_EQ(log.Events, (std::vector<std::string>{"deleted warm", "change", "variable",
                                                  "added mild", "change", "variable"}));
}

TEST_F(IFuzzySetTest, AReservedNameLeavesTheSetOutOfTheTable) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> set = AddTriangle(variable, "warm", 0, 5, 10);
  EXPECT_THROW(set->SetName("and"), EFzyException);
  EXPECT_EQ(set->GetName(), "warm");
  EXPECT_EQ(variable->GetCount(), 0);
  EXPECT_EQ(set->GetVariable(), variable);
}

TEST_F(IFuzzySetTest, AnotherVariableTakesTheSetOverFromTheOld) {
  const IPtr<IFuzzyVariable> first = NewCountedVariable("first");
  const IPtr<IFuzzyVariable> second = NewCountedVariable("second");
  const IPtr<IFuzzySet> set = AddTriangle(first, "warm", 0, 5, 10);
  set->SetVariable(second);
  EXPECT_EQ(first->GetCount(), 0);
  EXPECT_EQ(TableOf(second), std::vector<std::string>{"warm"});
  set->SetVariable(nullptr);
  EXPECT_EQ(second->GetCount(), 0);
  EXPECT_EQ(set->GetVariable(), nullptr);
}

TEST_F(IFuzzySetTest, ASetOfTheSameNameInTheTableIsLeftAloneOnRelinking) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> term = AddTriangle(variable, "warm", 0, 5, 10);
  const IPtr<IFuzzySet> namesake = NewCountedSet({}, "warm", variable);
  namesake->SetVariable(nullptr);
  EXPECT_EQ(variable->ContainsFuzzySet("warm"), term);
}

TEST_F(IFuzzySetTest, LinkingTakesTheVariablesParser) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzyParser> parser(TStubParser::Create());
  variable->SetParser(parser);
  const IPtr<IFuzzySet> set = NewCountedSet({{1, 0}}, "warm", variable);
  EXPECT_EQ(set->GetParser(), parser);
  // The stub parser writes a set as its name.
  EXPECT_EQ(set->ToString(), "warm");
  set->SetParser(nullptr);
  EXPECT_EQ(set->ToString(), "(warm (1.0000 0.0000) )");
}

TEST_F(IFuzzySetTest, AVariableHeldOnlyByItsTermsGoesWithThem) {
  IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  AddTriangle(variable, "low", 0, 0, 5);
  AddTriangle(variable, "high", 5, 10, 10);
  IPtr<IFuzzySet> loose = NewCountedSet({}, "loose", variable);
  variable = nullptr;
  // The set outside the table still holds the variable, and so its terms.
  EXPECT_EQ(loose->GetVariable()->GetCount(), 2);
  loose = nullptr;
}

}  // namespace
}  // namespace fuzzy
