// What `fuzzy infer` prints: the inputs, then per output its crisp value and method with the
// strength of every rule that fired, or a sentence saying why there is no value.
#pragma once

#include <map>
#include <string>

#include "fuzzy/logic/FuzzyLogic.h"
#include "tools/Inference.h"

namespace fuzzy::tool {

// "service = 3 points, food = 8 points".
std::string InputsText(const TInference& inference, const std::map<std::string, double>& inputs);
// "inputs: " and InputsText on a line of its own.
std::string InputsReport(const TInference& inference, const std::map<std::string, double>& inputs);
std::string OutcomeReport(const TOutcome& outcome, const TCustomFuzzyLogic* logic);
// "centre of gravity" or "mean of maxima".
std::string MethodName(TDefuzzificationMethod method);

}  // namespace fuzzy::tool
