// The parts of firing that differ from the fuzzy-set path: premise strengths combined by a
// chosen family, and the Takagi-Sugeno outputs, which sum weighted values instead of sets.
#include "fuzzy/rules/SugenoOutput.h"

#include <algorithm>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/sets/FuzzyOperatorRules.h"

namespace fuzzy {

TFzyFloat TSugenoTerm::ValueAt(const std::vector<TFzyFloat>& inputs) const {
  long double value = Constant;
  for (std::size_t i = 0; i < Inputs.size(); ++i) {
    value += static_cast<long double>(Coefficients[i]) * inputs[Inputs[i]];
  }
  return static_cast<TFzyFloat>(value);
}

void TRuleBase::SetAndOperation(TFuzzyOperation value) {
  OperatorRule(value, true);  // raises for a family without an intersection
  FAnd = value;
}

TFzyFloat TRuleBase::CombineStrengths(TConditionStep::TKind kind, TFzyFloat left,
                                      TFzyFloat right) const {
  const bool intersect = kind == TConditionStep::ckAnd;
  const TFuzzyOperation family = intersect ? FAnd : FOr;
  if (family == foZadeh) return intersect ? std::min(left, right) : std::max(left, right);
  return static_cast<TFzyFloat>(OperatorRule(family, intersect)(left, right));
}

void TRuleBase::AccumulateSugeno(const TResolvedClause& conclusion, TFzyFloat strength) {
  const TSugenoTerm& term = FSugenoTerms[static_cast<std::size_t>(conclusion.Sugeno)];
  FSugenoSums[conclusion.Variable].Add(strength, term.ValueAt(FCrisp));
}

void TRuleBase::DefuzzifySugeno(TRuleOutcome& outcome, std::size_t output) const {
  const TSugenoSums& sums = FSugenoSums[output];
  outcome.Result = nullptr;
  if (sums.Strength <= 0.0) {
    outcome.Status = outcome.Fired.empty() ? rosNoRuleFired : rosZeroStrength;
    outcome.Value = FDefaults[output];
    return;
  }
  outcome.Status = rosFired;
  outcome.Value = sums.Value(FSugenoMethod);
}

}  // namespace fuzzy
