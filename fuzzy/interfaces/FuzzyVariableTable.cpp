#include "fuzzy/interfaces/FuzzyVariableTable.h"

#include "fuzzy/framework/FirstError.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"

namespace fuzzy {

TFuzzyVariableTable::TFuzzyVariableTable(TIFuzzyLogic* fuzzyLogic)
    : TIStringHashTable(101, 0.75, 47), FFuzzyLogic(fuzzyLogic) {}

TPersistent* TFuzzyVariableTable::GetOwner() const {
  return FFuzzyLogic;
}

// ---- entering and leaving --------------------------------------------------------------------

void TFuzzyVariableTable::Add(const IPtr<IFuzzyVariable>& variable) {
  if (!variable) throw EIntfCastError(SIntfCastError);
  Put(variable->GetName(), variable);
}

IPtr<IFuzzyVariable> TFuzzyVariableTable::Put(const std::string& name,
                                              const IPtr<IFuzzyVariable>& variable) {
  return InterfaceCast<IFuzzyVariable>(TIStringHashTable::Put(name, variable));
}

void TFuzzyVariableTable::PutValue(const std::string& name, const IPtr<IInterface>& value) {
  // Checked before storing, so that a refused entry leaves the table as it was.
  const IPtr<IFuzzyVariable> variable = InterfaceCast<IFuzzyVariable>(value);
  if (!variable) throw EIntfCastError(SIntfCastError);
  const IPtr<IFuzzyVariable> replaced = Get(name);
  TIStringHashTable::PutValue(name, value);
  if (FFuzzyLogic == nullptr) return;
  // A replaced variable is no longer the component's to hear from.
  if (replaced && replaced != variable) FFuzzyLogic->UnhookVariable(replaced);
  FFuzzyLogic->VariableAdded(variable);
}

IPtr<IInterface> TFuzzyVariableTable::Remove(const std::string& name) {
  IPtr<IInterface> removed = TIStringHashTable::Remove(name);
  if (removed && FFuzzyLogic != nullptr) {
    FFuzzyLogic->VariableDeleted(InterfaceCast<IFuzzyVariable>(removed));
  }
  return removed;
}

void TFuzzyVariableTable::Remove(const IPtr<IFuzzyVariable>& variable) {
  if (!variable) return;
  const std::string name = variable->GetName();
  if (Get(name) == variable) Remove(name);
}

void TFuzzyVariableTable::Clear() {
  if (FFuzzyLogic != nullptr) {
    for (const TEntry& entry : *this) {
      FFuzzyLogic->UnhookVariable(InterfaceCast<IFuzzyVariable>(entry.Value));
    }
  }
  TIStringHashTable::Clear();
}

void TFuzzyVariableTable::BeforeDestruction() {
  TFirstError error;
  error.Run([this] { Clear(); });
  error.Run([this] { TIStringHashTable::BeforeDestruction(); });
  error.Rethrow();
}

// ---- looking up ------------------------------------------------------------------------------

bool TFuzzyVariableTable::ContainsKey(const std::string& name,
                                      IPtr<IFuzzyVariable>& variable) const {
  variable = Get(name);
  return ContainsKey(name);
}

IPtr<IFuzzyVariable> TFuzzyVariableTable::Get(const std::string& name) const {
  return InterfaceCast<IFuzzyVariable>(TIStringHashTable::Get(name));
}

IPtr<IFuzzyVariable> TFuzzyVariableTable::GetItemByIndex(int index) const {
  return InterfaceCast<IFuzzyVariable>(TIStringHashTable::GetItem(index));
}

TFuzzyVariableTableEnumerator TFuzzyVariableTable::GetEnumerator() const {
  return TFuzzyVariableTableEnumerator(this);
}

IPtr<IFuzzyVariable> TFuzzyVariableTableEnumerator::GetCurrent() const {
  return InterfaceCast<IFuzzyVariable>(TIStringHashtableEnumerator::GetCurrent());
}

}  // namespace fuzzy
