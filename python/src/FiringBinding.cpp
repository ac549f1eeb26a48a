// Firing a model's rules from Python: one dict of inputs with the rules that fired, or numpy
// batches, fired by the library's batch path with the GIL released.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <map>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"
#include "python/src/Bindings.h"
#include "python/src/PyErrors.h"

namespace py = pybind11;

namespace fuzzy::python {

namespace {

using TInputArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

const char* StatusText(TRuleOutcomeStatus status) {
  switch (status) {
    case rosFired:
      return "fired";
    case rosZeroStrength:
      return "zero strength";
    case rosNoRuleFired:
      break;
  }
  return "no rule fired";
}

TPyOutcome OutcomeOf(const std::shared_ptr<TPyModel>& model, const TRuleOutcome& outcome) {
  TPyOutcome result{
      {model, outcome.Variable}, outcome.Value, StatusText(outcome.Status), {}, nullptr,
      outcome.RuleCount};
  for (const TFiredRule& fired : outcome.Fired) {
    result.Fired.push_back(
        {fired.Rule, fired.Line, model->GetRules()->GetRules()[fired.Rule].Text, fired.Strength});
  }
  if (outcome.Result != nullptr)
    result.Result = std::make_shared<TPySet>(outcome.Result, outcome.Variable);
  return result;
}

// A name that is no variable of the model is refused in a single firing, where it is most likely
// misspelt. Names of variables that no rule reads are let through, as the library lets them, and
// so are the other columns of a batch, which a data frame often has.
void CheckNames(const TPyModel& model, const py::dict& inputs) {
  for (const auto& [name, value] : inputs) {
    const std::string text = py::str(name);
    if (model.FindVariable(text) == nullptr) {
      throw EPyInputError("no input variable \"" + text + "\" in the model", -1);
    }
  }
}

// The error of a firing, with the row of a batch counted from 0 as numpy counts it.
[[noreturn]] void RaiseInputError(const EFzyException& error, bool batch) {
  const auto* ruleError = dynamic_cast<const EFzyRuleException*>(&error);
  if (!batch || ruleError == nullptr || ruleError->GetLine() <= 0) {
    throw EPyInputError(error.GetMessage(), -1);
  }
  const std::string prefix = "row " + std::to_string(ruleError->GetLine()) + ": ";
  std::string message = error.GetMessage();
  if (message.rfind(prefix, 0) == 0) message.erase(0, prefix.size());
  const long row = ruleError->GetLine() - 1;
  throw EPyInputError("row " + std::to_string(row) + ": " + message, row);
}

double NumberOf(const py::handle& name, const py::handle& value) {
  try {
    return py::cast<double>(value);
  } catch (const py::cast_error&) {
    throw EPyInputError("the value of " + std::string(py::str(name)) + " is not a number", -1);
  }
}

py::dict Fire(const std::shared_ptr<TPyModel>& model, const py::object& given,
              const py::kwargs& named) {
  py::dict inputs = given.is_none() ? py::dict() : py::dict(given);
  for (const auto& [name, value] : named) inputs[name] = value;
  CheckNames(*model, inputs);
  std::map<std::string, double> values;
  for (const auto& [name, value] : inputs) values[py::str(name)] = NumberOf(name, value);
  TModelLock lock(*model);
  TRuleBase& rules = model->RequireRules();
  py::dict outcomes;
  try {
    for (const TRuleOutcome& outcome : rules.Fire(values)) {
      outcomes[py::str(outcome.Variable->GetName())] = OutcomeOf(model, outcome);
    }
  } catch (const EFzyException& error) {
    RaiseInputError(error, false);
  }
  return outcomes;
}

// Fires `rows` (count rows of the rule base's inputs) into `outputs`, with the GIL released.
void FireRows(TPyModel& model, const double* rows, std::size_t count, double* outputs) {
  TRuleBase& rules = model.RequireRules();
  const std::size_t width = rules.GetInputs().size();
  const std::size_t outputWidth = rules.GetOutputs().size();
  py::gil_scoped_release release;
  std::lock_guard<std::mutex> lock(model.GetMutex());
  try {
    rules.FireBatch({rows, count * width}, {outputs, count * outputWidth});
  } catch (const EFzyException& error) {
    RaiseInputError(error, true);
  }
}

// A 2-D array of a column per input (a 1-D array for a model of one input) into a 2-D array of
// a column per output; a C-contiguous float64 array is read in place.
py::array_t<double> FireMatrix(const std::shared_ptr<TPyModel>& model, const py::object& data) {
  const TRuleBase& rules = model->RequireRules();
  const auto width = static_cast<py::ssize_t>(rules.GetInputs().size());
  TInputArray rows = TInputArray::ensure(data);
  if (!rows) throw EPyInputError("a batch holds numbers", -1);
  if (rows.ndim() == 1 && width == 1) rows = rows.reshape({rows.shape(0), py::ssize_t{1}});
  if (rows.ndim() != 2 || rows.shape(1) != width) {
    throw EPyInputError("a batch is a 2-D array with a column per input (" + std::to_string(width) +
                            "), or a dict of arrays by input name",
                        -1);
  }
  const py::ssize_t count = rows.shape(0);
  py::array_t<double> outputs({count, static_cast<py::ssize_t>(rules.GetOutputs().size())});
  FireRows(*model, rows.data(), static_cast<std::size_t>(count), outputs.mutable_data());
  return outputs;
}

// The column of one input: a 1-D array, or a number that stands for the whole column.
TInputArray ColumnOf(const py::dict& columns, const TFuzzyVariable* variable) {
  const py::str name(variable->GetName());
  if (!columns.contains(name)) {
    throw EPyInputError("the batch has no column for the input " + variable->GetName(), -1);
  }
  TInputArray column = TInputArray::ensure(columns[name]);
  if (!column || column.ndim() > 1) {
    throw EPyInputError("the column of " + variable->GetName() + " is not a 1-D array of numbers",
                        -1);
  }
  return column;
}

// The length the columns share; 1 when every input is a number.
py::ssize_t RowCount(const std::vector<TInputArray>& columns) {
  py::ssize_t count = -1;
  for (const TInputArray& column : columns) {
    if (column.ndim() == 0) continue;
    if (count >= 0 && column.shape(0) != count) {
      throw EPyInputError("the columns differ in length", -1);
    }
    count = column.shape(0);
  }
  return count < 0 ? 1 : count;
}

// The columns interleaved into rows, as the batch path reads them.
std::vector<double> RowsOf(const std::vector<TInputArray>& columns, py::ssize_t count) {
  const std::size_t width = columns.size();
  std::vector<double> rows(static_cast<std::size_t>(count) * width);
  for (std::size_t i = 0; i < width; ++i) {
    const double* column = columns[i].data();
    const py::ssize_t step = columns[i].ndim() == 0 ? 0 : 1;
    for (py::ssize_t r = 0; r < count; ++r) rows[r * width + i] = column[r * step];
  }
  return rows;
}

// One array per input name into one contiguous array per output name.
py::dict FireColumns(const std::shared_ptr<TPyModel>& model, const py::dict& columns) {
  const TRuleBase& rules = model->RequireRules();
  std::vector<TInputArray> inputs;
  for (const TFuzzyVariable* variable : rules.GetInputs()) {
    inputs.push_back(ColumnOf(columns, variable));
  }
  const py::ssize_t count = RowCount(inputs);
  const std::vector<double> rows = RowsOf(inputs, count);
  const std::size_t outputWidth = rules.GetOutputs().size();
  py::array_t<double> outputs({count, static_cast<py::ssize_t>(outputWidth)});
  FireRows(*model, rows.data(), static_cast<std::size_t>(count), outputs.mutable_data());
  const py::object contiguous = py::module_::import("numpy").attr("ascontiguousarray");
  py::dict result;
  for (std::size_t o = 0; o < outputWidth; ++o) {
    result[py::str(rules.GetOutputs()[o]->GetName())] =
        contiguous(outputs[py::make_tuple(py::slice(0, count, 1), o)]);
  }
  return result;
}

py::object FireBatch(const std::shared_ptr<TPyModel>& model, const py::object& data,
                     const py::kwargs& named) {
  if (data.is_none()) return FireColumns(model, py::dict(named));
  if (py::len(named) != 0) throw EPyInputError("give a batch as one argument or by names", -1);
  // A mapping of columns, a data frame among them, is read by name.
  if (py::hasattr(data, "keys") && !py::isinstance<py::array>(data)) {
    return FireColumns(model, py::dict(data));
  }
  return FireMatrix(model, data);
}

}  // namespace

void BindFiringMethods(py::class_<TPyModel, std::shared_ptr<TPyModel>>& model) {
  model
      .def("fire", &Fire, py::arg("inputs") = py::none(),
           "Fires the rules for one value per input (a dict, or by keyword); answers an "
           "Outcome per output, by name.")
      .def("fire_batch", &FireBatch, py::arg("data") = py::none(),
           "Fires the rules for many rows: a 2-D array with a column per input (in the order "
           "of .inputs) gives a 2-D array with a column per output; a dict of arrays by input "
           "name (or keyword arrays, or a data frame; other columns are ignored) gives a dict of "
           "arrays by output name. NaN where no rule gave a value.");
}

void BindFiring(py::module_& module) {
  py::class_<TPyFiredRule>(module, "FiredRule", "A rule that fired, with its strength.")
      .def_readonly("rule", &TPyFiredRule::Rule, "Its index in Model.rules.")
      .def_readonly("line", &TPyFiredRule::Line)
      .def_readonly("text", &TPyFiredRule::Text)
      .def_readonly("strength", &TPyFiredRule::Strength)
      .def("__repr__", [](const TPyFiredRule& r) {
        return "<fuzzy.FiredRule line " + std::to_string(r.Line) + " at " +
               std::to_string(r.Strength) + ": " + r.Text + ">";
      });
  py::class_<TPyOutcome>(module, "Outcome", "What one firing concluded about one output.")
      .def_readonly("variable", &TPyOutcome::Variable)
      .def_readonly("value", &TPyOutcome::Value, "The crisp value, NaN when none.")
      .def_readonly("status", &TPyOutcome::Status)
      .def_readonly("fired", &TPyOutcome::Fired)
      .def_readonly("set", &TPyOutcome::Result, "The accumulated set, None when no rule fired.")
      .def_readonly("rule_count", &TPyOutcome::RuleCount)
      .def_property_readonly("has_value", [](const TPyOutcome& o) { return o.Status == "fired"; })
      .def("__repr__", [](const TPyOutcome& o) {
        return "<fuzzy.Outcome " + o.Variable.Variable->GetName() + " = " +
               std::to_string(o.Value) + " (" + o.Status + ")>";
      });
}

}  // namespace fuzzy::python
