#include "fuzzy/framework/SysUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "fuzzy/framework/Exceptions.h"

namespace fuzzy {

namespace {

struct TFormatSpec {
  bool LeftJustify = false;
  int Width = -1;
  int Precision = -1;
  char Type = 0;
};

[[noreturn]] void RaiseInvalidFormat(std::string_view format) {
  throw EConvertError(FormatArgs(SInvalidFormat, {TFormatArg(format)}));
}

// Reads an unsigned decimal number at pos; answers -1 when there is none.
int ReadNumber(std::string_view format, std::size_t& pos) {
  int result = -1;
  while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
    result = (result < 0 ? 0 : result) * 10 + (format[pos] - '0');
    if (result > 100000) RaiseInvalidFormat(format);
    ++pos;
  }
  return result;
}

std::string FixedText(long double value, int precision) {
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::fixed, precision);
  if (result.ec != std::errc()) return "INF";
  return std::string(buffer, result.ptr);
}

// Scientific text with the host's layout: at least three exponent digits, sign always shown.
std::string ScientificText(long double value, int precision) {
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::scientific, precision);
  std::string text(buffer, result.ptr);
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  std::string mantissa = text.substr(0, e);
  std::string exponent = text.substr(e + 1);
  char sign = '+';
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    sign = exponent[0];
    exponent.erase(0, 1);
  }
  mantissa.append(1, 'E').append(1, sign);
  if (exponent.size() < 3) mantissa.append(3 - exponent.size(), '0');
  return mantissa.append(exponent);
}

std::string GeneralText(long double value, int precision) {
  if (precision < 0 || precision > 15) precision = 15;
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::general, precision == 0 ? 1 : precision);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

std::string IntegerText(long long value, int precision, bool hex) {
  const bool negative = value < 0 && !hex;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                : static_cast<unsigned long long>(value);
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, hex ? 16 : 10);
  std::string digits(buffer, result.ptr);
  if (hex) std::transform(digits.begin(), digits.end(), digits.begin(), ::toupper);
  std::string text(negative ? "-" : "");
  if (precision > static_cast<int>(digits.size()))
    text.append(static_cast<std::size_t>(precision) - digits.size(), '0');
  return text.append(digits);
}

std::string FormatOne(std::string_view format, const TFormatSpec& spec, const TFormatArg& arg) {
  const auto& value = arg.Value();
  switch (spec.Type) {
    case 'd':
    case 'u':
    case 'x':
      if (!std::holds_alternative<long long>(value)) RaiseInvalidFormat(format);
      return IntegerText(std::get<long long>(value), spec.Precision, spec.Type == 'x');
    case 's': {
      if (!std::holds_alternative<std::string>(value)) RaiseInvalidFormat(format);
      const std::string& text = std::get<std::string>(value);
      if (spec.Precision >= 0 && static_cast<std::size_t>(spec.Precision) < text.size())
        return text.substr(0, static_cast<std::size_t>(spec.Precision));
      return text;
    }
    default:
      break;
  }
  long double number = 0;
  if (std::holds_alternative<long double>(value))
    number = std::get<long double>(value);
  else if (std::holds_alternative<long long>(value))
    number = static_cast<long double>(std::get<long long>(value));
  else
    RaiseInvalidFormat(format);
  switch (spec.Type) {
    case 'f':
    case 'n':
      return FixedText(number, spec.Precision < 0 ? 2 : spec.Precision);
    case 'e':
      return ScientificText(number, spec.Precision < 0 ? 14 : std::max(spec.Precision - 1, 0));
    case 'g':
      return GeneralText(number, spec.Precision);
    default:
      RaiseInvalidFormat(format);
  }
}

std::string Pad(std::string text, const TFormatSpec& spec) {
  if (spec.Width <= static_cast<int>(text.size())) return text;
  const std::size_t fill = static_cast<std::size_t>(spec.Width) - text.size();
  if (spec.LeftJustify) return text.append(fill, ' ');
  return std::string(fill, ' ').append(text);
}

}  // namespace

std::string FormatArgs(std::string_view format, const std::vector<TFormatArg>& args) {
  std::string result;
  std::size_t nextArg = 0;
  std::size_t pos = 0;
  while (pos < format.size()) {
    const char c = format[pos++];
    if (c != '%') {
      result += c;
      continue;
    }
    if (pos < format.size() && format[pos] == '%') {
      result += '%';
      ++pos;
      continue;
    }
    TFormatSpec spec;
    std::size_t start = pos;
    const int index = ReadNumber(format, pos);
    if (index >= 0 && pos < format.size() && format[pos] == ':') {
      nextArg = static_cast<std::size_t>(index);
      ++pos;
    } else {
      pos = start;
    }
    if (pos < format.size() && format[pos] == '-') {
      spec.LeftJustify = true;
      ++pos;
    }
    spec.Width = ReadNumber(format, pos);
    if (pos < format.size() && format[pos] == '.') {
      ++pos;
      spec.Precision = std::max(ReadNumber(format, pos), 0);
    }
    if (pos >= format.size()) RaiseInvalidFormat(format);
    spec.Type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[pos++])));
    if (nextArg >= args.size()) RaiseInvalidFormat(format);
    result += Pad(FormatOne(format, spec, args[nextArg++]), spec);
  }
  return result;
}

std::string IntToStr(long long value) {
  return IntegerText(value, -1, false);
}

std::string FloatToStr(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

namespace {
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::string TrimLeft(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  return std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
  std::size_t last = text.size();
  while (last > 0 && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(0, last));
}

std::string Trim(std::string_view text) {
  return TrimLeft(TrimRight(text));
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

bool SameText(std::string_view left, std::string_view right) {
  return LowerCase(left) == LowerCase(right);
}

int ValInt(std::string_view text, std::int32_t& value) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size()) return static_cast<int>(pos) + 1;
  long long magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c < '0' || c > '9') return static_cast<int>(pos) + 1;
    magnitude = magnitude * 10 + (c - '0');
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    if (magnitude > limit) return static_cast<int>(pos) + 1;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return 0;
}

namespace {
// Skips digits; answers how many were seen.
std::size_t SkipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
  return pos - start;
}
}  // namespace

int ValFloat(std::string_view text, double& value) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits += SkipDigits(text, pos);
  }
  if (digits == 0) return static_cast<int>(pos) + 1;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (SkipDigits(text, pos) == 0) return static_cast<int>(pos) + 1;
  }
  if (pos < text.size()) return static_cast<int>(pos) + 1;
  // from_chars rejects a leading '+', which the checks above have already accepted.
  const std::size_t skip = text[0] == '+' ? 1 : 0;
  double parsed = 0;
  const auto result = std::from_chars(text.data() + skip, text.data() + text.size(), parsed);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone out of range: a negative exponent means the number is
    // too small to hold and reads as zero; anything else is too large to hold and fails.
    const auto e = text.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
    if (!tiny) return static_cast<int>(text.size());
    parsed = text[0] == '-' ? -0.0 : 0.0;
  } else if (result.ec != std::errc()) {
    return 1;
  }
  value = parsed;
  return 0;
}

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (ValInt(Trim(text), value) != 0)
    throw EConvertError(Format("'%s' is not a valid integer value", text));
  return value;
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (ValFloat(Trim(text), value) != 0)
    throw EConvertError(Format("'%s' is not a valid floating point value", text));
  return value;
}

long long Ceil(long double value) {
  return static_cast<long long>(std::ceil(value));
}
long long Floor(long double value) {
  return static_cast<long long>(std::floor(value));
}

long double Power(long double base, long double exponent) {
  if (exponent == 0) return 1;
  return std::pow(base, exponent);
}

double MaxValue(const std::vector<double>& values) {
  if (values.empty()) return 0;
  return *std::max_element(values.begin(), values.end());
}

double MinValue(const std::vector<double>& values) {
  if (values.empty()) return 0;
  return *std::min_element(values.begin(), values.end());
}

}  // namespace fuzzy
