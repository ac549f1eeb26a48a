#include "python/src/PyErrors.h"

#include "fuzzy/consts/FuzzyExceptions.h"

namespace py = pybind11;

namespace fuzzy::python {

namespace {

// The types live as long as the interpreter: the translator below may run at any time, and
// an extension module is never unloaded.
PyObject* FuzzyError = nullptr;
PyObject* ParseError = nullptr;
PyObject* InputError = nullptr;

PyObject* NewError(py::module_& module, const char* name, py::tuple bases, const char* doc) {
  const std::string qualified = std::string("fuzzy.") + name;
  PyObject* type = PyErr_NewExceptionWithDoc(qualified.c_str(), doc, bases.ptr(), nullptr);
  if (type == nullptr) throw py::error_already_set();
  module.add_object(name, py::reinterpret_borrow<py::object>(type));
  return type;
}

py::object OrNone(int value) {
  return value == 0 ? py::none() : py::object(py::int_(value));
}

py::object OrNone(const std::string& value) {
  return value.empty() ? py::none() : py::object(py::str(value));
}

void Raise(PyObject* type, const std::string& message, const py::dict& attributes) {
  py::object error = py::reinterpret_borrow<py::object>(type)(message);
  for (const auto& [name, value] : attributes) py::setattr(error, name, value);
  PyErr_SetObject(type, error.ptr());
}

void Translate(std::exception_ptr pending) {
  try {
    std::rethrow_exception(pending);
  } catch (const EPyParseError& error) {
    const std::string where =
        error.Line == 0 ? error.Source : error.Source + ":" + std::to_string(error.Line);
    Raise(ParseError, where + ": " + error.what(),
          py::dict(py::arg("line") = OrNone(error.Line), py::arg("word") = OrNone(error.Word),
                   py::arg("source") = OrNone(error.Source)));
  } catch (const EPyInputError& error) {
    py::object row = error.Row < 0 ? py::none() : py::object(py::int_(error.Row));
    Raise(InputError, error.what(), py::dict(py::arg("row") = row));
  } catch (const EFzyParseException& error) {
    Raise(ParseError, error.GetMessage(), py::dict(py::arg("line") = OrNone(error.GetLine())));
  } catch (const Exception& error) {
    PyErr_SetString(FuzzyError, error.GetMessage().c_str());
  }
}

}  // namespace

void BindErrors(py::module_& module) {
  const py::handle valueError(PyExc_ValueError);
  FuzzyError = NewError(module, "FuzzyError", py::make_tuple(py::handle(PyExc_Exception)),
                        "Every failure of the fuzzy library.");
  ParseError = NewError(module, "ParseError", py::make_tuple(py::handle(FuzzyError), valueError),
                        "Definition or rule text that does not read: .line (None when the "
                        "error has none), .word (the word refused, or None), .source.");
  InputError = NewError(module, "InputError", py::make_tuple(py::handle(FuzzyError), valueError),
                        "An input that a firing refuses: missing, not a number or outside its "
                        "variable's range; .row is its 0-based row in a batch, else None.");
  // Class-level defaults, so that an error raised from Python code reads as one from ours.
  for (const char* name : {"line", "word", "source"})
    PyObject_SetAttrString(ParseError, name, Py_None);
  PyObject_SetAttrString(InputError, "row", Py_None);
  py::register_exception_translator(Translate);
}

}  // namespace fuzzy::python
