#include "fuzzy/interfaces/IFuzzyLogicComponent.h"

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/FirstError.h"
#include "fuzzy/logic/CallEvent.h"

namespace fuzzy {

// The handler a stored variable's set events get: it reaches the component through its link,
// and nothing once the component is gone. Its type tells the component's own handlers apart
// from the application's.
class TIFuzzyLogic::THook {
 public:
  using TMethod = void (TIFuzzyLogic::*)(const IPtr<IFuzzyVariable>&, const IPtr<IFuzzySet>&);

  THook(std::shared_ptr<TIFuzzyLogic*> link, TMethod method)
      : FLink(std::move(link)), FMethod(method) {}

  void operator()(const IPtr<IFuzzyVariable>& sender, const IPtr<IFuzzySet>& fuzzySet) const {
    if (TIFuzzyLogic* fuzzyLogic = *FLink) (fuzzyLogic->*FMethod)(sender, fuzzySet);
  }
  bool LeadsTo(const std::shared_ptr<TIFuzzyLogic*>& link) const { return FLink == link; }

 private:
  std::shared_ptr<TIFuzzyLogic*> FLink;
  TMethod FMethod;
};

namespace {

// The line from (x1, y1) to (x2, y2), reported as one change of the term.
void AddLine(const IPtr<IFuzzySet>& term, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  term->BeginUpdate();
  TFirstError error;
  error.Run([&] {
    term->Add(x1, y1);
    term->Add(x2, y2);
  });
  error.Run([&] { term->EndUpdate(); });
  error.Rethrow();
}

// Adds the term `name` unless the variable has one; `shape` gives it its points over the range
// of the variable the term joined. The term's expression is its name, set after the points,
// whose change clears it.
template <class TShape>
void AddAutoTerm(const IPtr<IFuzzyVariable>& variable, const char* name, TShape&& shape) {
  if (variable->ContainsFuzzySet(name)) return;
  const IPtr<IFuzzySet> term = variable->Add(name);
  IPtr<IFuzzyVariable> range = term->GetVariable();
  if (!range) range = variable;
  shape(term, range->GetMinimum(), range->GetMaximum());
  term->SetExpression(name);
}

// Clears one set event of a variable when it still leads to the component.
template <class TIsOwn, class TGet, class TSet>
void ClearOwnHook(IFuzzyVariable* variable, const TIsOwn& isOwn, TGet get, TSet set) {
  if (isOwn((variable->*get)())) (variable->*set)(nullptr);
}

}  // namespace

// ---- construction and destruction ------------------------------------------------------------

TIFuzzyLogic* TIFuzzyLogic::Create(TComponent* owner) {
  return Constructed(new TIFuzzyLogic(owner));
}

TIFuzzyLogic::TIFuzzyLogic(TComponent* owner)
    : TCustomFuzzyLogic(owner),
      FLink(std::make_shared<TIFuzzyLogic*>(this)),
      FVariableClass(TIFuzzyVariableClass::Of<TIFuzzyVariable>()) {}

TFuzzyVariableTable* TIFuzzyLogic::CreateVariables() {
  return TFuzzyVariableTable::Create(this);
}

void TIFuzzyLogic::AfterConstruction() {
  // Complete before the owner hears of the component.
  FItems = CreateVariables();
  TCustomFuzzyLogic::AfterConstruction();
}

void TIFuzzyLogic::ClearEvents() {
  FOnFuzzySetChange = nullptr;
  FOnVariableChange = nullptr;
  FOnVariableDeleted = nullptr;
  FOnVariableAdded = nullptr;
  FOnFuzzySetDeleted = nullptr;
  FOnFuzzySetAdded = nullptr;
  SetOnChange(nullptr);
}

void TIFuzzyLogic::BeforeDestruction() {
  ClearEvents();
  // From here on no hook reaches the component, wherever it was copied to.
  *FLink = nullptr;
  TFirstError error;
  // Freeing the table unhooks the variables that outlive it.
  error.Run([this] { FreeObject(FItems); });
  FItems = nullptr;
  error.Run([this] { TCustomFuzzyLogic::BeforeDestruction(); });
  error.Rethrow();
}

void TIFuzzyLogic::Loaded() {
  TCustomFuzzyLogic::Loaded();
  Parse();
}

void TIFuzzyLogic::SetItems(TFuzzyVariableTable* value) {
  FItems->Assign(value);
}

// ---- automatic terms -------------------------------------------------------------------------

void TIFuzzyLogic::AddAutoTerms(const IPtr<IFuzzyVariable>& variable) {
  AddAutoTerm(variable, SLowFuzzyTerm,
              [](const IPtr<IFuzzySet>& term, TFzyFloat minimum, TFzyFloat maximum) {
                AddLine(term, minimum, 1.0, maximum, 0.0);
              });
  // Peaks in the middle of the range, whatever its lower end.
  AddAutoTerm(variable, SMediumFuzzyTerm,
              [](const IPtr<IFuzzySet>& term, TFzyFloat minimum, TFzyFloat maximum) {
                term->CreateTriangleFunctionValues(minimum, (minimum + maximum) / 2, maximum);
              });
  AddAutoTerm(variable, SHighFuzzyTerm,
              [](const IPtr<IFuzzySet>& term, TFzyFloat minimum, TFzyFloat maximum) {
                AddLine(term, minimum, 0.0, maximum, 1.0);
              });
}

// ---- variables entering and leaving ----------------------------------------------------------

void TIFuzzyLogic::VariableAdded(const IPtr<IFuzzyVariable>& variable) {
  if (!variable) return;
  variable->SetThreshold(GetThreshold());
  if (GetAutoTerms()) AddAutoTerms(variable);
  // Hooked only now, so that the automatic terms are not announced as additions.
  HookVariable(variable);
  CallEvent(FOnVariableAdded, variable);
}

void TIFuzzyLogic::VariableDeleted(const IPtr<IFuzzyVariable>& variable) {
  if (!variable) return;
  variable->SetOnFuzzySetAdded(nullptr);
  variable->SetOnFuzzySetDeleted(nullptr);
  variable->SetOnFuzzySetChange(nullptr);
  CallEvent(FOnVariableDeleted, variable);
}

void TIFuzzyLogic::HookVariable(const IPtr<IFuzzyVariable>& variable) {
  variable->SetOnFuzzySetAdded(THook(FLink, &TIFuzzyLogic::FuzzySetAdded));
  variable->SetOnFuzzySetDeleted(THook(FLink, &TIFuzzyLogic::FuzzySetDeleted));
  variable->SetOnFuzzySetChange(THook(FLink, &TIFuzzyLogic::UpdateFuzzySet));
}

void TIFuzzyLogic::UnhookVariable(const IPtr<IFuzzyVariable>& variable) const {
  if (!variable) return;
  const auto isOwn = [this](const TIFuzzySetEvent& event) { return IsOwnHook(event); };
  ClearOwnHook(variable.get(), isOwn, &IFuzzyVariable::GetOnFuzzySetAdded,
               &IFuzzyVariable::SetOnFuzzySetAdded);
  ClearOwnHook(variable.get(), isOwn, &IFuzzyVariable::GetOnFuzzySetDeleted,
               &IFuzzyVariable::SetOnFuzzySetDeleted);
  ClearOwnHook(variable.get(), isOwn, &IFuzzyVariable::GetOnFuzzySetChange,
               &IFuzzyVariable::SetOnFuzzySetChange);
}

bool TIFuzzyLogic::IsOwnHook(const TIFuzzySetEvent& event) const {
  const THook* hook = event.target<THook>();
  return hook != nullptr && hook->LeadsTo(FLink);
}

// ---- forwarded events ------------------------------------------------------------------------

void TIFuzzyLogic::FuzzySetAdded(const IPtr<IFuzzyVariable>& variable,
                                 const IPtr<IFuzzySet>& fuzzySet) {
  CallEvent(FOnFuzzySetAdded, variable, fuzzySet);
}

void TIFuzzyLogic::FuzzySetDeleted(const IPtr<IFuzzyVariable>& variable,
                                   const IPtr<IFuzzySet>& fuzzySet) {
  CallEvent(FOnFuzzySetDeleted, variable, fuzzySet);
}

void TIFuzzyLogic::UpdateFuzzySet(const IPtr<IFuzzyVariable>& variable,
                                  const IPtr<IFuzzySet>& fuzzySet) {
  SetStringsStale(true);
  CallEvent(FOnFuzzySetChange, variable, fuzzySet);
}

void TIFuzzyLogic::UpdateVariable(const IPtr<IFuzzyVariable>& variable) {
  SetStringsStale(true);
  if (variable) {
    CallEvent(FOnVariableChange, variable);
  } else {
    CallEvent(GetOnChange(), this);
  }
}

void TIFuzzyLogic::ThresholdChanged() {
  TCustomFuzzyLogic::ThresholdChanged();
  if (FItems == nullptr) return;
  for (int i = 0; i < FItems->GetCount(); ++i) {
    FItems->GetItemByIndex(i)->SetThreshold(GetThreshold());
  }
}

// ---- text ------------------------------------------------------------------------------------

void TIFuzzyLogic::UpdateStrings() {
  TCustomFuzzyLogic::UpdateStrings();
  if (IsLoading()) return;
  try {
    WriteStrings();
  } catch (...) {
    // A text that could not be finished is not current.
    SetStringsStale(true);
    throw;
  }
}

void TIFuzzyLogic::WriteStrings() {
  TStrings* strings = GetStringsBuffer();
  strings->BeginUpdate();
  TFirstError error;
  error.Run([&] {
    strings->Clear();
    for (int i = 0; i < FItems->GetCount(); ++i) {
      strings->Append(FItems->GetItemByIndex(i)->ToString());
    }
  });
  error.Run([&] { strings->EndUpdate(); });
  error.Rethrow();
}

void TIFuzzyLogic::Parse() {
  if (IsLoading()) return;
  CheckParser();
  // Announces nothing; the variables that outlive the table are unhooked.
  FItems->Clear();
  // The text to read is the one in Strings, not one rebuilt from the variables just let go.
  SetStringsStale(false);
  TCustomFuzzyLogic::Parse();
}

}  // namespace fuzzy
