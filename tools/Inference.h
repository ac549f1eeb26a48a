// A rule base run over crisp inputs. Each input becomes a crisp set of its variable; a rule's
// strength is the smallest match of its premises with those inputs; each rule fires through its
// output variable's AssertRule into that output's accumulated set, under the component's
// correlation and inference methods and its threshold; each output is defuzzified by the
// component's method.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fuzzy/framework/Object.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "tools/Definitions.h"
#include "tools/RuleFile.h"

namespace fuzzy::tool {

struct TFiring {
  const TRule* Rule;
  double Strength;
};

// What the rules concluded about one output variable.
struct TOutcome {
  TFuzzyVariable* Variable = nullptr;
  TFuzzySet* Result = nullptr;  // the accumulated set; null when no rule fired
  std::vector<TFiring> Fired;
  int RuleCount = 0;  // the rules that conclude on this variable

  // The defuzzified result; nothing when no rule fired or every firing had strength 0, since a
  // number then would only look like a result.
  std::optional<double> CrispValue() const;
  // Why CrispValue is empty: "no rule fired" or "every rule that fired had strength 0".
  std::string WhyNoValue() const;
};

// The outcomes of one run; the sets it made leave their variables with it.
struct TInferenceRun {
  std::vector<TOutcome> Outcomes;
  std::vector<TOwned<TFuzzySet>> MadeSets;
};

class TInference {
 public:
  // Looks up every variable and evaluates every premise and conclusion once; errors are
  // TCheckFailure at the rule's line in `rulesSource`.
  TInference(const TDefinitions& definitions, std::vector<TRule> rules, std::string rulesSource);

  // The variables the premises read, in order of first use.
  const std::vector<TFuzzyVariable*>& GetInputVariables() const { return FInputs; }
  // The variables the conclusions write, in order of first use.
  const std::vector<TFuzzyVariable*>& GetOutputVariables() const { return FOutputs; }

  // Fires every rule with `inputs` (variable name to value). A value missing for an input
  // variable is a TUsageError; a value outside its variable's range a TCheckFailure.
  TInferenceRun Run(const std::map<std::string, double>& inputs) const;

 private:
  struct TResolvedRule {
    const TRule* Rule;
    std::vector<TFuzzyVariable*> PremiseVariables;
    std::vector<TFuzzySet*> Premises;
    TFuzzyVariable* Output;
    TFuzzySet* Conclusion;
  };

  void Resolve(const TDefinitions& definitions);
  TFuzzyVariable* VariableOf(const TDefinitions& definitions, const std::string& name,
                             const TRule& rule) const;
  // The crisp set of each input variable, made in `run`.
  std::map<TFuzzyVariable*, TFuzzySet*> CrispInputs(const std::map<std::string, double>& inputs,
                                                    TInferenceRun& run) const;
  void Fire(const TResolvedRule& rule, const std::map<TFuzzyVariable*, TFuzzySet*>& crisp,
            TOutcome& outcome, TInferenceRun& run) const;

  std::vector<TRule> FRules;
  std::string FRulesSource;
  std::vector<TResolvedRule> FResolved;
  std::vector<TFuzzyVariable*> FInputs;
  std::vector<TFuzzyVariable*> FOutputs;
};

}  // namespace fuzzy::tool
