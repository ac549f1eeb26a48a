// Small text routines the format readers and writers share: numbers read and written with a
// point whatever the locale, in full precision.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

// The whole text as a number, or nothing; "nan" and "inf" are numbers here (the builder refuses
// them with their line).
std::optional<TFzyFloat> ParseFormatNumber(std::string_view text);
// The shortest text that reads back as the same number.
std::string FormatExactNumber(TFzyFloat value);
std::string FormatExactNumbers(const std::vector<TFzyFloat>& values, const char* separator);

}  // namespace fuzzy
