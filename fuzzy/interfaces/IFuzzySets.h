// TIFuzzySets: the term table of an interface-model variable. It holds a counted reference to
// every term, keyed by the term's name, numbers each entry it stores, and reports every entry
// that comes and goes to its variable, which raises the application's events.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/framework/StringHashTable.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TIFuzzyVariable;
class TIFuzzySetsEnumerator;

class TIFuzzySets : public TIStringHashTable {
 public:
  // An empty table of `variable` (may be null), sized 101 / 0.75 / 47.
  static TIFuzzySets* Create(TIFuzzyVariable* variable) {
    return Constructed(new TIFuzzySets(variable));
  }
  std::string ClassName() const override { return "TIFuzzySets"; }

  // The owning variable (not counted), or null.
  TIFuzzyVariable* GetVariable() const { return FVariable; }

  // ---- Entering and leaving ---------------------------------------------------------------
  // A set already linked to this table's variable enters only when Defined; any other set is
  // first linked to the variable (which enters it when Defined) and then entered when it is not
  // Defined, so that it enters exactly once either way.
  virtual void Add(const IPtr<IFuzzySet>& fuzzySet);
  // A new set of the variable's term class named `name`, Defined unless the name is "__Empty"
  // (an empty name counts as defined), then Add. A reserved word raises before anything enters.
  IPtr<IFuzzySet> Add(const std::string& name);
  // Stores the set under the name and answers the set it replaced, or null. Every entry stored
  // gets the next entry number and is announced to the variable (see PutValue). The table holds
  // sets only: anything else raises EIntfCastError and is not stored.
  IPtr<IFuzzySet> Put(const std::string& name, const IPtr<IFuzzySet>& fuzzySet);
  using TIStringHashTable::Put;
  void SetItem(const std::string& name, const IPtr<IFuzzySet>& fuzzySet) { Put(name, fuzzySet); }
  // Takes the entry out, announces it to the variable and answers it; null for an unknown name.
  IPtr<IInterface> Remove(const std::string& name) override;
  // Takes the set out only when it is the very entry stored under its name.
  void Remove(const IPtr<IFuzzySet>& fuzzySet);
  // Empties the table and restarts the entry numbers at 0; the variable hears one change. The
  // sets stay linked to the variable.
  void Clear() override;

  // ---- Looking up -------------------------------------------------------------------------
  using TIStringHashTable::ContainsKey;
  bool ContainsKey(const std::string& name, IPtr<IFuzzySet>& fuzzySet) const;
  // The set stored under the name, or null (so are Get, GetItem and GetFuzzySetByName).
  IPtr<IFuzzySet> ContainsFuzzySet(const std::string& name) const { return Get(name); }
  IPtr<IFuzzySet> Get(const std::string& name) const;
  IPtr<IFuzzySet> GetItem(const std::string& name) const { return Get(name); }
  IPtr<IFuzzySet> GetFuzzySetByName(const std::string& name) const { return Get(name); }
  // The entry at a position of the table's order; outside it raises EListError.
  IPtr<IFuzzySet> GetItem(int index) const { return GetItemByIndex(index); }
  IPtr<IFuzzySet> GetItemByIndex(int index) const;
  IPtr<IFuzzySet> GetFuzzySet(int index) const { return GetItemByIndex(index); }
  TIFuzzySetsEnumerator GetEnumerator() const;

  // Update batches nest; they hold no events back, so that every handler sees each entry.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  // ---- Copying and comparing --------------------------------------------------------------
  // The terms become copies of `source`'s terms (Clone for this table's variable, with the
  // source term's Defined), in the source's order; only the Defined copies enter. A source that
  // is this table's own variable changes nothing.
  void AssignFuzzySets(const IPtr<IFuzzyVariable>& source);
  // A source supporting IFuzzyVariable: AssignFuzzySets; anything else changes nothing.
  void Assign(const IPtr<IInterface>& source);
  // Another TIFuzzySets: AssignFuzzySets with its variable; other tables and objects as the
  // base table.
  void Assign(TPersistent* source) override;
  // True when every Defined term here has an equal term of the same name in `other`; terms
  // only `other` has are not looked at.
  bool EqualsSets(const IPtr<IFuzzyVariable>& other) const;
  // The variable's text; empty without a variable.
  virtual std::string ToString() const;

 protected:
  explicit TIFuzzySets(TIFuzzyVariable* variable);

  // Stores the entry, numbers it and announces it to the variable.
  void PutValue(const std::string& name, const IPtr<IInterface>& value) override;
  // The next entry number; counts every entry stored since creation or the last Clear.
  int NewIndex() { return FNextIndex++; }

 private:
  // The owning variable as a counted interface, or null.
  IPtr<IFuzzyVariable> VariableIntf() const;
  // Clear, then a copy of each term for this table's variable, entered by Add, in one batch.
  void CopyTerms(const std::vector<IPtr<IFuzzySet>>& terms);

  int FNextIndex = 0;
  TIFuzzyVariable* FVariable;
  int FUpdateCount = 0;
};

// Walks a term table in its order, each entry as an IFuzzySet.
class TIFuzzySetsEnumerator : public TIStringHashtableEnumerator {
 public:
  explicit TIFuzzySetsEnumerator(const TIFuzzySets* table) : TIStringHashtableEnumerator(table) {}
  IPtr<IFuzzySet> GetCurrent() const;
};

}  // namespace fuzzy
