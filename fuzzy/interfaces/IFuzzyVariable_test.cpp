#include "fuzzy/interfaces/IFuzzyVariable.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IntfVarTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddTriangle;
using testing_support::LiveObjects;
using testing_support::NewCountedVariable;
using testing_support::TCountedVariable;
using testing_support::TEventLog;
using testing_support::TStubParser;
using Events = std::vector<std::string>;

// Every test ends with as many live variables and sets as it started with.
class IntfVariable : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(LiveObjects(), FLiveAtStart); }

  const int FLiveAtStart = LiveObjects();
};

TEST_F(IntfVariable, StartsWithTheDocumentedDefaults) {
  const IPtr<TIFuzzyVariable> variable(TIFuzzyVariable::Create("speed"));
  EXPECT_EQ(variable->GetRefCount(), 1);
  EXPECT_EQ(variable->GetName(), "speed");
  EXPECT_EQ(variable->GetMinimum(), 0.0);
  EXPECT_EQ(variable->GetMaximum(), 1.0);
  EXPECT_EQ(variable->GetNumFunctionValues(), 7);
  EXPECT_EQ(variable->GetDefuzzificationMethod(), dmCenterOfGravity);
  EXPECT_EQ(variable->GetThreshold(), 0.0);
  EXPECT_EQ(variable->GetCount(), 0);
  EXPECT_EQ(variable->GetFuzzySetClass(), TIFuzzySetClass::Of<TIFuzzySet>());
  EXPECT_TRUE(Supports<ICloneable>(IPtr<IFuzzyVariable>(variable)));
}

// ---- Lifetime ---------------------------------------------------------------------------------

TEST_F(IntfVariable, ReleasingTheOnlyReferenceDestroysTheVariableAndItsTerms) {
  IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  for (const char* name : {"low", "medium", "high"}) variable->Add(name);
  EXPECT_EQ(LiveObjects(), FLiveAtStart + 4);
  variable = nullptr;
  EXPECT_EQ(LiveObjects(), FLiveAtStart);
}

TEST_F(IntfVariable, ATermHeldElsewhereKeepsTheVariableUntilItGoes) {
  IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  for (const char* name : {"low", "medium", "high"}) variable->Add(name);
  IPtr<IFuzzySet> kept = variable->GetFuzzySet(1);
  variable = nullptr;
  EXPECT_EQ(TCountedVariable::Live, 1);
  EXPECT_EQ(LiveObjects(), FLiveAtStart + 2);
  EXPECT_EQ(kept->GetVariable()->GetName(), "speed");
  kept = nullptr;
  EXPECT_EQ(LiveObjects(), FLiveAtStart);
}

TEST_F(IntfVariable, ASetOutsideTheTableKeepsTheVariableToo) {
  IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  variable->Add("low");
  IPtr<IFuzzySet> result = variable->Add("__Empty");
  variable = nullptr;
  EXPECT_EQ(result->GetVariable()->GetCount(), 1);
  result = nullptr;
  EXPECT_EQ(LiveObjects(), FLiveAtStart);
}

TEST_F(IntfVariable, AHandlerThatKeepsTheVariableWhileItLetsItsTermsGoKeepsItAlive) {
  IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  variable->Add("low");
  IPtr<IFuzzyVariable> rescued;
  variable->SetOnVariableChange([&rescued](const IPtr<IFuzzyVariable>& v) { rescued = v; });
  variable = nullptr;
  ASSERT_TRUE(rescued);
  EXPECT_EQ(rescued->GetCount(), 0);
  EXPECT_EQ(LiveObjects(), FLiveAtStart + 1);
  rescued->SetOnVariableChange(nullptr);
  rescued = nullptr;
}

// A release cannot report an error, so the handler's error is dropped and the variable still goes.
TEST_F(IntfVariable, AHandlerThatThrowsWhileTheVariableLetsItsTermsGoLeavesNothing) {
  IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  variable->Add("low");
  variable->SetOnChange([](TObject*) { throw std::runtime_error("handler failed"); });
  EXPECT_NO_THROW(variable = nullptr);
}

// An entry put in without being linked does not hold the variable, so it must not count as
// one of the references the terms hold.
TEST_F(IntfVariable, AnUnlinkedEntryDoesNotEmptyATableThatIsStillHeld) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  variable->Add("high");
  const IPtr<IFuzzySet> stranger(TIFuzzySet::Create(nullptr, "stranger"));
  dynamic_cast<TIFuzzyVariable&>(*variable).GetItems()->Put("stranger", stranger);
  IPtr<IFuzzySet> loose = variable->Add("__Empty");
  loose = nullptr;
  EXPECT_EQ(variable->GetCount(), 2);
}

// ---- Events -----------------------------------------------------------------------------------

struct EventCase {
  const char* Case;
  std::function<void(const IPtr<IFuzzyVariable>&, const IPtr<IFuzzySet>&)> Action;
  Events Expected;
};

class IntfVariableEvents : public IntfVariable, public ::testing::WithParamInterface<EventCase> {};

TEST_P(IntfVariableEvents, ComeInTheirOrder) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> warm = AddTriangle(variable, "warm", 0, 5, 10);
  TEventLog log(variable);
  GetParam().Action(variable, warm);
  EXPECT_EQ(log.Events, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntfVariableEvents,
    ::testing::Values(
        EventCase{
            "Add", [](auto& v, auto&) { v->Add("hot"); }, {"added hot", "change", "variable"}},
        EventCase{"Remove",
                  [](auto& v, auto& s) { v->Remove(s); },
                  {"deleted warm", "change", "variable"}},
        EventCase{"Rename",
                  [](auto&, auto& s) { s->SetName("hot"); },
                  {"deleted warm", "change", "variable", "added hot", "change", "variable"}},
        EventCase{"PointChange", [](auto&, auto& s) { s->SetYValues(1, 0.5); }, {"set warm"}},
        EventCase{"Clear", [](auto& v, auto&) { v->Clear(); }, {"change", "variable"}}),
    [](const auto& info) { return std::string(info.param.Case); });

struct SetterCase {
  const char* Case;
  std::function<void(IFuzzyVariable&)> Action;
  std::function<bool(const IFuzzyVariable&)> Check;
  int Changes;
};

class IntfVariableSetters : public IntfVariable,
                            public ::testing::WithParamInterface<SetterCase> {};

TEST_P(IntfVariableSetters, StoreAndReportAsDocumented) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed", 0, 10);
  TEventLog log(variable);
  GetParam().Action(*variable);
  EXPECT_TRUE(GetParam().Check(*variable));
  EXPECT_EQ(std::count(log.Events.begin(), log.Events.end(), "change"), GetParam().Changes);
  EXPECT_EQ(std::count(log.Events.begin(), log.Events.end(), "variable"), GetParam().Changes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntfVariableSetters,
    ::testing::Values(
        SetterCase{"NewName", [](auto& v) { v.SetName("rate"); },
                   [](auto& v) { return v.GetName() == "rate"; }, 1},
        SetterCase{"SameName", [](auto& v) { v.SetName("speed"); },
                   [](auto& v) { return v.GetName() == "speed"; }, 0},
        SetterCase{"OneFunctionValue", [](auto& v) { v.SetNumFunctionValues(1); },
                   [](auto& v) { return v.GetNumFunctionValues() == 1; }, 1},
        SetterCase{"Units", [](auto& v) { v.SetUnits("km/h"); },
                   [](auto& v) { return v.GetUnits() == "km/h"; }, 0},
        SetterCase{"Comment", [](auto& v) { v.SetComment("note"); },
                   [](auto& v) { return v.GetComment() == "note"; }, 0},
        SetterCase{"Defuzzification", [](auto& v) { v.SetDefuzzificationMethod(dmMeanOfMaxima); },
                   [](auto& v) { return v.GetDefuzzificationMethod() == dmMeanOfMaxima; }, 0},
        SetterCase{"ThresholdBelowZero", [](auto& v) { v.SetThreshold(-0.5); },
                   [](auto& v) { return v.GetThreshold() == 0.0; }, 0},
        SetterCase{"ThresholdAboveOne", [](auto& v) { v.SetThreshold(2); },
                   [](auto& v) { return v.GetThreshold() == 1.0; }, 0},
        SetterCase{"Minimum", [](auto& v) { v.SetMinimum(3); },
                   [](auto& v) { return v.GetMinimum() == 3 && v.GetMaximum() == 10; }, 1},
        SetterCase{"MaximumBelowMinimum", [](auto& v) { v.SetMaximum(-5); },
                   [](auto& v) { return v.GetMinimum() == -5 && v.GetMaximum() == -5; }, 2},
        SetterCase{"MinimumAboveMaximum", [](auto& v) { v.SetMinimum(12); },
                   [](auto& v) { return v.GetMinimum() == 12 && v.GetMaximum() == 12; }, 2}),
    [](const auto& info) { return std::string(info.param.Case); });

TEST_F(IntfVariable, TheParserReachesEveryTermAndGoesWithTheVariable) {
  const IPtr<TStubParser> parser(TStubParser::Create());
  {
    const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
    const IPtr<IFuzzySet> low = variable->Add("low");
    EXPECT_EQ(variable->ToString(), "speed");
    variable->SetParser(parser);
    EXPECT_EQ(low->GetParser(), parser);
    EXPECT_EQ(variable->ToString(), "(deffuzzy speed)");
  }
  EXPECT_EQ(parser->GetRefCount(), 1);
}

// ---- Copying and comparing --------------------------------------------------------------------

IPtr<IFuzzyVariable> NewSource() {
  IPtr<IFuzzyVariable> source = NewCountedVariable("speed", 0, 100);
  source->SetUnits("km/h");
  source->SetComment("source only");
  source->SetThreshold(0.5);
  source->SetNumFunctionValues(9);
  source->SetTag(4);
  AddTriangle(source, "slow", 0, 20, 40);
  AddTriangle(source, "fast", 60, 80, 100);
  return source;
}

void ExpectCopiedFields(const IFuzzyVariable& copy) {
  EXPECT_EQ(copy.GetName(), "speed");
  EXPECT_EQ(copy.GetMaximum(), 100);
  EXPECT_EQ(copy.GetUnits(), "km/h");
  EXPECT_EQ(copy.GetNumFunctionValues(), 9);
  EXPECT_EQ(copy.GetTag(), 4);
  EXPECT_EQ(copy.GetComment(), "");
  EXPECT_EQ(copy.GetThreshold(), 0.0);
  EXPECT_EQ(copy.GetCount(), 2);
}

TEST_F(IntfVariable, CloneCopiesFieldsAndTermsButNotCommentOrThreshold) {
  const IPtr<IFuzzyVariable> source = NewSource();
  const IPtr<IFuzzyVariable> copy = InterfaceCast<IFuzzyVariable>(source->Clone());
  ASSERT_TRUE(copy);
  EXPECT_EQ(dynamic_cast<TObject&>(*copy).ClassName(), "TIFuzzyVariable");
  EXPECT_NE(dynamic_cast<TCountedVariable*>(copy.get()), nullptr);
  ExpectCopiedFields(*copy);
  EXPECT_NE(copy->GetFuzzySet(0), source->GetFuzzySet(0));
  EXPECT_EQ(copy->GetFuzzySet(0)->GetVariable(), copy);
  EXPECT_TRUE(source->Equals(copy));
}

TEST_F(IntfVariable, AssignThroughTheInterfaceCopiesTheWholeVariableThenReportsOnce) {
  const IPtr<IFuzzyVariable> source = NewSource();
  const IPtr<IFuzzyVariable> target = NewCountedVariable("other");
  target->Add("old");
  TEventLog log(target);
  target->Assign(IPtr<IInterface>(source));
  ExpectCopiedFields(*target);
  EXPECT_EQ(target->GetFuzzySetByName("old"), nullptr);
  ASSERT_GE(log.Events.size(), 2u);
  EXPECT_EQ(Events(log.Events.end() - 2, log.Events.end()), (Events{"change", "variable"}));
}

TEST_F(IntfVariable, AssignAndEqualsRefuseWhatIsNoVariable) {
  const IPtr<IFuzzyVariable> target = NewCountedVariable("speed");
  const IPtr<IInterface> stranger(TInterfacedObject::Create());
  target->Assign(stranger);
  EXPECT_EQ(target->GetName(), "speed");
  EXPECT_FALSE(target->Equals(stranger));
  TOwned<TIStringHashTable> table(TIStringHashTable::Create());
  EXPECT_THROW(target->Assign(table.get()), EConvertError);
}

struct EqualsCase {
  const char* Case;
  std::function<void(const IPtr<IFuzzyVariable>&)> Change;
  bool Equal;
};

class IntfVariableEquals : public IntfVariable, public ::testing::WithParamInterface<EqualsCase> {};

// The set match is the threshold walk of this variable's threshold, so terms that never reach
// it together are not equal.
TEST_P(IntfVariableEquals, ComparesNameRangeUnitsAndDefinedTerms) {
  const IPtr<IFuzzyVariable> mine = NewCountedVariable("temp", 0, 40);
  mine->SetThreshold(0.5);
  AddTriangle(mine, "cold", 0, 5, 10);
  const IPtr<IFuzzyVariable> other = NewCountedVariable("temp", 0, 40);
  AddTriangle(other, "cold", 0, 5, 10);
  GetParam().Change(other);
  EXPECT_EQ(mine->Equals(other), GetParam().Equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntfVariableEquals,
    ::testing::Values(
        EqualsCase{"Same", [](auto&) {}, true},
        EqualsCase{"ExtraTermThere", [](auto& v) { AddTriangle(v, "hot", 30, 35, 40); }, true},
        EqualsCase{"TermMissing", [](auto& v) { v->Clear(); }, false},
        EqualsCase{"TermApart", [](auto& v) { v->GetFuzzySet(0)->SetXValues(1, 25); }, false},
        EqualsCase{"OtherName", [](auto& v) { v->SetName("heat"); }, false},
        EqualsCase{"OtherMaximum", [](auto& v) { v->SetMaximum(50); }, false},
        EqualsCase{"OtherUnits", [](auto& v) { v->SetUnits("C"); }, false}),
    [](const auto& info) { return std::string(info.param.Case); });

}  // namespace
}  // namespace fuzzy
