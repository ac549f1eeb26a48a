#include "fuzzy/logic/FuzzySets.h"

#include <gtest/gtest.h>

#include "fuzzy/logic/LogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::FzyMessageOf;

class FuzzySetsTest : public ::testing::Test {
 protected:
  TOwned<TFuzzyVariable> FVariable = Own(TFuzzyVariable::Create(nullptr));
  TFuzzySets* FItems = FVariable->GetItems();
};

struct TDefinedCase {
  const char* Name;
  bool Defined;
};

class FuzzySetsAddName : public FuzzySetsTest,
                         public ::testing::WithParamInterface<TDefinedCase> {};

TEST_P(FuzzySetsAddName, IsDefinedUnlessTheNameIsEmptyOrTheEmptyMarker) {
  TFuzzySet* fuzzySet = FItems->Add(GetParam().Name);
  EXPECT_EQ(fuzzySet->GetName(), GetParam().Name);
  EXPECT_EQ(fuzzySet->GetDefined(), GetParam().Defined);
}

INSTANTIATE_TEST_SUITE_P(Names, FuzzySetsAddName,
                         ::testing::Values(TDefinedCase{"", false}, TDefinedCase{"__Empty", false},
                                           TDefinedCase{"x", true}, TDefinedCase{"__empty", true}));

TEST_F(FuzzySetsTest, EachAddMakesTheNewTermCurrent) {
  for (int i = 0; i < 3; ++i) {
    FItems->Add("t" + IntToStr(i));
    EXPECT_EQ(FVariable->GetItemIndex(), i);
  }
  FVariable->SetItemIndex(0);
  FItems->Add();
  EXPECT_EQ(FVariable->GetItemIndex(), 3);
}

TEST_F(FuzzySetsTest, AReservedNameRaisesAndLeavesTheUnnamedTermBehind) {
  EXPECT_EQ(FzyMessageOf([&] { FItems->Add("very"); }),
            "Invalid fuzzy set name, \"very\" is a reserved word");
  ASSERT_EQ(FItems->GetCount(), 1);
  EXPECT_EQ(FItems->GetItem(0)->GetName(), "");
  EXPECT_FALSE(FItems->GetItem(0)->GetDefined());
  EXPECT_EQ(FVariable->GetItemIndex(), 0);
}

TEST_F(FuzzySetsTest, ItemsAreFoundByTheirExactName) {
  FItems->Add("low");
  TFuzzySet* high = FItems->Add("high");
  EXPECT_EQ(FItems->GetItemByName("high"), high);
  EXPECT_EQ(FzyMessageOf([&] { FItems->GetItemByName("High"); }),
            "Unknown Fuzzy Set name: \"High\"");
}

TEST_F(FuzzySetsTest, SetItemByNameCopiesIntoTheStoredTerm) {
  TFuzzySet* low = FItems->Add("low");
  auto source = Own(TFuzzySet::Create(nullptr));
  source->SetName("cold");
  FItems->SetItemByName("low", source.get());
  EXPECT_EQ(FItems->GetItem(0), low);
  EXPECT_EQ(low->GetName(), "cold");
}

TEST_F(FuzzySetsTest, SetItemByNameOfAnUnknownNameRaisesAndChangesNothing) {
  FItems->Add("low");
  auto source = Own(TFuzzySet::Create(nullptr));
  source->SetName("cold");
  EXPECT_EQ(FzyMessageOf([&] { FItems->SetItemByName("warm", source.get()); }),
            "Unknown Fuzzy Set name: \"warm\"");
  EXPECT_EQ(FItems->GetItem(0)->GetName(), "low");
}

TEST_F(FuzzySetsTest, RangeForAndEnumeratorVisitTheTermsInOrder) {
  FItems->Add("a");
  FItems->Add("b");
  std::string byRange;
  for (TFuzzySet* fuzzySet : *FItems) byRange += fuzzySet->GetName();
  std::string byEnumerator;
  auto enumerator = Own(FItems->GetEnumerator());
  while (enumerator->MoveNext()) byEnumerator += enumerator->GetCurrent()->GetName();
  EXPECT_EQ(byRange, "ab");
  EXPECT_EQ(byEnumerator, "ab");
}

TEST(FuzzySets, WithoutAVariableAddsWithoutACurrentTerm) {
  auto items = Own(TFuzzySets::Create(nullptr));
  TFuzzySet* fuzzySet = items->Add("x");
  EXPECT_EQ(items->GetVariable(), nullptr);
  EXPECT_EQ(fuzzySet->GetVariable(), nullptr);
  EXPECT_EQ(items->GetCount(), 1);
}

}  // namespace
}  // namespace fuzzy
