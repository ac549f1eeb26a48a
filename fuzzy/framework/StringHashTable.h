// A name-keyed table of counted interface references: the term table of an interface-model
// variable and the variable table of the interface-model logic component build on it.
// Names are case-sensitive; entries enumerate in insertion order, so output that walks the
// table is the same on every run.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/Persistent.h"

namespace fuzzy {

class TIStringHashTable : public TPersistent {
 public:
  struct TEntry {
    std::string Name;
    IPtr<IInterface> Value;
  };
  using const_iterator = std::vector<TEntry>::const_iterator;

  // initialSize: buckets to start with; loadFactor: entries per bucket before the index
  // grows; growBy: the fewest buckets a growth adds. Unusable values fall back to 1, 0.75, 1.
  static TIStringHashTable* Create(int initialSize = 101, double loadFactor = 0.75,
                                   int growBy = 47) {
    return Constructed(new TIStringHashTable(initialSize, loadFactor, growBy));
  }
  std::string ClassName() const override { return "TIStringHashTable"; }

  // Stores value under name (through PutValue) and answers the entry it replaced, or null.
  // A replaced name keeps its place in the order.
  IPtr<IInterface> Put(const std::string& name, const IPtr<IInterface>& value);
  // Null for a name the table does not hold.
  IPtr<IInterface> Get(const std::string& name) const;
  bool ContainsKey(const std::string& name) const { return IndexOf(name) >= 0; }
  // Also gives the entry found, or null.
  bool ContainsKey(const std::string& name, IPtr<IInterface>& value) const;
  // Removes the entry and answers it, or null when the name is not held. The other entries
  // keep their order. Linear in the number of entries behind it.
  virtual IPtr<IInterface> Remove(const std::string& name);
  virtual void Clear();
  // Another table: this one's entries are replaced by references to the source's, in its
  // order (through Put). Any other source goes to TPersistent (the assignment error).
  void Assign(TPersistent* source) override;

  int GetCount() const { return static_cast<int>(FEntries.size()); }
  // The position of a name in the order, or -1.
  int IndexOf(const std::string& name) const;
  // Entries by position; a position outside 0..GetCount()-1 raises EListError.
  IPtr<IInterface> GetItem(int index) const { return Entry(index).Value; }
  std::string GetName(int index) const { return Entry(index).Name; }
  IPtr<IInterface> GetItemByName(const std::string& name) const { return Get(name); }
  void SetItem(const std::string& name, const IPtr<IInterface>& value) { Put(name, value); }

  int GetInitialSize() const { return FInitialSize; }
  double GetLoadFactor() const { return FLoadFactor; }
  int GetGrowBy() const { return FGrowBy; }

  const_iterator begin() const { return FEntries.begin(); }
  const_iterator end() const { return FEntries.end(); }

 protected:
  TIStringHashTable(int initialSize, double loadFactor, int growBy);
  ~TIStringHashTable() override;

  // Runs for every entry stored, a replacement included; this one does the storing, so an
  // override calls it first and then reacts to the new entry.
  virtual void PutValue(const std::string& name, const IPtr<IInterface>& value);

 private:
  const TEntry& Entry(int index) const;
  void GrowIfFull();
  void ReleaseEntries();

  int FInitialSize;
  double FLoadFactor;
  int FGrowBy;
  std::vector<TEntry> FEntries;
  std::unordered_map<std::string, std::size_t> FIndex;
};

// Walks a table in its order: MoveNext, then GetCurrent, until MoveNext answers false.
// Safe against removals while walking: it stops at the table's current end.
class TIStringHashtableEnumerator {
 public:
  explicit TIStringHashtableEnumerator(const TIStringHashTable* table) : FTable(table) {}

  bool MoveNext() { return FTable != nullptr && ++FIndex < FTable->GetCount(); }
  IPtr<IInterface> GetCurrent() const { return FTable->GetItem(FIndex); }
  std::string GetCurrentName() const { return FTable->GetName(FIndex); }

 protected:
  const TIStringHashTable* GetTable() const { return FTable; }
  int GetIndex() const { return FIndex; }

 private:
  const TIStringHashTable* FTable;
  int FIndex = -1;
};

}  // namespace fuzzy
