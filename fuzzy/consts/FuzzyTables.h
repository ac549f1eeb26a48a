// The constant name tables of the vocabulary, indexed by their enumerations: hedge names and
// modifiers, base hedge symbols, operation names and keywords, correlation and inference names.
#pragma once

#include <array>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

using TFuzzyCorrelationMethodNames = std::array<const char*, EnumCount<TFuzzyCorrelationMethod>>;
using TFuzzyInferenceMethodNames = std::array<const char*, EnumCount<TFuzzyInferenceMethod>>;
using TFuzzyHedgeNames = std::array<const char*, EnumCount<TFuzzyHedge>>;
using TFuzzyHedgeModifiers = std::array<TFzyFloat, EnumCount<TFuzzyHedge>>;
using TBaseFuzzyHedgeNames = std::array<const char*, EnumCount<TBaseFuzzyHedge>>;
using TFuzzyOperationKeywords = std::array<const char*, EnumCount<TFuzzyOperation>>;

inline constexpr TFzyFloat ONE_THIRD = 1.0 / 3.0;
inline constexpr TFzyFloat TWO_THIRDS = 2.0 / 3.0;

// How numbers appear inside derived names and written definitions.
inline constexpr const char* FuzzyFormatStr = "%.4f";
// Compound names (names with a blank) are wrapped in these when embedded in a larger name.
inline constexpr const char* LeftFuzzyParentheses = "[";
inline constexpr const char* RightFuzzyParentheses = "]";
// Names the result of an empty expression: such a set is not a defined term of its variable.
inline constexpr const char* SEmptyFuzzy = "__Empty";

inline constexpr TFuzzyHedgeNames HedgeNames{
    "not",   "somewhat",    "moreorless", "greatly",    "plus",       "very",     "extremely",
    "above", "below",       "slightly",   "normalize",  "about",      "vicinity", "close",
    "near",  "neighboring", "positively", "absolutely", "definitely", "generally"};

inline constexpr TFuzzyHedgeModifiers HedgeModifiers{0.0, ONE_THIRD, 0.5, 0.7, 1.25, 2.0, 3.0,
                                                     0.0, 0.0,       0.0, 0.0, 2.0,  4.0, 1.2,
                                                     1.2, 1.2,       2.0, 2.0, 2.0,  0.5};

inline constexpr TBaseFuzzyHedgeNames BaseHedgeNames{"+", "-", "*", "/", "^", "<", "<=", ">", ">="};

// Names an operation family on its own.
inline constexpr TFuzzyOperationKeywords FuzzyOperationNames{
    "zadeh", "mean", "mean-sqr", "mean-sqrt", "product", "bounded-sum", "sum"};

// The and/or operators of expressions, and the operator texts in the names of algebra results.
inline constexpr TFuzzyOperationKeywords FuzzyIntersectionKeywords{
    "and", "and-mean", "and-meansqr", "and-meansqrt", "and-product", "and-boundedsum", "and-sum"};
inline constexpr TFuzzyOperationKeywords FuzzyUnionKeywords{
    "or", "or-mean", "or-meansqr", "or-meansqrt", "or-product", "or-boundedsum", "or-sum"};

inline constexpr TFuzzyCorrelationMethodNames FuzzyCorrelationNames{"minimum", "product"};
inline constexpr TFuzzyInferenceMethodNames FuzzyInferenceNames{"min-max", "sum", "mean", "product",
                                                                "bounded-sum"};

// Display lists for applications' pick lists; the library itself never reads them.
inline constexpr const char* FuzzyCorrelationNameList = "fcmMinimum, fcmProduct";
inline constexpr const char* FuzzyCorrelationSuffixNameList = "Minimum, Product";
inline constexpr const char* FuzzyInferenceNameList =
    "fimMinMax, fimAdditive, fimMean, fimProduct, fimBoundedSum";
inline constexpr const char* FuzzyInferenceSuffixNameList =
    "MinMax, Additive, Mean, Product, BoundedSum";

// A short initialiser would leave trailing entries null; the last entry proves the count.
static_assert(HedgeNames.back() != nullptr && BaseHedgeNames.back() != nullptr);
static_assert(FuzzyOperationNames.back() != nullptr &&
              FuzzyIntersectionKeywords.back() != nullptr && FuzzyUnionKeywords.back() != nullptr);
static_assert(FuzzyCorrelationNames.back() != nullptr && FuzzyInferenceNames.back() != nullptr);

}  // namespace fuzzy
