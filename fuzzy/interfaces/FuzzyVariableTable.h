// TFuzzyVariableTable: the variables of an interface-model logic component, held by counted
// reference and keyed by name. Every variable it stores is announced to the component, which
// hooks the variable's term events; a variable taken out by Remove is announced as deleted.
#pragma once

#include <string>

#include "fuzzy/framework/StringHashTable.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TIFuzzyLogic;
class TFuzzyVariableTableEnumerator;

class TFuzzyVariableTable : public TIStringHashTable {
 public:
  // An empty table of `fuzzyLogic` (may be null), sized 101 / 0.75 / 47.
  static TFuzzyVariableTable* Create(TIFuzzyLogic* fuzzyLogic) {
    return Constructed(new TFuzzyVariableTable(fuzzyLogic));
  }
  std::string ClassName() const override { return "TFuzzyVariableTable"; }

  // The owning component (not counted), or null.
  TIFuzzyLogic* GetFuzzyLogic() const { return FFuzzyLogic; }
  TPersistent* GetOwner() const override;

  // ---- Entering and leaving ---------------------------------------------------------------
  // Put under the variable's own name.
  virtual void Add(const IPtr<IFuzzyVariable>& variable);
  // Stores the variable under the name and answers the variable it replaced, or null. Every
  // variable stored is announced to the component (VariableAdded); a replaced variable is only
  // unhooked from it. The table holds variables only: anything else raises EIntfCastError and
  // is not stored.
  IPtr<IFuzzyVariable> Put(const std::string& name, const IPtr<IFuzzyVariable>& variable);
  using TIStringHashTable::Put;
  void SetItem(const std::string& name, const IPtr<IFuzzyVariable>& variable) {
    Put(name, variable);
  }
  // Takes the entry out, announces it to the component (VariableDeleted) and answers it; null
  // for an unknown name.
  IPtr<IInterface> Remove(const std::string& name) override;
  // Takes the variable out only when it is the very entry stored under its name.
  void Remove(const IPtr<IFuzzyVariable>& variable);
  // Empties the table without announcing anything; the variables are unhooked from the
  // component first, so one that outlives the table cannot reach the component any more.
  void Clear() override;

  // ---- Looking up -------------------------------------------------------------------------
  using TIStringHashTable::ContainsKey;
  bool ContainsKey(const std::string& name, IPtr<IFuzzyVariable>& variable) const;
  // The variable stored under the name, or null (so are Get and GetItem).
  IPtr<IFuzzyVariable> ContainsVariable(const std::string& name) const { return Get(name); }
  IPtr<IFuzzyVariable> Get(const std::string& name) const;
  IPtr<IFuzzyVariable> GetItem(const std::string& name) const { return Get(name); }
  // The entry at a position of the table's order; outside it raises EListError.
  IPtr<IFuzzyVariable> GetItemByIndex(int index) const;
  TFuzzyVariableTableEnumerator GetEnumerator() const;

  // Unhooks the variables before the table lets them go.
  void BeforeDestruction() override;

 protected:
  explicit TFuzzyVariableTable(TIFuzzyLogic* fuzzyLogic);

  // Stores the entry, then announces it to the component.
  void PutValue(const std::string& name, const IPtr<IInterface>& value) override;

 private:
  TIFuzzyLogic* FFuzzyLogic;
};

// Walks a variable table in its order, each entry as an IFuzzyVariable.
class TFuzzyVariableTableEnumerator : public TIStringHashtableEnumerator {
 public:
  explicit TFuzzyVariableTableEnumerator(const TFuzzyVariableTable* table)
      : TIStringHashtableEnumerator(table) {}
  IPtr<IFuzzyVariable> GetCurrent() const;
};

}  // namespace fuzzy
