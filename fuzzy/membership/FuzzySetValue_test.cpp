#include "fuzzy/membership/FuzzySetValue.h"

#include <gtest/gtest.h>

#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::MakeSet;
using testing_support::TProbeSet;

TEST(FuzzySetValue, NewPointStartsOnePastTheLastPoint) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {2.5, 1}});
  TFuzzySetValue* value = set->GetValues()->Add();
  EXPECT_DOUBLE_EQ(value->GetX(), 3.5);
  EXPECT_DOUBLE_EQ(value->GetY(), 0.0);
  EXPECT_EQ(value->GetIndex(), 2);
}

struct TYCase {
  double Given;
  double Stored;
};

class FuzzySetValueSetY : public ::testing::TestWithParam<TYCase> {};

TEST_P(FuzzySetValueSetY, NegativeBecomesZeroAndNothingIsCappedAbove) {
  TOwned<TProbeSet> set = MakeSet({{0, 0.5}, {1, 0.5}});
  TFuzzySetValue* value = set->GetValues()->GetItem(0);
  value->SetY(GetParam().Given);
  EXPECT_DOUBLE_EQ(value->GetY(), GetParam().Stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzySetValueSetY,
                         ::testing::Values(TYCase{-0.2, 0.0}, TYCase{1.7, 1.7},
                                           TYCase{0.25, 0.25}));

struct TXCase {
  double Given;
  double Stored;
};

class FuzzySetValueClamp : public ::testing::TestWithParam<TXCase> {};

// A term of a variable ranging over [0, 10].
TEST_P(FuzzySetValueClamp, XStaysInTheVariablesRange) {
  TOwned<TFuzzyVariable> variable = Own(TFuzzyVariable::Create(nullptr));
  variable->SetMaximum(10);
  TFuzzySet* set = variable->GetItems()->Add();
  TFuzzySetValue* value = set->GetValues()->Add();
  value->SetX(GetParam().Given);
  EXPECT_DOUBLE_EQ(value->GetX(), GetParam().Stored);
  value->SetValue(GetParam().Given, -1.0);
  EXPECT_DOUBLE_EQ(value->GetX(), GetParam().Stored);
  EXPECT_DOUBLE_EQ(value->GetY(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzySetValueClamp,
                         ::testing::Values(TXCase{12, 10}, TXCase{-3, 0}, TXCase{4.5, 4.5}));

TEST(FuzzySetValue, ListWithoutSetStoresAnyValue) {
  TOwned<TFuzzySetValues> values = Own(TFuzzySetValues::Create(nullptr));
  TFuzzySetValue* value = values->Add();
  value->SetValue(1e12, -0.5);
  EXPECT_DOUBLE_EQ(value->GetX(), 1e12);
  EXPECT_DOUBLE_EQ(value->GetY(), -0.5);
  value->SetX(-3);
  EXPECT_DOUBLE_EQ(value->GetX(), -3.0);
}

struct TEqualsCase {
  double X1, Y1, X2, Y2;
  bool Equal;
};

class FuzzySetValueEquals : public ::testing::TestWithParam<TEqualsCase> {};

TEST_P(FuzzySetValueEquals, BothCoordinatesWithinTheToleranceInclusive) {
  // Free-standing points: inside one list, equal neighbours would merge.
  TOwned<TFuzzySetValue> a = Own(TFuzzySetValue::Create(nullptr));
  TOwned<TFuzzySetValue> b = Own(TFuzzySetValue::Create(nullptr));
  a->SetValue(GetParam().X1, GetParam().Y1);
  b->SetValue(GetParam().X2, GetParam().Y2);
  EXPECT_EQ(a->Equals(b.get()), GetParam().Equal);
  EXPECT_EQ(b->Equals(a.get()), GetParam().Equal);
}

INSTANTIATE_TEST_SUITE_P(Cases, FuzzySetValueEquals,
                         ::testing::Values(TEqualsCase{1, 0.5, 1, 0.5, true},
                                           TEqualsCase{1, 0.5, 1.0001, 0.5, true},
                                           TEqualsCase{1, 0.5, 1.00011, 0.5, false},
                                           TEqualsCase{1, 0.5, 1, 0.5001, true},
                                           TEqualsCase{1, 0.5, 1, 0.50011, false},
                                           TEqualsCase{1, 0.5, 3, 2, false}));

TEST(FuzzySetValue, AssignCopiesAPointAndRefusesOtherSources) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {1, 1}});
  TOwned<TFuzzySetValues> other = Own(TFuzzySetValues::Create(nullptr));
  TFuzzySetValue* source = other->Add();
  source->SetValue(0.5, 0.25);
  TFuzzySetValue* target = set->GetValues()->GetItem(1);
  target->Assign(source);
  EXPECT_DOUBLE_EQ(target->GetX(), 0.5);
  EXPECT_DOUBLE_EQ(target->GetY(), 0.25);
  EXPECT_THROW(target->Assign(set.get()), EConvertError);
}

TEST(FuzzySetValue, EditReportsToTheSetAndEqualValuesReportNothing) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {1, 1}});
  set->SetExpression("x");
  TFuzzySetValue* value = set->GetValues()->GetItem(1);
  value->SetX(1.0);
  value->SetY(1.0);
  EXPECT_EQ(set->Reports(), 0);
  EXPECT_EQ(set->GetExpression(), "x");
  value->SetY(0.5);
  EXPECT_EQ(set->PointReports, 1);
  EXPECT_EQ(set->GetExpression(), "");
}

}  // namespace
}  // namespace fuzzy
