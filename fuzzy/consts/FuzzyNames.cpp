#include "fuzzy/consts/FuzzyNames.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>

#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {
namespace {

// The table's entries with their lengths, worked out once at compile time: every set's name is
// looked for among the hedges when it is set, and a comparison with a bare entry would measure
// the entry each time.
template <class E, const std::array<const char*, EnumCount<E>>& Table>
inline constexpr auto NameViews = [] {
  std::array<std::string_view, EnumCount<E>> views{};
  for (const E member : EnumMembers<E>()) views[member] = Table[member];
  return views;
}();

// The first member, in declaration order, whose table entry equals the text.
template <class E, const std::array<const char*, EnumCount<E>>& Table>
std::optional<E> FindName(std::string_view text) {
  for (const E member : EnumMembers<E>())
    if (text == NameViews<E, Table>[member]) return member;
  return std::nullopt;
}

template <class E>
bool AssignFound(std::optional<E> found, E& target) {
  if (!found) return false;
  target = *found;
  return true;
}

bool IsCompound(std::string_view name) {
  return name.find(' ') != std::string_view::npos;
}

std::string Bracketed(std::string_view text) {
  return std::string(LeftFuzzyParentheses) + std::string(text) + RightFuzzyParentheses;
}

// A compound name keeps its grouping inside a larger name.
std::string Embedded(std::string_view name) {
  return IsCompound(name) ? Bracketed(name) : std::string(name);
}

// True when the "[" that opens the text is closed by the "]" that ends it, and not earlier.
bool IsOneBracketedGroup(std::string_view text) {
  if (text.size() <= 2 || text.front() != '[' || text.back() != ']') return false;
  int depth = 1;
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '[') ++depth;
    if (text[i] == ']') --depth;
    if (depth == 0) return false;
  }
  return true;
}

}  // namespace

std::string CreateFuzzyName(TFuzzyHedge Hedge, std::string_view Name) {
  return std::string(HedgeNames[Hedge]) + " " + Embedded(Name);
}

std::string CreateFuzzyName(TBaseFuzzyHedge Hedge, bool OnValues, std::string_view Name) {
  return std::string(BaseHedgeNames[Hedge]) + (OnValues ? " " : "X ") + Embedded(Name);
}

std::string CreateFuzzyName(std::string_view LeftName, std::string_view RightName,
                            std::string_view Operator) {
  return Embedded(LeftName) + " " + std::string(Operator) + " " + Embedded(RightName);
}

std::string CreateFuzzyName(std::string_view Name, std::string_view Operator, TFzyFloat Value) {
  std::string name = Embedded(Name);
  name += ' ';
  name += Operator;
  name += ' ';
  name += FuzzyNumberText(Value);
  return name;
}

std::string FuzzyNumberText(TFzyFloat Value) {
  char buffer[512];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, 4);
  return std::string(buffer, result.ptr);
}

std::string EscapeFuzzyName(std::string_view Name) {
  constexpr std::string_view breakers = "\"|~&;\\";
  std::string escaped;
  for (std::size_t i = 0; i < Name.size(); ++i) {
    // A word's first character is always taken as it stands, a backslash included.
    if (i > 0 && breakers.find(Name[i]) != std::string_view::npos) escaped += '\\';
    escaped += Name[i];
  }
  return escaped;
}

std::string FormatFuzzyExpression(std::string_view Expression) {
  std::string trimmed = Trim(Expression);
  if (!IsCompound(trimmed) || IsOneBracketedGroup(trimmed)) return trimmed;
  return Bracketed(Expression);
}

bool IsFuzzyHedge(std::string_view Text) {
  return FindName<TFuzzyHedge, HedgeNames>(Text).has_value();
}

bool IsFuzzyHedge(std::string_view Text, TFuzzyHedge& Hedge) {
  return AssignFound(FindName<TFuzzyHedge, HedgeNames>(Text), Hedge);
}

bool IsFuzzyHedgeOperator(std::string_view Text) {
  TBaseFuzzyHedge hedge{};
  bool onValues = false;
  return IsFuzzyHedgeOperator(Text, hedge, onValues);
}

bool IsFuzzyHedgeOperator(std::string_view Text, TBaseFuzzyHedge& Hedge, bool& OnValues) {
  // Compared in place: every set's name passes through here when it is set.
  for (const TBaseFuzzyHedge member : EnumMembers<TBaseFuzzyHedge>()) {
    const std::string_view symbol = NameViews<TBaseFuzzyHedge, BaseHedgeNames>[member];
    const bool onX =
        Text.size() == symbol.size() + 1 && Text.starts_with(symbol) && Text.back() == 'X';
    if (Text != symbol && !onX) continue;
    Hedge = member;
    OnValues = Text == symbol;
    return true;
  }
  return false;
}

bool IsFuzzyKeyword(std::string_view Text, bool& IsUnion, TFuzzyOperation& Operation) {
  IsUnion = true;
  for (const TFuzzyOperation member : EnumMembers<TFuzzyOperation>()) {
    if (Text == FuzzyIntersectionKeywords[member]) {
      IsUnion = false;
      Operation = member;
      return true;
    }
    if (Text == FuzzyUnionKeywords[member]) {
      Operation = member;
      return true;
    }
  }
  return false;
}

bool IsFuzzyOperation(std::string_view Text, TFuzzyOperation& Operation) {
  return AssignFound(FindName<TFuzzyOperation, FuzzyOperationNames>(Text), Operation);
}

bool IsFuzzyCorrelation(std::string_view Text, TFuzzyCorrelationMethod& Method) {
  return AssignFound(FindName<TFuzzyCorrelationMethod, FuzzyCorrelationNames>(Text), Method);
}

bool IsFuzzyInference(std::string_view Text, TFuzzyInferenceMethod& Method) {
  return AssignFound(FindName<TFuzzyInferenceMethod, FuzzyInferenceNames>(Text), Method);
}

bool IsReservedFuzzyName(std::string_view Name) {
  bool isUnion = false;
  TFuzzyOperation operation{};
  return IsFuzzyKeyword(Name, isUnion, operation) || IsFuzzyHedgeOperator(Name) ||
         IsFuzzyHedge(Name);
}

}  // namespace fuzzy
