// The interface-model twins of the pairwise-walk callbacks: the operator receives the result
// set under construction as a counted IFuzzySet reference instead of a point list.
#pragma once

#include <functional>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/Interface.h"

namespace fuzzy {

class IFuzzySet;

using TIFuzzyComparison =
    std::function<bool(TFzyFloat X1, TFzyFloat Y1, TFzyFloat X2, TFzyFloat Y2)>;

using TIFuzzyOperator = std::function<bool(const IPtr<IFuzzySet>& Result, TFzyFloat X1,
                                           TFzyFloat Y1, TFzyFloat X2, TFzyFloat Y2)>;

}  // namespace fuzzy
