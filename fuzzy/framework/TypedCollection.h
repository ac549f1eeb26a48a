// An item's collection seen as one of the collection's descendants. Owner chains (a point's
// list, a term's set collection, a variable's collection) are walked on every point edit and
// range check, where a checked cast costs more than the work around it; the cast is made again
// only after the item has joined or left a collection.
#pragma once

#include "fuzzy/framework/Collection.h"
#include "fuzzy/framework/Downcast.h"

namespace fuzzy {

template <class TTypedCollectionClass>
class TTypedCollection {
 public:
  // The item's collection as that class, or null outside a collection or in one of another class.
  TTypedCollectionClass* Of(const TCollectionItem& item) const {
    if (FMemberships != item.GetMemberships()) {
      FCollection = Downcast<TTypedCollectionClass>(item.GetCollection());
      FMemberships = item.GetMemberships();
    }
    return FCollection;
  }

 private:
  mutable int FMemberships = -1;
  mutable TTypedCollectionClass* FCollection = nullptr;
};

}  // namespace fuzzy
