// fuzzy._fuzzy: the library's models, variables, sets and rule firing for Python. The package
// `fuzzy` re-exports it and adds the plots.
#include <pybind11/pybind11.h>

#include "python/src/Bindings.h"
#include "python/src/PyErrors.h"

PYBIND11_MODULE(_fuzzy, module) {
  module.doc() = "Exact fuzzy reasoning: linguistic variables, expressions and rule bases.";
  fuzzy::python::BindErrors(module);
  fuzzy::python::BindSets(module);
  fuzzy::python::BindModel(module);
  fuzzy::python::BindFiring(module);
}
