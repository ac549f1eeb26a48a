#include "fuzzy/interfaces/IFuzzySets.h"

#include <vector>

#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzyVariable.h"

namespace fuzzy {

namespace {

// Closes an update batch however the batch's body ends.
class TUpdateBatch {
 public:
  explicit TUpdateBatch(TIFuzzySets* table) : FTable(table) { FTable->BeginUpdate(); }
  ~TUpdateBatch() { FTable->EndUpdate(); }
  TUpdateBatch(const TUpdateBatch&) = delete;
  TUpdateBatch& operator=(const TUpdateBatch&) = delete;

 private:
  TIFuzzySets* FTable;
};

// The term table's entries, taken before anything changes, so that handlers reacting to the
// change cannot disturb the walk.
std::vector<IPtr<IFuzzySet>> TermsOf(const IPtr<IFuzzyVariable>& variable) {
  std::vector<IPtr<IFuzzySet>> terms;
  const int count = variable->GetCount();
  terms.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) terms.push_back(variable->GetFuzzySet(i));
  return terms;
}

std::vector<IPtr<IFuzzySet>> TermsOf(const TIFuzzySets& table) {
  std::vector<IPtr<IFuzzySet>> terms;
  terms.reserve(static_cast<std::size_t>(table.GetCount()));
  for (int i = 0; i < table.GetCount(); ++i) terms.push_back(table.GetItemByIndex(i));
  return terms;
}

}  // namespace

TIFuzzySets::TIFuzzySets(TIFuzzyVariable* variable)
    : TIStringHashTable(101, 0.75, 47), FVariable(variable) {}

IPtr<IFuzzyVariable> TIFuzzySets::VariableIntf() const {
  return IPtr<IFuzzyVariable>(FVariable);
}

void TIFuzzySets::Add(const IPtr<IFuzzySet>& fuzzySet) {
  if (!fuzzySet) throw EIntfCastError(SIntfCastError);
  const IFuzzyVariable* owner = FVariable;
  if (fuzzySet->GetVariable().get() == owner) {
    if (fuzzySet->GetDefined()) Put(fuzzySet->GetName(), fuzzySet);
    return;
  }
  // Linking enters a Defined set by itself; a set that is not Defined is entered here, since
  // handing it to the table is what asks for it to be a term.
  fuzzySet->SetVariable(VariableIntf());
  if (!fuzzySet->GetDefined()) Put(fuzzySet->GetName(), fuzzySet);
}

IPtr<IFuzzySet> TIFuzzySets::Add(const std::string& name) {
  TIFuzzySetClass setClass = TIFuzzySetClass::Of<TIFuzzySet>();
  if (FVariable != nullptr && FVariable->GetFuzzySetClass()) {
    setClass = FVariable->GetFuzzySetClass();
  }
  const IPtr<IFuzzySet> fuzzySet(setClass.Create(VariableIntf(), name));
  fuzzySet->SetDefined(name != SEmptyFuzzy);
  Add(fuzzySet);
  return fuzzySet;
}

IPtr<IFuzzySet> TIFuzzySets::Put(const std::string& name, const IPtr<IFuzzySet>& fuzzySet) {
  return InterfaceCast<IFuzzySet>(TIStringHashTable::Put(name, fuzzySet));
}

void TIFuzzySets::PutValue(const std::string& name, const IPtr<IInterface>& value) {
  // Checked before storing, so that a refused entry leaves the table as it was.
  const IPtr<IFuzzySet> fuzzySet = InterfaceCast<IFuzzySet>(value);
  if (!fuzzySet) throw EIntfCastError(SIntfCastError);
  TIStringHashTable::PutValue(name, value);
  fuzzySet->SetIndex(NewIndex());
  if (FVariable != nullptr) FVariable->NewFuzzySet(fuzzySet);
}

IPtr<IInterface> TIFuzzySets::Remove(const std::string& name) {
  IPtr<IInterface> removed = TIStringHashTable::Remove(name);
  if (removed && FVariable != nullptr) FVariable->RemoveFuzzySet(InterfaceCast<IFuzzySet>(removed));
  return removed;
}

void TIFuzzySets::Remove(const IPtr<IFuzzySet>& fuzzySet) {
  if (!fuzzySet) return;
  const std::string name = fuzzySet->GetName();
  if (Get(name) == fuzzySet) Remove(name);
}

void TIFuzzySets::Clear() {
  TIStringHashTable::Clear();
  FNextIndex = 0;
  if (FVariable != nullptr) FVariable->ClearFuzzySets();
}

bool TIFuzzySets::ContainsKey(const std::string& name, IPtr<IFuzzySet>& fuzzySet) const {
  fuzzySet = Get(name);
  return ContainsKey(name);
}

IPtr<IFuzzySet> TIFuzzySets::Get(const std::string& name) const {
  return InterfaceCast<IFuzzySet>(TIStringHashTable::Get(name));
}

IPtr<IFuzzySet> TIFuzzySets::GetItemByIndex(int index) const {
  return InterfaceCast<IFuzzySet>(TIStringHashTable::GetItem(index));
}

TIFuzzySetsEnumerator TIFuzzySets::GetEnumerator() const {
  return TIFuzzySetsEnumerator(this);
}

void TIFuzzySets::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
}

void TIFuzzySets::AssignFuzzySets(const IPtr<IFuzzyVariable>& source) {
  if (!source || source == VariableIntf()) return;
  CopyTerms(TermsOf(source));
}

void TIFuzzySets::CopyTerms(const std::vector<IPtr<IFuzzySet>>& terms) {
  const TUpdateBatch batch(this);
  Clear();
  const IPtr<IFuzzyVariable> variable = VariableIntf();
  for (const IPtr<IFuzzySet>& term : terms) {
    const IPtr<IFuzzySet> copy = term->Clone(variable);
    copy->SetDefined(term->GetDefined());
    Add(copy);
  }
}

void TIFuzzySets::Assign(const IPtr<IInterface>& source) {
  IPtr<IFuzzyVariable> variable;
  if (Supports(source, variable)) AssignFuzzySets(variable);
}

void TIFuzzySets::Assign(TPersistent* source) {
  const auto* table = dynamic_cast<const TIFuzzySets*>(source);
  if (table == nullptr) {
    TIStringHashTable::Assign(source);
    return;
  }
  // Read from the table itself, so that a table without a variable can be copied too.
  if (table != this) CopyTerms(TermsOf(*table));
}

bool TIFuzzySets::EqualsSets(const IPtr<IFuzzyVariable>& other) const {
  if (!other) return false;
  for (const TEntry& entry : *this) {
    const IPtr<IFuzzySet> term = InterfaceCast<IFuzzySet>(entry.Value);
    if (!term->GetDefined()) continue;
    const IPtr<IFuzzySet> match = other->ContainsFuzzySet(term->GetName());
    if (!match || !term->Equals(match)) return false;
  }
  return true;
}

std::string TIFuzzySets::ToString() const {
  return FVariable != nullptr ? FVariable->ToString() : std::string();
}

IPtr<IFuzzySet> TIFuzzySetsEnumerator::GetCurrent() const {
  return InterfaceCast<IFuzzySet>(TIStringHashtableEnumerator::GetCurrent());
}

}  // namespace fuzzy
