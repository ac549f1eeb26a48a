#include "fuzzy/logic/FuzzyLogicComponent.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::FzyMessageOf;
using testing_support::TFixedTextParser;
using Points = std::vector<std::pair<TFzyFloat, TFzyFloat>>;
using Lines = std::vector<std::string>;

Points PointsOf(const TFuzzySet* set) {
  Points points;
  for (TFuzzySetValue* point : *set->GetValues()) points.emplace_back(point->GetX(), point->GetY());
  return points;
}

Lines TermNames(const TFuzzyVariable* variable) {
  Lines names;
  for (TFuzzySet* term : *variable->GetItems()) names.push_back(term->GetName());
  return names;
}

// A component whose every event writes a line into Events.
class FuzzyLogicEvents : public ::testing::Test {
 protected:
  FuzzyLogicEvents() {
    FLogic->SetOnVariableAdded([this](TObject* sender, TFuzzyVariable* variable) {
      Log(sender, "VariableAdded " + variable->GetName() +
                      " terms=" + IntToStr(variable->GetItems()->GetCount()));
    });
    FLogic->SetOnVariableDeleted([this](TObject* sender, TFuzzyVariable* variable) {
      Log(sender, "VariableDeleted " + variable->GetName());
    });
    FLogic->SetOnVariableChange([this](TObject* sender, TFuzzyVariable* variable) {
      Log(sender, "VariableChange " + variable->GetName());
    });
    FLogic->SetOnFuzzySetAdded([this](TObject* sender, TFuzzySet*) { Log(sender, "SetAdded"); });
    FLogic->SetOnFuzzySetDeleted(
        [this](TObject* sender, TFuzzySet* set) { Log(sender, "SetDeleted " + set->GetName()); });
    FLogic->SetOnFuzzySetChange(
        [this](TObject* sender, TFuzzySet* set) { Log(sender, "SetChange " + set->GetName()); });
    FLogic->SetOnChange([this](TObject* sender) { Log(sender, "Change"); });
  }

  void Log(TObject* sender, const std::string& line) {
    EXPECT_EQ(sender, FLogic.get());
    Events.push_back(line);
    if (line == ThrowOn) throw EFzyException(line);
  }

  // The lines that start with one of `prefixes`, in order.
  Lines Only(std::initializer_list<std::string> prefixes) const {
    Lines kept;
    for (const std::string& line : Events) {
      for (const std::string& prefix : prefixes) {
        if (line.starts_with(prefix)) kept.push_back(line);
      }
    }
    return kept;
  }

  TOwned<TFuzzyLogic> FLogic = Own(TFuzzyLogic::Create(nullptr));
  Lines Events;
  std::string ThrowOn;
};

// ---- automatic terms -------------------------------------------------------------------------

TEST(FuzzyLogicAutoTerms, ANewVariableGetsLowMediumAndHighOverItsRange) {
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  EXPECT_EQ(logic->GetItems()->GetCount(), 0);
  TFuzzyVariable* variable = logic->GetItems()->Add();
  EXPECT_EQ(variable->GetName(), "");
  EXPECT_EQ(variable->GetThreshold(), 0.01);
  ASSERT_EQ(TermNames(variable), (Lines{"low", "medium", "high"}));
  TFuzzySets* terms = variable->GetItems();
  EXPECT_EQ(PointsOf(terms->GetItem(0)), (Points{{0, 1}, {1, 0}}));
  EXPECT_EQ(PointsOf(terms->GetItem(1)), (Points{{0, 0}, {0.5, 1}, {1, 0}}));
  EXPECT_EQ(PointsOf(terms->GetItem(2)), (Points{{0, 0}, {1, 1}}));
  EXPECT_EQ(variable->GetItemIndex(), 2);
  for (TFuzzySet* term : *terms) {
    EXPECT_EQ(term->GetExpression(), term->GetName());
    EXPECT_TRUE(term->GetDefined());
  }
}

// The reader's way: the variable leaves, gets its range, and joins again.
TEST(FuzzyLogicAutoTerms, MediumPeaksInTheMiddleOfTheRangeTheVariableJoinsWith) {
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* variable = logic->GetItems()->Add();
  variable->SetCollection(nullptr);
  auto detached = Own(variable);
  detached->GetItems()->Clear();
  detached->SetMaximum(20);
  detached->SetMinimum(10);
  detached.release()->SetCollection(logic->GetItems());
  ASSERT_EQ(TermNames(variable), (Lines{"low", "medium", "high"}));
  EXPECT_EQ(PointsOf(variable->GetItems()->GetItem(0)), (Points{{10, 1}, {20, 0}}));
  EXPECT_EQ(PointsOf(variable->GetItems()->GetItem(1)), (Points{{10, 0}, {15, 1}, {20, 0}}));
  EXPECT_EQ(PointsOf(variable->GetItems()->GetItem(2)), (Points{{10, 0}, {20, 1}}));
}

TEST(FuzzyLogicAutoTerms, ATermOfTheSameNameIsLeftAsItIs) {
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  logic->SetAutoTerms(false);
  TFuzzyVariable* variable = logic->GetItems()->Add();
  EXPECT_EQ(variable->GetItems()->GetCount(), 0);
  TFuzzySet* medium = variable->GetItems()->Add("medium");
  medium->GetValues()->Add(0.3, 1);
  logic->AddAutoTerms(variable);
  EXPECT_EQ(TermNames(variable), (Lines{"medium", "low", "high"}));
  EXPECT_EQ(PointsOf(medium), (Points{{0.3, 1}}));
  EXPECT_EQ(medium->GetExpression(), "");
}

// ---- settings handed to the variables --------------------------------------------------------

TEST(FuzzyLogicThreshold, OverwritesEveryVariablesOwnThreshold) {
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* first = logic->GetItems()->Add();
  TFuzzyVariable* second = logic->GetItems()->Add();
  second->SetThreshold(0.4);
  logic->SetThreshold(1.5);
  EXPECT_EQ(logic->GetThreshold(), 1.0);
  EXPECT_EQ(first->GetThreshold(), 1.0);
  EXPECT_EQ(second->GetThreshold(), 1.0);
  logic->SetThreshold(-1);
  EXPECT_EQ(second->GetThreshold(), 0.0);
}

class TCountedVariables : public TFuzzyVariables {
 public:
  static TCountedVariables* Create(TPersistent* owner) {
    return Constructed(new TCountedVariables(owner));
  }

 protected:
  explicit TCountedVariables(TPersistent* owner)
      : TFuzzyVariables(owner, TFuzzyVariableClass::Of<TFuzzyVariable>(),
                        TFuzzySetClass::Of<TFuzzySet>()) {}
};

class TCountedLogic : public TFuzzyLogic {
 public:
  static TCountedLogic* Create() { return Constructed(new TCountedLogic()); }

 protected:
  TCountedLogic() : TFuzzyLogic(nullptr) {
    SetVariablesClass(TFuzzyVariablesClass::Of<TCountedVariables>());
  }
};

TEST(FuzzyLogicVariablesClass, ChoosesTheClassOfTheVariableCollection) {
  auto plain = Own(TFuzzyLogic::Create(nullptr));
  EXPECT_EQ(plain->GetVariablesClass(), TFuzzyVariablesClass::Of<TFuzzyVariables>());
  auto counted = Own(TCountedLogic::Create());
  EXPECT_NE(dynamic_cast<TCountedVariables*>(counted->GetItems()), nullptr);
  EXPECT_EQ(counted->GetItems()->GetFuzzy(), counted.get());
}

TEST(FuzzyLogicItems, AssigningCopiesTheVariablesOfAnotherCollection) {
  auto source = Own(TFuzzyLogic::Create(nullptr));
  source->GetItems()->Add("speed")->SetMaximum(9);
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  logic->GetItems()->Add("old");
  logic->SetItems(source->GetItems());
  ASSERT_EQ(logic->GetItems()->GetCount(), 1);
  TFuzzyVariable* copy = logic->GetItems()->GetItem(0);
  EXPECT_EQ(copy->GetName(), "speed");
  EXPECT_EQ(copy->GetMaximum(), 9);
  EXPECT_EQ(TermNames(copy), (Lines{"low", "medium", "high"}));
}

// ---- events ----------------------------------------------------------------------------------

TEST_F(FuzzyLogicEvents, TheAddedHandlerSeesTheVariableBeforeItsAutomaticTerms) {
  FLogic->GetItems()->Add();
  EXPECT_EQ(Only({"VariableAdded", "SetAdded", "Change"}),
            (Lines{"VariableAdded  terms=0", "SetAdded", "SetAdded", "SetAdded", "Change"}));
  EXPECT_EQ(Events.back(), "Change");
}

TEST_F(FuzzyLogicEvents, DeletingAVariableLetsItsTermsGoThenTheVariableThenTheCollection) {
  FLogic->GetItems()->Add("speed");
  Events.clear();
  FLogic->GetItems()->Delete(0);
  EXPECT_EQ(Events, (Lines{"SetDeleted high", "SetDeleted medium", "SetDeleted low",
                           "VariableDeleted speed", "Change"}));
}

TEST_F(FuzzyLogicEvents, ChangesOfTermsAndVariablesAreReported) {
  TFuzzyVariable* variable = FLogic->GetItems()->Add("speed");
  Events.clear();
  variable->GetItems()->GetItem(0)->SetComment("cold");
  variable->SetUnits("m/s");
  EXPECT_EQ(Events, (Lines{"SetChange low", "VariableChange speed"}));
}

TEST_F(FuzzyLogicEvents, DestroyingTheComponentRaisesNone) {
  FLogic->GetItems()->Add("speed");
  Events.clear();
  FLogic.reset();
  EXPECT_EQ(Events, Lines{});
}

// ---- application handlers that raise ---------------------------------------------------------

struct TRaisingCase {
  const char* Label;
  std::string ThrowOn;
  // The variables left of the one present before the action and the one it adds or deletes.
  int CountAfter;
};

class FuzzyLogicRaisingHandlers : public FuzzyLogicEvents,
                                  public ::testing::WithParamInterface<TRaisingCase> {
 protected:
  FuzzyLogicRaisingHandlers() { FLogic->GetItems()->Add("speed"); }

  // After the failure the component works as before.
  void ExpectAWorkingComponent() {
    ThrowOn.clear();
    const int count = FLogic->GetItems()->GetCount();
    EXPECT_EQ(FLogic->GetItems()->Add("next")->GetItems()->GetCount(), 3);
    EXPECT_EQ(FLogic->GetItems()->GetCount(), count + 1);
  }
};

class FuzzyLogicRaisingOnAdd : public FuzzyLogicRaisingHandlers {};

TEST_P(FuzzyLogicRaisingOnAdd, LeaveTheCollectionWhole) {
  ThrowOn = GetParam().ThrowOn;
  EXPECT_THROW(FLogic->GetItems()->Add("load"), EFzyException);
  EXPECT_EQ(FLogic->GetItems()->GetCount(), GetParam().CountAfter);
  ExpectAWorkingComponent();
}

// A handler raising while the variable is made undoes it; one raising for the collection's
// change once the variable is complete leaves it added.
INSTANTIATE_TEST_SUITE_P(Handlers, FuzzyLogicRaisingOnAdd,
                         ::testing::Values(TRaisingCase{"VariableAdded", "VariableAdded  terms=0",
                                                        1},
                                           TRaisingCase{"SetAdded", "SetAdded", 1},
                                           TRaisingCase{"SetChange", "SetChange medium", 1},
                                           TRaisingCase{"Change", "Change", 2}),
                         [](const auto& info) { return std::string(info.param.Label); });

class FuzzyLogicRaisingOnDelete : public FuzzyLogicRaisingHandlers {};

TEST_P(FuzzyLogicRaisingOnDelete, StillLetTheVariableGo) {
  ThrowOn = GetParam().ThrowOn;
  EXPECT_THROW(FLogic->GetItems()->Delete(0), EFzyException);
  EXPECT_EQ(FLogic->GetItems()->GetCount(), GetParam().CountAfter);
  ExpectAWorkingComponent();
}

INSTANTIATE_TEST_SUITE_P(Handlers, FuzzyLogicRaisingOnDelete,
                         ::testing::Values(TRaisingCase{"SetDeleted", "SetDeleted medium", 0},
                                           TRaisingCase{"VariableDeleted", "VariableDeleted speed",
                                                        0},
                                           TRaisingCase{"Change", "Change", 0}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(FuzzyLogicEvents, ARaisingDeletedHandlerStopsAParseBeforeAnythingIsRead) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  FLogic->SetParser(parser.get());
  parser->SetFuzzyLogic(FLogic.get());
  FLogic->GetItems()->Add("speed");
  FLogic->GetStrings()->SetText("(deffuzzy load)");
  ThrowOn = "VariableDeleted speed";
  EXPECT_THROW(FLogic->Parse(), EFzyException);
  EXPECT_EQ(FLogic->GetItems()->GetCount(), 0);
  EXPECT_TRUE(parser->Parsed.empty());
}

// ---- text ------------------------------------------------------------------------------------

class FuzzyLogicText : public ::testing::Test {
 protected:
  FuzzyLogicText() {
    FLogic->SetParser(FParser.get());
    FParser->SetFuzzyLogic(FLogic.get());
  }

  TOwned<TFuzzyLogic> FLogic = Own(TFuzzyLogic::Create(nullptr));
  TOwned<TFixedTextParser> FParser = Own(TFixedTextParser::Create(nullptr));
};

TEST_F(FuzzyLogicText, IsRebuiltOneBlockPerVariableOnceTheVariablesChanged) {
  FLogic->GetItems()->Add("speed");
  FLogic->GetItems()->Add("load");
  EXPECT_TRUE(FLogic->GetStringsStale());
  TStrings* strings = FLogic->GetStrings();
  EXPECT_EQ(strings->GetCount(), 2);
  EXPECT_EQ(strings->GetText(), "(deffuzzy speed)\n(deffuzzy load)\n");
  EXPECT_FALSE(FLogic->GetStringsStale());
}

TEST_F(FuzzyLogicText, WithoutAParserAStaleTextCannotBeReadAndStaysStale) {
  FLogic->SetParser(nullptr);
  FLogic->GetItems()->Add("speed");
  for (int read = 0; read < 2; ++read) {
    EXPECT_EQ(FzyMessageOf([&] { FLogic->GetStrings(); }), "Parser not assigned.  Cannot parse");
    EXPECT_TRUE(FLogic->GetStringsStale());
  }
}

TEST_F(FuzzyLogicText, AssigningTextReplacesTheVariablesWithTheParsedOnes) {
  FLogic->GetItems()->Add("old");
  auto text = Own(TStringList::Create());
  text->SetText("(deffuzzy speed)\n(deffuzzy load)");
  FLogic->SetStrings(text.get());
  ASSERT_EQ(FLogic->GetItems()->GetCount(), 2);
  EXPECT_EQ(FLogic->GetItems()->GetItem(0)->GetName(), "speed");
  EXPECT_EQ(FLogic->GetItems()->GetItem(1)->GetName(), "load");
  EXPECT_FALSE(FLogic->GetStringsStale());
  EXPECT_EQ(FParser->Parsed, Lines{"(deffuzzy speed)\n(deffuzzy load)\n"});
}

TEST_F(FuzzyLogicText, AParseErrorKeepsWhatWasReadBeforeIt) {
  FLogic->GetItems()->Add("old");
  FLogic->GetStrings()->SetText("speed fail load");
  EXPECT_THROW(FLogic->Parse(), EFzyParseException);
  ASSERT_EQ(FLogic->GetItems()->GetCount(), 1);
  EXPECT_EQ(FLogic->GetItems()->GetItem(0)->GetName(), "speed");
}

class TFailingWriter : public TFixedTextParser {
 public:
  static TFailingWriter* Create() { return Constructed(new TFailingWriter()); }
  using TFixedTextParser::PrettyPrint;
  std::string PrettyPrint(TFuzzyVariable*) override { throw EFzyException("cannot write"); }

 protected:
  TFailingWriter() : TFixedTextParser(nullptr) {}
};

TEST_F(FuzzyLogicText, AWriterThatFailsLeavesTheTextStaleAndItsBatchClosed) {
  auto writer = Own(TFailingWriter::Create());
  FLogic->SetParser(writer.get());
  FLogic->GetItems()->Add("speed");
  EXPECT_EQ(FzyMessageOf([&] { FLogic->GetStrings(); }), "cannot write");
  EXPECT_TRUE(FLogic->GetStringsStale());
  FLogic->SetParser(FParser.get());
  EXPECT_EQ(FLogic->GetStrings()->GetText(), "(deffuzzy speed)\n");
  EXPECT_EQ(FLogic->GetStrings()->GetUpdateCount(), 0);
}

TEST_F(FuzzyLogicText, WhileLoadingNothingIsParsedOrRebuilt) {
  FLogic->GetItems()->Add("speed");
  FLogic->BeginLoading();
  FLogic->GetStrings()->SetText("load");
  FLogic->Parse();
  EXPECT_EQ(FLogic->GetItems()->GetItem(0)->GetName(), "speed");
  FLogic->SetParser(nullptr);
  FLogic->UpdateStrings();
  EXPECT_EQ(FLogic->GetStrings()->GetText(), "load\n");
}

}  // namespace
}  // namespace fuzzy
