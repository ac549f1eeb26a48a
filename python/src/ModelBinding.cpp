// fuzzy.Model and fuzzy.Variable: a model read from text, its variables and their terms.
#include <pybind11/stl.h>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/sets/FuzzySet.h"
#include "python/src/Bindings.h"
#include "python/src/ModelFormats.h"

namespace py = pybind11;

namespace fuzzy::python {

namespace {

std::shared_ptr<TPyModel> MakeModel(const std::string& text,
                                    const std::optional<std::string>& rules,
                                    const std::string& format, bool autoTerms,
                                    const std::string& source, const std::string& rulesSource) {
  return TPyModel::Read(format, text, source, rules ? &*rules : nullptr, rulesSource, autoTerms);
}

TPyVariable VariableOf(const std::shared_ptr<TPyModel>& model, const std::string& name) {
  return {model, model->RequireVariable(name)};
}

std::vector<TPyVariable> VariablesOf(const std::shared_ptr<TPyModel>& model) {
  std::vector<TPyVariable> variables;
  for (TFuzzyVariable* variable : model->GetVariables()) variables.push_back({model, variable});
  return variables;
}

std::vector<std::string> NamesOf(const std::vector<TFuzzyVariable*>& variables) {
  std::vector<std::string> names;
  for (const TFuzzyVariable* variable : variables) names.push_back(variable->GetName());
  return names;
}

std::vector<std::string> RuleTextsOf(const TPyModel& model) {
  std::vector<std::string> texts;
  if (const TRuleBase* rules = model.GetRules()) {
    for (const TRuleText& rule : rules->GetRules()) texts.push_back(rule.Text);
  }
  return texts;
}

// The terms a variable defines, in order, as copies (never the sets evaluation leaves).
py::dict TermsOf(const TPyVariable& v) {
  TModelLock lock(*v.Model);
  py::dict terms;
  for (const TFuzzySet* set : *v.Variable->GetItems()) {
    if (set->GetDefined())
      terms[py::str(set->GetName())] = std::make_shared<TPySet>(set, v.Variable);
  }
  return terms;
}

std::shared_ptr<TPySet> TermOf(const TPyVariable& v, const std::string& name) {
  TModelLock lock(*v.Model);
  for (const TFuzzySet* set : *v.Variable->GetItems()) {
    if (set->GetDefined() && set->GetName() == name)
      return std::make_shared<TPySet>(set, v.Variable);
  }
  throw py::key_error("no term \"" + name + "\" in " + v.Variable->GetName());
}

std::shared_ptr<TPySet> Evaluate(const TPyVariable& v, const std::string& expression) {
  TModelLock lock(*v.Model);
  return TPySet::Evaluate(v.Variable, expression);
}

void BindVariable(py::module_& module) {
  py::class_<TPyVariable>(module, "Variable",
                          "A linguistic variable of a model: a named range with units and terms.")
      .def_property_readonly("name", [](const TPyVariable& v) { return v.Variable->GetName(); })
      .def_property_readonly("comment",
                             [](const TPyVariable& v) { return v.Variable->GetComment(); })
      .def_property_readonly("units", [](const TPyVariable& v) { return v.Variable->GetUnits(); })
      .def_property_readonly("range",
                             [](const TPyVariable& v) {
                               return py::make_tuple(v.Variable->GetMinimum(),
                                                     v.Variable->GetMaximum());
                             })
      .def_property_readonly("terms", &TermsOf, "The terms by name, in order, as new sets.")
      .def("term", &TermOf, py::arg("name"))
      .def("__getitem__", &TermOf, py::arg("name"))
      .def("evaluate", &Evaluate, py::arg("expression"),
           "The set an expression over the terms stands for, e.g. \"very good and not poor\".")
      .def("__repr__",
           [](const TPyVariable& v) { return "<fuzzy.Variable " + v.Variable->GetName() + ">"; });
}

}  // namespace

void BindModel(py::module_& module) {
  BindVariable(module);
  py::class_<TPyModel, std::shared_ptr<TPyModel>> model(
      module, "Model", "Variables read from a model text, and the rule base over them.");
  model
      .def(py::init(&MakeModel), py::arg("definitions"), py::arg("rules") = py::none(),
           py::kw_only(), py::arg("format") = "fuzzy", py::arg("auto_terms") = false,
           py::arg("source") = "<definitions>", py::arg("rules_source") = "<rules>",
           "Reads the definitions (in `format`) and, when given, the rule text.")
      .def_property_readonly("variables", &VariablesOf)
      .def("variable", &VariableOf, py::arg("name"))
      .def("__getitem__", &VariableOf, py::arg("name"))
      .def_property_readonly(
          "inputs", [](const TPyModel& m) { return NamesOf(m.RequireRules().GetInputs()); },
          "The variables the rules read, in the order of a batch's columns.")
      .def_property_readonly(
          "outputs", [](const TPyModel& m) { return NamesOf(m.RequireRules().GetOutputs()); },
          "The variables the rules conclude on, in the order of a batch's output columns.")
      .def_property_readonly("rules", &RuleTextsOf, "The rules as written, in order.")
      .def_property(
          "clamp_inputs", [](const TPyModel& m) { return m.RequireRules().GetClampInputs(); },
          [](TPyModel& m, bool value) {
            TModelLock lock(m);
            m.RequireRules().SetClampInputs(value);
          },
          "Whether an input outside its range is clamped into it (else it is refused).");
  BindFiringMethods(model);
  module.def("formats", [] {
    std::vector<std::string> names;
    for (const TModelFormat& format : ModelFormats()) names.push_back(format.Name);
    return names;
  });
  module.def(
      "format_of", [](const std::string& path) { return ModelFormatOfPath(path).Name; },
      py::arg("path"), "The name of the format a file of that name is read in.");
}

}  // namespace fuzzy::python
