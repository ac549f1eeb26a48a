// Sets that belong to no component: a private variable with the name, range and units of a
// component's variable, and copies of terms or of evaluated expressions made in it. The copies
// are clamped and defuzzified over the same X range as in the component, while the component,
// its events and its Strings stay as they were. The rule base keeps its sets this way, and so
// does anything that hands sets out to hold for longer than a component lives.
#pragma once

#include <string>

#include "fuzzy/framework/Object.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzyVariable;

// A free-standing variable with `variable`'s name, range and units, and no terms.
TOwned<TFuzzyVariable> DetachedVariableOf(const TFuzzyVariable* variable);

// A copy of `set` (name, points, type, expression) among `into`'s terms.
TFuzzySet* DetachedCopy(const TFuzzySet* set, TFuzzyVariable* into);

// The set `expression` stands for over `variable`'s terms, evaluated by the parser of its
// component and copied among `into`'s terms. The sets the evaluation left in `variable` are
// removed again, also when it raises; an error passes on as the evaluator raised it.
TFuzzySet* EvaluateDetached(TFuzzyVariable* variable, const std::string& expression,
                            TFuzzyVariable* into);

}  // namespace fuzzy
