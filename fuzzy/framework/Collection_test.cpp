#include "fuzzy/framework/Collection.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {
namespace {

using TLog = std::vector<std::string>;

// Items are labelled in creation order, so a log reads "#0", "#1" ... whatever their IDs.
int NextLabel = 0;

// Writes every hook into a shared log (which outlives the collection), prefixed with its name;
// OnUpdate and OnNotify let a test make a hook raise.
class TRecordingCollection : public TCollection {
 public:
  static TRecordingCollection* Create(TLog* log, std::string prefix = "") {
    return Constructed(new TRecordingCollection(log, std::move(prefix)));
  }
  void Write(const std::string& entry) { FLog->push_back(FPrefix + entry); }
  std::string Order() const;
  std::string ClassName() const override { return "TRecordingCollection"; }

  std::function<void(TCollectionItem*)> OnUpdate;
  std::function<void(TCollectionNotification)> OnNotify;

 protected:
  TRecordingCollection(TLog* log, std::string prefix);
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem* item, TCollectionNotification action) override;
  void Added(TCollectionItem* item) override;
  void Deleting(TCollectionItem* item) override;

 private:
  TLog* FLog;
  std::string FPrefix;
};

class TTestItem : public TCollectionItem {
 public:
  static TTestItem* Create(TCollection* collection) {
    return Constructed(new TTestItem(collection));
  }
  // Appended rather than "#" + IntToStr(...): at -O3 GCC 12 takes the insertion in front of a
  // temporary for an overlapping copy (-Wrestrict).
  std::string Label() const { return std::string("#").append(IntToStr(FLabel)); }
  int Value = 0;
  void Touch(bool allItems) { Changed(allItems); }
  void Assign(TPersistent* source) override {
    auto* other = dynamic_cast<TTestItem*>(source);
    if (other == nullptr) return TCollectionItem::Assign(source);
    Value = other->Value;
  }
  void BeforeDestruction() override {
    if (auto* owner = dynamic_cast<TRecordingCollection*>(GetCollection()))
      owner->Write("Destroying(" + Label() + ")");
    TCollectionItem::BeforeDestruction();
  }
  std::string ClassName() const override { return "TTestItem"; }

 protected:
  explicit TTestItem(TCollection* collection) : TCollectionItem(collection) {}

 private:
  int FLabel = NextLabel++;
};

std::string LabelOf(TCollectionItem* item) {
  return item == nullptr ? "nil" : static_cast<TTestItem*>(item)->Label();
}

TRecordingCollection::TRecordingCollection(TLog* log, std::string prefix)
    : TCollection(TCollectionItemClass::Of<TTestItem>()), FLog(log), FPrefix(std::move(prefix)) {}

std::string TRecordingCollection::Order() const {
  std::string order;
  for (TCollectionItem* item : *this) {
    if (!order.empty()) order += ' ';
    order += LabelOf(item);
  }
  return order;
}

void TRecordingCollection::Update(TCollectionItem* item) {
  Write("Update(" + LabelOf(item) + ")");
  if (OnUpdate) OnUpdate(item);
}

void TRecordingCollection::Notify(TCollectionItem* item, TCollectionNotification action) {
  static const char* const Names[] = {"added", "extracting", "deleting"};
  Write("Notify(" + LabelOf(item) + "," + Names[action] + ")");
  TCollection::Notify(item, action);
  if (OnNotify) OnNotify(action);
}

void TRecordingCollection::Added(TCollectionItem* item) {
  Write("Added(" + LabelOf(item) + ")");
}

void TRecordingCollection::Deleting(TCollectionItem* item) {
  Write("Deleting(" + LabelOf(item) + ")");
}

TTestItem* ItemAt(TCollection* collection, int index) {
  return static_cast<TTestItem*>(collection->GetItem(index));
}

class CollectionTest : public ::testing::Test {
 protected:
  // A collection with `count` items, labelled #0.., and an empty log.
  TRecordingCollection* Make(int count, const std::string& prefix = "") {
    NextLabel = 0;
    auto* made = TRecordingCollection::Create(&Log, prefix);
    for (int i = 0; i < count; ++i) made->Add();
    Log.clear();
    return made;
  }
  TLog Log;
};

// ---- the order of hooks --------------------------------------------------------------------

struct HookOrderCase {
  const char* Name;
  int Count;
  std::function<void(TRecordingCollection*)> Action;
  TLog Expected;
  const char* Order;
};

class CollectionHookOrder : public CollectionTest,
                            public ::testing::WithParamInterface<HookOrderCase> {};

TEST_P(CollectionHookOrder, HooksRunInTheDocumentedOrder) {
  const HookOrderCase& c = GetParam();
  TOwned<TRecordingCollection> collection(Make(c.Count));
  c.Action(collection.get());
  EXPECT_EQ(Log, c.Expected);
  EXPECT_EQ(collection->Order(), c.Order);
  EXPECT_EQ(collection->GetUpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Collections, CollectionHookOrder,
    ::testing::Values(
        HookOrderCase{"Add",
                      1,
                      [](auto* c) { c->Add(); },
                      {"Notify(#1,added)", "Added(#1)", "Update(nil)"},
                      "#0 #1"},
        HookOrderCase{"Insert",
                      2,
                      [](auto* c) { c->Insert(1); },
                      {"Notify(#2,added)", "Added(#2)", "Update(nil)"},
                      "#0 #2 #1"},
        HookOrderCase{"Delete",
                      2,
                      [](auto* c) { c->Delete(0); },
                      {"Notify(#0,deleting)", "Deleting(#0)", "Destroying(#0)",
                       "Notify(#0,extracting)", "Update(nil)"},
                      "#1"},
        HookOrderCase{"Clear",
                      2,
                      [](auto* c) { c->Clear(); },
                      {"Destroying(#1)", "Notify(#1,extracting)", "Destroying(#0)",
                       "Notify(#0,extracting)", "Update(nil)"},
                      ""},
        HookOrderCase{"FreeItem",
                      2,
                      [](auto* c) { c->GetItem(0)->Free(); },
                      {"Destroying(#0)", "Notify(#0,extracting)", "Update(nil)"},
                      "#1"},
        HookOrderCase{"SetIndex",
                      3,
                      [](auto* c) { c->GetItem(0)->SetIndex(2); },
                      {"Update(nil)"},
                      "#1 #2 #0"},
        HookOrderCase{"SetIndexBack",
                      3,
                      [](auto* c) { c->GetItem(2)->SetIndex(0); },
                      {"Update(nil)"},
                      "#2 #0 #1"},
        HookOrderCase{
            "ChangedItem", 1, [](auto* c) { ItemAt(c, 0)->Touch(false); }, {"Update(#0)"}, "#0"},
        HookOrderCase{
            "ChangedAll", 1, [](auto* c) { ItemAt(c, 0)->Touch(true); }, {"Update(nil)"}, "#0"},
        HookOrderCase{"ChangedInBatch",
                      1,
                      [](auto* c) {
                        c->BeginUpdate();
                        ItemAt(c, 0)->Touch(false);
                        ItemAt(c, 0)->Touch(true);
                        c->Write("End");
                        c->EndUpdate();
                      },
                      {"End", "Update(nil)"},
                      "#0"},
        HookOrderCase{"NestedBatches",
                      0,
                      [](auto* c) {
                        c->BeginUpdate();
                        c->BeginUpdate();
                        c->Add();
                        c->EndUpdate();
                        c->Write("Inner closed");
                        c->Delete(0);
                        c->EndUpdate();
                      },
                      {"Notify(#0,added)", "Added(#0)", "Inner closed", "Notify(#0,deleting)",
                       "Deleting(#0)", "Destroying(#0)", "Notify(#0,extracting)", "Update(nil)"},
                      ""},
        HookOrderCase{"UnmatchedEndUpdate",
                      1,
                      [](auto* c) {
                        c->EndUpdate();
                        c->Add();
                      },
                      {"Notify(#1,added)", "Added(#1)", "Update(nil)"},
                      "#0 #1"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CollectionTest, MovingAnItemExtractsItFromTheOldCollectionAndAddsItToTheNew) {
  TOwned<TRecordingCollection> a(Make(2, "A:"));
  TOwned<TRecordingCollection> b(TRecordingCollection::Create(&Log, "B:"));
  a->GetItem(0)->SetCollection(b.get());
  EXPECT_EQ(Log, (TLog{"A:Notify(#0,extracting)", "A:Update(nil)", "B:Notify(#0,added)",
                       "B:Added(#0)", "B:Update(nil)"}));
  EXPECT_EQ(a->Order(), "#1");
  EXPECT_EQ(b->Order(), "#0");
  EXPECT_EQ(b->GetItem(0)->GetCollection(), b.get());
}

TEST_F(CollectionTest, DestructionFreesItemsWithoutAnyUpdate) {
  Make(2)->Free();
  EXPECT_EQ(Log, (TLog{"Destroying(#1)", "Notify(#1,extracting)", "Destroying(#0)",
                       "Notify(#0,extracting)"}));
}

TEST_F(CollectionTest, ItemCreatedWithoutCollectionJoinsNoneAndCanJoinLater) {
  TOwned<TRecordingCollection> collection(Make(0));
  TTestItem* item = TTestItem::Create(nullptr);
  EXPECT_EQ(item->GetIndex(), -1);
  item->SetIndex(3);  // nothing to move outside a collection
  item->SetCollection(collection.get());
  EXPECT_EQ(item->GetIndex(), 0);
  EXPECT_EQ(item->GetOwner(), collection.get());
}

TEST_F(CollectionTest, AnItemOfAnotherClassIsRefusedAndStaysWhereItWas) {
  TOwned<TRecordingCollection> collection(Make(0));
  TOwned<TCollection> plain(TCollection::Create(TCollectionItemClass::Of<TCollectionItem>()));
  TCollectionItem* stranger = plain->Add();
  EXPECT_THROW(stranger->SetCollection(collection.get()), EInvalidOperation);
  EXPECT_EQ(stranger->GetCollection(), plain.get());
  EXPECT_EQ(collection->GetCount(), 0);
}

TEST_F(CollectionTest, IdsAreGivenInJoiningOrderAndFound) {
  TOwned<TRecordingCollection> collection(Make(3));
  collection->Delete(1);
  TCollectionItem* added = collection->Add();
  EXPECT_EQ(added->GetID(), 3);
  EXPECT_EQ(collection->FindItemID(3), added);
  EXPECT_EQ(collection->FindItemID(1), nullptr);
}

// ---- assignment --------------------------------------------------------------------------

TEST_F(CollectionTest, AssignReplacesTheItemsInsideOneBatch) {
  TOwned<TRecordingCollection> source(Make(2));
  ItemAt(source.get(), 0)->Value = 5;
  ItemAt(source.get(), 1)->Value = 7;
  TOwned<TRecordingCollection> target(Make(3));
  target->Assign(source.get());
  ASSERT_EQ(target->GetCount(), 2);
  EXPECT_EQ(ItemAt(target.get(), 0)->Value, 5);
  EXPECT_EQ(ItemAt(target.get(), 1)->Value, 7);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "Update(nil)"), 1);
  EXPECT_EQ(Log.back(), "Update(nil)");
}

TEST_F(CollectionTest, AssignFromItselfKeepsTheItems) {
  TOwned<TRecordingCollection> collection(Make(2));
  collection->Assign(collection.get());
  EXPECT_EQ(collection->Order(), "#0 #1");
}

TEST_F(CollectionTest, SetItemAssignsTheValueToTheStoredItem) {
  TOwned<TRecordingCollection> collection(Make(2));
  TOwned<TTestItem> loose(TTestItem::Create(nullptr));
  loose->Value = 9;
  TCollectionItem* stored = collection->GetItem(1);
  collection->SetItem(1, loose.get());
  EXPECT_EQ(collection->GetItem(1), stored);
  EXPECT_EQ(ItemAt(collection.get(), 1)->Value, 9);
}

struct AssignErrorCase {
  const char* Name;
  std::function<void(TRecordingCollection*, TTestItem*)> Action;
  const char* Message;
};

class CollectionAssignError : public CollectionTest,
                              public ::testing::WithParamInterface<AssignErrorCase> {};

TEST_P(CollectionAssignError, NamesBothClasses) {
  TOwned<TRecordingCollection> collection(Make(1));
  try {
    GetParam().Action(collection.get(), ItemAt(collection.get(), 0));
    FAIL() << "no assignment error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), GetParam().Message);
  }
  EXPECT_EQ(collection->GetCount(), 1);
  EXPECT_EQ(collection->GetUpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Collections, CollectionAssignError,
    ::testing::Values(AssignErrorCase{"ItemToCollection",
                                      [](auto* c, auto* item) { c->Assign(item); },
                                      "Cannot assign a TTestItem to a TRecordingCollection"},
                      AssignErrorCase{"CollectionToItem",
                                      [](auto* c, auto* item) { item->Assign(c); },
                                      "Cannot assign a TRecordingCollection to a TTestItem"},
                      AssignErrorCase{"NilToCollection", [](auto* c, auto*) { c->Assign(nullptr); },
                                      "Cannot assign a nil to a TRecordingCollection"}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- index errors ------------------------------------------------------------------------

struct IndexErrorCase {
  const char* Name;
  std::function<void(TRecordingCollection*)> Action;
  const char* Message;
};

class CollectionIndexError : public CollectionTest,
                             public ::testing::WithParamInterface<IndexErrorCase> {};

TEST_P(CollectionIndexError, RaisesTheListIndexErrorAndChangesNothing) {
  TOwned<TRecordingCollection> collection(Make(2));
  try {
    GetParam().Action(collection.get());
    FAIL() << "no index error";
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), GetParam().Message);
  }
  EXPECT_EQ(collection->Order(), "#0 #1");
  EXPECT_TRUE(Log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Collections, CollectionIndexError,
    ::testing::Values(IndexErrorCase{"GetItemBelow", [](auto* c) { c->GetItem(-1); },
                                     "List index out of bounds (-1)"},
                      IndexErrorCase{"GetItemAtCount", [](auto* c) { c->GetItem(2); },
                                     "List index out of bounds (2)"},
                      IndexErrorCase{"SetItem", [](auto* c) { c->SetItem(2, c->GetItem(0)); },
                                     "List index out of bounds (2)"},
                      IndexErrorCase{"Delete", [](auto* c) { c->Delete(2); },
                                     "List index out of bounds (2)"},
                      IndexErrorCase{"InsertPastEnd", [](auto* c) { c->Insert(3); },
                                     "List index out of bounds (3)"},
                      IndexErrorCase{"InsertBelow", [](auto* c) { c->Insert(-1); },
                                     "List index out of bounds (-1)"},
                      IndexErrorCase{"SetIndex", [](auto* c) { c->GetItem(0)->SetIndex(2); },
                                     "List index out of bounds (2)"}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- raising hooks -----------------------------------------------------------------------

struct RaisingHookCase {
  const char* Name;
  bool UpdateRaises;
  TCollectionNotification RaisingNotification;  // cnDeleting + 1 for none
  std::function<void(TRecordingCollection*)> Action;
  int CountAfter;
};

class CollectionRaisingHook : public CollectionTest,
                              public ::testing::WithParamInterface<RaisingHookCase> {};

// LeakSanitizer checks that no item is lost on the way.
TEST_P(CollectionRaisingHook, LeavesNoBatchOpenAndNoItemBehind) {
  const RaisingHookCase& c = GetParam();
  TOwned<TRecordingCollection> collection(Make(2));
  if (c.UpdateRaises) collection->OnUpdate = [](TCollectionItem*) { throw Exception("update"); };
  collection->OnNotify = [&c](TCollectionNotification action) {
    if (action == c.RaisingNotification) throw Exception("notify");
  };
  EXPECT_THROW(c.Action(collection.get()), Exception);
  collection->OnUpdate = nullptr;
  collection->OnNotify = nullptr;
  EXPECT_EQ(collection->GetUpdateCount(), 0);
  EXPECT_EQ(collection->GetCount(), c.CountAfter);
  for (TCollectionItem* item : *collection) EXPECT_EQ(item->GetCollection(), collection.get());
}

constexpr auto NoNotification = static_cast<TCollectionNotification>(cnDeleting + 1);

INSTANTIATE_TEST_SUITE_P(
    Collections, CollectionRaisingHook,
    ::testing::Values(
        RaisingHookCase{"EndUpdate", true, NoNotification,
                        [](auto* c) {
                          c->BeginUpdate();
                          c->EndUpdate();
                        },
                        2},
        RaisingHookCase{"AddUpdate", true, NoNotification, [](auto* c) { c->Add(); }, 3},
        RaisingHookCase{"CreateUpdate", true, NoNotification, [](auto* c) { TTestItem::Create(c); },
                        2},
        RaisingHookCase{"AddNotify", false, cnAdded, [](auto* c) { c->Add(); }, 2},
        RaisingHookCase{"InsertUpdate", true, NoNotification, [](auto* c) { c->Insert(0); }, 3},
        RaisingHookCase{"DeleteUpdate", true, NoNotification, [](auto* c) { c->Delete(0); }, 1},
        RaisingHookCase{"DeleteDeleting", false, cnDeleting, [](auto* c) { c->Delete(0); }, 2},
        RaisingHookCase{"DeleteExtracting", false, cnExtracting, [](auto* c) { c->Delete(0); }, 1},
        RaisingHookCase{"FreeItemUpdate", true, NoNotification,
                        [](auto* c) { c->GetItem(0)->Free(); }, 1},
        RaisingHookCase{"FreeItemExtracting", false, cnExtracting,
                        [](auto* c) { c->GetItem(0)->Free(); }, 1},
        RaisingHookCase{"ClearUpdate", true, NoNotification, [](auto* c) { c->Clear(); }, 0},
        RaisingHookCase{"ClearExtracting", false, cnExtracting, [](auto* c) { c->Clear(); }, 1},
        RaisingHookCase{"AssignItemError", false, NoNotification,
                        [](auto* c) {
                          TOwned<TCollection> plain(
                              TCollection::Create(TCollectionItemClass::Of<TCollectionItem>()));
                          plain->Add();
                          c->Assign(plain.get());
                        },
                        1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CollectionTest, DestructionFreesEveryItemEvenWhenARemovalRaises) {
  TRecordingCollection* collection = Make(3);
  collection->OnNotify = [](TCollectionNotification) { throw Exception("notify"); };
  EXPECT_THROW(collection->Free(), Exception);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "Destroying(#1)"), 1);
}

TEST_F(CollectionTest, BatchGuardClosesTheBatchWhenTheScopeIsLeftByAnError) {
  TOwned<TRecordingCollection> collection(Make(1));
  try {
    TCollectionUpdate batch(collection.get());
    collection->Add();
    throw Exception("in batch");
  } catch (const Exception&) {
  }
  EXPECT_EQ(collection->GetUpdateCount(), 0);
  EXPECT_EQ(Log.back(), "Update(nil)");
}

// ---- enumeration and owners --------------------------------------------------------------

TEST_F(CollectionTest, RangeForStopsWhenItemsAreDeletedOnTheWay) {
  TOwned<TRecordingCollection> collection(Make(4));
  int visited = 0;
  for (TCollectionItem* item : *collection) {
    (void)item;
    ++visited;
    collection->Delete(collection->GetCount() - 1);
  }
  EXPECT_EQ(visited, 2);
}

TEST(OwnedCollection, AnswersItsOwnerAndBuildsNamePaths) {
  TOwned<TRecordingCollection> owner(TRecordingCollection::Create(nullptr));
  TOwned<TOwnedCollection> collection(
      TOwnedCollection::Create(owner.get(), TCollectionItemClass::Of<TCollectionItem>()));
  collection->Add();
  EXPECT_EQ(collection->GetOwner(), owner.get());
  EXPECT_EQ(collection->GetItem(0)->GetNamePath(), "TRecordingCollection.TOwnedCollection[0]");
  EXPECT_EQ(collection->GetItem(0)->GetDisplayName(), "TCollectionItem");
}

}  // namespace
}  // namespace fuzzy
