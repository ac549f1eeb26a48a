// The options of the commands that fire rules: crisp inputs (--set) and the rule base's
// settings (--threshold, --defuzzify, --correlation, --inference).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fuzzy/rules/RuleBase.h"
#include "tools/Arguments.h"

namespace fuzzy::tool {

// `options` and the settings options.
std::set<std::string> WithRuleOptions(std::set<std::string> options);
// Every --set VARIABLE=NUMBER; TUsageError for any other form.
std::map<std::string, double> InputsOf(const TArguments& arguments);
// The settings given, as overrides of the rule base; TUsageError for a bad value.
void ApplySettings(const TArguments& arguments, TRuleBase& rules);
// The crisp inputs in the rules' order; a missing one is a usage error.
std::vector<double> RowOf(const std::map<std::string, double>& inputs, const TRuleBase& rules);

}  // namespace fuzzy::tool
