// The pointwise rules of the operator families as plain formulas over two membership values, so
// that the object-model and the interface-model algebra append the very same points.
#pragma once

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

// A rule computes in extended precision; the caller stores the value as a plain number.
using TOperatorRule = long double (*)(TFzyFloat y1, TFzyFloat y2);

namespace operator_rules {
long double Min(TFzyFloat y1, TFzyFloat y2);
long double Max(TFzyFloat y1, TFzyFloat y2);
long double Mean(TFzyFloat y1, TFzyFloat y2);
long double MeanSqr(TFzyFloat y1, TFzyFloat y2);
long double MeanSqrt(TFzyFloat y1, TFzyFloat y2);
long double UnionMean(TFzyFloat y1, TFzyFloat y2);
long double IntersectionProduct(TFzyFloat y1, TFzyFloat y2);
long double UnionProduct(TFzyFloat y1, TFzyFloat y2);
long double IntersectionBoundedSum(TFzyFloat y1, TFzyFloat y2);
long double UnionBoundedSum(TFzyFloat y1, TFzyFloat y2);
long double UnionSum(TFzyFloat y1, TFzyFloat y2);
}  // namespace operator_rules

// The "and" (intersect) or "or" rule of `operation`; an operation without one raises
// EFzyException (SInvalidFuzzyOperation) before any result exists.
TOperatorRule OperatorRule(TFuzzyOperation operation, bool intersect);

// The family an inference method combines with.
TFuzzyOperation InferenceOperation(TFuzzyInferenceMethod method);

}  // namespace fuzzy
