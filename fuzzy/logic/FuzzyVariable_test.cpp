#include "fuzzy/logic/FuzzyVariable.h"

#include <gtest/gtest.h>

#include <functional>

#include "fuzzy/framework/Strings.h"
#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::FzyMessageOf;

class FuzzyVariableTest : public ::testing::Test {
 protected:
  // A variable with the given terms, the last one current.
  void AddTerms(std::initializer_list<const char*> names) {
    for (const char* name : names) FVariable->GetItems()->Add(name);
  }

  TOwned<TFuzzyVariable> FVariable = Own(TFuzzyVariable::Create(nullptr));
};

TEST_F(FuzzyVariableTest, ANewVariableSpansZeroToOneWithoutTerms) {
  EXPECT_EQ(FVariable->GetMinimum(), 0.0);
  EXPECT_EQ(FVariable->GetMaximum(), 1.0);
  EXPECT_EQ(FVariable->GetItemIndex(), -1);
  EXPECT_EQ(FVariable->GetThreshold(), 0.0);
  EXPECT_EQ(FVariable->GetItems()->GetCount(), 0);
  EXPECT_EQ(FVariable->GetItems()->GetVariable(), FVariable.get());
  EXPECT_EQ(FVariable->GetFuzzySetClass(), TFuzzySetClass::Of<TFuzzySet>());
  EXPECT_EQ(FVariable->GetName(), "");
  EXPECT_EQ(FVariable->GetFuzzy(), nullptr);
}

// ---- range -------------------------------------------------------------------------------

TEST_F(FuzzyVariableTest, EachEndPullsTheOtherAlongInTurn) {
  FVariable->SetMaximum(10);
  FVariable->SetMaximum(-5);
  EXPECT_EQ(FVariable->GetMinimum(), -5.0);
  EXPECT_EQ(FVariable->GetMaximum(), -5.0);
  FVariable->SetMinimum(3);
  EXPECT_EQ(FVariable->GetMinimum(), 3.0);
  EXPECT_EQ(FVariable->GetMaximum(), 3.0);
}

TEST_F(FuzzyVariableTest, TermPointsAreClampedIntoTheRange) {
  FVariable->SetMaximum(10);
  TFuzzySetValues* values = FVariable->GetItems()->Add("t")->GetValues();
  values->Add(-5, 0.5);
  values->Add(25, 1.0);
  ASSERT_EQ(values->GetCount(), 2);
  EXPECT_EQ(values->GetItem(0)->GetX(), 0.0);
  EXPECT_EQ(values->GetItem(1)->GetX(), 10.0);
}

// ---- threshold and current term ------------------------------------------------------------

class FuzzyVariableThreshold
    : public FuzzyVariableTest,
      public ::testing::WithParamInterface<std::pair<TFzyFloat, TFzyFloat>> {};

TEST_P(FuzzyVariableThreshold, IsKeptBetweenZeroAndOne) {
  FVariable->SetThreshold(0.5);
  FVariable->SetThreshold(GetParam().first);
  EXPECT_EQ(FVariable->GetThreshold(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, FuzzyVariableThreshold,
                         ::testing::Values(std::pair{-0.5, 0.0}, std::pair{2.0, 1.0},
                                           std::pair{0.25, 0.25}, std::pair{1.0, 1.0}));

class FuzzyVariableItemIndex : public FuzzyVariableTest,
                               public ::testing::WithParamInterface<int> {};

TEST_P(FuzzyVariableItemIndex, OutsideTheTermsRaisesTheListIndexErrorAndKeepsTheIndex) {
  AddTerms({"low", "high"});
  FVariable->SetItemIndex(0);
  const int value = GetParam();
  EXPECT_EQ(FzyMessageOf([&] { FVariable->SetItemIndex(value); }),
            "List index out of bounds (" + IntToStr(value) + ")");
  EXPECT_EQ(FVariable->GetItemIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(Values, FuzzyVariableItemIndex, ::testing::Values(2, 5, -2, -100));

TEST_F(FuzzyVariableTest, ItemIndexTakesEveryTermAndMinusOne) {
  AddTerms({"low", "high"});
  for (int value : {0, 1, -1}) {
    FVariable->SetItemIndex(value);
    EXPECT_EQ(FVariable->GetItemIndex(), value);
  }
}

TEST_F(FuzzyVariableTest, DeletingTheCurrentLastTermMovesToTheNewLastOne) {
  AddTerms({"low", "medium", "high"});
  FVariable->GetItems()->Delete(2);
  EXPECT_EQ(FVariable->GetItemIndex(), 1);
  FVariable->GetItems()->Delete(0);
  EXPECT_EQ(FVariable->GetItemIndex(), 0);
  FVariable->GetItems()->Delete(0);
  EXPECT_EQ(FVariable->GetItemIndex(), -1);
}

// ---- text and copies -----------------------------------------------------------------------

TEST_F(FuzzyVariableTest, ToStringWithoutAComponentIsTheDisplayName) {
  EXPECT_EQ(FVariable->ToString(), "TFuzzyVariable");
  FVariable->SetName("speed");
  EXPECT_EQ(FVariable->ToString(), "speed");
}

TEST_F(FuzzyVariableTest, AssignedToAStringListGivesOneLinePerTermInOneBatch) {
  AddTerms({"low", "high"});
  auto lines = Own(TStringList::Create());
  lines->Add("stale");
  int changes = 0;
  lines->SetOnChange([&](TObject*) { ++changes; });
  lines->Assign(FVariable.get());
  ASSERT_EQ(lines->GetCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(lines->GetStrings(i), FVariable->GetItems()->GetItem(i)->GetName());
    EXPECT_EQ(lines->GetObjects(i), FVariable->GetItems()->GetItem(i));
  }
  EXPECT_EQ(changes, 1);
}

TEST_F(FuzzyVariableTest, AssignCopiesTheFieldsAndTheTerms) {
  FVariable->SetName("speed");
  FVariable->SetUnits("km/h");
  FVariable->SetComment("road");
  FVariable->SetMaximum(200);
  FVariable->SetMinimum(10);
  FVariable->SetThreshold(0.3);
  AddTerms({"slow", "fast"});
  FVariable->SetItemIndex(0);

  auto copy = Own(TFuzzyVariable::Create(nullptr));
  copy->GetItems()->Add("old");
  copy->Assign(FVariable.get());
  EXPECT_EQ(copy->GetName(), "speed");
  EXPECT_EQ(copy->GetUnits(), "km/h");
  EXPECT_EQ(copy->GetComment(), "road");
  EXPECT_EQ(copy->GetMinimum(), 10.0);
  EXPECT_EQ(copy->GetMaximum(), 200.0);
  EXPECT_EQ(copy->GetThreshold(), 0.3);
  EXPECT_EQ(copy->GetItemIndex(), 0);
  ASSERT_EQ(copy->GetItems()->GetCount(), 2);
  EXPECT_EQ(copy->GetItems()->GetItem(1)->GetName(), "fast");
  EXPECT_EQ(copy->GetItems()->GetItem(1)->GetVariable(), copy.get());
}

}  // namespace
}  // namespace fuzzy
