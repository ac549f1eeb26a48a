// Owned collections of items: TCollectionItem, TCollection, TOwnedCollection and their
// enumerators. A collection owns and frees its items, reports every change through the
// overridable Notify and Update, and groups changes into update batches that nest.
//
// The order of the hooks, which the library's collections rely on:
//   Add / new item    item joins the list; Notify(cnAdded) -> Added; Update(nullptr) (no batch)
//   Insert(i)         inside one batch: Add, then the item moves to i; Update(nullptr) at the end
//   Delete(i)         Notify(cnDeleting) -> Deleting; the item's Free: Notify(cnExtracting), the
//                     item leaves the list, then it is destroyed; Update(nullptr) (no batch)
//   Clear             inside one batch: each item from the last is freed as above but without
//                     cnDeleting; one Update(nullptr) when the batch closes
//   item->Free()      Notify(cnExtracting); the item leaves; Update(nullptr) (no batch)
//   SetCollection     old collection: Notify(cnExtracting), leaves, Update(nullptr); then the new
//                     collection as for a new item
//   the collection's  its items are freed as by Clear, but no Update at all
//   own destruction
//   EndUpdate         only the outermost one calls Update(nullptr)
// "(no batch)" means: only when the collection is not inside BeginUpdate/EndUpdate.
// A Notify or Update override that raises never leaves a batch open, and an item whose removal
// notification raises still leaves the list, so the collection never holds a freed item.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzy/framework/BlockCache.h"
#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/Persistent.h"

namespace fuzzy {

class TCollection;
class TCollectionItem;

// What happens to an item: it joined, it is leaving (every removal), it is being deleted.
enum TCollectionNotification : std::uint8_t { cnAdded, cnExtracting, cnDeleting };

// The item class of a collection: makes a new item for a given collection.
using TCollectionItemClass = TClassRef<TCollectionItem, TCollection*>;

class TCollectionItem : public TPersistent {
 public:
  // A new item that joins `collection` (null: no collection) once fully constructed.
  static TCollectionItem* Create(TCollection* collection);

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item: it leaves its collection (cnExtracting) and joins the new one (cnAdded).
  // A collection whose item class the item is not an instance of raises EInvalidOperation.
  virtual void SetCollection(TCollection* value);

  // Position in the collection; -1 outside any collection.
  int GetIndex() const;
  // Moves the item to `value` and reports a whole-collection change (Changed(true)).
  // An index outside the collection raises EListError; nothing happens outside a collection.
  virtual void SetIndex(int value);
  // The number the collection gave the item when it joined; unique within that collection.
  int GetID() const { return FID; }
  // Counts the item's joinings and leavings, so that a view of its collection worked out once
  // (TTypedCollection) knows when to work it out again.
  int GetMemberships() const { return FMemberships; }

  // Name shown for the item; the class name by default.
  virtual std::string GetDisplayName() const;
  // Items without a name of their own ignore the text but report a change of the item.
  virtual void SetDisplayName(const std::string& value);

  TPersistent* GetOwner() const override;  // the collection
  std::string GetNamePath() const override;
  std::string ClassName() const override { return "TCollectionItem"; }

  // Joins the collection given to the constructor. Descendants that must finish their own
  // parts first do so in their override before calling this one.
  void AfterConstruction() override;
  // Leaves the collection (cnExtracting, then Update(nullptr) outside a batch).
  void BeforeDestruction() override;

 protected:
  explicit TCollectionItem(TCollection* collection) : FJoining(collection) {}
  // Unhooks silently from a collection that a failed BeforeDestruction left it in.
  ~TCollectionItem() override;

  // Reports a change: allItems false -> the collection's Update(this), true -> Update(nullptr);
  // nothing outside a collection or inside its update batch.
  void Changed(bool allItems);

 private:
  friend class TCollection;

  TCollection* FCollection = nullptr;
  TCollection* FJoining;  // the collection to join in AfterConstruction
  int FID = 0;
  int FIndex = -1;  // position in FCollection, kept current so GetIndex costs nothing
  int FMemberships = 0;
};

// A forward iterator over a collection's items, typed by the caller. It reads the collection
// live, so deleting items while iterating ends the loop early instead of running off the list.
template <class TItem>
class TCollectionIterator {
 public:
  struct TEnd {};

  TCollectionIterator(const TCollection* collection, int index)
      : FCollection(collection), FIndex(index) {}
  TItem* operator*() const;
  TCollectionIterator& operator++() {
    ++FIndex;
    return *this;
  }
  bool operator==(TEnd) const;

 private:
  const TCollection* FCollection;
  int FIndex;
};

class TCollectionEnumerator;

class TCollection : public TPersistent {
 public:
  static TCollection* Create(TCollectionItemClass itemClass);

  // A new item of the item class at the end. The closing Update(nullptr) runs once the item is
  // complete; should it raise, the item stays in the collection.
  TCollectionItem* Add();
  // A new item of the item class at `index` (0..GetCount()), inside one batch.
  TCollectionItem* Insert(int index);
  // Notifies cnDeleting, then frees the item at `index` (see the order at the top).
  void Delete(int index);
  // Frees every item, from the last, inside one batch.
  void Clear();

  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Room for `value` items without growing the list again; never less than the count. Only a
  // matter of speed: nothing else changes.
  int GetCapacity() const { return static_cast<int>(FItems.capacity()); }
  void SetCapacity(int value) { FItems.reserve(static_cast<std::size_t>(std::max(value, 0))); }
  // The item at `index`; EListError::IndexOutOfBounds outside 0..GetCount()-1. Inline: point
  // lookups fetch items in their innermost loops.
  TCollectionItem* GetItem(int index) const {
    if (index < 0 || index >= GetCount()) RaiseIndexOutOfBounds(index);
    return FItems[static_cast<std::size_t>(index)];
  }
  // Assigns `value` to the item stored at `index` (its Assign); the stored item stays.
  void SetItem(int index, TCollectionItem* value);
  // The item with the given ID, or null.
  TCollectionItem* FindItemID(int id) const;
  TCollectionItemClass GetItemClass() const { return FItemClass; }

  // Batches nest; only the outermost EndUpdate calls Update(nullptr). An EndUpdate without a
  // matching BeginUpdate does nothing.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  // From another collection: inside one batch, Clear, then for each source item Add() and the
  // new item's Assign(source item). Other sources raise the assignment error.
  void Assign(TPersistent* source) override;

  // A new enumerator over the items; the caller frees it.
  TCollectionEnumerator* GetEnumerator() const;
  // Range-for over the items: `for (TCollectionItem* item : *collection)`.
  TCollectionIterator<TCollectionItem> begin() const { return {this, 0}; }
  TCollectionIterator<TCollectionItem>::TEnd end() const { return {}; }

  std::string ClassName() const override { return "TCollection"; }
  // Frees the items (each leaves with cnExtracting) without any Update.
  void BeforeDestruction() override;

 protected:
  explicit TCollection(TCollectionItemClass itemClass) : FItemClass(itemClass) {}
  // Unhooks the remaining items silently after a failed BeforeDestruction and frees them.
  ~TCollection() override;

  // The collection changed: `item` alone, or the whole collection when null.
  virtual void Update(TCollectionItem* item) { (void)item; }
  // Every insertion and removal; the default calls Added for cnAdded, Deleting for cnDeleting.
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  virtual void Added(TCollectionItem* item) { (void)item; }
  virtual void Deleting(TCollectionItem* item) { (void)item; }
  // Called when an item joins, before Notify(cnAdded), to give it a name if the class wants.
  virtual void SetItemName(TCollectionItem* item) { (void)item; }
  // A whole-collection change: Update(nullptr) outside a batch.
  virtual void Changed();

 private:
  friend class TCollectionItem;

  void CheckItemClass(const TCollectionItem* item) const;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void FreeLastItem();
  void DetachItem(TCollectionItem* item);
  void MoveItem(int from, int to);
  // Gives the items from `first` to `last` (inclusive) their current positions.
  void Renumber(int first, int last);
  void CheckIndex(int index, int count) const;
  [[noreturn]] static void RaiseIndexOutOfBounds(int index);

  TCollectionItemClass FItemClass;
  // Collections come and go with every derived set: their item lists from the block cache.
  std::vector<TCollectionItem*, TBlockAllocator<TCollectionItem*>> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
};

// A collection with an owner (returned by GetOwner).
class TOwnedCollection : public TCollection {
 public:
  static TOwnedCollection* Create(TPersistent* owner, TCollectionItemClass itemClass);

  TPersistent* GetOwner() const override { return FOwner; }
  std::string ClassName() const override { return "TOwnedCollection"; }

 protected:
  TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass)
      : TCollection(itemClass), FOwner(owner) {}

 private:
  TPersistent* FOwner;
};

// Keeps a collection's update batch open for a scope. End() closes it on the normal path (and
// lets an exception from Update through); leaving the scope by an exception closes it as well,
// swallowing any second error so that the first one reaches the caller.
class TCollectionUpdate {
 public:
  explicit TCollectionUpdate(TCollection* collection);
  ~TCollectionUpdate();
  TCollectionUpdate(const TCollectionUpdate&) = delete;
  TCollectionUpdate& operator=(const TCollectionUpdate&) = delete;

  void End();

 private:
  TCollection* FCollection;
};

// Enumerates a collection's items: MoveNext, then GetCurrent, until MoveNext answers false.
class TCollectionEnumerator : public TObject {
 public:
  static TCollectionEnumerator* Create(const TCollection* collection);

  bool MoveNext();
  TCollectionItem* GetCurrent() const;
  std::string ClassName() const override { return "TCollectionEnumerator"; }

 protected:
  explicit TCollectionEnumerator(const TCollection* collection) : FCollection(collection) {}
  const TCollection* GetCollection() const { return FCollection; }

 private:
  const TCollection* FCollection;
  int FIndex = -1;
};

template <class TItem>
TItem* TCollectionIterator<TItem>::operator*() const {
  return static_cast<TItem*>(FCollection->GetItem(FIndex));
}

template <class TItem>
bool TCollectionIterator<TItem>::operator==(TEnd) const {
  return FIndex >= FCollection->GetCount();
}

}  // namespace fuzzy
