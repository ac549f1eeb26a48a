// The input rows of a batch: TSV or CSV text whose header row names input variables, one row
// of numbers a line. Blank lines are skipped.
#pragma once

#include <string>
#include <vector>

namespace fuzzy::tool {

struct TInputTable {
  char Separator = '\t';  // a tab, or a comma when the header has no tab but a comma
  std::vector<std::string> Columns;
  std::vector<double> Values;  // row after row, Columns.size() values each
  std::vector<int> Lines;      // the line of each row
};

// A field that is no number, or a row of the wrong width, raises TCheckFailure
// "SOURCE:LINE: message".
TInputTable ReadInputTable(const std::string& text, const std::string& sourceName);

// The values of each row put in the order of `names` (each must be a column).
std::vector<double> RowsInOrder(const TInputTable& table, const std::vector<std::string>& names);

}  // namespace fuzzy::tool
