#include "fuzzy/logic/FuzzyVariables.h"

#include <gtest/gtest.h>

#include <functional>

#include "fuzzy/logic/LogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::FzyMessageOf;
using testing_support::TRecordingFuzzyLogic;
using Calls = std::vector<std::string>;

std::vector<std::string> NamesOf(const TFuzzyVariables* variables) {
  std::vector<std::string> names;
  for (TFuzzyVariable* variable : *variables) names.push_back(variable->GetName());
  return names;
}

// ---- making and finding variables ------------------------------------------------------------

class TTaggedSet : public TFuzzySet {
 public:
  static TTaggedSet* Create(TCollection* collection) {
    return Constructed(new TTaggedSet(collection));
  }

 protected:
  using TFuzzySet::TFuzzySet;
};

class TTaggedVariable : public TFuzzyVariable {
 public:
  static TTaggedVariable* Create(TCollection* collection) {
    return Create(collection, TFuzzySetClass::Of<TFuzzySet>());
  }
  static TTaggedVariable* Create(TCollection* collection, TFuzzySetClass fuzzySetClass) {
    return Constructed(new TTaggedVariable(collection, fuzzySetClass));
  }

 protected:
  using TFuzzyVariable::TFuzzyVariable;
};

TEST(FuzzyVariablesAdd, MakesVariablesOfTheItemClassWithTermsOfTheSetClass) {
  auto variables = Own(TFuzzyVariables::Create(nullptr, TFuzzyVariableClass::Of<TTaggedVariable>(),
                                               TFuzzySetClass::Of<TTaggedSet>()));
  TFuzzyVariable* variable = variables->Add("speed");
  EXPECT_NE(dynamic_cast<TTaggedVariable*>(variable), nullptr);
  EXPECT_EQ(variable->GetName(), "speed");
  EXPECT_NE(dynamic_cast<TTaggedSet*>(variable->GetItems()->Add()), nullptr);
  EXPECT_EQ(variables->GetFuzzy(), nullptr);
}

TEST(FuzzyVariablesAdd, UsesTheDefaultClassesUnlessTold) {
  auto variables = Own(TFuzzyVariables::Create(nullptr));
  EXPECT_EQ(variables->GetFuzzySetClass(), TFuzzySetClass::Of<TFuzzySet>());
  variables->SetFuzzySetClass(TFuzzySetClass::Of<TTaggedSet>());
  EXPECT_NE(dynamic_cast<TTaggedSet*>(variables->Add()->GetItems()->Add()), nullptr);
}

TEST(FuzzyVariablesInsert, PutsTheNewVariableAtTheIndex) {
  auto variables = Own(TFuzzyVariables::Create(nullptr));
  variables->Add("a");
  variables->Add("b");
  variables->Insert(1)->SetName("new");
  variables->Insert(3)->SetName("last");
  EXPECT_EQ(NamesOf(variables.get()), (std::vector<std::string>{"a", "new", "b", "last"}));
}

TEST(FuzzyVariablesInsert, ABadIndexAddsNothing) {
  auto variables = Own(TFuzzyVariables::Create(nullptr));
  variables->Add("a");
  EXPECT_THROW(variables->Insert(2), EListError);
  EXPECT_THROW(variables->Insert(-1), EListError);
  EXPECT_EQ(variables->GetCount(), 1);
}

TEST(FuzzyVariablesByName, FindsExactNamesAndRefusesOthers) {
  auto variables = Own(TFuzzyVariables::Create(nullptr));
  TFuzzyVariable* speed = variables->Add("speed");
  EXPECT_EQ(variables->GetItemByName("speed"), speed);
  EXPECT_EQ(FzyMessageOf([&] { variables->GetItemByName("Speed"); }),
            "Unknown Fuzzy Variable name: \"Speed\"");
  auto source = Own(TFuzzyVariable::Create(nullptr));
  source->SetName("load");
  source->SetMaximum(5);
  EXPECT_EQ(FzyMessageOf([&] { variables->SetItemByName("load", source.get()); }),
            "Unknown Fuzzy Variable name: \"load\"");
  variables->SetItemByName("speed", source.get());
  EXPECT_EQ(variables->GetItem(0), speed);
  EXPECT_EQ(speed->GetName(), "load");
  EXPECT_EQ(speed->GetMaximum(), 5);
}

// ---- change forwarding -----------------------------------------------------------------------

// A component with one variable "speed" (range 0 to 10) holding the term "low"; the calls of
// the set-up are forgotten.
class ChangeForwarding : public ::testing::Test {
 protected:
  ChangeForwarding() {
    FVariable->SetName("speed");
    FVariable->SetMaximum(10);
    FLow = FVariable->GetItems()->Add("low");
    FLogic->Calls.clear();
  }

  TOwned<TRecordingFuzzyLogic> FLogic = Own(TRecordingFuzzyLogic::Create());
  TFuzzyVariable* FVariable = TFuzzyVariable::Create(FLogic->GetItems());
  TFuzzySet* FLow = nullptr;
};

TEST_F(ChangeForwarding, TheOwnerChainLeadsToTheComponent) {
  EXPECT_EQ(FLogic->GetItems()->GetFuzzy(), FLogic.get());
  EXPECT_EQ(FVariable->GetCollection(), FLogic->GetItems());
  EXPECT_EQ(FVariable->GetFuzzy(), FLogic.get());
  EXPECT_EQ(FLow->GetVariable(), FVariable);
}

TEST(ChangeForwardingOnJoining, TheAddedNotificationMeetsACompleteVariable) {
  auto logic = Own(TRecordingFuzzyLogic::Create());
  TFuzzyVariable::Create(logic->GetItems());
  EXPECT_EQ(logic->Calls, (Calls{"NotifyVariable added  max=1 terms=0", "UpdateVariable *"}));
}

TEST_F(ChangeForwarding, ATermChangeReachesUpdateFuzzySet) {
  FLow->SetComment("cold side");
  EXPECT_EQ(FLogic->Calls, Calls{"UpdateFuzzySet low"});
}

TEST_F(ChangeForwarding, AddingATermIsNotifiedThenTheVariableChanges) {
  FVariable->GetItems()->Add("high");
  EXPECT_EQ(FLogic->Calls,
            (Calls{"NotifyFuzzySet added ", "UpdateVariable speed", "UpdateFuzzySet high"}));
}

TEST_F(ChangeForwarding, DeletingATermIsNotifiedThenTheVariableChanges) {
  FVariable->GetItems()->Delete(0);
  EXPECT_EQ(FLogic->Calls, (Calls{"NotifyFuzzySet deleting low", "NotifyFuzzySet extracting low",
                                  "UpdateVariable speed"}));
}

struct TPropertyCase {
  const char* Label;
  std::function<void(TFuzzyVariable*)> Change;
  Calls Expected;
};

class ChangeForwardingOfProperties : public ChangeForwarding,
                                     public ::testing::WithParamInterface<TPropertyCase> {};

TEST_P(ChangeForwardingOfProperties, ReachUpdateVariableOnlyWhenTheyChange) {
  GetParam().Change(FVariable);
  EXPECT_EQ(FLogic->Calls, GetParam().Expected);
}

const Calls kSpeedChanged{"UpdateVariable speed"};

INSTANTIATE_TEST_SUITE_P(
    Variable, ChangeForwardingOfProperties,
    ::testing::Values(
        TPropertyCase{"Name", [](TFuzzyVariable* v) { v->SetName("velocity"); },
                      Calls{"UpdateVariable velocity"}},
        TPropertyCase{"SameName", [](TFuzzyVariable* v) { v->SetName("speed"); }, Calls{}},
        TPropertyCase{"Units", [](TFuzzyVariable* v) { v->SetUnits("m/s"); }, kSpeedChanged},
        TPropertyCase{"Comment", [](TFuzzyVariable* v) { v->SetComment("c"); }, kSpeedChanged},
        TPropertyCase{"Minimum", [](TFuzzyVariable* v) { v->SetMinimum(2); }, kSpeedChanged},
        TPropertyCase{"SameMaximum", [](TFuzzyVariable* v) { v->SetMaximum(10); }, Calls{}},
        // The pulled minimum reports its own change before the maximum does.
        TPropertyCase{"MaximumBelowMinimum", [](TFuzzyVariable* v) { v->SetMaximum(-1); },
                      Calls{"UpdateVariable speed", "UpdateVariable speed"}},
        TPropertyCase{"ItemIndex", [](TFuzzyVariable* v) { v->SetItemIndex(-1); }, kSpeedChanged},
        TPropertyCase{"Threshold", [](TFuzzyVariable* v) { v->SetThreshold(0.7); }, Calls{}},
        TPropertyCase{"ThresholdClamped", [](TFuzzyVariable* v) { v->SetThreshold(3); }, Calls{}}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST_F(ChangeForwarding, AFreedVariableLetsItsTermsGoBeforeItLeaves) {
  FVariable->GetItems()->Add("high");
  FLogic->Calls.clear();
  FVariable->Free();
  EXPECT_EQ(FLogic->Calls,
            (Calls{"NotifyFuzzySet extracting high", "NotifyFuzzySet extracting low",
                   "NotifyVariable extracting speed max=10 terms=0", "UpdateVariable *"}));
}

TEST_F(ChangeForwarding, ADeletedVariableIsAnnouncedBeforeItsTermsGo) {
  FLogic->GetItems()->Delete(0);
  EXPECT_EQ(FLogic->Calls,
            (Calls{"NotifyVariable deleting speed max=10 terms=1", "NotifyFuzzySet extracting low",
                   "NotifyVariable extracting speed max=10 terms=0", "UpdateVariable *"}));
}

TEST_F(ChangeForwarding, AHookRaisingWhileATermLeavesStillRemovesTheWholeVariable) {
  FVariable->GetItems()->Add("high");
  FLogic->ThrowOn = "NotifyFuzzySet extracting high";
  FLogic->Calls.clear();
  EXPECT_THROW(FLogic->GetItems()->Delete(0), EFzyException);
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 0);
  EXPECT_EQ(FLogic->Calls[2], "NotifyFuzzySet extracting low");
  EXPECT_EQ(FLogic->Calls[3], "NotifyVariable extracting speed max=10 terms=0");
}

TEST_F(ChangeForwarding, AssigningTermsPullsTheCurrentIndexBackIntoThem) {
  FVariable->GetItems()->Add("high");
  auto source = Own(TFuzzyVariable::Create(nullptr));
  source->GetItems()->Add("only");
  FLogic->Calls.clear();
  FVariable->SetItems(source->GetItems());
  EXPECT_EQ(FVariable->GetItemIndex(), 0);
  EXPECT_EQ(FLogic->Calls.back(), "UpdateVariable speed");
}

}  // namespace
}  // namespace fuzzy
