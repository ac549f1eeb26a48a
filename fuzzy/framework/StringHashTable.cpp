#include "fuzzy/framework/StringHashTable.h"

#include <algorithm>
#include <utility>

namespace fuzzy {

TIStringHashTable::TIStringHashTable(int initialSize, double loadFactor, int growBy)
    : FInitialSize(std::max(initialSize, 1)),
      FLoadFactor(loadFactor > 0 ? loadFactor : 0.75),
      FGrowBy(std::max(growBy, 1)) {
  FIndex.max_load_factor(static_cast<float>(FLoadFactor));
  FIndex.rehash(static_cast<std::size_t>(FInitialSize));
}

TIStringHashTable::~TIStringHashTable() {
  ReleaseEntries();
}

IPtr<IInterface> TIStringHashTable::Put(const std::string& name, const IPtr<IInterface>& value) {
  IPtr<IInterface> replaced = Get(name);
  PutValue(name, value);
  return replaced;
}

void TIStringHashTable::PutValue(const std::string& name, const IPtr<IInterface>& value) {
  const int index = IndexOf(name);
  if (index >= 0) {
    // The caller (Put) still holds the old entry, so nothing is freed in here.
    FEntries[index].Value = value;
    return;
  }
  GrowIfFull();
  FEntries.push_back({name, value});
  FIndex.emplace(name, FEntries.size() - 1);
}

IPtr<IInterface> TIStringHashTable::Get(const std::string& name) const {
  const int index = IndexOf(name);
  return index >= 0 ? FEntries[index].Value : nullptr;
}

bool TIStringHashTable::ContainsKey(const std::string& name, IPtr<IInterface>& value) const {
  value = Get(name);
  return ContainsKey(name);
}

IPtr<IInterface> TIStringHashTable::Remove(const std::string& name) {
  const auto found = FIndex.find(name);
  if (found == FIndex.end()) return nullptr;
  const std::size_t position = found->second;
  IPtr<IInterface> removed = std::move(FEntries[position].Value);
  FIndex.erase(found);
  FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(position));
  for (std::size_t i = position; i < FEntries.size(); ++i) FIndex[FEntries[i].Name] = i;
  return removed;
}

void TIStringHashTable::Clear() {
  ReleaseEntries();
}

void TIStringHashTable::Assign(TPersistent* source) {
  const auto* table = dynamic_cast<const TIStringHashTable*>(source);
  if (table == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (table == this) return;
  const std::vector<TEntry> entries = table->FEntries;
  Clear();
  for (const TEntry& entry : entries) Put(entry.Name, entry.Value);
}

int TIStringHashTable::IndexOf(const std::string& name) const {
  const auto found = FIndex.find(name);
  return found == FIndex.end() ? -1 : static_cast<int>(found->second);
}

const TIStringHashTable::TEntry& TIStringHashTable::Entry(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError::IndexOutOfBounds(index);
  return FEntries[index];
}

void TIStringHashTable::GrowIfFull() {
  const std::size_t buckets = FIndex.bucket_count();
  if (static_cast<double>(FEntries.size() + 1) <= static_cast<double>(buckets) * FLoadFactor) {
    return;
  }
  FIndex.rehash(buckets + std::max(buckets, static_cast<std::size_t>(FGrowBy)));
}

// The table is empty before any entry is released: releasing the last reference to an entry
// may free an object that looks into this table on its way out.
void TIStringHashTable::ReleaseEntries() {
  std::vector<TEntry> doomed;
  doomed.swap(FEntries);
  FIndex.clear();
}

}  // namespace fuzzy
