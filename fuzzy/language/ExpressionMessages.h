// The expression evaluator's own refusals, beside the vocabulary's messages: brackets nested too
// deep, and ?names whose values refer back to themselves or nest without end. Each is raised as
// an EFzyParseException through the parser's ParseError.
#pragma once

namespace fuzzy {

inline constexpr const char* SFzyBracketsTooDeep = "Brackets nested deeper than %d";
inline constexpr const char* SFzyRecursiveVariable = "Expression variable refers to itself: %s";
inline constexpr const char* SFzyVariablesTooDeep =
    "Expression variables nested deeper than %d: %s";

}  // namespace fuzzy
