#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/logic/FuzzyLogicComponent.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

// A plain collection of sets that counts its item updates and lets a test watch its
// notifications.
class TWatchedSets : public TCollection {
 public:
  static TWatchedSets* Create() { return Constructed(new TWatchedSets()); }
  int Updates = 0;
  std::function<void(TFuzzySet*, TCollectionNotification)> OnNotify;

 protected:
  TWatchedSets() : TCollection(TFuzzySetClass::Of<TFuzzySet>()) {}
  void Update(TCollectionItem* item) override {
    if (item != nullptr) ++Updates;
  }
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    TCollection::Notify(item, action);
    if (OnNotify) OnNotify(static_cast<TFuzzySet*>(item), action);
  }
};

// A set class of its own, to see that copies keep the run-time class.
class TTaggedSet : public TFuzzySet {
 public:
  static TTaggedSet* Create(TCollection* collection) {
    return Constructed(new TTaggedSet(collection));
  }
  TFuzzySetClass GetClassType() const override { return TFuzzySetClass::Of<TTaggedSet>(); }

 protected:
  using TFuzzySet::TFuzzySet;
};

std::string PointsOf(const TFuzzySet* set) {
  return set->GetValuesToString();
}

class ReservedNameTest : public testing::TestWithParam<const char*> {};

TEST_P(ReservedNameTest, IsRefusedAndTheOldNameStays) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->SetName("tall");
  try {
    set->SetName(GetParam());
    FAIL() << "no exception";
  } catch (const EFzyException& e) {
    EXPECT_EQ(e.GetMessage(),
              std::string("Invalid fuzzy set name, \"") + GetParam() + "\" is a reserved word");
  }
  EXPECT_EQ(set->GetName(), "tall");
}

INSTANTIATE_TEST_SUITE_P(Words, ReservedNameTest, testing::Values("very", "and", "or-sum", "^"));

TEST(FuzzySetName, AnOrdinaryNameIsReportedOnceAndTheSameNameNotAtAll) {
  auto sets = Own(TWatchedSets::Create());
  auto* set = static_cast<TFuzzySet*>(sets->Add());
  set->SetName("tall");
  EXPECT_EQ(set->GetName(), "tall");
  EXPECT_EQ(set->GetDisplayName(), "tall");
  set->SetName("tall");
  set->SetComment("c");
  set->SetComment("c");
  EXPECT_EQ(sets->Updates, 2);
}

TEST(FuzzySetSetType, TheCurrentTypeChangesNothingAndReportsNothing) {
  auto sets = Own(TWatchedSets::Create());
  auto* set = static_cast<TFuzzySet*>(sets->Add());
  set->SetSetType(fstTriangle);
  const std::string before = set->GetValuesToString();
  EXPECT_GT(sets->Updates, 0);
  sets->Updates = 0;
  set->SetSetType(fstTriangle);
  EXPECT_EQ(sets->Updates, 0);
  EXPECT_EQ(set->GetValuesToString(), before);
}

TEST(FuzzySetRange, WithoutVariableSpansThe32BitRangeAndOtherIndexesRaise) {
  auto set = Own(TFuzzySet::Create(nullptr));
  EXPECT_EQ(set->GetXRange(0), 2147483647.0);
  EXPECT_EQ(set->GetXRange(1), -2147483647.0);
  EXPECT_THAT([&] { set->GetXRange(2); }, testing::ThrowsMessage<EFzyException>(testing::StrEq(
                                              "Invalid index argument to GetXRange.  Index = 2")));
}

TEST(FuzzySetRange, IsTheVariablesRangeAndClampsPoints) {
  auto variable = Own(TFuzzyVariable::Create(nullptr));
  variable->SetMaximum(10);
  TFuzzySet* set = variable->GetItems()->Add();
  EXPECT_EQ(set->GetVariable(), variable.get());
  EXPECT_EQ(set->GetCollection(), variable->GetItems());
  EXPECT_EQ(set->GetXRange(0), 10);
  EXPECT_EQ(set->GetXRange(1), 0);
  set->CreateTriangleFunctionValues(-3, 5, 12);
  EXPECT_EQ(PointsOf(set), "((0.0000 0.0000) (5.0000 1.0000) (10.0000 0.0000) )");
}

TEST(FuzzySetCrisp, IsAUserDefinedSingletonWithItsValueAsExpressionUntilEdited) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->GetValues()->Add(7, 1);
  set->CreateCrispValue(2.5);
  EXPECT_EQ(PointsOf(set.get()), "((2.5000 0.0000) (2.5000 1.0000) (2.5000 0.0000) )");
  EXPECT_EQ(set->GetSetType(), fstUserDefined);
  EXPECT_EQ(set->GetExpression(), "2.5000");
  set->GetValues()->GetItem(1)->SetY(0.5);
  EXPECT_EQ(set->GetExpression(), "");
}

TEST(FuzzySetCrisp, ExpressionIsTheValueAsTheFourDecimalFormatWritesIt) {
  std::mt19937 random(77);
  std::uniform_real_distribution<double> exponent(-8, 12);
  auto set = Own(TFuzzySet::Create(nullptr));
  for (int k = 0; k < 2000; ++k) {
    const double x = (random() % 2 == 0 ? -1 : 1) * std::pow(10.0, exponent(random));
    set->CreateCrispValue(x);
    ASSERT_EQ(set->GetExpression(), Format(FuzzyFormatStr, x)) << x;
  }
}

TEST(FuzzySetShapeType, GeneratedTypeLastsUntilThePointsAreEdited) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->CreateTriangleFunctionValues(0, 1, 2);
  EXPECT_EQ(set->GetSetType(), fstTriangle);
  set->GetValues()->GetItem(1)->SetX(1.5);
  EXPECT_EQ(set->GetSetType(), fstUserDefined);
}

TEST(FuzzySetAssign, CopiesNameShapeAndExpressionButKeepsTheTargetsOwnFields) {
  auto source = Own(TFuzzySet::Create(nullptr));
  source->SetName("warm");
  source->CreateCurveValues(3, 0, 2, 1.5, true);
  source->SetExpression("very warm");
  source->SetComment("source comment");
  source->SetTag(1);
  auto target = Own(TFuzzySet::Create(nullptr));
  target->SetComment("kept");
  target->SetTag(9);
  target->SetDefined(true);
  target->GetValues()->Add(5, 0.5);
  target->Assign(source.get());
  EXPECT_EQ(target->GetName(), "warm");
  EXPECT_EQ(PointsOf(target.get()), PointsOf(source.get()));
  EXPECT_EQ(target->GetSetType(), fstGrowthCurve);
  EXPECT_EQ(target->GetInflectionPoint(), 1.5);
  EXPECT_EQ(target->GetExpression(), "very warm");
  EXPECT_EQ(target->GetComment(), "kept");
  EXPECT_EQ(target->GetTag(), 9);
  EXPECT_TRUE(target->GetDefined());
  EXPECT_NE(target->GetValues(), source->GetValues());
}

TEST(FuzzySetAssign, FromAnotherKindOfObjectRaisesTheAssignmentError) {
  auto set = Own(TFuzzySet::Create(nullptr));
  auto other = Own(TFuzzySetValues::Create(nullptr));
  EXPECT_THROW(set->Assign(other.get()), EConvertError);
}

TEST(FuzzySetClone, WithoutVariableIsAFreeStandingCopyOfTheRunTimeClass) {
  auto set = Own(TTaggedSet::Create(nullptr));
  set->SetName("low");
  set->CreateTriangleFunctionValues(0, 1, 2);
  auto copy = Own(set->Clone());
  EXPECT_NE(dynamic_cast<TTaggedSet*>(copy.get()), nullptr);
  EXPECT_EQ(copy->GetCollection(), nullptr);
  EXPECT_EQ(copy->ToString(), set->ToString());
  EXPECT_EQ(copy->GetSetType(), fstTriangle);
}

TEST(FuzzySetClone, WithVariableJoinsTheVariablesTerms) {
  auto variable = Own(TFuzzyVariable::Create(nullptr));
  TFuzzySet* set = variable->GetItems()->Add("low");
  set->CreateTriangleFunctionValues(0, 0.2, 0.4);
  TFuzzySet* copy = set->Clone();
  EXPECT_EQ(variable->GetItems()->GetCount(), 2);
  EXPECT_EQ(variable->GetItems()->GetItem(1), copy);
  EXPECT_EQ(copy->ToString(), set->ToString());
}

TEST(FuzzySetText, FallbackFormsListEveryPointWithFourDecimals) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->SetName("low");
  EXPECT_EQ(set->ToString(), "(low )");
  EXPECT_EQ(set->GetValuesToString(), "()");
  set->GetValues()->Add(0, 1);
  set->GetValues()->Add(0.5, 0);
  EXPECT_EQ(set->ToString(), "(low (0.0000 1.0000) (0.5000 0.0000) )");
  EXPECT_EQ(set->GetValuesToString(), "((0.0000 1.0000) (0.5000 0.0000) )");
}

// A parser that answers a recognisable text, to see that a set hands itself over.
class TEchoParser : public testing_support::TFixedTextParser {
 public:
  using TFixedTextParser::PrettyPrint;
  static TEchoParser* Create() { return Constructed(new TEchoParser(nullptr)); }
  std::string PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) override {
    return "echo " + fuzzySet->GetName() + (asTerm ? " as term" : "");
  }
  std::string PrettyPrint(TFuzzyVariable*) override { return ""; }

 protected:
  using TFixedTextParser::TFixedTextParser;
};

TEST(FuzzySetText, IsTheParsersShortFormWhenTheComponentHasAParser) {
  auto fuzzy = Own(TFuzzyLogic::Create(nullptr));
  auto parser = Own(TEchoParser::Create());
  TFuzzySet* set = fuzzy->GetItems()->Add()->GetItems()->Add("low");
  set->GetValues()->Add(0, 1);
  EXPECT_EQ(set->ToString(), "(low (0.0000 1.0000) )");
  fuzzy->SetParser(parser.get());
  EXPECT_EQ(set->ToString(), "echo low");
}

TEST(FuzzySetDefined, IsSetForSetsMadeWhileTheComponentIsDesigned) {
  auto fuzzy = Own(TFuzzyLogic::Create(nullptr));
  auto* variable = fuzzy->GetItems()->Add();
  EXPECT_FALSE(variable->GetItems()->Add()->GetDefined());
  fuzzy->SetDesigning(true);
  EXPECT_TRUE(variable->GetItems()->Add()->GetDefined());
}

TEST(FuzzySetLifecycle, CollectionHandlersMeetTheSetWithItsPoints) {
  auto sets = Own(TWatchedSets::Create());
  std::vector<int> seen;
  sets->OnNotify = [&](TFuzzySet* set, TCollectionNotification) {
    seen.push_back(set->GetValues()->GetCount());
  };
  auto* set = static_cast<TFuzzySet*>(sets->Add());
  set->CreateTriangleFunctionValues(0, 1, 2);
  set->Free();
  EXPECT_EQ(seen, (std::vector<int>{0, 3}));
}

TEST(FuzzySetLifecycle, ARaisingRemovalHandlerStillLeavesNothingBehind) {
  auto sets = Own(TWatchedSets::Create());
  sets->OnNotify = [](TFuzzySet*, TCollectionNotification action) {
    if (action == cnExtracting) throw EFzyException("handler");
  };
  auto* set = static_cast<TFuzzySet*>(sets->Add());
  set->CreateTriangleFunctionValues(0, 1, 2);
  EXPECT_THROW(sets->Delete(0), EFzyException);
  EXPECT_EQ(sets->GetCount(), 0);
}

}  // namespace
}  // namespace fuzzy
