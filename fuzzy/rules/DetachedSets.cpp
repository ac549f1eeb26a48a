#include "fuzzy/rules/DetachedSets.h"

#include "fuzzy/consts/FuzzyMessages.h"
#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// Removes the sets that an evaluation left among `sets`, from index `count` on.
void RemoveAddedSince(TFuzzySets* sets, int count) {
  while (sets->GetCount() > count) sets->GetItem(sets->GetCount() - 1)->Free();
}

}  // namespace

TOwned<TFuzzyVariable> DetachedVariableOf(const TFuzzyVariable* variable) {
  TOwned<TFuzzyVariable> detached(TFuzzyVariable::Create(nullptr));
  detached->SetName(variable->GetName());
  detached->SetUnits(variable->GetUnits());
  // Maximum first: a lower Minimum never pulls it along.
  detached->SetMaximum(variable->GetMaximum());
  detached->SetMinimum(variable->GetMinimum());
  return detached;
}

TFuzzySet* DetachedCopy(const TFuzzySet* set, TFuzzyVariable* into) {
  TFuzzySet* copy = into->GetItems()->Add();
  copy->Assign(const_cast<TFuzzySet*>(set));
  return copy;
}

TFuzzySet* EvaluateDetached(TFuzzyVariable* variable, const std::string& expression,
                            TFuzzyVariable* into) {
  TCustomFuzzyLogic* logic = variable->GetFuzzy();
  TCustomFuzzyLogicParser* parser = logic == nullptr ? nullptr : logic->GetParser();
  if (parser == nullptr) throw EFzyException(SParserUnassigned);
  TFuzzySets* sets = variable->GetItems();
  const int count = sets->GetCount();
  try {
    const TFuzzySet* result = parser->EvalFuzzyExpression(variable, expression);
    if (result == nullptr) throw EFzyException("the expression has no result");
    TFuzzySet* copy = DetachedCopy(result, into);
    RemoveAddedSince(sets, count);
    return copy;
  } catch (...) {
    RemoveAddedSince(sets, count);
    throw;
  }
}

}  // namespace fuzzy
