// The callbacks of the pairwise walk over two sets' points: a comparison that may stop the walk,
// and an operator that appends the points of a result for each pair of values it is shown.
#pragma once

#include <functional>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

class TFuzzySetValues;

using TFuzzyComparison =
    std::function<bool(TFzyFloat X1, TFzyFloat Y1, TFzyFloat X2, TFzyFloat Y2)>;

// FuzzySet is the point list of the result under construction.
using TFuzzyOperator = std::function<bool(TFuzzySetValues* FuzzySet, TFzyFloat X1, TFzyFloat Y1,
                                          TFzyFloat X2, TFzyFloat Y2)>;

}  // namespace fuzzy
