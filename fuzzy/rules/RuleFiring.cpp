// Firing a rule base: every input becomes a crisp set, every distinct premise is matched with
// its input once, each rule's condition combines those strengths, and each conclusion that
// reaches the threshold is correlated and inferred into its output's accumulated set, as a
// variable's AssertRule does, then each output is defuzzified. All of it happens in the rule
// base's own variables, which keep the sets of one firing and nothing after a batch.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

std::string NumberText(TFzyFloat value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string RowPrefix(std::size_t row) {
  return row == 0 ? "" : "row " + std::to_string(row) + ": ";
}

}  // namespace

const std::vector<TRuleOutcome>& TRuleBase::Fire(std::span<const TFzyFloat> inputs) {
  if (inputs.size() != FInputs.size()) {
    throw EFzyException("the rules read " + std::to_string(FInputs.size()) + " inputs, not " +
                        std::to_string(inputs.size()));
  }
  ResolveFiringSettings();
  FireRow(inputs.data(), 0);
  return FOutcomes;
}

const std::vector<TRuleOutcome>& TRuleBase::Fire(const std::map<std::string, TFzyFloat>& inputs) {
  std::vector<TFzyFloat> row;
  row.reserve(FInputs.size());
  for (const TFuzzyVariable* variable : FInputs) {
    const auto given = inputs.find(variable->GetName());
    if (given == inputs.end()) {
      throw EFzyException("the rules read " + variable->GetName() + ", which has no value");
    }
    row.push_back(given->second);
  }
  return Fire(row);
}

void TRuleBase::FireBatch(std::span<const TFzyFloat> rows, std::span<TFzyFloat> outputs) {
  const std::size_t width = FInputs.size();
  const std::size_t count =
      width == 0 ? outputs.size() / std::max<std::size_t>(FOutputs.size(), 1) : rows.size() / width;
  if (rows.size() != count * width || outputs.size() != count * FOutputs.size()) {
    throw EFzyException("a batch of " + std::to_string(count) + " rows of " +
                        std::to_string(width) + " inputs needs " +
                        std::to_string(count * FOutputs.size()) + " outputs");
  }
  ResolveFiringSettings();
  try {
    for (std::size_t row = 0; row < count; ++row) {
      FireRow(rows.data() + row * width, row + 1);
      for (std::size_t o = 0; o < FOutputs.size(); ++o) {
        outputs[row * FOutputs.size() + o] = FOutcomes[o].Value;
      }
    }
  } catch (...) {
    ClearResults();
    throw;
  }
  ClearResults();
}

void TRuleBase::ResolveFiringSettings() {
  FFiring.Correlation = EffectiveCorrelationMethod();
  FFiring.Inference = EffectiveInferenceMethod();
  FFiring.Defuzzification = EffectiveDefuzzificationMethod();
  FFiring.Thresholds.resize(FOutputs.size());
  for (std::size_t o = 0; o < FOutputs.size(); ++o) FFiring.Thresholds[o] = EffectiveThreshold(o);
}

void TRuleBase::FireRow(const TFzyFloat* inputs, std::size_t row) {
  ClearResults();
  for (std::size_t i = 0; i < FInputs.size(); ++i) {
    const TFuzzyVariable* range = FInputSets[i].get();
    const TFzyFloat value = inputs[i];
    const bool inRange = value >= range->GetMinimum() && value <= range->GetMaximum();
    FCrisp[i] = inRange ? value : OutOfRangeInput(i, value, row);
  }
  for (std::size_t p = 0; p < FPremises.size(); ++p) {
    FPremiseStrengths[p] =
        FArrays.CrispStrength(FPremises[p].Points, FCrisp[FPremises[p].Variable]);
  }
  for (std::size_t r = 0; r < FRules.size(); ++r) {
    const TFzyFloat strength = ConditionStrength(FRules[r], FResolved[r]) * FRules[r].Weight;
    for (const TResolvedClause& conclusion : FResolved[r].Conclusions) {
      Conclude(r, conclusion, strength);
    }
  }
  for (std::size_t o = 0; o < FOutputs.size(); ++o) Defuzzify(FOutcomes[o], o);
  // A batch hands out values only; a single firing's outcomes also show the results as sets.
  if (row == 0) MakeResultSets();
}

TFzyFloat TRuleBase::OutOfRangeInput(std::size_t index, TFzyFloat value, std::size_t row) const {
  const TFuzzyVariable* range = FInputSets[index].get();
  const std::string& name = range->GetName();
  if (std::isnan(value)) {
    throw EFzyRuleException(RowPrefix(row) + name + " is not a number", static_cast<int>(row),
                            name);
  }
  if (FClampInputs) return std::clamp(value, range->GetMinimum(), range->GetMaximum());
  throw EFzyRuleException(RowPrefix(row) + name + "=" + NumberText(value) +
                              " lies outside its range " + NumberText(range->GetMinimum()) +
                              " to " + NumberText(range->GetMaximum()),
                          static_cast<int>(row), name);
}

TFzyFloat TRuleBase::ConditionStrength(const TRuleText& rule, const TResolvedRule& resolved) {
  FStack.clear();
  for (const TConditionStep& step : rule.Condition) {
    if (step.Kind == TConditionStep::ckPremise) {
      FStack.push_back(FPremiseStrengths[resolved.Premises[step.Premise]]);
      continue;
    }
    const TFzyFloat right = FStack.back();
    FStack.pop_back();
    TFzyFloat& left = FStack.back();
    left = CombineStrengths(step.Kind, left, right);
  }
  return FStack.back();
}

void TRuleBase::Conclude(std::size_t rule, const TResolvedClause& conclusion, TFzyFloat strength) {
  // A strength equal to the threshold fires, as in AssertRule.
  if (strength < FFiring.Thresholds[conclusion.Variable]) return;
  if (conclusion.Sugeno >= 0) {
    AccumulateSugeno(conclusion, strength);
  } else {
    Accumulate(conclusion.Variable, conclusion, strength);
  }
  FOutcomes[conclusion.Variable].Fired.push_back({rule, FRules[rule].Line, strength});
}

void TRuleBase::Accumulate(std::size_t output, const TResolvedClause& conclusion,
                           TFzyFloat strength) {
  TPointBuffer& accumulated = FAccumulated[output];
  if (!FAccumulatedAny[output]) {
    FArrays.Correlate(conclusion.Points, strength, FFiring.Correlation, accumulated);
    FAccumulatedAny[output] = true;
    return;
  }
  FCorrelated.Reset(accumulated.Lower(), accumulated.Upper());
  FArrays.Correlate(conclusion.Points, strength, FFiring.Correlation, FCorrelated);
  FArrays.Infer(accumulated, FCorrelated.Points(), FFiring.Inference);
}

void TRuleBase::Defuzzify(TRuleOutcome& outcome, std::size_t output) const {
  if (FIsSugeno[output]) return DefuzzifySugeno(outcome, output);
  const TPointBuffer& result = FAccumulated[output];
  if (!FAccumulatedAny[output] || HeightOf(result.Points()) <= 0.0) {
    outcome.Status = FAccumulatedAny[output] ? rosZeroStrength : rosNoRuleFired;
    outcome.Value = FDefaults[output];
    return;
  }
  outcome.Status = rosFired;
  outcome.Value = DefuzzifiedValue(result, FFiring.Defuzzification);
}

void TRuleBase::MakeResultSets() {
  for (std::size_t o = 0; o < FOutputs.size(); ++o) {
    if (!FAccumulatedAny[o]) continue;
    TFuzzySet* set = FOutputSets[o]->GetItems()->Add();
    FResultSets[o] = set;
    FOutcomes[o].Result = set;
    // The accumulated points are settled in this variable's range, as a set's clean-up leaves them.
    set->GetValues()->AppendSettled(FAccumulated[o].Points());
  }
}

void TRuleBase::ClearResults() {
  for (TFuzzySet*& result : FResultSets) FreeAndNil(result);
  for (std::size_t o = 0; o < FOutputs.size(); ++o) {
    FAccumulated[o].Reset(FAccumulated[o].Lower(), FAccumulated[o].Upper());
    FAccumulatedAny[o] = false;
  }
  std::fill(FSugenoSums.begin(), FSugenoSums.end(), TSugenoSums());
  for (TRuleOutcome& outcome : FOutcomes) {
    outcome.Result = nullptr;
    outcome.Fired.clear();
    outcome.Status = rosNoRuleFired;
  }
}

}  // namespace fuzzy
