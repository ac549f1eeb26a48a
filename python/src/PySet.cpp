#include "python/src/PySet.h"

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/DetachedSets.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy::python {

TPySet::TPySet(const TFuzzySet* set, const TFuzzyVariable* variable)
    : FVariable(DetachedVariableOf(variable)), FSet(DetachedCopy(set, FVariable.get())) {}

std::shared_ptr<TPySet> TPySet::Evaluate(TFuzzyVariable* variable, const std::string& expression) {
  std::shared_ptr<TPySet> result(new TPySet());
  result->FVariable = DetachedVariableOf(variable);
  result->FSet = EvaluateDetached(variable, expression, result->FVariable.get());
  return result;
}

}  // namespace fuzzy::python
