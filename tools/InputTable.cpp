#include "tools/InputTable.h"

#include <algorithm>
#include <sstream>

#include "tools/Numbers.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(Trimmed(line.substr(start, end - start)));
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

// A header name may stand in double quotes, as spreadsheets write it.
std::string Unquoted(const std::string& name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    return name.substr(1, name.size() - 2);
  }
  return name;
}

void ReadRow(const std::string& line, int lineNumber, const std::string& sourceName,
             TInputTable& table) {
  const std::vector<std::string> fields = Fields(line, table.Separator);
  if (fields.size() != table.Columns.size()) {
    throw TCheckFailure(Located(sourceName, lineNumber,
                                "expected " + std::to_string(table.Columns.size()) +
                                    " values, found " + std::to_string(fields.size())));
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::optional<double> value = ParseNumber(fields[i]);
    if (!value) {
      throw TCheckFailure(Located(sourceName, lineNumber,
                                  table.Columns[i] + ": \"" + fields[i] + "\" is no number"));
    }
    table.Values.push_back(*value);
  }
  table.Lines.push_back(lineNumber);
}

}  // namespace

TInputTable ReadInputTable(const std::string& text, const std::string& sourceName) {
  TInputTable table;
  std::istringstream in(text);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (Trimmed(line).empty()) continue;
    if (!table.Columns.empty()) {
      ReadRow(line, lineNumber, sourceName, table);
      continue;
    }
    table.Separator =
        line.find('\t') == std::string::npos && line.find(',') != std::string::npos ? ',' : '\t';
    for (const std::string& name : Fields(line, table.Separator)) {
      table.Columns.push_back(Unquoted(name));
    }
  }
  if (table.Columns.empty()) {
    throw TCheckFailure(Located(sourceName, 0, "has no header row naming the inputs"));
  }
  return table;
}

std::vector<double> RowsInOrder(const TInputTable& table, const std::vector<std::string>& names) {
  std::vector<std::size_t> columns;
  for (const std::string& name : names) {
    const auto found = std::find(table.Columns.begin(), table.Columns.end(), name);
    columns.push_back(static_cast<std::size_t>(found - table.Columns.begin()));
  }
  const std::size_t width = table.Columns.size();
  std::vector<double> rows;
  rows.reserve(table.Lines.size() * names.size());
  for (std::size_t row = 0; row < table.Lines.size(); ++row) {
    for (std::size_t column : columns) rows.push_back(table.Values[row * width + column]);
  }
  return rows;
}

}  // namespace fuzzy::tool
