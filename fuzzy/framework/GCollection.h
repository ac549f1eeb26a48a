// Name-aware owned collections: TGCollectionItem gives items a name and free notification
// between items; TGCollection finds items by name. TGCollectionOf<TItem> and
// TGCollectionEnumerator<TItem> add typed access on top, for collections of one item class.
#pragma once

#include <string>

#include "fuzzy/framework/Collection.h"
#include "fuzzy/framework/FreeNotifyLinks.h"

namespace fuzzy {

class TGCollectionItem;
using TGCollectionItemClass = TClassRef<TGCollectionItem, TCollection*>;

class TGCollectionItem : public TCollectionItem {
 public:
  static TGCollectionItem* Create(TCollection* collection);

  // The item's name, by which TGCollection::IndexOf finds it; empty unless a descendant keeps one.
  virtual std::string GetName() const { return ""; }
  virtual void SetName(const std::string& value) { (void)value; }
  // The name, or the class name when the name is empty.
  std::string GetDisplayName() const override;
  void SetDisplayName(const std::string& value) override;

  // Links this item and `item` both ways: whichever is freed first tells the other through
  // Notification(freed item, opRemove) and unhooks it. Linking twice is linking once.
  void FreeNotification(TGCollectionItem* item);
  // Drops the link both ways; nothing when there is none.
  void RemoveFreeNotification(TGCollectionItem* item);
  bool HasFreeNotification(const TGCollectionItem* item) const;

  std::string ClassName() const override { return "TGCollectionItem"; }
  // Tells the linked items, then leaves the collection.
  void BeforeDestruction() override;

 protected:
  explicit TGCollectionItem(TCollection* collection) : TCollectionItem(collection) {}
  ~TGCollectionItem() override;

  // A linked item is being freed (opRemove); it still fully exists. The link is already gone.
  virtual void Notification(TGCollectionItem* item, TOperation operation);

 private:
  TFreeNotifyLinks<TGCollectionItem> FFreeNotifies;
};

class TGCollection : public TOwnedCollection {
 public:
  static TGCollection* Create(TPersistent* owner, TGCollectionItemClass itemClass);

  // Index of the first item whose GetName() equals `name` exactly (case-sensitive); -1 if none.
  int IndexOf(const std::string& name) const;
  // The item class admits only TGCollectionItem descendants (TCollection checks on joining).
  // Inline: the point lists of the sets are read through it on every membership lookup.
  TGCollectionItem* GetItem(int index) const {
    return static_cast<TGCollectionItem*>(TOwnedCollection::GetItem(index));
  }

  std::string ClassName() const override { return "TGCollection"; }

 protected:
  TGCollection(TPersistent* owner, TGCollectionItemClass itemClass)
      : TOwnedCollection(owner, itemClass) {}
};

// Typed access to a collection whose items are all TItem (TBase is TGCollection or one of its
// descendants): Add, Insert and GetItem answer TItem*, and range-for yields TItem*.
template <class TItem, class TBase = TGCollection>
class TGCollectionOf : public TBase {
 public:
  using TItemClass = TClassRef<TItem, TCollection*>;

  TItem* Add() { return static_cast<TItem*>(TBase::Add()); }
  TItem* Insert(int index) { return static_cast<TItem*>(TBase::Insert(index)); }
  TItem* GetItem(int index) const { return static_cast<TItem*>(TBase::GetItem(index)); }

  TCollectionIterator<TItem> begin() const { return {this, 0}; }
  typename TCollectionIterator<TItem>::TEnd end() const { return {}; }

 protected:
  TGCollectionOf(TPersistent* owner, TItemClass itemClass) : TBase(owner, itemClass) {}
};

// An enumerator whose GetCurrent answers the item typed as TItem.
template <class TItem>
class TGCollectionEnumerator : public TCollectionEnumerator {
 public:
  static TGCollectionEnumerator* Create(const TCollection* collection) {
    return Constructed(new TGCollectionEnumerator(collection));
  }
  TItem* GetCurrent() const { return static_cast<TItem*>(TCollectionEnumerator::GetCurrent()); }

 protected:
  explicit TGCollectionEnumerator(const TCollection* collection)
      : TCollectionEnumerator(collection) {}
};

}  // namespace fuzzy
