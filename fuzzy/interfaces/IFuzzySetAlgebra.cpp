// TIFuzzySet: the algebra through IFuzzySet. The walk, the tidy step, the rules, the hedges and
// the cuts are the object model's; the results are new interface-model sets of the receiver's
// run-time class, linked to its variable but kept out of its table.
#include <algorithm>
#include <string>

#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzySetOperand.h"
#include "fuzzy/sets/FuzzyOperatorRules.h"
#include "fuzzy/sets/PairwiseWalk.h"

namespace fuzzy {

namespace {

// The rules store their extended-precision value as a plain number; they never stop the walk.
bool AppendRule(const IPtr<IFuzzySet>& result, TFzyFloat x, long double y) {
  result->Add(x, static_cast<TFzyFloat>(y));
  return false;
}

TIFuzzyOperator AppendingRule(TOperatorRule rule) {
  return [rule](const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1, TFzyFloat,
                TFzyFloat y2) { return AppendRule(result, x1, rule(y1, y2)); };
}

}  // namespace

// ---- The walk --------------------------------------------------------------------------------

bool TIFuzzySet::Iterate(const IPtr<IFuzzySet>& other, const TIFuzzyComparison& comparison) const {
  const TFuzzySetOperand operand(other);
  return TFuzzySet::Iterate(operand.Get(), comparison);
}

IPtr<IFuzzySet> TIFuzzySet::Operator(const IPtr<IFuzzySet>& other, const std::string& operationName,
                                     const TIFuzzyOperator& fuzzyOperator) {
  const TFuzzySetOperand operand(other);
  // Held from the start: the callbacks take and drop references to it all along.
  const IPtr<TIFuzzySet> result =
      NewSet(FVariable, CreateFuzzyName(GetName(), other->GetName(), operationName));
  const IPtr<IFuzzySet> resultIntf(result);
  const auto visit = [&](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    return fuzzyOperator(resultIntf, x1, y1, x2, y2);
  };
  WalkIntoResult(this, operand.Get(), result->GetValues(), visit, BendsAtUnitSum(operationName));
  result->SetExpression(OperandExpression(GetExpression(), GetName()) + " " + operationName + " " +
                        OperandExpression(other->GetExpression(), other->GetName()));
  return resultIntf;
}

bool TIFuzzySet::Intersects(const IPtr<IFuzzySet>& other) const {
  const TFuzzySetOperand operand(other);
  return TFuzzySet::Intersects(operand.Get());
}

// ---- Operator families and inference -----------------------------------------------------------

IPtr<IFuzzySet> TIFuzzySet::Intersection(const IPtr<IFuzzySet>& other) {
  return Operator(other, FuzzyIntersectionKeywords[foZadeh], FuzzyOperatorMin);
}

IPtr<IFuzzySet> TIFuzzySet::Union(const IPtr<IFuzzySet>& other) {
  return Operator(other, FuzzyUnionKeywords[foZadeh], FuzzyOperatorMax);
}

IPtr<IFuzzySet> TIFuzzySet::Intersection(const IPtr<IFuzzySet>& other, TFuzzyOperation operation) {
  // The rule first: it validates the operation before the keyword table is read.
  const TOperatorRule rule = OperatorRule(operation, true);
  return Operator(other, FuzzyIntersectionKeywords[operation], AppendingRule(rule));
}

IPtr<IFuzzySet> TIFuzzySet::Union(const IPtr<IFuzzySet>& other, TFuzzyOperation operation) {
  const TOperatorRule rule = OperatorRule(operation, false);
  return Operator(other, FuzzyUnionKeywords[operation], AppendingRule(rule));
}

IPtr<IFuzzySet> TIFuzzySet::Infer(const IPtr<IFuzzySet>& other, TFuzzyInferenceMethod method,
                                  bool intersect) {
  const TFuzzyOperation operation = InferenceOperation(method);
  return intersect ? Intersection(other, operation) : Union(other, operation);
}

// ---- Correlation -------------------------------------------------------------------------------

IPtr<IFuzzySet> TIFuzzySet::Correlate(TFzyFloat strength, TFuzzyCorrelationMethod method) {
  TFuzzySet::Correlate(strength, method);
  return Self();
}

TFzyFloat TIFuzzySet::GetCorrelationStrength(const IPtr<IFuzzySet>& input) const {
  TFzyFloat strength = 0.0;
  Iterate(input, [&strength](TFzyFloat, TFzyFloat y1, TFzyFloat, TFzyFloat y2) {
    strength = std::max(strength, std::min(y1, y2));
    return false;
  });
  return strength;
}

bool TIFuzzySet::FuzzyOperatorMinThreshold(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                                           TFzyFloat y2) const {
  (void)x1;
  (void)x2;
  if (!FVariable) throw EFzyException(SMissingFuzzyVariable);
  return FVariable->GetThreshold() <= std::min(y1, y2);
}

// ---- In place: hedges and normalisation
// ----------------------------------------------------------

IPtr<IFuzzySet> TIFuzzySet::IntfHedge(TFuzzyHedge hedge) {
  TFuzzySet::Hedge(hedge);
  return Self();
}

IPtr<IFuzzySet> TIFuzzySet::IntfHedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) {
  TFuzzySet::Hedge(hedge, value, onY);
  return Self();
}

IPtr<IFuzzySet> TIFuzzySet::Normalize() {
  TFuzzySet::Normalize();
  return Self();
}

// ---- Cuts
// ----------------------------------------------------------------------------------------

IPtr<IFuzzySet> TIFuzzySet::AdoptCut(TFuzzySet* cut, const std::string& name) const {
  const IPtr<TIFuzzySet> result = NewSet(nullptr, std::string());
  // Name, points, type, inflection point and expression, as the cut left them.
  result->TFuzzySet::Assign(cut);
  result->SetName(name);
  result->SetVariable(FVariable);
  return IPtr<IFuzzySet>(result);
}

IPtr<IFuzzySet> TIFuzzySet::AlphaCutoff(TFzyFloat value, bool flag) {
  const TOwned<TFuzzySet> cut(TFuzzySet::AlphaCutoff(value, flag));
  return AdoptCut(cut.get(), cut->GetName() + " (alpha=" + Format(FuzzyFormatStr, value) + ")");
}

IPtr<IFuzzySet> TIFuzzySet::Cutoff(TFzyFloat value, bool flag) {
  const TOwned<TFuzzySet> cut(TFuzzySet::Cutoff(value, flag));
  return AdoptCut(cut.get(), cut->GetName());
}

// ---- The point rules of the families
// -------------------------------------------------------------

bool TIFuzzySet::FuzzyOperatorMin(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                  TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::Min(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorMax(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                  TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::Max(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorMean(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                   TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::Mean(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorMeanSqr(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                      TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::MeanSqr(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorMeanSqrt(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                       TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::MeanSqrt(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorIntersectionProduct(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                                  TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::IntersectionProduct(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorUnionProduct(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                           TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::UnionProduct(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorIntersectionBoundedSum(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                                     TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::IntersectionBoundedSum(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorUnionBoundedSum(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                              TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::UnionBoundedSum(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorUnionMean(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                        TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::UnionMean(y1, y2));
}

bool TIFuzzySet::FuzzyOperatorUnionSum(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                       TFzyFloat x2, TFzyFloat y2) {
  (void)x2;
  return AppendRule(result, x1, operator_rules::UnionSum(y1, y2));
}

}  // namespace fuzzy
