#include "fuzzy/framework/Collection.h"

#include <algorithm>
#include <utility>

#include "fuzzy/framework/FirstError.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

// ---- TCollection: items in and out -------------------------------------------------------

TCollection* TCollection::Create(TCollectionItemClass itemClass) {
  return Constructed(new TCollection(itemClass));
}

TCollectionItem* TCollection::Add() {
  // The closing Update runs once the item is complete; should it raise, the item stays added.
  TCollectionUpdate batch(this);
  TCollectionItem* item = FItemClass.Create(this);
  batch.End();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  // Checked first, so that a bad index leaves no new item behind.
  CheckIndex(index, GetCount() + 1);
  TCollectionUpdate batch(this);
  TCollectionItem* item = Add();
  item->SetIndex(index);
  batch.End();
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = GetItem(index);
  // The batch moves the closing Update(nullptr) after the item is gone, so an Update that
  // raises cannot strand a half-freed item.
  TCollectionUpdate batch(this);
  Notify(item, cnDeleting);
  item->Free();
  batch.End();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  TCollectionUpdate batch(this);
  while (!FItems.empty()) FreeLastItem();
  batch.End();
}

void TCollection::SetItem(int index, TCollectionItem* value) {
  GetItem(index)->Assign(value);
}

TCollectionItem* TCollection::FindItemID(int id) const {
  auto found = std::find_if(FItems.begin(), FItems.end(),
                            [id](const TCollectionItem* item) { return item->GetID() == id; });
  return found == FItems.end() ? nullptr : *found;
}

void TCollection::CheckItemClass(const TCollectionItem* item) const {
  if (FItemClass.IsInstance(item)) return;
  throw EInvalidOperation(
      Format("A %s cannot join a collection of another item class", item->ClassName()));
}

void TCollection::InsertItem(TCollectionItem* item) {
  CheckItemClass(item);
  FItems.push_back(item);
  item->FIndex = GetCount() - 1;
  item->FCollection = this;
  ++item->FMemberships;
  item->FID = FNextID++;
  SetItemName(item);
  Notify(item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  // The item leaves even when a handler raises: the collection must never keep an item that
  // is about to be destroyed.
  TFirstError error;
  error.Run([&] { Notify(item, cnExtracting); });
  DetachItem(item);
  error.Rethrow();
  Changed();
}

void TCollection::FreeLastItem() {
  TCollectionItem* item = FItems.back();
  TFirstError error;
  error.Run([item] { item->Free(); });
  // An item whose own clean-up raised before it left is let go here, so loops over the list end.
  if (!FItems.empty() && FItems.back() == item) DetachItem(item);
  error.Rethrow();
}

void TCollection::DetachItem(TCollectionItem* item) {
  const int index = item->FIndex;
  FItems.erase(FItems.begin() + index);
  Renumber(index, GetCount() - 1);
  item->FCollection = nullptr;
  ++item->FMemberships;
  item->FIndex = -1;
}

void TCollection::MoveItem(int from, int to) {
  CheckIndex(to, GetCount());
  auto first = FItems.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else {
    std::rotate(first + to, first + from, first + from + 1);
  }
  Renumber(std::min(from, to), std::max(from, to));
}

void TCollection::Renumber(int first, int last) {
  for (int i = first; i <= last; ++i) FItems[static_cast<std::size_t>(i)]->FIndex = i;
}

void TCollection::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) RaiseIndexOutOfBounds(index);
}

void TCollection::RaiseIndexOutOfBounds(int index) {
  throw EListError::IndexOutOfBounds(index);
}

// ---- TCollection: batches, notification, assignment, destruction -------------------------

void TCollection::BeginUpdate() {
  ++FUpdateCount;
}

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Notify(TCollectionItem* item, TCollectionNotification action) {
  if (action == cnAdded) Added(item);
  if (action == cnDeleting) Deleting(item);
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  // Clearing first would empty the source too.
  if (other == this) return;
  TCollectionUpdate batch(this);
  Clear();
  SetCapacity(GetCount() + other->GetCount());
  for (int i = 0; i < other->GetCount(); ++i) Add()->Assign(other->GetItem(i));
  batch.End();
}

TCollectionEnumerator* TCollection::GetEnumerator() const {
  return TCollectionEnumerator::Create(this);
}

void TCollection::BeforeDestruction() {
  // A batch that never closes: no Update reaches a collection on its way out.
  ++FUpdateCount;
  TFirstError error;
  while (!FItems.empty()) error.Run([this] { FreeLastItem(); });
  error.Run([this] { TPersistent::BeforeDestruction(); });
  error.Rethrow();
}

TCollection::~TCollection() {
  while (!FItems.empty()) {
    TCollectionItem* item = FItems.back();
    DetachItem(item);
    TFirstError ignored;
    ignored.Run([item] { item->Free(); });
  }
}

// ---- TOwnedCollection, TCollectionUpdate, TCollectionEnumerator --------------------------

TOwnedCollection* TOwnedCollection::Create(TPersistent* owner, TCollectionItemClass itemClass) {
  return Constructed(new TOwnedCollection(owner, itemClass));
}

TCollectionUpdate::TCollectionUpdate(TCollection* collection) : FCollection(collection) {
  FCollection->BeginUpdate();
}

TCollectionUpdate::~TCollectionUpdate() {
  if (FCollection == nullptr) return;
  TFirstError ignored;
  ignored.Run([this] { FCollection->EndUpdate(); });
}

void TCollectionUpdate::End() {
  if (TCollection* collection = std::exchange(FCollection, nullptr)) collection->EndUpdate();
}

TCollectionEnumerator* TCollectionEnumerator::Create(const TCollection* collection) {
  return Constructed(new TCollectionEnumerator(collection));
}

bool TCollectionEnumerator::MoveNext() {
  if (FIndex + 1 >= FCollection->GetCount()) return false;
  ++FIndex;
  return true;
}

TCollectionItem* TCollectionEnumerator::GetCurrent() const {
  return FCollection->GetItem(FIndex);
}

}  // namespace fuzzy
