#include "fuzzy/interfaces/IFSValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzySetTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::NewCountedVariable;
using testing_support::TEventLog;
using TPoints = testing_support::TXYPoints;

IPtr<IFuzzySet> NewSet(const TPoints& points, const std::string& name = "s",
                       const IPtr<IFuzzyVariable>& variable = nullptr) {
  return testing_support::NewCountedSet(points, name, variable);
}

TPoints PointsOf(const IPtr<IFuzzySet>& set) {
  return testing_support::XYPointsOf(set);
}

TIFSValues* ValuesOf(const IPtr<IFuzzySet>& set) {
  return testing_support::ObjectOf(set)->GetValues();
}

using IFSValuesTest = testing_support::TLiveObjectsTest;

// ---- EqualsValues ------------------------------------------------------------------------------

struct TEqualsCase {
  const char* Label;
  TPoints Other;
  bool Equal;
};

class IFSValuesEquals : public IFSValuesTest, public ::testing::WithParamInterface<TEqualsCase> {};

TEST_P(IFSValuesEquals, ComparesPointByPointWithinTheTolerance) {
  const TPoints base{{1, 0}, {2, 1}, {3, 0}};
  const IPtr<IFuzzySet> set = NewSet(base);
  const IPtr<IFuzzySet> other = NewSet(GetParam().Other);
  EXPECT_EQ(ValuesOf(set)->EqualsValues(other), GetParam().Equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IFSValuesEquals,
    ::testing::Values(TEqualsCase{"Same", {{1, 0}, {2, 1}, {3, 0}}, true},
                      TEqualsCase{"XWithinTolerance", {{1, 0}, {2.00005, 1}, {3, 0}}, true},
                      TEqualsCase{"XBeyondTolerance", {{1, 0}, {2.0002, 1}, {3, 0}}, false},
                      TEqualsCase{"YWithinTolerance", {{1, 0}, {2, 0.99995}, {3, 0}}, true},
                      TEqualsCase{"YBeyondTolerance", {{1, 0}, {2, 0.9998}, {3, 0}}, false},
                      TEqualsCase{"FewerPoints", {{1, 0}, {2, 1}}, false},
                      TEqualsCase{"NoPoints", {}, false}),
    [](const auto& info) { return info.param.Label; });

TEST_F(IFSValuesTest, TwoEmptyListsAreEqualAndNullIsNot) {
  const IPtr<IFuzzySet> a = NewSet({});
  EXPECT_TRUE(ValuesOf(a)->EqualsValues(NewSet({})));
  EXPECT_FALSE(ValuesOf(a)->EqualsValues(nullptr));
}

// ---- Add and Insert
// --------------------------------------------------------------------------------

TEST_F(IFSValuesTest, AddAnswersTheIndexWhereThePointEndedUp) {
  const IPtr<IFuzzySet> set = NewSet({{5, 1}, {9, 0}});
  EXPECT_EQ(set->Add(1, 0), 0);
  EXPECT_EQ(set->Add(7, 0.5), 2);
  EXPECT_EQ(PointsOf(set), (TPoints{{1, 0}, {5, 1}, {7, 0.5}, {9, 0}}));
}

TEST_F(IFSValuesTest, AddOfAnExistingPointAnswersThePointKept) {
  const IPtr<IFuzzySet> set = NewSet({{1, 0}, {5, 1}, {9, 0}});
  EXPECT_EQ(set->Add(5, 1), 1);
  EXPECT_EQ(set->GetCount(), 3);
}

TEST_F(IFSValuesTest, InsideABatchAddAnswersTheAppendPosition) {
  const IPtr<IFuzzySet> set = NewSet({{5, 1}});
  set->BeginUpdate();
  EXPECT_EQ(set->Add(1, 0), 1);
  set->EndUpdate();
  EXPECT_EQ(PointsOf(set), (TPoints{{1, 0}, {5, 1}}));
}

TEST_F(IFSValuesTest, AddClampsIntoTheVariablesRangeAndRaisesNegativeY) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v", 0, 10);
  const IPtr<IFuzzySet> set = NewSet({}, "s", variable);
  set->Add(25, -1);
  set->Insert(0, -5, 0.5);
  EXPECT_EQ(PointsOf(set), (TPoints{{0, 0.5}, {10, 0}}));
}

// ---- Append and AssignValues
// ---------------------------------------------------------------------

struct TAppendCase {
  const char* Label;
  int Start;
  int Count;
  TPoints Expected;
};

class IFSValuesAppend : public IFSValuesTest, public ::testing::WithParamInterface<TAppendCase> {};

TEST_P(IFSValuesAppend, PullsTheStartInAndCutsTheCount) {
  const IPtr<IFuzzySet> source = NewSet({{1, 0.1}, {2, 0.2}, {3, 0.3}, {4, 0.4}});
  const IPtr<IFuzzySet> target = NewSet({});
  target->Append(source, GetParam().Start, GetParam().Count);
  EXPECT_EQ(PointsOf(target), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IFSValuesAppend,
    ::testing::Values(TAppendCase{"Middle", 1, 2, {{2, 0.2}, {3, 0.3}}},
                      TAppendCase{"NegativeStart", -3, 2, {{1, 0.1}, {2, 0.2}}},
                      TAppendCase{"StartPastTheEnd", 9, 5, {{4, 0.4}}},
                      TAppendCase{"CountPastTheEnd", 2, 10, {{3, 0.3}, {4, 0.4}}},
                      TAppendCase{"NoCount", 1, 0, {}}),
    [](const auto& info) { return info.param.Label; });

TEST_F(IFSValuesTest, AppendOfAWholeSetKeepsItsOwnPoints) {
  const IPtr<IFuzzySet> target = NewSet({{0, 0}});
  target->Append(NewSet({{1, 1}, {2, 0}}));
  EXPECT_EQ(PointsOf(target), (TPoints{{0, 0}, {1, 1}, {2, 0}}));
}

TEST_F(IFSValuesTest, AppendReportsOneChangeToTheVariable) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> target = NewSet({}, "t", variable);
  const TEventLog log(variable);
  target->Append(NewSet({{1, 0}, {2, 1}, {3, 0}}));
  EXPECT_EQ(log.Events, std::vector<std::string>{"set t"});
}

TEST_F(IFSValuesTest, AssignValuesReplacesThePoints) {
  const IPtr<IFuzzySet> target = NewSet({{0, 1}, {8, 1}});
  target->AssignValues(NewSet({{1, 0}, {2, 1}}));
  EXPECT_EQ(PointsOf(target), (TPoints{{1, 0}, {2, 1}}));
}

TEST_F(IFSValuesTest, AssignValuesFromItsOwnSetKeepsThePoints) {
  const IPtr<IFuzzySet> set = NewSet({{1, 0}, {2, 1}, {3, 0}});
  set->AssignValues(set);
  EXPECT_EQ(PointsOf(set), (TPoints{{1, 0}, {2, 1}, {3, 0}}));
}

// ---- Handed to the set
// -----------------------------------------------------------------------------

TEST_F(IFSValuesTest, ToStringAndAssignActOnTheWholeSet) {
  const IPtr<IFuzzySet> set = NewSet({{1, 0}}, "low");
  TIFSValues* values = ValuesOf(set);
  EXPECT_EQ(values->ToString(), "(low (1.0000 0.0000) )");
  const IPtr<IFuzzySet> source = NewSet({{2, 1}}, "high");
  source->SetExpression("high");
  values->Assign(IPtr<IInterface>(source));
  EXPECT_EQ(set->GetExpression(), "high");
  EXPECT_EQ(set->GetName(), "low");
  EXPECT_EQ(PointsOf(set), (TPoints{{2, 1}}));
}

}  // namespace
}  // namespace fuzzy
