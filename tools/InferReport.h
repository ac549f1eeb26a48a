// What `fuzzy infer` prints: the inputs, then per output its crisp value and method with the
// strength of every rule that fired, or a sentence saying why there is no value.
#pragma once

#include <map>
#include <string>

#include "fuzzy/rules/RuleBase.h"

namespace fuzzy::tool {

// "service = 3 points, food = 8 points".
std::string InputsText(const TRuleBase& rules, const std::map<std::string, double>& inputs);
// "inputs: " and InputsText on a line of its own.
std::string InputsReport(const TRuleBase& rules, const std::map<std::string, double>& inputs);
// Output `index` of the last firing, its value with `digits` decimals.
std::string OutcomeReport(const TRuleBase& rules, std::size_t index, int digits);
// "centre of gravity" or "mean of maxima".
std::string MethodName(TDefuzzificationMethod method);

}  // namespace fuzzy::tool
