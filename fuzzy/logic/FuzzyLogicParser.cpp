#include "fuzzy/logic/FuzzyLogicParser.h"

#include "fuzzy/logic/CustomFuzzyLogic.h"

namespace fuzzy {

void TCustomFuzzyLogicParser::SetFuzzyLogic(TCustomFuzzyLogic* value) {
  if (value == FFuzzyLogic) return;
  TCustomFuzzyLogic* old = FFuzzyLogic;
  FFuzzyLogic = value;
  // One link serves both directions: it stays while the old component still uses us.
  if (old != nullptr && old->GetParser() != this) RemoveFreeNotification(old);
  if (value != nullptr) FreeNotification(value);
}

void TCustomFuzzyLogicParser::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == FFuzzyLogic) {
    SetFuzzyLogic(nullptr);
  }
}

}  // namespace fuzzy
