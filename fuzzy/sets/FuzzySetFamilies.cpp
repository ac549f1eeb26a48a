// TFuzzySet: the two-operand algebra. Each operator family is a pair of pointwise rules (one for
// "and", one for "or") evaluated at the events of the pairwise walk; inference combines a rule's
// conclusion into an accumulated result, correlation clips or scales a conclusion by a rule's
// strength, and the correlation strength of two sets is the height of their intersection.
#include <algorithm>
#include <vector>

#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzyOperatorRules.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/LevelCut.h"
#include "fuzzy/sets/MembershipFunction.h"

namespace fuzzy {

namespace {

// The rules work in extended precision and store the point as a plain number; they never stop
// the walk.
bool AppendPoint(TFuzzySetValues* result, TFzyFloat x, long double y) {
  result->Add(x, static_cast<TFzyFloat>(y));
  return false;
}

// Gives the points of min(membership, level), replacing the list in one batch when a point has
// to be inserted or dropped; otherwise leaves it to the clipping of the cut hedge.
void InsertLevelCrossings(TFuzzySetValues* values, TFzyFloat level) {
  std::vector<TCutPoint> kept;
  const std::size_t cutCount = PointsCutAt(membership_function::TListPoints(values), level, kept);
  if (!CutReshapes(values->GetCount(), cutCount, kept)) return;
  TFuzzyPoints points;
  points.reserve(kept.size());
  for (const TCutPoint& point : kept) points.push_back({point.X, point.Y});
  TCollectionUpdate batch(values);
  values->Clear();
  values->AddPoints(points);
  batch.End();
}

}  // namespace

// ---- Operator rules ------------------------------------------------------------------------

bool TFuzzySet::FuzzyOperatorMin(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                                 TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::Min(y1, y2));
}

bool TFuzzySet::FuzzyOperatorMax(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                                 TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::Max(y1, y2));
}

bool TFuzzySet::FuzzyOperatorMean(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                                  TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::Mean(y1, y2));
}

bool TFuzzySet::FuzzyOperatorMeanSqr(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                     TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::MeanSqr(y1, y2));
}

bool TFuzzySet::FuzzyOperatorMeanSqrt(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                      TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::MeanSqrt(y1, y2));
}

bool TFuzzySet::FuzzyOperatorUnionMean(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                       TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::UnionMean(y1, y2));
}

bool TFuzzySet::FuzzyOperatorIntersectionProduct(TFuzzySetValues* result, TFzyFloat x1,
                                                 TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::IntersectionProduct(y1, y2));
}

bool TFuzzySet::FuzzyOperatorUnionProduct(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                          TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::UnionProduct(y1, y2));
}

bool TFuzzySet::FuzzyOperatorIntersectionBoundedSum(TFuzzySetValues* result, TFzyFloat x1,
                                                    TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::IntersectionBoundedSum(y1, y2));
}

bool TFuzzySet::FuzzyOperatorUnionBoundedSum(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                             TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::UnionBoundedSum(y1, y2));
}

bool TFuzzySet::FuzzyOperatorUnionSum(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                      TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendPoint(result, x1, operator_rules::UnionSum(y1, y2));
}

// ---- Intersection, union, inference --------------------------------------------------------

// The plain forms are the Zadeh rows themselves, not a call of the overridable forms.
TFuzzySet* TFuzzySet::Intersection(const TFuzzySet* other) const {
  return RuleOperator(other, FuzzyIntersectionKeywords[foZadeh], operator_rules::Min);
}

TFuzzySet* TFuzzySet::Union(const TFuzzySet* other) const {
  return RuleOperator(other, FuzzyUnionKeywords[foZadeh], operator_rules::Max);
}

TFuzzySet* TFuzzySet::Intersection(const TFuzzySet* other, TFuzzyOperation operation) const {
  // The rule first: it validates the operation before the keyword table is read.
  const TOperatorRule rule = OperatorRule(operation, true);
  return RuleOperator(other, FuzzyIntersectionKeywords[operation], rule);
}

TFuzzySet* TFuzzySet::Union(const TFuzzySet* other, TFuzzyOperation operation) const {
  const TOperatorRule rule = OperatorRule(operation, false);
  return RuleOperator(other, FuzzyUnionKeywords[operation], rule);
}

TFuzzySet* TFuzzySet::Infer(const TFuzzySet* other, TFuzzyInferenceMethod method,
                            bool intersect) const {
  const TFuzzyOperation operation = InferenceOperation(method);
  return intersect ? Intersection(other, operation) : Union(other, operation);
}

TFuzzySet* TFuzzySet::Infer(const TFuzzySet* other, bool intersect) const {
  const TCustomFuzzyLogic* fuzzy = GetFuzzyLogic();
  return Infer(other, fuzzy == nullptr ? fimMinMax : fuzzy->GetInferenceMethod(), intersect);
}

// ---- Correlation ---------------------------------------------------------------------------

TFuzzySet* TFuzzySet::Correlate(TFzyFloat value, TFuzzyCorrelationMethod method) {
  if (method == fcmProduct) return Hedge(bfhMultiply, value, true);
  // Clipping the points alone would cut a peak off along the wrong lines; with the crossings
  // in place the cut hedge gives exactly min(membership, value), and its name.
  InsertLevelCrossings(FValues, value);
  return Hedge(bfhCutGreater, value, true);
}

TFuzzySet* TFuzzySet::Correlate(TFzyFloat value) {
  const TCustomFuzzyLogic* fuzzy = GetFuzzyLogic();
  return Correlate(value, fuzzy == nullptr ? fcmMinimum : fuzzy->GetCorrelationMethod());
}

// ---- Correlation strength ------------------------------------------------------------------

TFzyFloat TFuzzySet::GetCorrelationStrength(const TFuzzySet* other) {
  FCorrelationAccumulator = 0.0;
  Iterate(other, [this](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    return FuzzyOperatorMaxOfMin(x1, y1, x2, y2);
  });
  return FCorrelationAccumulator;
}

bool TFuzzySet::FuzzyOperatorMaxOfMin(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x1;
  (void)x2;
  FCorrelationAccumulator = std::max(FCorrelationAccumulator, std::min(y1, y2));
  return false;
}

bool TFuzzySet::FuzzyOperatorMinThreshold(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                                          TFzyFloat y2) const {
  (void)x1;
  (void)x2;
  // Only a variable has a threshold; answering anything without one would be a guess.
  const TFuzzyVariable* variable = GetVariable();
  if (variable == nullptr) throw EFzyException(SMissingFuzzyVariable);
  return variable->GetThreshold() <= std::min(y1, y2);
}

}  // namespace fuzzy
