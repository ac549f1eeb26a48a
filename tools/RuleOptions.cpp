#include "tools/RuleOptions.h"

#include <algorithm>

#include "fuzzy/logic/FuzzyLogic.h"
#include "tools/Numbers.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

// The value of option `name` among `names`, as the enumeration member at the same position.
template <class TEnum>
std::optional<TEnum> ChoiceOf(const TArguments& arguments, const std::string& name,
                              const std::vector<std::string>& names) {
  const auto given = arguments.GetValue(name);
  if (!given) return std::nullopt;
  const auto found = std::find(names.begin(), names.end(), *given);
  if (found == names.end()) {
    std::string expected;
    for (const std::string& choice : names) expected += (expected.empty() ? "" : "|") + choice;
    throw TUsageError(name + " " + *given + ": expected " + expected);
  }
  return static_cast<TEnum>(found - names.begin());
}

}  // namespace

std::set<std::string> WithRuleOptions(std::set<std::string> options) {
  options.insert({"--threshold", "--defuzzify", "--correlation", "--inference"});
  return options;
}

std::map<std::string, double> InputsOf(const TArguments& arguments) {
  std::map<std::string, double> inputs;
  for (const std::string& assignment : arguments.GetValues("--set")) {
    const std::size_t equals = assignment.find('=');
    const std::optional<double> value =
        equals == std::string::npos ? std::nullopt : ParseNumber(assignment.substr(equals + 1));
    if (equals == 0 || !value) {
      throw TUsageError("--set " + assignment + ": expected VARIABLE=NUMBER");
    }
    inputs[assignment.substr(0, equals)] = *value;
  }
  return inputs;
}

void ApplySettings(const TArguments& arguments, TRuleBase& rules) {
  if (const auto threshold = arguments.GetValue("--threshold")) {
    const std::optional<double> value = ParseNumber(*threshold);
    if (!value || *value < 0.0 || *value > 1.0) {
      throw TUsageError("--threshold " + *threshold + ": expected a number from 0 to 1");
    }
    rules.SetThreshold(*value);
  }
  if (const auto method = arguments.GetValue("--defuzzify")) {
    if (*method != "cog" && *method != "mom") {
      throw TUsageError("--defuzzify " + *method + ": expected cog or mom");
    }
  }
  rules.SetDefuzzificationMethod(
      ChoiceOf<TDefuzzificationMethod>(arguments, "--defuzzify", {"cog", "mom"}));
  rules.SetCorrelationMethod(
      ChoiceOf<TFuzzyCorrelationMethod>(arguments, "--correlation", {"min", "product"}));
  rules.SetInferenceMethod(ChoiceOf<TFuzzyInferenceMethod>(
      arguments, "--inference", {"minmax", "additive", "mean", "product", "boundedsum"}));
}

std::vector<double> RowOf(const std::map<std::string, double>& inputs, const TRuleBase& rules) {
  std::vector<double> row;
  for (const TFuzzyVariable* variable : rules.GetInputs()) {
    const auto given = inputs.find(variable->GetName());
    if (given == inputs.end()) {
      throw TUsageError("the rules read " + variable->GetName() + "; give --set " +
                        variable->GetName() + "=VALUE");
    }
    row.push_back(given->second);
  }
  return row;
}

}  // namespace fuzzy::tool
