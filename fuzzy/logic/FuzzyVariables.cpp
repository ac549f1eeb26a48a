#include "fuzzy/logic/FuzzyVariables.h"

#include "fuzzy/logic/CustomFuzzyLogic.h"

namespace fuzzy {

TFuzzyVariables* TFuzzyVariables::Create(TCustomFuzzyLogic* owner) {
  return Constructed(new TFuzzyVariables(owner));
}

TFuzzyVariables::TFuzzyVariables(TCustomFuzzyLogic* owner)
    : TGCollectionOf<TFuzzyVariable>(owner, TItemClass::Of<TFuzzyVariable>()) {}

TCustomFuzzyLogic* TFuzzyVariables::GetFuzzy() const {
  return dynamic_cast<TCustomFuzzyLogic*>(GetOwner());
}

void TFuzzyVariables::NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action) {
  if (TCustomFuzzyLogic* fuzzy = GetFuzzy()) fuzzy->NotifyFuzzySet(fuzzySet, action);
}

void TFuzzyVariables::UpdateFuzzySet(TFuzzySet* fuzzySet) {
  if (TCustomFuzzyLogic* fuzzy = GetFuzzy()) fuzzy->UpdateFuzzySet(fuzzySet);
}

void TFuzzyVariables::Notify(TCollectionItem* item, TCollectionNotification action) {
  TGCollectionOf<TFuzzyVariable>::Notify(item, action);
  if (TCustomFuzzyLogic* fuzzy = GetFuzzy()) {
    fuzzy->NotifyVariable(static_cast<TFuzzyVariable*>(item), action);
  }
}

void TFuzzyVariables::Update(TCollectionItem* item) {
  TGCollectionOf<TFuzzyVariable>::Update(item);
  auto* variable = static_cast<TFuzzyVariable*>(item);
  if (variable != nullptr) variable->ClampItemIndex();
  if (TCustomFuzzyLogic* fuzzy = GetFuzzy()) fuzzy->UpdateVariable(variable);
}

}  // namespace fuzzy
