#include "fuzzy/framework/InterfaceList.h"

#include <algorithm>
#include <utility>

namespace fuzzy {

HResult TInterfaceList::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IInterfaceList>(this, iid, object) == S_OK) return S_OK;
  return TInterfacedObject::QueryInterface(iid, object);
}

void TInterfaceList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError::IndexOutOfBounds(index);
}

int TInterfaceList::Add(const IPtr<IInterface>& item) {
  FItems.push_back(item);
  return GetCount() - 1;
}

void TInterfaceList::Insert(int index, const IPtr<IInterface>& item) {
  if (index < 0 || index > GetCount()) throw EListError::IndexOutOfBounds(index);
  FItems.insert(FItems.begin() + index, item);
}

// Items are released only after the list is consistent again: releasing one may free an
// object whose teardown reaches back into this list.
void TInterfaceList::Delete(int index) {
  CheckIndex(index);
  IPtr<IInterface> doomed = std::move(FItems[index]);
  FItems.erase(FItems.begin() + index);
}

void TInterfaceList::Clear() {
  std::vector<IPtr<IInterface>> doomed;
  doomed.swap(FItems);
}

IPtr<IInterface> TInterfaceList::GetItem(int index) const {
  CheckIndex(index);
  return FItems[index];
}

void TInterfaceList::SetItem(int index, const IPtr<IInterface>& item) {
  CheckIndex(index);
  IPtr<IInterface> doomed = std::exchange(FItems[index], item);
}

int TInterfaceList::IndexOf(const IPtr<IInterface>& item) const {
  const auto found = std::find(FItems.begin(), FItems.end(), item);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

int TInterfaceList::Remove(const IPtr<IInterface>& item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void TInterfaceList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  FItems[index1].swap(FItems[index2]);
}

IPtr<IInterface> TInterfaceList::First() const {
  return FItems.empty() ? nullptr : FItems.front();
}

IPtr<IInterface> TInterfaceList::Last() const {
  return FItems.empty() ? nullptr : FItems.back();
}

}  // namespace fuzzy
