#include "fuzzy/logic/FuzzyVariable.h"

#include <algorithm>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/FirstError.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

// ---- construction and destruction ------------------------------------------------------------

TFuzzyVariable* TFuzzyVariable::Create(TCollection* collection) {
  return Create(collection, TFuzzySetClass::Of<TFuzzySet>());
}

TFuzzyVariable* TFuzzyVariable::Create(TCollection* collection, TFuzzySetClass fuzzySetClass) {
  return Constructed(new TFuzzyVariable(collection, fuzzySetClass));
}

TFuzzyVariable::TFuzzyVariable(TCollection* collection, TFuzzySetClass fuzzySetClass)
    : TGCollectionItem(collection), FFuzzySetClass(fuzzySetClass) {}

TFuzzySets* TFuzzyVariable::CreateItems() {
  return TFuzzySets::Create(this, FFuzzySetClass);
}

void TFuzzyVariable::AfterConstruction() {
  FItems = CreateItems();
  TGCollectionItem::AfterConstruction();
}

void TFuzzyVariable::BeforeDestruction() {
  // The terms leave, from the last, inside a batch that never closes: each one is announced,
  // also after a handler raised for another, but no change of the whole term list is reported
  // for a variable on its way out. The emptied collection stays until the variable has left, so
  // a handler told of the leaving variable can still read it.
  TFirstError error;
  if (FItems != nullptr) {
    FItems->BeginUpdate();
    while (const int count = FItems->GetCount()) {
      error.Run([&] { FItems->GetItem(count - 1)->Free(); });
    }
  }
  error.Run([this] { TGCollectionItem::BeforeDestruction(); });
  error.Run([this] { FreeAndNil(FItems); });
  error.Rethrow();
}

// ---- owner chain -----------------------------------------------------------------------------

TFuzzyVariables* TFuzzyVariable::GetCollection() const {
  return FCollectionView.Of(*this);
}

TCustomFuzzyLogic* TFuzzyVariable::GetFuzzy() const {
  const TFuzzyVariables* variables = GetCollection();
  return variables == nullptr ? nullptr : variables->GetFuzzy();
}

// ---- properties ------------------------------------------------------------------------------

namespace {

// Stores a differing text and answers whether it did.
// A rename inside a variable collection is told to it, for the name indexes kept over it.
void TellRenamed(const TFuzzyVariable* variable) {
  if (auto* variables = dynamic_cast<TFuzzyVariables*>(variable->GetCollection())) {
    variables->NameChanged();
  }
}

bool StoreText(std::string& field, const std::string& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TFuzzyVariable::SetName(const std::string& value) {
  if (!StoreText(FName, value)) return;
  TellRenamed(this);
  Changed(false);
}

void TFuzzyVariable::SetUnits(const std::string& value) {
  if (StoreText(FUnits, value)) Changed(false);
}

void TFuzzyVariable::SetComment(const std::string& value) {
  if (StoreText(FComment, value)) Changed(false);
}

void TFuzzyVariable::SetMinimum(TFzyFloat value) {
  if (value == FMinimum) return;
  FMinimum = value;
  if (FMinimum > FMaximum) SetMaximum(FMinimum);
  Changed(false);
}

void TFuzzyVariable::SetMaximum(TFzyFloat value) {
  if (value == FMaximum) return;
  FMaximum = value;
  if (FMinimum > FMaximum) SetMinimum(FMaximum);
  Changed(false);
}

void TFuzzyVariable::SetItemIndex(int value) {
  if (value == FItemIndex) return;
  // Below -1 is no term either; it is refused like an index past the end.
  if (value < -1 || value >= FItems->GetCount()) {
    throw EFzyException::CreateFmt(SListIndexError, value);
  }
  FItemIndex = value;
  Changed(false);
}

void TFuzzyVariable::SetThreshold(TFzyFloat value) {
  if (value == FThreshold) return;
  FThreshold = std::clamp(value, 0.0, 1.0);
}

void TFuzzyVariable::SetItems(TFuzzySets* value) {
  FItems->Assign(value);
}

void TFuzzyVariable::ClampItemIndex() {
  if (FItems->GetCount() <= FItemIndex) FItemIndex = FItems->GetCount() - 1;
}

// ---- text and copies -------------------------------------------------------------------------

std::string TFuzzyVariable::GetDisplayName() const {
  return FName.empty() ? TGCollectionItem::GetDisplayName() : FName;
}

std::string TFuzzyVariable::ToString() const {
  const TCustomFuzzyLogic* fuzzy = GetFuzzy();
  if (fuzzy == nullptr || fuzzy->GetParser() == nullptr) return GetDisplayName();
  // The writer takes the variable it prints as a plain pointer; it only reads it.
  return fuzzy->GetParser()->PrettyPrint(const_cast<TFuzzyVariable*>(this));
}

void TFuzzyVariable::Assign(TPersistent* source) {
  auto* variable = dynamic_cast<TFuzzyVariable*>(source);
  if (variable == nullptr) {
    TGCollectionItem::Assign(source);
    return;
  }
  if (FName != variable->FName) {
    FName = variable->FName;
    TellRenamed(this);
  }
  FMinimum = variable->FMinimum;
  FMaximum = variable->FMaximum;
  FThreshold = variable->FThreshold;
  FUnits = variable->FUnits;
  FComment = variable->FComment;
  FItemIndex = variable->FItemIndex;
  FItems->Assign(variable->FItems);
}

void TFuzzyVariable::AssignTo(TPersistent* dest) {
  auto* strings = dynamic_cast<TStrings*>(dest);
  if (strings == nullptr) {
    TGCollectionItem::AssignTo(dest);
    return;
  }
  strings->BeginUpdate();
  TFirstError error;
  error.Run([&] {
    strings->Clear();
    for (TFuzzySet* fuzzySet : *FItems) strings->AddObject(fuzzySet->GetName(), fuzzySet);
  });
  error.Run([&] { strings->EndUpdate(); });
  error.Rethrow();
}

// ---- change forwarding -----------------------------------------------------------------------

void TFuzzyVariable::Notify(TFuzzySet* fuzzySet, TCollectionNotification action) {
  if (TFuzzyVariables* variables = GetCollection()) {
    variables->NotifyFuzzySet(fuzzySet, action);
    return;
  }
  Changed(false);
}

void TFuzzyVariable::Update(TFuzzySet* fuzzySet) {
  ClampItemIndex();
  TFuzzyVariables* variables = GetCollection();
  if (fuzzySet != nullptr && variables != nullptr) {
    variables->UpdateFuzzySet(fuzzySet);
    return;
  }
  Changed(false);
}

}  // namespace fuzzy
