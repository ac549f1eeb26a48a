// A set as Python holds it: a copy in a detached variable of its own, with the range and units
// of the variable it came from, so that it stays valid and defuzzifies over the same range
// whatever becomes of the model, and firing or evaluating again never changes it.
#pragma once

#include <memory>
#include <string>

#include "fuzzy/framework/Object.h"

namespace fuzzy {
class TFuzzySet;
class TFuzzyVariable;
}  // namespace fuzzy

namespace fuzzy::python {

class TPySet {
 public:
  // A copy of `set`, over the range of `variable`.
  TPySet(const TFuzzySet* set, const TFuzzyVariable* variable);
  // The set `expression` stands for over the terms of `variable` (which the evaluation leaves
  // as it was).
  static std::shared_ptr<TPySet> Evaluate(TFuzzyVariable* variable, const std::string& expression);

  const TFuzzySet* GetSet() const { return FSet; }
  const TFuzzyVariable* GetVariable() const { return FVariable.get(); }

 private:
  TPySet() = default;

  TOwned<TFuzzyVariable> FVariable;
  TFuzzySet* FSet = nullptr;  // owned by FVariable
};

}  // namespace fuzzy::python
