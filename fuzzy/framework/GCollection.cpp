#include "fuzzy/framework/GCollection.h"

#include "fuzzy/framework/FirstError.h"

namespace fuzzy {

TGCollectionItem* TGCollectionItem::Create(TCollection* collection) {
  return Constructed(new TGCollectionItem(collection));
}

TGCollectionItem::~TGCollectionItem() {
  while (TGCollectionItem* other = FFreeNotifies.TakeLast()) other->FFreeNotifies.Erase(this);
}

std::string TGCollectionItem::GetDisplayName() const {
  std::string name = GetName();
  return name.empty() ? TCollectionItem::GetDisplayName() : name;
}

void TGCollectionItem::SetDisplayName(const std::string& value) {
  SetName(value);
}

void TGCollectionItem::FreeNotification(TGCollectionItem* item) {
  if (item == nullptr || item == this) return;
  if (FFreeNotifies.Add(item)) item->FFreeNotifies.Add(this);
}

void TGCollectionItem::RemoveFreeNotification(TGCollectionItem* item) {
  if (item == nullptr) return;
  FFreeNotifies.Erase(item);
  item->FFreeNotifies.Erase(this);
}

bool TGCollectionItem::HasFreeNotification(const TGCollectionItem* item) const {
  return FFreeNotifies.Contains(item);
}

void TGCollectionItem::Notification(TGCollectionItem* item, TOperation operation) {
  (void)item;
  (void)operation;
}

void TGCollectionItem::BeforeDestruction() {
  // Each link goes before its partner hears of it, so a handler cannot reach back through it.
  TFirstError error;
  while (TGCollectionItem* other = FFreeNotifies.TakeLast()) {
    other->FFreeNotifies.Erase(this);
    error.Run([&] { other->Notification(this, opRemove); });
  }
  error.Run([this] { TCollectionItem::BeforeDestruction(); });
  error.Rethrow();
}

TGCollection* TGCollection::Create(TPersistent* owner, TGCollectionItemClass itemClass) {
  return Constructed(new TGCollection(owner, itemClass));
}

int TGCollection::IndexOf(const std::string& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (GetItem(i)->GetName() == name) return i;
  }
  return -1;
}

}  // namespace fuzzy
