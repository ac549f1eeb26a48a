// What a rule base concluded about one output variable in one firing.
#pragma once

#include <cstddef>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzyVariable;

// Whether an output got a value, and if not, why not.
enum TRuleOutcomeStatus {
  rosFired,         // at least one rule fired with a strength above 0
  rosNoRuleFired,   // no rule on this output reached the threshold
  rosZeroStrength,  // rules fired, but every one at strength 0: the result carries nothing
};

struct TFiredRule {
  std::size_t Rule = 0;  // index into the rule base's rules
  int Line = 0;
  TFzyFloat Strength = 0.0;  // after the rule's weight
};

struct TRuleOutcome {
  TFuzzyVariable* Variable = nullptr;  // the component's output variable
  TRuleOutcomeStatus Status = rosNoRuleFired;
  // The defuzzified result when Status is rosFired; otherwise the output's default value,
  // NaN unless the rule base was given one.
  TFzyFloat Value = 0.0;
  // The accumulated set, owned by the rule base and valid until its next firing; null when no
  // rule fired. It belongs to none of the component's variables.
  const TFuzzySet* Result = nullptr;
  std::vector<TFiredRule> Fired;  // in rule order
  int RuleCount = 0;              // the rules that conclude on this output

  bool HasValue() const { return Status == rosFired; }
};

}  // namespace fuzzy
