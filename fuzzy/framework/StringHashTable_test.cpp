#include "fuzzy/framework/StringHashTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fuzzy {
namespace {

// Records every PutValue, as the term and variable tables react to each stored entry.
class TRecordingTable : public TIStringHashTable {
 public:
  static TRecordingTable* Create() { return Constructed(new TRecordingTable()); }
  std::vector<std::string> Stored;

 protected:
  TRecordingTable() : TIStringHashTable(101, 0.75, 47) {}
  void PutValue(const std::string& name, const IPtr<IInterface>& value) override {
    TIStringHashTable::PutValue(name, value);
    Stored.push_back(name);
  }
};

// Looks into its table while it is freed, as an interface-model variable's terms do.
class TWatcher : public TInterfacedObject {
 public:
  static TWatcher* Create(const TIStringHashTable* table, std::vector<int>* seen) {
    return Constructed(new TWatcher(table, seen));
  }
  void BeforeDestruction() override { FSeen->push_back(FTable->GetCount()); }

 protected:
  TWatcher(const TIStringHashTable* table, std::vector<int>* seen) : FTable(table), FSeen(seen) {}

 private:
  const TIStringHashTable* FTable;
  std::vector<int>* FSeen;
};

IPtr<IInterface> NewItem() {
  return TInterfacedObject::Create();
}

std::vector<std::string> Names(const TIStringHashTable& table) {
  std::vector<std::string> names;
  for (const auto& entry : table) names.push_back(entry.Name);
  return names;
}

class StringHashTableTest : public ::testing::Test {
 protected:
  void Fill(const std::vector<std::string>& names) {
    for (const auto& name : names) FTable->Put(name, NewItem());
  }
  TOwned<TRecordingTable> FTable = Own(TRecordingTable::Create());
};

TEST_F(StringHashTableTest, PutAnswersTheReplacedEntryAndKeepsItsPlace) {
  const IPtr<IInterface> first = NewItem();
  const IPtr<IInterface> second = NewItem();
  EXPECT_EQ(FTable->Put("low", first), nullptr);
  FTable->Put("high", NewItem());
  EXPECT_EQ(FTable->Put("low", second), first);
  EXPECT_EQ(FTable->Get("low"), second);
  EXPECT_EQ(FTable->GetCount(), 2);
  EXPECT_EQ(Names(*FTable), (std::vector<std::string>{"low", "high"}));
}

TEST_F(StringHashTableTest, PutValueRunsForEveryEntryStoredReplacementsIncluded) {
  Fill({"low", "high", "low"});
  FTable->SetItem("medium", NewItem());
  EXPECT_EQ(FTable->Stored, (std::vector<std::string>{"low", "high", "low", "medium"}));
}

TEST_F(StringHashTableTest, RemovingKeepsTheOrderOfTheRest) {
  Fill({"a", "b", "c", "d", "e"});
  const IPtr<IInterface> c = FTable->Get("c");
  EXPECT_EQ(FTable->Remove("c"), c);
  const IPtr<IInterface> a = FTable->Get("a");
  EXPECT_EQ(FTable->Remove("a"), a);
  EXPECT_FALSE(FTable->ContainsKey("a"));
  EXPECT_EQ(FTable->Remove("zz"), nullptr);
  FTable->Put("c", c);
  EXPECT_EQ(Names(*FTable), (std::vector<std::string>{"b", "d", "e", "c"}));
  EXPECT_EQ(FTable->IndexOf("e"), 2);
  EXPECT_EQ(FTable->GetItem(3), c);
}

TEST_F(StringHashTableTest, LookupsByNameAndByIndex) {
  Fill({"low", "medium"});
  IPtr<IInterface> found;
  EXPECT_TRUE(FTable->ContainsKey("medium", found));
  EXPECT_EQ(found, FTable->GetItem(1));
  EXPECT_EQ(FTable->GetItemByName("low"), FTable->GetItem(0));
  EXPECT_EQ(FTable->GetName(1), "medium");
  EXPECT_FALSE(FTable->ContainsKey("Medium", found));
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(FTable->Get("LOW"), nullptr);
  EXPECT_THROW(FTable->GetItem(2), EListError);
  EXPECT_THROW(FTable->GetName(-1), EListError);
}

TEST_F(StringHashTableTest, ManyEntriesStayReachableAcrossGrowth) {
  for (int i = 0; i < 1000; ++i) FTable->Put("n" + std::to_string(i), NewItem());
  for (int i = 0; i < 1000; i += 2) FTable->Remove("n" + std::to_string(i));
  ASSERT_EQ(FTable->GetCount(), 500);
  for (int i = 0; i < 500; ++i) {
    const std::string name = "n" + std::to_string(2 * i + 1);
    EXPECT_EQ(FTable->IndexOf(name), i);
    EXPECT_EQ(FTable->GetName(i), name);
  }
}

TEST_F(StringHashTableTest, ClearAndFreeingReleaseTheEntries) {
  auto* item = TInterfacedObject::Create();
  const IPtr<IInterface> held = item;
  FTable->Put("a", held);
  FTable->Put("b", held);
  EXPECT_EQ(item->GetRefCount(), 3);
  FTable->Clear();
  EXPECT_EQ(item->GetRefCount(), 1);
  EXPECT_EQ(FTable->GetCount(), 0);
  EXPECT_FALSE(FTable->ContainsKey("a"));
  FTable->Put("a", held);
  FTable.reset();
  EXPECT_EQ(item->GetRefCount(), 1);
}

TEST_F(StringHashTableTest, EntriesFreedByClearSeeAnEmptyTable) {
  std::vector<int> seen;
  FTable->Put("a", TWatcher::Create(FTable.get(), &seen));
  FTable->Put("b", TWatcher::Create(FTable.get(), &seen));
  FTable->Put("a", TWatcher::Create(FTable.get(), &seen));  // the first "a" goes here
  EXPECT_EQ(seen, (std::vector<int>{2}));
  FTable->Clear();
  EXPECT_EQ(seen, (std::vector<int>{2, 0, 0}));
}

TEST_F(StringHashTableTest, AssignCopiesReferencesInOrder) {
  Fill({"x", "y"});
  TOwned<TIStringHashTable> copy = Own(TIStringHashTable::Create());
  copy->Put("old", NewItem());
  copy->Assign(FTable.get());
  EXPECT_EQ(Names(*copy), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(copy->Get("y"), FTable->Get("y"));
  copy->Assign(copy.get());
  EXPECT_EQ(copy->GetCount(), 2);
  EXPECT_THROW(copy->Assign(nullptr), EConvertError);
  EXPECT_EQ(copy->GetCount(), 2);
}

TEST_F(StringHashTableTest, EnumeratorWalksInOrderAndSurvivesRemoval) {
  Fill({"a", "b", "c"});
  TIStringHashtableEnumerator walk(FTable.get());
  std::vector<std::string> seen;
  while (walk.MoveNext()) {
    seen.push_back(walk.GetCurrentName());
    EXPECT_EQ(walk.GetCurrent(), FTable->Get(walk.GetCurrentName()));
    if (seen.size() == 1) FTable->Remove("c");
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
}

TEST(StringHashTableCreate, DefaultsAndUnusableSizes) {
  TOwned<TIStringHashTable> table = Own(TIStringHashTable::Create());
  EXPECT_EQ(table->GetInitialSize(), 101);
  EXPECT_DOUBLE_EQ(table->GetLoadFactor(), 0.75);
  EXPECT_EQ(table->GetGrowBy(), 47);
  TOwned<TIStringHashTable> odd = Own(TIStringHashTable::Create(0, -1.0, 0));
  EXPECT_EQ(odd->GetInitialSize(), 1);
  EXPECT_DOUBLE_EQ(odd->GetLoadFactor(), 0.75);
  EXPECT_EQ(odd->GetGrowBy(), 1);
  for (int i = 0; i < 20; ++i) odd->Put(std::to_string(i), NewItem());
  EXPECT_EQ(odd->IndexOf("19"), 19);
}

}  // namespace
}  // namespace fuzzy
