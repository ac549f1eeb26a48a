#include "fuzzy/logic/FuzzyVariables.h"

#include "fuzzy/framework/Downcast.h"

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/logic/FuzzyLogicComponent.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

TFuzzyVariables* TFuzzyVariables::Create(TPersistent* owner) {
  return Create(owner, TFuzzyVariableClass::Of<TFuzzyVariable>());
}

TFuzzyVariables* TFuzzyVariables::Create(TPersistent* owner, TFuzzyVariableClass itemClass) {
  return Create(owner, itemClass, TFuzzySetClass::Of<TFuzzySet>());
}

TFuzzyVariables* TFuzzyVariables::Create(TPersistent* owner, TFuzzyVariableClass itemClass,
                                         TFuzzySetClass fuzzySetClass) {
  return Constructed(new TFuzzyVariables(owner, itemClass, fuzzySetClass));
}

TFuzzyVariables::TFuzzyVariables(TPersistent* owner, TFuzzyVariableClass itemClass,
                                 TFuzzySetClass fuzzySetClass)
    : TGCollectionOf<TFuzzyVariable>(owner, itemClass.GetItemClass()),
      FVariableClass(itemClass),
      FFuzzySetClass(fuzzySetClass) {}

// ---- adding ----------------------------------------------------------------------------------

TFuzzyVariable* TFuzzyVariables::Add() {
  // The variable joins at the end of its own construction, complete with its term collection.
  // As in the framework's Add, the change of the whole collection is reported once the
  // variable is complete, so a handler raising there cannot undo the variable.
  TCollectionUpdate batch(this);
  TFuzzyVariable* variable = FVariableClass.Create(this, FFuzzySetClass);
  batch.End();
  return variable;
}

TFuzzyVariable* TFuzzyVariables::Add(const std::string& name) {
  TFuzzyVariable* variable = Add();
  variable->SetName(name);
  return variable;
}

TFuzzyVariable* TFuzzyVariables::Insert(int index) {
  // Refused before the add, so that a bad index leaves no stray variable at the end.
  if (index < 0 || index > GetCount()) throw EListError::IndexOutOfBounds(index);
  TCollectionUpdate batch(this);
  TFuzzyVariable* variable = Add();
  variable->SetIndex(index);
  batch.End();
  return variable;
}

// ---- access ----------------------------------------------------------------------------------

void TFuzzyVariables::SetItem(int index, TFuzzyVariable* value) {
  TCollection::SetItem(index, value);
}

int TFuzzyVariables::IndexOfKnownName(const std::string& name) const {
  const int index = IndexOf(name);
  if (index < 0) throw EFzyException::CreateFmt(SUnknownFuzzyVarName, name);
  return index;
}

TFuzzyVariable* TFuzzyVariables::GetItemByName(const std::string& name) const {
  return GetItem(IndexOfKnownName(name));
}

void TFuzzyVariables::SetItemByName(const std::string& name, TFuzzyVariable* value) {
  SetItem(IndexOfKnownName(name), value);
}

TCustomFuzzyLogic* TFuzzyVariables::GetFuzzy() const {
  if (TFuzzyLogic* logic = GetLogic()) return logic;
  return dynamic_cast<TCustomFuzzyLogic*>(GetOwner());
}

TFuzzyLogic* TFuzzyVariables::GetLogic() const {
  return Downcast<TFuzzyLogic>(GetOwner());
}

TFuzzyVariablesEnumerator* TFuzzyVariables::GetEnumerator() const {
  return TFuzzyVariablesEnumerator::Create(this);
}

// ---- notifications ---------------------------------------------------------------------------

void TFuzzyVariables::NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action) {
  if (TFuzzyLogic* logic = GetLogic()) logic->NotifyFuzzySet(fuzzySet, action);
}

void TFuzzyVariables::UpdateFuzzySet(TFuzzySet* fuzzySet) {
  if (TFuzzyLogic* logic = GetLogic()) logic->UpdateFuzzySet(fuzzySet);
}

void TFuzzyVariables::Notify(TCollectionItem* item, TCollectionNotification action) {
  TGCollectionOf<TFuzzyVariable>::Notify(item, action);
  if (action == cnExtracting) NameChanged();
  if (TFuzzyLogic* logic = GetLogic()) {
    logic->NotifyVariable(static_cast<TFuzzyVariable*>(item), action);
  }
}

void TFuzzyVariables::Update(TCollectionItem* item) {
  TGCollectionOf<TFuzzyVariable>::Update(item);
  auto* variable = static_cast<TFuzzyVariable*>(item);
  if (variable != nullptr) variable->ClampItemIndex();
  if (TFuzzyLogic* logic = GetLogic()) logic->UpdateVariable(variable);
}

}  // namespace fuzzy
