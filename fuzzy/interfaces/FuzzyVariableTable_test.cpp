#include "fuzzy/interfaces/FuzzyVariableTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IntfLogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::LiveObjects;
using testing_support::NewCountedVariable;
using testing_support::TLogicEventLog;
using Lines = std::vector<std::string>;

Lines Names(const TFuzzyVariableTable& table) {
  Lines names;
  TFuzzyVariableTableEnumerator walk = table.GetEnumerator();
  while (walk.MoveNext())
    names.push_back(walk.GetCurrentName() + "=" + walk.GetCurrent()->GetName());
  return names;
}

TEST(FuzzyVariableTable, WithoutAComponentItIsATypedTableOfVariables) {
  {
    auto table = Own(TFuzzyVariableTable::Create(nullptr));
    const IPtr<IFuzzyVariable> speed = NewCountedVariable("speed");
    table->Add(speed);
    table->Put("alias", NewCountedVariable("load"));
    EXPECT_EQ(Names(*table), (Lines{"speed=speed", "alias=load"}));
    IPtr<IFuzzyVariable> found;
    EXPECT_TRUE(table->ContainsKey("speed", found));
    EXPECT_EQ(found, speed);
    EXPECT_FALSE(table->ContainsKey("load", found));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(table->ContainsVariable("alias")->GetName(), "load");
    EXPECT_EQ(table->GetItem("nothing"), nullptr);
    EXPECT_THROW(table->GetItemByIndex(2), EListError);
    // A variable is removed only when it is the very entry under its name.
    table->Remove(NewCountedVariable("speed"));
    EXPECT_EQ(table->GetCount(), 2);
    table->Remove(speed);
    EXPECT_EQ(Names(*table), (Lines{"alias=load"}));
  }
  EXPECT_EQ(LiveObjects(), 0);
}

TEST(FuzzyVariableTable, AnythingButAVariableIsRefusedAndLeavesTheTableAsItWas) {
  auto table = Own(TFuzzyVariableTable::Create(nullptr));
  table->Put("a", NewCountedVariable("a"));
  EXPECT_THROW(table->Put("a", IPtr<IInterface>(TInterfacedObject::Create())), EIntfCastError);
  EXPECT_THROW(table->Put("b", IPtr<IFuzzyVariable>()), EIntfCastError);
  EXPECT_THROW(table->Add(nullptr), EIntfCastError);
  EXPECT_EQ(Names(*table), Lines{"a=a"});
}

class FuzzyVariableTableOfComponent : public ::testing::Test {
 protected:
  void TearDown() override {
    FLog.reset();
    FLogic.reset();
    EXPECT_EQ(LiveObjects(), 0);
  }
  TFuzzyVariableTable* Table() const { return FLogic->GetItems(); }

  TOwned<TIFuzzyLogic> FLogic = Own(TIFuzzyLogic::Create(nullptr));
  std::unique_ptr<TLogicEventLog> FLog = std::make_unique<TLogicEventLog>(FLogic.get());
};

TEST_F(FuzzyVariableTableOfComponent, ReplacingANameAnnouncesTheNewVariableAndUnhooksTheOld) {
  const IPtr<IFuzzyVariable> first = NewCountedVariable("first");
  const IPtr<IFuzzyVariable> second = NewCountedVariable("second");
  Table()->Put("x", first);
  EXPECT_EQ(Table()->Put("x", second), first);
  EXPECT_EQ(FLog->Events, (Lines{"variable+ first", "variable+ second"}));
  EXPECT_FALSE(first->GetOnFuzzySetAdded());
  EXPECT_TRUE(second->GetOnFuzzySetAdded());
  first->Add("fast");
  second->Add("slow");
  EXPECT_EQ(FLog->Events.back(), "set+ second/slow");
}

TEST_F(FuzzyVariableTableOfComponent, RemovingAnUnknownNameAnnouncesNothing) {
  Table()->Add(NewCountedVariable("speed"));
  EXPECT_EQ(Table()->Remove("load"), nullptr);
  EXPECT_NE(Table()->Remove("speed"), nullptr);
  EXPECT_EQ(FLog->Events, (Lines{"variable+ speed", "variable- speed"}));
}

TEST_F(FuzzyVariableTableOfComponent, ClearAnnouncesNothingAndDropsOnlyTheComponentsHooks) {
  const IPtr<IFuzzyVariable> speed = NewCountedVariable("speed");
  Table()->Add(speed);
  int own = 0;
  speed->SetOnFuzzySetChange([&](const IPtr<IFuzzyVariable>&, const IPtr<IFuzzySet>&) { ++own; });
  Table()->Clear();
  EXPECT_EQ(FLog->Events, Lines{"variable+ speed"});
  EXPECT_FALSE(speed->GetOnFuzzySetAdded());
  EXPECT_FALSE(speed->GetOnFuzzySetDeleted());
  speed->GetFuzzySetByName("low")->Add(0.5, 0.5);
  EXPECT_GT(own, 0);
  speed->SetOnFuzzySetChange(nullptr);
}

TEST_F(FuzzyVariableTableOfComponent, AssigningAnotherTableAnnouncesEachOfItsVariables) {
  auto other = Own(TFuzzyVariableTable::Create(nullptr));
  other->Add(NewCountedVariable("speed"));
  other->Add(NewCountedVariable("load"));
  Table()->Add(NewCountedVariable("old"));
  FLogic->SetItems(other.get());
  EXPECT_EQ(Names(*Table()), (Lines{"speed=speed", "load=load"}));
  EXPECT_EQ(FLog->Events, (Lines{"variable+ old", "variable+ speed", "variable+ load"}));
}

}  // namespace
}  // namespace fuzzy
