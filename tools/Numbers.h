// Numbers as the program reads and prints them: a point as decimal separator whatever the
// locale, four decimals in tables, the shortest exact text on SVG coordinates.
#pragma once

#include <optional>
#include <string>

namespace fuzzy::tool {

// The whole of `text` as a finite number, or nothing.
std::optional<double> ParseNumber(const std::string& text);
// `decimals` decimals, a negative zero printed without its sign ("0.0000").
std::string FixedText(double value, int decimals = 4);
// The shortest text that reads back to the same double; "nan" for NaN.
std::string ShortestText(double value);
// At most `decimals` decimals with trailing zeros dropped ("12.5", "3").
std::string ShortText(double value, int decimals);

}  // namespace fuzzy::tool
