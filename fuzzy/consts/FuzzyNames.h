// Builders of the names of derived sets (very high, [very high] or-sum low, high ^ 2.0000) and
// recognisers of the words of the expression language over the vocabulary's name tables.
#pragma once

#include <string>
#include <string_view>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

// The hedge's name, a blank and the bracketed name: very high, not [very high].
std::string CreateFuzzyName(TFuzzyHedge Hedge, std::string_view Name);
// The base hedge's symbol, then " " when it acts on membership values (OnValues) or "X " when it
// acts on X positions, then the bracketed name: ^ high, +X [very high].
std::string CreateFuzzyName(TBaseFuzzyHedge Hedge, bool OnValues, std::string_view Name);
// Both names bracketed around the operator text: [very high] or-sum low.
std::string CreateFuzzyName(std::string_view LeftName, std::string_view RightName,
                            std::string_view Operator);
// The bracketed name, the operator text and the value with four decimals: high ^X 0.5000.
std::string CreateFuzzyName(std::string_view Name, std::string_view Operator, TFzyFloat Value);

// A number as FuzzyFormatStr ("%.4f") formats it, without reading the format: names, crisp
// values and written points are made so at every step of a firing and a write.
std::string FuzzyNumberText(TFzyFloat Value);

// A set's name as it stands in an expression: the escape character (a backslash) goes before
// itself and before the characters that no name made by an operation holds but that would end
// a word or start a token of their own (a double quote, |, ~, &, ;). Blanks, brackets,
// parentheses and the hedge operators' symbols are left alone: names made by hedges,
// operations, point lists and function calls consist of them.
std::string EscapeFuzzyName(std::string_view Name);

// Prepares an expression for embedding in a larger one: a single word stays as it is (trimmed),
// one bracketed group stays as it is (trimmed), anything else is bracketed as passed.
std::string FormatFuzzyExpression(std::string_view Expression);

// The recognisers compare whole texts exactly and case-sensitively, trim nothing, and leave
// their out-parameters unchanged when nothing matches.
bool IsFuzzyHedge(std::string_view Text);
bool IsFuzzyHedge(std::string_view Text, TFuzzyHedge& Hedge);
// A base hedge symbol ("^", "<=") or the symbol followed by X ("^X"); OnValues is true for the
// plain symbol.
bool IsFuzzyHedgeOperator(std::string_view Text);
bool IsFuzzyHedgeOperator(std::string_view Text, TBaseFuzzyHedge& Hedge, bool& OnValues);
// An intersection or union keyword ("and-sum", "or"). IsUnion is set to true first, so after a
// true result it tells a union keyword from an intersection keyword.
bool IsFuzzyKeyword(std::string_view Text, bool& IsUnion, TFuzzyOperation& Operation);
bool IsFuzzyOperation(std::string_view Text, TFuzzyOperation& Operation);
bool IsFuzzyCorrelation(std::string_view Text, TFuzzyCorrelationMethod& Method);
bool IsFuzzyInference(std::string_view Text, TFuzzyInferenceMethod& Method);

// A set may not be named with a keyword, a hedge operator or a hedge, so that every set name
// reads back as a term in an expression. Operation and method names are not reserved.
bool IsReservedFuzzyName(std::string_view Name);

}  // namespace fuzzy
