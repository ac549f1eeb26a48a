// Text and number routines of the host framework: Format, trimming, conversions with an error
// position, a few math helpers and enumeration names. All of them ignore the process locale.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace fuzzy {

// One argument of Format: an integer, a floating-point number or a text.
class TFormatArg {
 public:
  template <class T>
  requires std::is_integral_v<T> TFormatArg(T value) : FValue(static_cast<long long>(value)) {}
  template <class T>
  requires std::is_floating_point_v<T> TFormatArg(T value)
      : FValue(static_cast<long double>(value)) {}
  TFormatArg(const char* value) : FValue(std::string(value)) {}
  TFormatArg(std::string_view value) : FValue(std::string(value)) {}
  TFormatArg(const std::string& value) : FValue(value) {}

  const std::variant<long long, long double, std::string>& Value() const { return FValue; }

 private:
  std::variant<long long, long double, std::string> FValue;
};

// Formats like the host: %[index:][-][width][.precision]type with the types d, u, x, s, f, e,
// g, n and %% for a percent sign. A missing or mismatched argument raises EConvertError.
std::string FormatArgs(std::string_view format, const std::vector<TFormatArg>& args);

template <class... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatArgs(format, std::vector<TFormatArg>{TFormatArg(args)...});
}

std::string IntToStr(long long value);
// The shortest text that reads back to the same double, with a point as separator.
std::string FloatToStr(double value);
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool SameText(std::string_view left, std::string_view right);

// Converts the whole text; answers 0 on success, else the 1-based position of the first
// character that could not be used (the length + 1 when the text ends too early).
int ValInt(std::string_view text, std::int32_t& value);
// Accepts an optional sign, digits with an optional point, and an optional exponent.
int ValFloat(std::string_view text, double& value);
// Raise EConvertError on failure.
std::int32_t StrToInt(std::string_view text);
double StrToFloat(std::string_view text);

long long Ceil(long double value);
long long Floor(long double value);
long double Power(long double base, long double exponent);
double MaxValue(const std::vector<double>& values);
double MinValue(const std::vector<double>& values);

// The declared names of an enumeration's members, specialised beside each enumeration:
//   template <> struct TEnumNames<TFuzzyOperation> { static constexpr std::array Names{...}; };
template <class E>
struct TEnumNames;

template <class E>
std::string GetEnumName(E value) {
  const auto& names = TEnumNames<E>::Names;
  const auto index = static_cast<std::size_t>(value);
  if (index < names.size()) return std::string(names[index]);
  return IntToStr(static_cast<long long>(index));
}

}  // namespace fuzzy
