// Line end, indentation step and the number-character tests shared by the text readers and
// writers. Fixed values, so written text never depends on the platform or the process locale.
#pragma once

namespace fuzzy {

inline constexpr const char* NewLineString = "\n";
inline constexpr const char* IndentString = "  ";

// A character that may begin a number: a digit, a sign or a decimal point.
constexpr bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A character that may begin a number but is no number when it stands alone.
constexpr bool IsNumberSymbol(char c) {
  return c == '+' || c == '-' || c == '.';
}

}  // namespace fuzzy
