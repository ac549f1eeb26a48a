// FCL models (the Fuzzy Control Language): a FUNCTION_BLOCK with its VAR_INPUT and VAR_OUTPUT
// variables, FUZZIFY and DEFUZZIFY blocks with their terms, range, method and default, and one
// RULEBLOCK with its methods and rules. Keywords are read in any case; names keep theirs.
#pragma once

#include <string>

#include "fuzzy/formats/FuzzyModel.h"

namespace fuzzy {

// EFzyParseException with the line of the first fault; nothing of the model is kept then.
TFuzzyModel ReadFclModel(const std::string& text);
// EFzyException naming what FCL cannot hold (linear terms, hedges in rules, methods it lacks,
// names that are no FCL identifiers or are its keywords).
std::string WriteFclModel(const TFuzzyModel& model);

}  // namespace fuzzy
