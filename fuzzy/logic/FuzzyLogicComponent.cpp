#include "fuzzy/logic/FuzzyLogicComponent.h"

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/FirstError.h"
#include "fuzzy/logic/CallEvent.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// Adds the term `name` unless the variable has one; `shape` gives it its points. The term's
// expression is its name, set after the points, whose change clears it.
template <class TShape>
void AddAutoTerm(TFuzzySets* terms, const char* name, TShape&& shape) {
  if (terms->IndexOf(name) != -1) return;
  TFuzzySet* term = terms->Add(name);
  shape(term);
  term->SetExpression(name);
}

// The line from (x1, y1) to (x2, y2), reported as one change of the term.
void AddLine(TFuzzySet* term, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  TCollectionUpdate batch(term->GetValues());
  term->GetValues()->Add(x1, y1);
  term->GetValues()->Add(x2, y2);
  batch.End();
}

}  // namespace

// ---- construction and destruction ------------------------------------------------------------

TFuzzyLogic* TFuzzyLogic::Create(TComponent* owner) {
  return Constructed(new TFuzzyLogic(owner));
}

TFuzzyLogic::TFuzzyLogic(TComponent* owner)
    : TCustomFuzzyLogic(owner), FVariablesClass(TFuzzyVariablesClass::Of<TFuzzyVariables>()) {}

TFuzzyVariables* TFuzzyLogic::CreateVariables() {
  return FVariablesClass.Create(this);
}

void TFuzzyLogic::AfterConstruction() {
  // Complete before the owner hears of the component.
  FItems = CreateVariables();
  TCustomFuzzyLogic::AfterConstruction();
}

void TFuzzyLogic::ClearEvents() {
  FOnFuzzySetChange = nullptr;
  FOnVariableChange = nullptr;
  FOnVariableDeleted = nullptr;
  FOnVariableAdded = nullptr;
  FOnFuzzySetDeleted = nullptr;
  FOnFuzzySetAdded = nullptr;
  SetOnChange(nullptr);
}

void TFuzzyLogic::BeforeDestruction() {
  ClearEvents();
  TFirstError error;
  // Items stays readable while its variables leave; only then is the pointer cleared.
  error.Run([this] { FreeObject(FItems); });
  FItems = nullptr;
  error.Run([this] { TCustomFuzzyLogic::BeforeDestruction(); });
  error.Rethrow();
}

void TFuzzyLogic::SetItems(TFuzzyVariables* value) {
  FItems->Assign(value);
}

// ---- automatic terms -------------------------------------------------------------------------

void TFuzzyLogic::AddAutoTerms(TFuzzyVariable* variable) {
  TFuzzySets* terms = variable->GetItems();
  const TFzyFloat minimum = variable->GetMinimum();
  const TFzyFloat maximum = variable->GetMaximum();
  AddAutoTerm(terms, SLowFuzzyTerm,
              [&](TFuzzySet* term) { AddLine(term, minimum, 1.0, maximum, 0.0); });
  // Peaks in the middle of the range, whatever its lower end.
  AddAutoTerm(terms, SMediumFuzzyTerm, [&](TFuzzySet* term) {
    term->CreateTriangleFunctionValues(minimum, (minimum + maximum) / 2, maximum);
  });
  AddAutoTerm(terms, SHighFuzzyTerm,
              [&](TFuzzySet* term) { AddLine(term, minimum, 0.0, maximum, 1.0); });
}

// ---- notifications ---------------------------------------------------------------------------

void TFuzzyLogic::NotifyVariable(TFuzzyVariable* variable, TCollectionNotification action) {
  if (action == cnExtracting) {
    CallEvent(FOnVariableDeleted, this, variable);
    return;
  }
  if (action != cnAdded) return;
  variable->SetThreshold(GetThreshold());
  CallEvent(FOnVariableAdded, this, variable);
  if (GetAutoTerms()) AddAutoTerms(variable);
}

void TFuzzyLogic::NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action) {
  if (action == cnAdded) CallEvent(FOnFuzzySetAdded, this, fuzzySet);
  if (action == cnExtracting) CallEvent(FOnFuzzySetDeleted, this, fuzzySet);
}

void TFuzzyLogic::UpdateVariable(TFuzzyVariable* variable) {
  SetStringsStale(true);
  if (variable != nullptr) {
    CallEvent(FOnVariableChange, this, variable);
  } else {
    CallEvent(GetOnChange(), this);
  }
}

void TFuzzyLogic::UpdateFuzzySet(TFuzzySet* fuzzySet) {
  SetStringsStale(true);
  CallEvent(FOnFuzzySetChange, this, fuzzySet);
}

void TFuzzyLogic::ThresholdChanged() {
  TCustomFuzzyLogic::ThresholdChanged();
  if (FItems == nullptr) return;
  for (TFuzzyVariable* variable : *FItems) variable->SetThreshold(GetThreshold());
}

// ---- text ------------------------------------------------------------------------------------

void TFuzzyLogic::UpdateStrings() {
  TCustomFuzzyLogic::UpdateStrings();
  if (IsLoading()) return;
  try {
    WriteStrings();
  } catch (...) {
    // A text the writer could not finish is not current.
    SetStringsStale(true);
    throw;
  }
}

void TFuzzyLogic::WriteStrings() {
  TStrings* strings = GetStringsBuffer();
  TCustomFuzzyLogicParser* parser = GetParser();
  strings->BeginUpdate();
  TFirstError error;
  error.Run([&] {
    strings->Clear();
    for (TFuzzyVariable* variable : *FItems) strings->Append(parser->PrettyPrint(variable));
  });
  error.Run([&] { strings->EndUpdate(); });
  error.Rethrow();
}

void TFuzzyLogic::Parse() {
  if (IsLoading()) return;
  CheckParser();
  FItems->Clear();
  // The text to read is the one in Strings, not one rebuilt from the variables just deleted.
  SetStringsStale(false);
  TCustomFuzzyLogic::Parse();
}

}  // namespace fuzzy
