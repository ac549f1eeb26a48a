#include "fuzzy/formats/FormatText.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace fuzzy {

std::optional<TFzyFloat> ParseFormatNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  TFzyFloat value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string FormatExactNumber(TFzyFloat value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatExactNumbers(const std::vector<TFzyFloat>& values, const char* separator) {
  std::string text;
  for (const TFzyFloat value : values) {
    if (!text.empty()) text += separator;
    text += FormatExactNumber(value);
  }
  return text;
}

}  // namespace fuzzy
