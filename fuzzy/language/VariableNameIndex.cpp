#include "fuzzy/language/VariableNameIndex.h"

#include <typeinfo>

#include "fuzzy/logic/FuzzyVariables.h"

namespace fuzzy {

bool TVariableNameIndex::Contains(const TFuzzyVariables* variables, std::string_view name) {
  if (variables == FVariables) {
    CatchUp();
    if (!FScanOnly && !FNames.contains(name)) return false;
  }
  return variables->IndexOf(std::string(name)) >= 0;
}

void TVariableNameIndex::AddedLast(const TFuzzyVariable* variable) {
  const int count = FVariables->GetCount();
  if (FVariables->GetNamesRevision() == FRevision + 1 && count > FIndexed &&
      FVariables->GetItem(count - 1) == variable) {
    ++FRevision;
  }
}

void TVariableNameIndex::CatchUp() {
  if (FScanOnly) return;
  const int count = FVariables->GetCount();
  // A variable put in before the last one taken in, or moved there, moves that one on.
  if (FRevision != FVariables->GetNamesRevision() || count < FIndexed ||
      (FIndexed > 0 && FVariables->GetItem(FIndexed - 1) != FLastIndexed)) {
    Restart();
  }
  for (; FIndexed < count; ++FIndexed) {
    const TFuzzyVariable* variable = FVariables->GetItem(FIndexed);
    if (typeid(*variable) != typeid(TFuzzyVariable)) {
      FScanOnly = true;
      FNames.clear();
      return;
    }
    FNames.insert(variable->GetName());
    FLastIndexed = variable;
  }
}

void TVariableNameIndex::Restart() {
  FNames.clear();
  FIndexed = 0;
  FLastIndexed = nullptr;
  FRevision = FVariables->GetNamesRevision();
}

}  // namespace fuzzy
