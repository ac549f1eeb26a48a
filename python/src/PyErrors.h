// The module's exceptions: fuzzy.FuzzyError for every failure of the library, fuzzy.ParseError
// for definition and rule text that does not read (with .line, .word and .source), and
// fuzzy.InputError for inputs a firing refuses (with .row in a batch). The bindings raise the
// two C++ types below; the library's own exceptions are translated where they pass.
#pragma once

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>

namespace fuzzy::python {

struct EPyParseError : std::runtime_error {
  EPyParseError(const std::string& message, int line, std::string word, std::string source)
      : std::runtime_error(message), Line(line), Word(std::move(word)), Source(std::move(source)) {}
  int Line;  // 0: none
  std::string Word;
  std::string Source;
};

struct EPyInputError : std::runtime_error {
  EPyInputError(const std::string& message, long row) : std::runtime_error(message), Row(row) {}
  long Row;  // the 0-based row of a batch, -1 for a single firing
};

// Creates the exception types in `module` and installs their translation.
void BindErrors(pybind11::module_& module);

}  // namespace fuzzy::python
