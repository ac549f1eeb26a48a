// fuzzy.Set: a membership function as exact points, with its defuzzified values.
#include <pybind11/numpy.h>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "python/src/Bindings.h"

namespace py = pybind11;

namespace fuzzy::python {

namespace {

py::array_t<double> PointsOf(const TPySet& set) {
  const TFuzzySetValues* values = set.GetSet()->GetValues();
  py::array_t<double> points({static_cast<py::ssize_t>(values->GetCount()), py::ssize_t{2}});
  auto out = points.mutable_unchecked<2>();
  py::ssize_t row = 0;
  for (const TFuzzySetValue* point : *values) {
    out(row, 0) = point->GetX();
    out(row, 1) = point->GetY();
    ++row;
  }
  return points;
}

py::array_t<double> MembershipOf(const TPySet& set,
                                 const py::array_t<double, py::array::forcecast>& xs) {
  py::array_t<double> result(std::vector<py::ssize_t>(xs.shape(), xs.shape() + xs.ndim()));
  const py::array_t<double, py::array::c_style | py::array::forcecast> flat =
      py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(xs);
  double* out = result.mutable_data();
  for (py::ssize_t i = 0; i < flat.size(); ++i) {
    out[i] = set.GetSet()->DegreeOfMembership(flat.data()[i]);
  }
  return result;
}

std::string ReprOf(const TPySet& set) {
  const std::string name = set.GetSet()->GetName();
  return "<fuzzy.Set " + (name.empty() ? std::string("(unnamed)") : name) + " of " +
         set.GetVariable()->GetName() + ", " +
         std::to_string(set.GetSet()->GetValues()->GetCount()) + " points>";
}

}  // namespace

void BindSets(py::module_& module) {
  py::class_<TPySet, std::shared_ptr<TPySet>>(
      module, "Set",
      "A fuzzy set over a variable's range: a copy, valid whatever becomes of its model.")
      .def_property_readonly("name", [](const TPySet& s) { return s.GetSet()->GetName(); })
      .def_property_readonly("expression",
                             [](const TPySet& s) { return s.GetSet()->GetExpression(); })
      .def_property_readonly(
          "variable", [](const TPySet& s) { return s.GetVariable()->GetName(); },
          "The name of the variable the set belongs to.")
      .def_property_readonly("units", [](const TPySet& s) { return s.GetVariable()->GetUnits(); })
      .def_property_readonly("range",
                             [](const TPySet& s) {
                               return py::make_tuple(s.GetVariable()->GetMinimum(),
                                                     s.GetVariable()->GetMaximum());
                             })
      .def_property_readonly("points", &PointsOf,
                             "The points as a new (n, 2) array of x and membership.")
      .def(
          "membership", [](const TPySet& s, double x) { return s.GetSet()->DegreeOfMembership(x); },
          py::arg("x"), "The membership at x (a number, or an array of them).")
      .def("membership", &MembershipOf, py::arg("x"))
      .def(
          "center_of_gravity", [](const TPySet& s) { return s.GetSet()->CenterOfGravity(); },
          "The exact centre of gravity over the variable's range.")
      .def("mean_of_maxima", [](const TPySet& s) { return s.GetSet()->MeanOfMaxima(); })
      .def("__repr__", &ReprOf);
}

}  // namespace fuzzy::python
