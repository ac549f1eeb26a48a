#include "tools/TextTable.h"

#include <algorithm>

namespace fuzzy::tool {

namespace {

constexpr const char* ColumnGap = "  ";

// Display width: counts characters, not the bytes of multi-byte UTF-8 sequences.
std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

TTextTable::TTextTable(std::vector<TColumn> columns, std::string indent)
    : FColumns(std::move(columns)), FIndent(std::move(indent)) {}

void TTextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(FColumns.size());
  FRows.push_back(std::move(cells));
}

std::vector<std::size_t> TTextTable::Widths(bool withHeader) const {
  std::vector<std::size_t> widths;
  for (const TColumn& column : FColumns) {
    widths.push_back(withHeader ? DisplayWidth(column.Header) : 0);
  }
  for (const auto& row : FRows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    }
  }
  return widths;
}

std::string TTextTable::RenderRow(const std::vector<std::string>& cells,
                                  const std::vector<std::size_t>& widths) const {
  std::string line = FIndent;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::string padding(widths[i] - DisplayWidth(cells[i]), ' ');
    if (i > 0) line += ColumnGap;
    line += FColumns[i].Align == alRight ? padding + cells[i] : cells[i] + padding;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

std::string TTextTable::Render(bool withHeader) const {
  const std::vector<std::size_t> widths = Widths(withHeader);
  std::string text;
  if (withHeader) {
    std::vector<std::string> headers;
    for (const TColumn& column : FColumns) headers.push_back(column.Header);
    text = RenderRow(headers, widths);
  }
  for (const auto& row : FRows) text += RenderRow(row, widths);
  return text;
}

}  // namespace fuzzy::tool
