// Every message the library raises or exports, by identifier. The texts are exact, doubled blanks
// and unbalanced quotes included, since applications may compare them; "%s", "%d" and "%.4f" are
// filled in by Format.
#pragma once

namespace fuzzy {

// Vocabulary, sets, variables and the logic component.
inline constexpr const char* SFuzzySetEmpty = "Invalid operation: \"%s\".  Fuzzy set is empty";
inline constexpr const char* SInvalidFuzzySetName =
    "Invalid fuzzy set name, \"%s\" is a reserved word";
inline constexpr const char* SInvalidFuzzyVarName = "Invalid fuzzy variable name, \"%s\"";
inline constexpr const char* SMissingFuzzyVariable = "Missing fuzzy linguistic variable";
inline constexpr const char* SMax3XValues =
    "Invalid x value.  Maximum of 3 values with same X value: %.4f";
inline constexpr const char* SInvalidFuzzyOperation = "Invalid fuzzy operation: \"%s:";
inline constexpr const char* SInvalidXRangeIndex =
    "Invalid index argument to GetXRange.  Index = %d";
inline constexpr const char* SInvalidRangeArguments =
    "Invalid range arguments.  Left (%.4f) is greater than right (%.4f)";
inline constexpr const char* SParserUnassigned = "Parser not assigned.  Cannot parse";
inline constexpr const char* SFzyParseError = "Parsing Error, %s in %s at line %s: \"%s\"";
inline constexpr const char* SFzyArgNumWrong =
    "Number of arguments for function, %s, incorrect.  Expected \"%s\"";
inline constexpr const char* SFzyArgMinNumWrong =
    "Minimum number of arguments for function, %s, incorrect.  Expected %d or more";
inline constexpr const char* SFzyArgTypeWrong =
    "Data Types of arguments for function, %s, incorrect.  Expected %s";
inline constexpr const char* SPIArgsExpected = "\"Left Right Center\" or \"Range Center\"";
inline constexpr const char* STriArgsExpected = "\"Left Middle Right\"";
inline constexpr const char* SCurveArgsExpected = "\"Left Right Inflection_Point\"";
inline constexpr const char* SBetaArgsExpected =
    "\"Range Center Inflection_Point\" or \"Range Center Inflection_Point Weight\"";
inline constexpr const char* SFuzzyLogicNotSet = "Fuzzy Logic component must be specified to parse";
inline constexpr const char* SFuzzyLogicNotTFuzzyLogic =
    "FuzzyLogic property must be of type TFuzzyLogic or descendant";
inline constexpr const char* SFuzzyLogicNotTIFuzzyLogic =
    "FuzzyLogic property must be of type TIFuzzyLogic or descendant";
inline constexpr const char* SUnknownFuzzySetName = "Unknown Fuzzy Set name: \"%s\"";
inline constexpr const char* SUnknownFuzzyVarName = "Unknown Fuzzy Variable name: \"%s\"";
inline constexpr const char* SUnknownFunctionName = "Unknown function name: \"%s\"";
inline constexpr const char* SLowFuzzyTerm = "low";
inline constexpr const char* SMediumFuzzyTerm = "medium";
inline constexpr const char* SHighFuzzyTerm = "high";

// Definition-language reader and expression evaluator.
inline constexpr const char* SFzyMissingName = "Missing name";
inline constexpr const char* SFzyExpectedFuzzySet = "Expected \"( term\"";
inline constexpr const char* SFzyExpectedFuzzyDefinition = "Expected \"( deffuzzy\"";
inline constexpr const char* SFzyMissingOpenParens = "Expected \"(\"";
inline constexpr const char* SFzyMissingCloseParens = "Expected \")\"";
inline constexpr const char* SFzyExpectedNumber = "Expected number";
inline constexpr const char* SFzyExpectedKeyword = "Missing keyword.  Expected \"%s\"";
inline constexpr const char* SFzyMissingOperand =
    "Missing fuzzy operand to be modified by hedge: %s";
inline constexpr const char* SFzyUndefinedVariable = "fuzzy variable is not defined";
inline constexpr const char* SFzyInvalidToken = "Invalid item in fuzzy expression: %s";
inline constexpr const char* SFzyInvalidValuePair = "Invalid X/Y value pair: %s";
inline constexpr const char* SFzyUnexpectedToken = "Unexpected token: \"%s\"";

}  // namespace fuzzy
