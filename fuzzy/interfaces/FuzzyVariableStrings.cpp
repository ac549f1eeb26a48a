#include "fuzzy/interfaces/FuzzyVariableStrings.h"

#include "fuzzy/interfaces/IFuzzyLogicComponent.h"

namespace fuzzy {

IPtr<IFuzzyVariable> TFuzzyVariableStrings::GetData(int Index) const {
  return InterfaceCast<IFuzzyVariable>(TIStringList::GetData(Index));
}

void TFuzzyVariableStrings::PutData(int Index, const IPtr<IInterface>& Data) {
  if (FFuzzyLogic != nullptr) {
    if (const IPtr<IFuzzyVariable> leaving = GetData(Index)) FFuzzyLogic->VariableDeleted(leaving);
  }
  TIStringList::PutData(Index, Data);
  if (FFuzzyLogic != nullptr) {
    if (const IPtr<IFuzzyVariable> entering = GetData(Index)) FFuzzyLogic->VariableAdded(entering);
  }
}

}  // namespace fuzzy
