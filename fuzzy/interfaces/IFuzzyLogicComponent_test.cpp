#include "fuzzy/interfaces/IFuzzyLogicComponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fuzzy/interfaces/IntfLogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::FzyMessageOf;
using testing_support::LiveObjects;
using testing_support::NewCountedVariable;
using testing_support::TIntfTextParser;
using testing_support::TLogicEventLog;
using testing_support::TStubParser;
using Lines = std::vector<std::string>;

std::vector<std::string> TermNames(const IPtr<IFuzzyVariable>& variable) {
  std::vector<std::string> names;
  for (int i = 0; i < variable->GetCount(); ++i)
    names.push_back(variable->GetFuzzySet(i)->GetName());
  return names;
}

std::string PointsOf(const IPtr<IFuzzySet>& term) {
  std::string text;
  for (int i = 0; i < term->GetCount(); ++i) {
    text += "(" + FloatToStr(term->GetXValues(i)) + "," + FloatToStr(term->GetYValues(i)) + ")";
  }
  return text;
}

class IFuzzyLogicTest : public ::testing::Test {
 protected:
  void TearDown() override {
    FLog.reset();
    FLogic.reset();
    EXPECT_EQ(LiveObjects(), 0);
  }
  // A variable of range 10 to 20 stored in the component.
  IPtr<IFuzzyVariable> AddVariable(const std::string& name) {
    IPtr<IFuzzyVariable> variable = NewCountedVariable(name, 10, 20);
    FLogic->GetItems()->Add(variable);
    return variable;
  }
  std::vector<std::string> TakeEvents() { return std::exchange(FLog->Events, {}); }
  // A change of points may be reported more than once; each report counts here once.
  std::vector<std::string> TakeDistinctEvents() {
    std::vector<std::string> events = TakeEvents();
    events.erase(std::unique(events.begin(), events.end()), events.end());
    return events;
  }

  TOwned<TIFuzzyLogic> FLogic = Own(TIFuzzyLogic::Create(nullptr));
  std::unique_ptr<TLogicEventLog> FLog = std::make_unique<TLogicEventLog>(FLogic.get());
};

TEST_F(IFuzzyLogicTest, ANewComponentHasTheDefaults) {
  EXPECT_TRUE(FLogic->GetAutoTerms());
  EXPECT_DOUBLE_EQ(FLogic->GetThreshold(), 0.01);
  EXPECT_EQ(FLogic->GetNumFunctionValues(), 7);
  EXPECT_EQ(FLogic->GetCorrelationMethod(), fcmMinimum);
  EXPECT_EQ(FLogic->GetInferenceMethod(), fimMinMax);
  EXPECT_EQ(FLogic->GetDefuzzificationMethod(), dmCenterOfGravity);
  EXPECT_EQ(FLogic->GetParser(), nullptr);
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 0);
  EXPECT_EQ(FLogic->GetItems()->GetOwner(), FLogic.get());
  EXPECT_EQ(FLogic->GetVariableClass(), TIFuzzyVariableClass::Of<TIFuzzyVariable>());
}

TEST_F(IFuzzyLogicTest, ANewVariableGetsThresholdAndAutomaticTermsWithoutTermEvents) {
  FLogic->SetThreshold(0.2);
  const IPtr<IFuzzyVariable> speed = AddVariable("speed");
  EXPECT_EQ(TakeEvents(), Lines{"variable+ speed"});
  EXPECT_DOUBLE_EQ(speed->GetThreshold(), 0.2);
  ASSERT_EQ(TermNames(speed), (Lines{"low", "medium", "high"}));
  EXPECT_EQ(PointsOf(speed->GetFuzzySetByName("low")), "(10,1)(20,0)");
  // The peak sits in the middle of the range.
  EXPECT_EQ(PointsOf(speed->GetFuzzySetByName("medium")), "(10,0)(15,1)(20,0)");
  EXPECT_EQ(PointsOf(speed->GetFuzzySetByName("high")), "(10,0)(20,1)");
  for (const char* name : {"low", "medium", "high"}) {
    EXPECT_EQ(speed->GetFuzzySetByName(name)->GetExpression(), name);
  }
  speed->Add("fast");
  EXPECT_EQ(TakeEvents(), Lines{"set+ speed/fast"});
}

struct TAutoTermsCase {
  bool AutoTerms;
  Lines Existing;
  Lines Expected;
};

class IFuzzyLogicAutoTerms : public IFuzzyLogicTest,
                             public ::testing::WithParamInterface<TAutoTermsCase> {};

TEST_P(IFuzzyLogicAutoTerms, OnlyMissingTermsAreAdded) {
  FLogic->SetAutoTerms(GetParam().AutoTerms);
  IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  for (const std::string& name : GetParam().Existing) variable->Add(name)->Add(3, 0.5);
  FLogic->GetItems()->Add(variable);
  EXPECT_EQ(TermNames(variable), GetParam().Expected);
  // A term that was there is left as it was.
  for (const std::string& name : GetParam().Existing) {
    EXPECT_EQ(PointsOf(variable->GetFuzzySetByName(name)), "(3,0.5)");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IFuzzyLogicAutoTerms,
    ::testing::Values(TAutoTermsCase{false, {}, {}},
                      TAutoTermsCase{true, {"medium"}, {"medium", "low", "high"}},
                      TAutoTermsCase{true, {"high", "low"}, {"high", "low", "medium"}},
                      TAutoTermsCase{true, {"low", "medium", "high"}, {"low", "medium", "high"}}));

TEST_F(IFuzzyLogicTest, HookedTermEventsReachTheComponentUntilTheVariableIsRemoved) {
  const IPtr<IFuzzyVariable> speed = AddVariable("speed");
  const IPtr<IFuzzySet> low = speed->GetFuzzySetByName("low");
  TakeEvents();
  low->Add(15, 0.5);
  EXPECT_TRUE(FLogic->GetStringsStale());
  speed->Remove(low);
  EXPECT_EQ(TakeDistinctEvents(), (Lines{"set~ speed/low", "set- speed/low"}));

  FLogic->GetItems()->Remove(speed);
  EXPECT_EQ(TakeEvents(), Lines{"variable- speed"});
  EXPECT_FALSE(speed->GetOnFuzzySetChange());
  speed->GetFuzzySetByName("high")->Add(15, 0.5);
  speed->Add("fast");
  EXPECT_EQ(TakeEvents(), Lines{});
}

TEST_F(IFuzzyLogicTest, ThresholdReachesEveryStoredVariable) {
  const IPtr<IFuzzyVariable> speed = AddVariable("speed");
  const IPtr<IFuzzyVariable> load = AddVariable("load");
  load->SetThreshold(0.9);
  FLogic->SetThreshold(0.3);
  EXPECT_DOUBLE_EQ(speed->GetThreshold(), 0.3);
  EXPECT_DOUBLE_EQ(load->GetThreshold(), 0.3);
  FLogic->SetThreshold(1.5);
  EXPECT_DOUBLE_EQ(load->GetThreshold(), 1.0);
}

TEST_F(IFuzzyLogicTest, UpdateVariableMarksTheTextStaleAndRaisesTheMatchingEvent) {
  const IPtr<IFuzzyVariable> speed = AddVariable("speed");
  TakeEvents();
  FLogic->UpdateVariable(speed);
  FLogic->UpdateVariable(nullptr);
  EXPECT_EQ(TakeEvents(), (Lines{"variable~ speed", "change"}));
  EXPECT_TRUE(FLogic->GetStringsStale());
}

TEST_F(IFuzzyLogicTest, DestroyingTheComponentRaisesNothingAndFreesWhatOnlyItHeld) {
  AddVariable("speed");
  FLogic.reset();
  EXPECT_EQ(FLog->Events, Lines{"variable+ speed"});
  EXPECT_EQ(LiveObjects(), 0);
}

// ---- text ------------------------------------------------------------------------------------

class IFuzzyLogicText : public IFuzzyLogicTest {
 protected:
  void SetUp() override {
    FLogic->SetParser(FParser.get());
    FParser->SetFuzzyLogic(FLogic.get());
  }
  void SetText(const std::string& text) {
    auto lines = Own(TStringList::Create());
    lines->SetText(text);
    FLogic->SetStrings(lines.get());
  }
  TOwned<TIntfTextParser> FParser = Own(TIntfTextParser::Create());
};

TEST_F(IFuzzyLogicText, EachVariableWritesItsOwnTextInTableOrder) {
  const IPtr<IFuzzyVariable> speed = AddVariable("speed");
  AddVariable("load");
  speed->SetParser(IPtr<IFuzzyParser>(TStubParser::Create()));
  FLogic->UpdateVariable(nullptr);
  EXPECT_EQ(FLogic->GetStrings()->GetText(), "(deffuzzy speed)\nload\n");
  EXPECT_FALSE(FLogic->GetStringsStale());
}

TEST_F(IFuzzyLogicText, WithoutAParserTheTextCannotBeRebuiltAndStaysStale) {
  AddVariable("speed");
  FLogic->SetParser(nullptr);
  FLogic->UpdateVariable(nullptr);
  EXPECT_EQ(FzyMessageOf([&] { FLogic->GetStrings(); }), "Parser not assigned.  Cannot parse");
  EXPECT_EQ(FzyMessageOf([&] { FLogic->Parse(); }), "Parser not assigned.  Cannot parse");
  EXPECT_TRUE(FLogic->GetStringsStale());
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 1);
}

TEST_F(IFuzzyLogicText, ParsingReplacesTheVariablesSilentlyAndUnhooksTheOldOnes) {
  const IPtr<IFuzzyVariable> old = AddVariable("old");
  TakeEvents();
  SetText("(deffuzzy speed)\n(deffuzzy load)");
  EXPECT_EQ(TakeEvents(), (Lines{"variable+ speed", "variable+ load"}));
  EXPECT_EQ(FLogic->GetItems()->ContainsVariable("old"), nullptr);
  EXPECT_EQ(FLogic->GetItems()->GetItemByIndex(1)->GetName(), "load");
  EXPECT_FALSE(FLogic->GetStringsStale());
  EXPECT_FALSE(old->GetOnFuzzySetAdded());
  EXPECT_FALSE(old->GetOnFuzzySetDeleted());
  EXPECT_FALSE(old->GetOnFuzzySetChange());
}

TEST_F(IFuzzyLogicText, AParseErrorPassesOnOnceTheVariablesAreCleared) {
  AddVariable("old");
  EXPECT_THROW(SetText("(deffuzzy speed) fail"), EFzyParseException);
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 1);
  EXPECT_NE(FLogic->GetItems()->ContainsVariable("speed"), nullptr);
}

TEST_F(IFuzzyLogicText, ALoadedComponentParsesItsTextOnceLoadingIsOver) {
  FLogic->BeginLoading();
  SetText("(deffuzzy speed)");
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 0);
  FLogic->EndLoading();
  EXPECT_EQ(FParser->Parsed, Lines{"(deffuzzy speed)\n"});
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 1);
}

// A variable that outlives its component keeps no way into it.
TEST_F(IFuzzyLogicText, AVariableThatOutlivesTheComponentReachesNothing) {
  IPtr<IFuzzyVariable> kept;
  TIFuzzySetEvent copied;
  {
    SetText("(deffuzzy speed)");
    kept = FLogic->GetItems()->GetItemByIndex(0);
    copied = kept->GetOnFuzzySetChange();
    // The application's own handler survives the unhooking.
    kept->SetOnFuzzySetDeleted([](const IPtr<IFuzzyVariable>&, const IPtr<IFuzzySet>&) {});
    FLogic.reset();
  }
  EXPECT_FALSE(kept->GetOnFuzzySetAdded());
  EXPECT_FALSE(kept->GetOnFuzzySetChange());
  EXPECT_TRUE(kept->GetOnFuzzySetDeleted());
  const IPtr<IFuzzySet> low = kept->GetFuzzySetByName("low");
  low->Add(5, 0.5);
  kept->Add("fast");
  kept->Remove(low);
  copied(kept, low);
  EXPECT_EQ(FLog->Events, Lines{"variable+ speed"});
}

}  // namespace
}  // namespace fuzzy
