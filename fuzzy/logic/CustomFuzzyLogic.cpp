#include "fuzzy/logic/CustomFuzzyLogic.h"

#include <algorithm>

#include "fuzzy/framework/FirstError.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyVariables.h"

namespace fuzzy {

TCustomFuzzyLogic* TCustomFuzzyLogic::Create(TComponent* owner) {
  return Constructed(new TCustomFuzzyLogic(owner));
}

void TCustomFuzzyLogic::AfterConstruction() {
  FItems = CreateVariables();
  TComponent::AfterConstruction();
}

TFuzzyVariables* TCustomFuzzyLogic::CreateVariables() {
  return TFuzzyVariables::Create(this);
}

void TCustomFuzzyLogic::BeforeDestruction() {
  TFirstError error;
  error.Run([this] { FreeAndNil(FItems); });
  error.Run([this] { SetParser(nullptr); });
  error.Run([this] { TComponent::BeforeDestruction(); });
  error.Rethrow();
}

void TCustomFuzzyLogic::SetNumFunctionValues(int value) {
  FNumFunctionValues = std::max(value, 2);
}

void TCustomFuzzyLogic::SetThreshold(TFzyFloat value) {
  if (value == FThreshold) return;
  FThreshold = std::clamp(value, 0.0, 1.0);
  ThresholdChanged();
}

void TCustomFuzzyLogic::SetParser(TCustomFuzzyLogicParser* value) {
  if (value == FParser) return;
  TCustomFuzzyLogicParser* old = FParser;
  FParser = value;
  // One link serves both directions: it stays while the old parser still reads into us.
  if (old != nullptr && old->GetFuzzyLogic() != this) RemoveFreeNotification(old);
  if (value != nullptr) FreeNotification(value);
}

void TCustomFuzzyLogic::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == FParser) SetParser(nullptr);
}

void TCustomFuzzyLogic::NotifyVariable(TFuzzyVariable* variable, TCollectionNotification action) {
  (void)variable;
  (void)action;
}

void TCustomFuzzyLogic::NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action) {
  (void)fuzzySet;
  (void)action;
}

void TCustomFuzzyLogic::UpdateVariable(TFuzzyVariable* variable) {
  (void)variable;
}

void TCustomFuzzyLogic::UpdateFuzzySet(TFuzzySet* fuzzySet) {
  (void)fuzzySet;
}

}  // namespace fuzzy
