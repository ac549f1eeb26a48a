// The formulas of the operator families and their table by operation.
#include "fuzzy/sets/FuzzyOperatorRules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "fuzzy/consts/FuzzyConsts.h"

namespace fuzzy {

namespace operator_rules {

namespace {
long double MeanOf(TFzyFloat y1, TFzyFloat y2) {
  return (static_cast<long double>(y1) + y2) / 2;
}
}  // namespace

long double Min(TFzyFloat y1, TFzyFloat y2) {
  return std::min(y1, y2);
}

long double Max(TFzyFloat y1, TFzyFloat y2) {
  return std::max(y1, y2);
}

long double Mean(TFzyFloat y1, TFzyFloat y2) {
  return MeanOf(y1, y2);
}

long double MeanSqr(TFzyFloat y1, TFzyFloat y2) {
  const long double mean = MeanOf(y1, y2);
  return mean * mean;
}

long double MeanSqrt(TFzyFloat y1, TFzyFloat y2) {
  return std::sqrt(MeanOf(y1, y2));
}

long double UnionMean(TFzyFloat y1, TFzyFloat y2) {
  const long double low = std::min(y1, y2);
  const long double high = std::max(y1, y2);
  return (2 * low + 4 * high) / 6;
}

long double IntersectionProduct(TFzyFloat y1, TFzyFloat y2) {
  return static_cast<long double>(y1) * y2;
}

long double UnionProduct(TFzyFloat y1, TFzyFloat y2) {
  const long double a = y1;
  return a + y2 - a * y2;
}

long double IntersectionBoundedSum(TFzyFloat y1, TFzyFloat y2) {
  return std::max(0.0L, static_cast<long double>(y1) + y2 - 1);
}

long double UnionBoundedSum(TFzyFloat y1, TFzyFloat y2) {
  return std::min(1.0L, static_cast<long double>(y1) + y2);
}

long double UnionSum(TFzyFloat y1, TFzyFloat y2) {
  return static_cast<long double>(y1) + y2;
}

}  // namespace operator_rules

namespace {

struct TFamily {
  TOperatorRule Intersection;
  TOperatorRule Union;
};

// Indexed by TFuzzyOperation. The unbounded sum has no intersection.
const std::array<TFamily, EnumCount<TFuzzyOperation>> Families{{
    {&operator_rules::Min, &operator_rules::Max},
    {&operator_rules::Mean, &operator_rules::UnionMean},
    {&operator_rules::MeanSqr, &operator_rules::MeanSqr},
    {&operator_rules::MeanSqrt, &operator_rules::MeanSqrt},
    {&operator_rules::IntersectionProduct, &operator_rules::UnionProduct},
    {&operator_rules::IntersectionBoundedSum, &operator_rules::UnionBoundedSum},
    {nullptr, &operator_rules::UnionSum},
}};

}  // namespace

TOperatorRule OperatorRule(TFuzzyOperation operation, bool intersect) {
  const auto index = static_cast<std::size_t>(operation);
  TOperatorRule rule = nullptr;
  if (index < Families.size()) {
    rule = intersect ? Families[index].Intersection : Families[index].Union;
  }
  if (rule == nullptr) {
    throw EFzyException::CreateFmt(SInvalidFuzzyOperation, GetEnumName(operation));
  }
  return rule;
}

TFuzzyOperation InferenceOperation(TFuzzyInferenceMethod method) {
  switch (method) {
    case fimAdditive:
      return foSum;
    case fimMean:
      return foMean;
    case fimProduct:
      return foProduct;
    case fimBoundedSum:
      return foBoundedSum;
    default:
      return foZadeh;
  }
}

}  // namespace fuzzy
