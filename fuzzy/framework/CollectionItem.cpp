#include <algorithm>
#include <utility>

#include "fuzzy/framework/Collection.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

TCollectionItem* TCollectionItem::Create(TCollection* collection) {
  return Constructed(new TCollectionItem(collection));
}

TCollectionItem::~TCollectionItem() {
  if (FCollection != nullptr) FCollection->DetachItem(this);
}

void TCollectionItem::AfterConstruction() {
  TPersistent::AfterConstruction();
  SetCollection(std::exchange(FJoining, nullptr));
}

void TCollectionItem::BeforeDestruction() {
  SetCollection(nullptr);
  TPersistent::BeforeDestruction();
}

void TCollectionItem::SetCollection(TCollection* value) {
  if (value == FCollection) return;
  // Refused before leaving, so a refused move keeps the item where it was.
  if (value != nullptr) value->CheckItemClass(this);
  if (FCollection != nullptr) FCollection->RemoveItem(this);
  if (value != nullptr) value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
  return FCollection == nullptr ? -1 : FIndex;
}

void TCollectionItem::SetIndex(int value) {
  const int current = GetIndex();
  if (current < 0 || current == value) return;
  FCollection->MoveItem(current, value);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() const {
  return ClassName();
}

void TCollectionItem::SetDisplayName(const std::string& value) {
  (void)value;
  Changed(false);
}

TPersistent* TCollectionItem::GetOwner() const {
  return FCollection;
}

std::string TCollectionItem::GetNamePath() const {
  if (FCollection == nullptr) return ClassName();
  return Format("%s[%d]", FCollection->GetNamePath(), GetIndex());
}

void TCollectionItem::Changed(bool allItems) {
  if (FCollection == nullptr || FCollection->GetUpdateCount() > 0) return;
  FCollection->Update(allItems ? nullptr : this);
}

}  // namespace fuzzy
