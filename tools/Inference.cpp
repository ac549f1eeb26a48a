#include "tools/Inference.h"

#include <algorithm>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "tools/Numbers.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

void AddOnce(std::vector<TFuzzyVariable*>& variables, TFuzzyVariable* variable) {
  if (std::find(variables.begin(), variables.end(), variable) == variables.end()) {
    variables.push_back(variable);
  }
}

double Height(const TFuzzySet* set) {
  double height = 0.0;
  for (const TFuzzySetValue* point : *set->GetValues()) height = std::max(height, point->GetY());
  return height;
}

}  // namespace

std::optional<double> TOutcome::CrispValue() const {
  if (Result == nullptr || Height(Result) <= 0.0) return std::nullopt;
  return Result->Defuzzify();
}

std::string TOutcome::WhyNoValue() const {
  return Fired.empty() ? "no rule fired" : "every rule that fired had strength 0";
}

TInference::TInference(const TDefinitions& definitions, std::vector<TRule> rules,
                       std::string rulesSource)
    : FRules(std::move(rules)), FRulesSource(std::move(rulesSource)) {
  Resolve(definitions);
}

TFuzzyVariable* TInference::VariableOf(const TDefinitions& definitions, const std::string& name,
                                       const TRule& rule) const {
  if (TFuzzyVariable* variable = definitions.FindVariable(name)) return variable;
  throw TCheckFailure(Located(FRulesSource, rule.Line,
                              "no variable \"" + name + "\" in " + definitions.GetSourceName()));
}

void TInference::Resolve(const TDefinitions& definitions) {
  for (const TRule& rule : FRules) {
    TResolvedRule resolved{&rule, {}, {}, nullptr, nullptr};
    for (const TRuleClause& premise : rule.Premises) {
      TFuzzyVariable* variable = VariableOf(definitions, premise.Variable, rule);
      resolved.PremiseVariables.push_back(variable);
      resolved.Premises.push_back(
          definitions.Evaluate(variable, premise.Expression, FRulesSource, rule.Line));
      AddOnce(FInputs, variable);
    }
    resolved.Output = VariableOf(definitions, rule.Conclusion.Variable, rule);
    resolved.Conclusion =
        definitions.Evaluate(resolved.Output, rule.Conclusion.Expression, FRulesSource, rule.Line);
    AddOnce(FOutputs, resolved.Output);
    FResolved.push_back(std::move(resolved));
  }
}

std::map<TFuzzyVariable*, TFuzzySet*> TInference::CrispInputs(
    const std::map<std::string, double>& inputs, TInferenceRun& run) const {
  std::map<TFuzzyVariable*, TFuzzySet*> crisp;
  for (TFuzzyVariable* variable : FInputs) {
    const auto given = inputs.find(variable->GetName());
    if (given == inputs.end()) {
      throw TUsageError("the rules read " + variable->GetName() + "; give --set " +
                        variable->GetName() + "=VALUE");
    }
    const double value = given->second;
    if (value < variable->GetMinimum() || value > variable->GetMaximum()) {
      throw TCheckFailure(variable->GetName() + "=" + ShortText(value, 4) +
                          " lies outside its range " + ShortText(variable->GetMinimum(), 4) +
                          " to " + ShortText(variable->GetMaximum(), 4));
    }
    TFuzzySet* set = variable->GetItems()->Add();
    run.MadeSets.push_back(Own(set));
    set->CreateCrispValue(value);
    crisp[variable] = set;
  }
  return crisp;
}

void TInference::Fire(const TResolvedRule& rule, const std::map<TFuzzyVariable*, TFuzzySet*>& crisp,
                      TOutcome& outcome, TInferenceRun& run) const {
  std::vector<TFuzzySet*> inputs;
  for (TFuzzyVariable* variable : rule.PremiseVariables) inputs.push_back(crisp.at(variable));
  ++outcome.RuleCount;
  const double strength = rule.Output->GetCorrelationStrength(rule.Premises, inputs);
  TFuzzySet* combined = rule.Output->AssertRule(strength, rule.Conclusion, outcome.Result);
  if (combined == nullptr) return;
  run.MadeSets.push_back(Own(combined));
  outcome.Result = combined;
  outcome.Fired.push_back({rule.Rule, strength});
}

TInferenceRun TInference::Run(const std::map<std::string, double>& inputs) const {
  TInferenceRun run;
  const std::map<TFuzzyVariable*, TFuzzySet*> crisp = CrispInputs(inputs, run);
  for (TFuzzyVariable* output : FOutputs) run.Outcomes.push_back(TOutcome{output, nullptr, {}, 0});
  for (const TResolvedRule& rule : FResolved) {
    const auto outcome = std::find_if(run.Outcomes.begin(), run.Outcomes.end(),
                                      [&](const TOutcome& o) { return o.Variable == rule.Output; });
    Fire(rule, crisp, *outcome, run);
  }
  return run;
}

}  // namespace fuzzy::tool
