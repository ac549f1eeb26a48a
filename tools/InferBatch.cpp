#include "tools/InferBatch.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <iterator>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleErrors.h"
#include "tools/InputTable.h"
#include "tools/Numbers.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

// Rows fired at once: large enough to be cheap, small enough for a lively progress line.
constexpr std::size_t ChunkRows = 4096;
// Fewer rows than this finish before a progress line would help.
constexpr std::size_t ProgressRows = 20000;

std::string SourceText(const std::string& path) {
  if (path != "-") return ReadTextFile(path);
  return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
}

std::vector<std::string> NamesOf(const std::vector<TFuzzyVariable*>& variables) {
  std::vector<std::string> names;
  for (const TFuzzyVariable* variable : variables) names.push_back(variable->GetName());
  return names;
}

void CheckColumns(const TInputTable& table, const std::vector<std::string>& inputs,
                  const std::string& source) {
  for (const std::string& column : table.Columns) {
    if (std::find(inputs.begin(), inputs.end(), column) == inputs.end()) {
      throw TCheckFailure(Located(source, 0, "column \"" + column + "\" is no input of the rules"));
    }
  }
  for (const std::string& input : inputs) {
    if (std::find(table.Columns.begin(), table.Columns.end(), input) == table.Columns.end()) {
      throw TCheckFailure(Located(source, 0, "the rules read " + input + ", which has no column"));
    }
  }
}

std::string Row(const double* values, std::size_t count, char separator) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += separator;
    text += ShortestText(values[i]);
  }
  return text;
}

// The library counts the rows of a batch from 1 and says so in front of its message.
TCheckFailure RowFailure(const EFzyRuleException& error, const TInputTable& table,
                         std::size_t firstRow, const std::string& source) {
  std::string message = error.GetMessage();
  const std::size_t colon = message.find(": ");
  if (message.rfind("row ", 0) == 0 && colon != std::string::npos) message.erase(0, colon + 2);
  const std::size_t row = firstRow + static_cast<std::size_t>(std::max(error.GetLine(), 1)) - 1;
  return TCheckFailure(Located(source, table.Lines.at(row), message));
}

}  // namespace

void RunBatch(TRuleBase& rules, const std::string& path, std::ostream& out) {
  const std::string source = path == "-" ? "standard input" : path;
  const TInputTable table = ReadInputTable(SourceText(path), source);
  const std::vector<std::string> inputs = NamesOf(rules.GetInputs());
  const std::vector<std::string> outputs = NamesOf(rules.GetOutputs());
  CheckColumns(table, inputs, source);
  const std::vector<double> rows = RowsInOrder(table, inputs);
  const std::size_t count = table.Lines.size();
  const bool progress = count >= ProgressRows && isatty(STDERR_FILENO) == 1;
  std::vector<std::string> header = inputs;
  header.insert(header.end(), outputs.begin(), outputs.end());
  std::string text;
  for (const std::string& name : header)
    text += (text.empty() ? "" : std::string(1, table.Separator)) + name;
  out << text << "\n";
  std::vector<double> results(ChunkRows * outputs.size());
  for (std::size_t first = 0; first < count; first += ChunkRows) {
    const std::size_t chunk = std::min(ChunkRows, count - first);
    const std::span<const double> in(rows.data() + first * inputs.size(), chunk * inputs.size());
    const std::span<double> done(results.data(), chunk * outputs.size());
    try {
      rules.FireBatch(in, done);
    } catch (const EFzyRuleException& error) {
      if (progress) std::cerr << "\n";
      throw RowFailure(error, table, first, source);
    }
    std::string lines;
    for (std::size_t row = 0; row < chunk; ++row) {
      lines += Row(in.data() + row * inputs.size(), inputs.size(), table.Separator) +
               table.Separator +
               Row(done.data() + row * outputs.size(), outputs.size(), table.Separator) + "\n";
    }
    out << lines;
    if (progress)
      std::cerr << "\rfuzzy: " << first + chunk << " of " << count << " rows" << std::flush;
  }
  if (progress) std::cerr << "\n";
}

}  // namespace fuzzy::tool
