// How the program prints one fuzzy set: its points as a table and its two crisp values, or why
// it has none.
#pragma once

#include <string>

#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy::tool {

// The points, then "centre of gravity" and "mean of maxima" with the variable's units. A set
// without points or with membership 0 everywhere gets a sentence instead of the two numbers.
std::string SetReport(const TFuzzySet* set);
// True when the set admits some X with membership above 0, so that its crisp values mean
// something.
bool HasMembership(const TFuzzySet* set);
// " points" for a variable with units "points", empty without units.
std::string UnitsSuffix(const TFuzzyVariable* variable);

}  // namespace fuzzy::tool
