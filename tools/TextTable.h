// A small text table for the terminal: a header row, then rows, each column padded to its widest
// cell; numbers right-aligned, words left-aligned, no trailing blanks.
#pragma once

#include <string>
#include <vector>

namespace fuzzy::tool {

enum TAlign { alLeft, alRight };

class TTextTable {
 public:
  struct TColumn {
    std::string Header;
    TAlign Align;
  };

  explicit TTextTable(std::vector<TColumn> columns, std::string indent = "");

  // A row with one cell per column (missing cells stay empty).
  void AddRow(std::vector<std::string> cells);
  // The table, one line per row, each ending with a line end; the header row first unless
  // `withHeader` is false.
  std::string Render(bool withHeader = true) const;

 private:
  std::vector<std::size_t> Widths(bool withHeader) const;
  std::string RenderRow(const std::vector<std::string>& cells,
                        const std::vector<std::size_t>& widths) const;

  std::vector<TColumn> FColumns;
  std::string FIndent;
  std::vector<std::vector<std::string>> FRows;
};

}  // namespace fuzzy::tool
