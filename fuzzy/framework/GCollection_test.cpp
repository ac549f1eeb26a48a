#include "fuzzy/framework/GCollection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fuzzy {
namespace {

// A named item that records which linked items it heard being freed, by their names.
class TNamedItem : public TGCollectionItem {
 public:
  static TNamedItem* Create(TCollection* collection) {
    return Constructed(new TNamedItem(collection));
  }
  std::string GetName() const override { return FName; }
  void SetName(const std::string& value) override { FName = value; }
  std::string ClassName() const override { return "TNamedItem"; }
  std::vector<std::string> Heard;

 protected:
  explicit TNamedItem(TCollection* collection) : TGCollectionItem(collection) {}
  void Notification(TGCollectionItem* item, TOperation operation) override {
    if (operation == opRemove) Heard.push_back(item->GetName());
  }

 private:
  std::string FName;
};

class TNamedItems : public TGCollectionOf<TNamedItem> {
 public:
  static TNamedItems* Create(TPersistent* owner) { return Constructed(new TNamedItems(owner)); }

 protected:
  explicit TNamedItems(TPersistent* owner)
      : TGCollectionOf<TNamedItem>(owner, TItemClass::Of<TNamedItem>()) {}
};

class GCollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"low", "Low", "high", ""}) Items->Add()->SetName(name);
  }
  TOwned<TNamedItems> Items{TNamedItems::Create(nullptr)};
};

struct IndexOfCase {
  const char* Name;
  int Expected;
};

class GCollectionIndexOf : public GCollectionTest,
                           public ::testing::WithParamInterface<IndexOfCase> {};

TEST_P(GCollectionIndexOf, ComparesNamesCaseSensitively) {
  EXPECT_EQ(Items->IndexOf(GetParam().Name), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Names, GCollectionIndexOf,
                         ::testing::Values(IndexOfCase{"low", 0}, IndexOfCase{"Low", 1},
                                           IndexOfCase{"high", 2}, IndexOfCase{"HIGH", -1},
                                           IndexOfCase{"lo", -1}, IndexOfCase{"", 3}));

TEST_F(GCollectionTest, DisplayNameFallsBackToTheClassName) {
  EXPECT_EQ(Items->GetItem(0)->GetDisplayName(), "low");
  EXPECT_EQ(Items->GetItem(3)->GetDisplayName(), "TNamedItem");
  Items->GetItem(3)->SetDisplayName("medium");
  EXPECT_EQ(Items->IndexOf("medium"), 3);
}

TEST_F(GCollectionTest, TypedRangeForAndEnumeratorVisitTheItemsInOrder) {
  std::string names;
  for (TNamedItem* item : *Items) names += item->GetName() + ";";
  EXPECT_EQ(names, "low;Low;high;;");
  TOwned<TGCollectionEnumerator<TNamedItem>> enumerator(
      TGCollectionEnumerator<TNamedItem>::Create(Items.get()));
  names.clear();
  while (enumerator->MoveNext()) names += enumerator->GetCurrent()->GetName() + ";";
  EXPECT_EQ(names, "low;Low;high;;");
}

TEST_F(GCollectionTest, AnItemThatIsNoNamedItemCannotJoin) {
  TOwned<TGCollectionItem> plain(TGCollectionItem::Create(nullptr));
  EXPECT_THROW(plain->SetCollection(Items.get()), EInvalidOperation);
  EXPECT_EQ(Items->GetCount(), 4);
}

// Freeing either end of a link tells the other end, which may still read the freed item;
// afterwards no link is left to dangle (AddressSanitizer watches the second free).
TEST_F(GCollectionTest, FreeNotificationTellsTheOtherEndWhicheverIsFreed) {
  TNamedItem* low = Items->GetItem(0);
  TNamedItem* high = Items->GetItem(2);
  TNamedItem* lowUpper = Items->GetItem(1);
  low->FreeNotification(high);
  high->FreeNotification(low);  // linking twice is linking once
  lowUpper->FreeNotification(high);
  high->Free();
  EXPECT_EQ(low->Heard, std::vector<std::string>{"high"});
  EXPECT_EQ(lowUpper->Heard, std::vector<std::string>{"high"});
  EXPECT_FALSE(low->HasFreeNotification(high));
  low->Free();
  EXPECT_EQ(lowUpper->Heard, std::vector<std::string>{"high"});
}

TEST_F(GCollectionTest, RemovedFreeNotificationTellsNobody) {
  TNamedItem* low = Items->GetItem(0);
  TNamedItem* high = Items->GetItem(2);
  low->FreeNotification(high);
  high->RemoveFreeNotification(low);
  Items->Delete(2);
  EXPECT_TRUE(low->Heard.empty());
}

}  // namespace
}  // namespace fuzzy
