// The pieces of the module `fuzzy._fuzzy`, each bound in a file of its own, and the plain
// values that Python sees of a model's variables and of a firing.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <string>
#include <vector>

#include "python/src/PyModel.h"
#include "python/src/PySet.h"

namespace fuzzy::python {

// A variable of a model; it keeps the model alive.
struct TPyVariable {
  std::shared_ptr<TPyModel> Model;
  TFuzzyVariable* Variable = nullptr;
};

struct TPyFiredRule {
  std::size_t Rule = 0;  // index into the model's rules
  int Line = 0;
  std::string Text;
  double Strength = 0.0;
};

// What one firing concluded about one output.
struct TPyOutcome {
  TPyVariable Variable;
  double Value = 0.0;  // NaN when no rule gave the output a value
  std::string Status;  // "fired", "no rule fired" or "zero strength"
  std::vector<TPyFiredRule> Fired;
  std::shared_ptr<TPySet> Result;  // null when no rule fired
  int RuleCount = 0;
};

void BindSets(pybind11::module_& module);
void BindModel(pybind11::module_& module);
void BindFiring(pybind11::module_& module);
// The "fire" and "fire_batch" methods of the model class.
void BindFiringMethods(pybind11::class_<TPyModel, std::shared_ptr<TPyModel>>& model);

}  // namespace fuzzy::python
