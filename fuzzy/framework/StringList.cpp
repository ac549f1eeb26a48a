// TStringList: the lines kept in memory, sorted or in the order given.
#include <algorithm>
#include <iterator>
#include <typeinfo>
#include <utility>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/framework/TextConsts.h"

namespace fuzzy {

std::string TStringList::GetStrings(int Index) const {
  CheckIndex(Index, GetCount());
  return FItems[static_cast<std::size_t>(Index)].FString;
}

std::string TStringList::GetText() const {
  std::size_t length = 0;
  for (const TStringItem& item : FItems) length += item.FString.size() + 1;
  std::string text;
  text.reserve(length);
  for (const TStringItem& item : FItems) {
    text += item.FString;
    text += NewLineString;
  }
  return text;
}

void TStringList::SetStrings(int Index, const std::string& S) {
  CheckIndex(Index, GetCount());
  Changing();
  if (FSorted) {
    TStringItem item = std::move(FItems[static_cast<std::size_t>(Index)]);
    FItems.erase(FItems.begin() + Index);
    item.FString = S;
    FItems.insert(FItems.begin() + UpperBound(S), std::move(item));
  } else {
    FItems[static_cast<std::size_t>(Index)].FString = S;
  }
  Changed();
}

TObject* TStringList::GetObjects(int Index) const {
  CheckIndex(Index, GetCount());
  return FItems[static_cast<std::size_t>(Index)].FObject;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index, GetCount());
  Changing();
  TObject*& slot = FItems[static_cast<std::size_t>(Index)].FObject;
  if (slot != AObject) FreeOwned(std::exchange(slot, AObject));
  Changed();
}

template <class TText>
int TStringList::AddLine(TText&& S, TObject* AObject) {
  if (!FSorted) {
    const int index = GetCount();
    InsertItem(index, {std::forward<TText>(S), AObject});
    return index;
  }
  int index = 0;
  if (Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EListError(SDuplicateString);
    index = UpperBound(S);
  }
  InsertItem(index, {std::forward<TText>(S), AObject});
  return index;
}

int TStringList::AddObject(const std::string& S, TObject* AObject) {
  return AddLine(S, AObject);
}

int TStringList::AddObjectTaking(std::string&& S, TObject* AObject) {
  // A descendant may add its lines its own way (with data beside them, say): it is asked through
  // AddObject, and only a list of exactly this class takes the text.
  if (typeid(*this) != typeid(TStringList)) return AddObject(S, AObject);
  return AddLine(std::move(S), AObject);
}

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
  CheckUnsorted();
  CheckIndex(Index, GetCount() + 1);
  InsertItem(Index, {S, AObject});
}

void TStringList::Delete(int Index) {
  CheckIndex(Index, GetCount());
  Changing();
  TObject* object = FItems[static_cast<std::size_t>(Index)].FObject;
  FItems.erase(FItems.begin() + Index);
  FreeOwned(object);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  const std::vector<TStringItem> doomed = std::exchange(FItems, {});
  for (const TStringItem& item : doomed) FreeOwned(item.FObject);
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckUnsorted();
  CheckIndex(Index1, GetCount());
  CheckIndex(Index2, GetCount());
  Changing();
  std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  CheckUnsorted();
  CheckIndex(CurIndex, GetCount());
  CheckIndex(NewIndex, GetCount());
  if (CurIndex == NewIndex) return;
  Changing();
  const auto from = FItems.begin() + CurIndex;
  const auto to = FItems.begin() + NewIndex;
  if (CurIndex < NewIndex) {
    std::rotate(from, std::next(from), std::next(to));
  } else {
    std::rotate(to, from, std::next(from));
  }
  Changed();
}

int TStringList::IndexOf(const std::string& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int index = 0;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
  if (!FSorted) {
    Index = TStrings::IndexOf(S);
    if (Index >= 0) return true;
    Index = GetCount();
    return false;
  }
  const auto first = std::lower_bound(FItems.begin(), FItems.end(), S,
                                      [this](const TStringItem& item, const std::string& s) {
                                        return CompareStrings(item.FString, s) < 0;
                                      });
  Index = static_cast<int>(first - FItems.begin());
  return first != FItems.end() && CompareStrings(first->FString, S) == 0;
}

void TStringList::Sort() {
  if (!FSorted) SortItems();
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  if (Value) SortItems();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  if (FSorted) SortItems();
}

void TStringList::BeforeDestruction() {
  // Nobody is told about a list that is going away.
  SetOnChange(nullptr);
  SetOnChanging(nullptr);
  for (const TStringItem& item : FItems) FreeOwned(item.FObject);
  FItems.clear();
  TStrings::BeforeDestruction();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
  if (!FCaseSensitive) return TStrings::CompareStrings(S1, S2);
  const int order = S1.compare(S2);
  return (order > 0) - (order < 0);
}

void TStringList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) throw EListError::IndexOutOfBounds(Index);
}

void TStringList::CheckUnsorted() const {
  if (FSorted) throw EListError(SSortedListError);
}

void TStringList::InsertItem(int Index, TStringItem Item) {
  Changing();
  FItems.insert(FItems.begin() + Index, std::move(Item));
  Changed();
}

void TStringList::SortItems() {
  if (FItems.size() < 2) return;
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TStringItem& left, const TStringItem& right) {
                     return CompareStrings(left.FString, right.FString) < 0;
                   });
  Changed();
}

int TStringList::UpperBound(const std::string& S) const {
  const auto last = std::upper_bound(FItems.begin(), FItems.end(), S,
                                     [this](const std::string& s, const TStringItem& item) {
                                       return CompareStrings(s, item.FString) < 0;
                                     });
  return static_cast<int>(last - FItems.begin());
}

void TStringList::FreeOwned(TObject* AObject) const {
  if (FOwnsObjects) FreeObject(AObject);
}

}  // namespace fuzzy
