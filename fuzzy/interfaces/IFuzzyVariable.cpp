#include "fuzzy/interfaces/IFuzzyVariable.h"

#include <algorithm>

#include "fuzzy/logic/CallEvent.h"

namespace fuzzy {

TIFuzzyVariable::TIFuzzyVariable(const std::string& name)
    : FName(name), FFuzzySetClass(TIFuzzySetClass::Of<TIFuzzySet>()) {}

TIFuzzyVariableClass TIFuzzyVariable::GetClassType() const {
  return TIFuzzyVariableClass::Of<TIFuzzyVariable>();
}

void TIFuzzyVariable::AfterConstruction() {
  TInterfaced::AfterConstruction();
  FItems = CreateItems();
}

TIFuzzySets* TIFuzzyVariable::CreateItems() {
  return TIFuzzySets::Create(this);
}

void TIFuzzyVariable::BeforeDestruction() {
  SetParser(nullptr);
  FOnChange = nullptr;
  FOnVariableChange = nullptr;
  FOnFuzzySetChange = nullptr;
  FDestroying = true;
  if (FItems != nullptr) {
    // Entries go while the table is still whole, so a term that looks back into it on its way
    // out finds an empty table; the table's own Clear would announce the clearing.
    FItems->TIStringHashTable::Clear();
    FreeAndNil(FItems);
  }
  TInterfaced::BeforeDestruction();
}

// ---- Identity and lifetime -------------------------------------------------------------------

HResult TIFuzzyVariable::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IFuzzyVariable, ICloneable>(this, iid, object) == S_OK) return S_OK;
  return TInterfaced::QueryInterface(iid, object);
}

int TIFuzzyVariable::_Release() {
  const int count = DecRef();
  if (FDestroying) return count;
  if (FItems != nullptr && count >= 1 && count <= FItems->GetCount() && OnlyTermsHold(count)) {
    ReleaseOwnTerms();
    return count;
  }
  if (count == 0) DestroyInstance();
  return count;
}

// With every entry linked here this is "count equals the number of entries"; an entry put in
// without being linked does not hold the variable, and counting it would empty the table of a
// variable that somebody still holds, or keep one that nobody does.
bool TIFuzzyVariable::OnlyTermsHold(int count) {
  // Asking a term for its variable takes and drops a reference: only count it meanwhile.
  FDestroying = true;
  int linked = 0;
  const IFuzzyVariable* self = this;
  for (auto terms = FItems->GetEnumerator(); terms.MoveNext();) {
    if (terms.GetCurrent()->GetVariable().get() == self) ++linked;
  }
  FDestroying = false;
  return linked == count;
}

void TIFuzzyVariable::ReleaseOwnTerms() {
  FDestroying = true;
  try {
    FItems->Clear();
  } catch (...) {
    // A release has nobody to report to; the terms are gone before the handlers run, so the
    // error of a change handler leaves nothing half done.
  }
  if (GetRefCount() == 0) {
    DestroyInstance();
    return;
  }
  // A handler took a reference of its own: the variable stays, with an empty table.
  FDestroying = false;
}

IPtr<IFuzzyVariable> TIFuzzyVariable::Self() const {
  return IPtr<IFuzzyVariable>(const_cast<TIFuzzyVariable*>(this));
}

// ---- Properties ------------------------------------------------------------------------------

void TIFuzzyVariable::SetName(const std::string& value) {
  if (value == FName) return;
  FName = value;
  Changed();
}

void TIFuzzyVariable::SetMinimum(TFzyFloat value) {
  if (value == FMinimum) return;
  FMinimum = value;
  if (FMinimum > FMaximum) SetMaximum(FMinimum);
  Changed();
}

void TIFuzzyVariable::SetMaximum(TFzyFloat value) {
  if (value == FMaximum) return;
  FMaximum = value;
  if (FMinimum > FMaximum) SetMinimum(FMaximum);
  Changed();
}

void TIFuzzyVariable::SetNumFunctionValues(int value) {
  if (value == FNumFunctionValues) return;
  FNumFunctionValues = value;
  Changed();
}

void TIFuzzyVariable::SetThreshold(TFzyFloat value) {
  if (value == FThreshold) return;
  FThreshold = std::clamp(value, 0.0, 1.0);
}

void TIFuzzyVariable::SetParser(const IPtr<IFuzzyParser>& value) {
  FParser = value;
  for (auto terms = FItems->GetEnumerator(); terms.MoveNext();) {
    terms.GetCurrent()->SetParser(value);
  }
}

void TIFuzzyVariable::SetItems(TIFuzzySets* value) {
  FItems->Assign(value);
}

// ---- Events ----------------------------------------------------------------------------------

void TIFuzzyVariable::Changed() {
  CallEvent(FOnChange, static_cast<TObject*>(this));
  if (FOnVariableChange) CallEvent(FOnVariableChange, Self());
}

void TIFuzzyVariable::RaiseSetEvent(const TIFuzzySetEvent& event, const IPtr<IFuzzySet>& fuzzySet) {
  if (event) CallEvent(event, Self(), fuzzySet);
}

void TIFuzzyVariable::NewFuzzySet(const IPtr<IFuzzySet>& fuzzySet) {
  RaiseSetEvent(FOnFuzzySetAdded, fuzzySet);
  Changed();
}

void TIFuzzyVariable::RemoveFuzzySet(const IPtr<IFuzzySet>& fuzzySet) {
  RaiseSetEvent(FOnFuzzySetDeleted, fuzzySet);
  Changed();
}

void TIFuzzyVariable::ClearFuzzySets() {
  Changed();
}

void TIFuzzyVariable::FuzzySetChanged(const IPtr<IFuzzySet>& fuzzySet) {
  RaiseSetEvent(FOnFuzzySetChange, fuzzySet);
}

// ---- Copying, comparing, text ----------------------------------------------------------------

void TIFuzzyVariable::StoreFields(const IFuzzyVariable& source) {
  FDefuzzificationMethod = source.GetDefuzzificationMethod();
  FMaximum = source.GetMaximum();
  FMinimum = source.GetMinimum();
  FName = source.GetName();
  FUnits = source.GetUnits();
  FNumFunctionValues = source.GetNumFunctionValues();
  FTag = source.GetTag();
  FParser = source.GetParser();
}

void TIFuzzyVariable::Assign(TPersistent* source) {
  auto* variable = dynamic_cast<TIFuzzyVariable*>(source);
  if (variable == nullptr) {
    TInterfaced::Assign(source);
    return;
  }
  StoreFields(*variable);
  FItems->Assign(variable->FItems);
  Changed();
}

void TIFuzzyVariable::Assign(const IPtr<IInterface>& source) {
  IPtr<IFuzzyVariable> variable;
  if (!Supports(source, variable)) return;
  StoreFields(*variable);
  FItems->AssignFuzzySets(variable);
  Changed();
}

void TIFuzzyVariable::AssignTo(TPersistent* dest) {
  TInterfaced::AssignTo(dest);
}

IPtr<IInterface> TIFuzzyVariable::Clone() const {
  const IPtr<TIFuzzyVariable> copy(GetClassType().Create(FName));
  // Assign only reads its source.
  copy->Assign(static_cast<TPersistent*>(const_cast<TIFuzzyVariable*>(this)));
  return IPtr<IFuzzyVariable>(copy);
}

bool TIFuzzyVariable::Equals(const IPtr<IInterface>& other) const {
  IPtr<IFuzzyVariable> variable;
  if (!Supports(other, variable)) return false;
  return variable->GetName() == FName && variable->GetMaximum() == FMaximum &&
         variable->GetMinimum() == FMinimum && variable->GetUnits() == FUnits &&
         FItems->EqualsSets(variable);
}

std::string TIFuzzyVariable::ToString() const {
  return FParser ? FParser->PrettyPrint(Self()) : FName;
}

}  // namespace fuzzy
