#include "fuzzy/interfaces/IFuzzySets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IntfVarTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddTriangle;
using testing_support::LiveObjects;
using testing_support::NewCountedVariable;
using testing_support::TEventLog;

TIFuzzySets* ItemsOf(const IPtr<IFuzzyVariable>& variable) {
  return dynamic_cast<TIFuzzyVariable&>(*variable).GetItems();
}

std::vector<std::string> NamesOf(const IPtr<IFuzzyVariable>& variable) {
  std::vector<std::string> names;
  for (auto terms = ItemsOf(variable)->GetEnumerator(); terms.MoveNext();) {
    names.push_back(terms.GetCurrent()->GetName());
  }
  return names;
}

// Every test ends with as many live variables and sets as it started with.
class TermTable : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(LiveObjects(), FLiveAtStart); }

 private:
  int FLiveAtStart = LiveObjects();
};

struct NamedAdd {
  const char* Name;
  bool Defined;
};

class TermTableAddByName : public TermTable, public ::testing::WithParamInterface<NamedAdd> {};

TEST_P(TermTableAddByName, LinksEveryNewSetAndEntersOnlyDefinedOnes) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> fuzzySet = variable->Add(GetParam().Name);
  EXPECT_EQ(fuzzySet->GetDefined(), GetParam().Defined);
  EXPECT_EQ(fuzzySet->GetVariable(), variable);
  EXPECT_EQ(variable->GetCount(), GetParam().Defined ? 1 : 0);
  EXPECT_EQ(variable->ContainsFuzzySet(GetParam().Name),
            GetParam().Defined ? fuzzySet : IPtr<IFuzzySet>());
}

INSTANTIATE_TEST_SUITE_P(Names, TermTableAddByName,
                         ::testing::Values(NamedAdd{"warm", true}, NamedAdd{"", true},
                                           NamedAdd{"__Empty", false}));

TEST_F(TermTable, EntryNumbersCountInsertionsAndRestartAfterOneClearEvent) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> low = variable->Add("low");
  const IPtr<IFuzzySet> high = variable->Add("high");
  EXPECT_EQ(low->GetIndex(), 0);
  EXPECT_EQ(high->GetIndex(), 1);

  TEventLog log(variable);
  variable->Clear();
  EXPECT_EQ(log.Events, (std::vector<std::string>{"change", "variable"}));
  EXPECT_EQ(variable->GetCount(), 0);
  EXPECT_EQ(low->GetVariable(), variable);  // cleared terms stay linked
  EXPECT_EQ(variable->Add("medium")->GetIndex(), 0);
}

TEST_F(TermTable, PutReplacesAnEntryInPlaceNumbersItAndAnswersTheOldOne) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> first = variable->Add("low");
  variable->Add("high");
  const IPtr<IFuzzySet> second(TIFuzzySet::Create(nullptr, "low"));
  TEventLog log(variable);
  EXPECT_EQ(ItemsOf(variable)->Put("low", second), first);
  EXPECT_EQ(variable->GetFuzzySet(0), second);
  EXPECT_EQ(second->GetIndex(), 2);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"added low", "change", "variable"}));
}

TEST_F(TermTable, PutRefusesWhatIsNoSetAndStoresNothing) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  TIFuzzySets* table = ItemsOf(variable);
  const IPtr<IInterface> notASet(TInterfacedObject::Create());
  EXPECT_THROW(table->Put("x", notASet), EIntfCastError);
  EXPECT_THROW(table->Put("x", IPtr<IFuzzySet>()), EIntfCastError);
  EXPECT_EQ(table->GetCount(), 0);
}

TEST_F(TermTable, RemoveByNameAnnouncesTheSetAndAnswersIt) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> low = variable->Add("low");
  TEventLog log(variable);
  EXPECT_EQ(ItemsOf(variable)->Remove("missing"), nullptr);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_EQ(ItemsOf(variable)->Remove("low"), IPtr<IInterface>(low));
  EXPECT_EQ(log.Events, (std::vector<std::string>{"deleted low", "change", "variable"}));
  EXPECT_EQ(variable->GetCount(), 0);
}

TEST_F(TermTable, RemoveOfASetLeavesAnotherEntryOfTheSameName) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> entered = variable->Add("low");
  const IPtr<IFuzzySet> namesake(TIFuzzySet::Create(variable, "low"));
  variable->Remove(namesake);
  EXPECT_EQ(variable->ContainsFuzzySet("low"), entered);
}

struct SetAdd {
  const char* Case;
  bool LinkedFirst;
  bool Defined;
  int Entered;
};

class TermTableAddSet : public TermTable, public ::testing::WithParamInterface<SetAdd> {};

// A set of this variable enters only when Defined; a stranger is linked and enters either way,
// and never twice.
TEST_P(TermTableAddSet, EntersOnceOrNotAtAll) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> fuzzySet(
      TIFuzzySet::Create(GetParam().LinkedFirst ? variable : nullptr, "x"));
  fuzzySet->SetDefined(GetParam().Defined);
  TEventLog log(variable);
  variable->Add(fuzzySet);
  EXPECT_EQ(fuzzySet->GetVariable(), variable);
  EXPECT_EQ(variable->GetCount(), GetParam().Entered);
  EXPECT_EQ(std::count(log.Events.begin(), log.Events.end(), "added x"), GetParam().Entered);
}

INSTANTIATE_TEST_SUITE_P(Cases, TermTableAddSet,
                         ::testing::Values(SetAdd{"OwnUndefined", true, false, 0},
                                           SetAdd{"OwnDefined", true, true, 1},
                                           SetAdd{"StrangerUndefined", false, false, 1},
                                           SetAdd{"StrangerDefined", false, true, 1}),
                         [](const auto& info) { return std::string(info.param.Case); });

TEST_F(TermTable, AssignFuzzySetsReplacesTheTermsByCopiesOfTheDefinedOnes) {
  const IPtr<IFuzzyVariable> source = NewCountedVariable("source");
  const IPtr<IFuzzySet> warm = AddTriangle(source, "warm", 2, 5, 8);
  const IPtr<IFuzzySet> loose(TIFuzzySet::Create(nullptr, "loose"));
  source->Add(loose);  // a stranger: entered without being Defined
  const IPtr<IFuzzyVariable> target = NewCountedVariable("target");
  target->Add("old");

  target->AssignFuzzySets(source);
  EXPECT_EQ(NamesOf(target), (std::vector<std::string>{"warm"}));
  const IPtr<IFuzzySet> copy = target->GetFuzzySet(0);
  EXPECT_NE(copy, warm);
  EXPECT_EQ(copy->GetVariable(), target);
  EXPECT_EQ(copy->GetValuesToString(), warm->GetValuesToString());
  EXPECT_EQ(source->GetCount(), 2);
}

TEST_F(TermTable, AssignFromATableOrAnInterface) {
  const IPtr<IFuzzyVariable> source = NewCountedVariable("source");
  AddTriangle(source, "warm", 2, 5, 8);
  AddTriangle(source, "cold", 0, 1, 2);
  const IPtr<IFuzzyVariable> target = NewCountedVariable("target");

  ItemsOf(target)->Assign(ItemsOf(source));
  EXPECT_EQ(NamesOf(target), (std::vector<std::string>{"warm", "cold"}));
  ItemsOf(target)->Assign(IPtr<IInterface>(TInterfacedObject::Create()));
  EXPECT_EQ(target->GetCount(), 2);
  target->AssignFuzzySets(target);  // from itself: nothing to lose
  EXPECT_EQ(target->GetCount(), 2);
}

// A failing handler must leave the table as the operation made it, and nothing behind.
TEST_F(TermTable, AHandlerThatThrowsOnAddLeavesTheSetEntered) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  TEventLog log(variable);
  log.ThrowOn("added");
  EXPECT_THROW(variable->Add("warm"), std::runtime_error);
  ASSERT_EQ(variable->GetCount(), 1);
  EXPECT_EQ(variable->GetFuzzySet(0)->GetName(), "warm");
}

TEST_F(TermTable, AHandlerThatThrowsOnRemoveLeavesTheSetOut) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("speed");
  const IPtr<IFuzzySet> warm = variable->Add("warm");
  TEventLog log(variable);
  log.ThrowOn("deleted");
  EXPECT_THROW(variable->Remove(warm), std::runtime_error);
  EXPECT_EQ(variable->GetCount(), 0);
  EXPECT_EQ(warm->GetVariable(), variable);
}

}  // namespace
}  // namespace fuzzy
