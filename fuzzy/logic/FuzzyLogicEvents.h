// The events of the object-model logic component: a variable or a set added, deleted or
// changed. The component passes itself as Sender; the variable or set is only to be read.
#pragma once

#include <functional>

namespace fuzzy {

class TObject;
class TFuzzySet;
class TFuzzyVariable;

using TFuzzyVariableEvent = std::function<void(TObject* Sender, TFuzzyVariable* FuzzyVariable)>;
using TFuzzySetEvent = std::function<void(TObject* Sender, TFuzzySet* FuzzySet)>;
// For applications that report a set together with its variable; the library raises none.
using TFuzzyVariableSetEvent =
    std::function<void(TObject* Sender, TFuzzyVariable* FuzzyVariable, TFuzzySet* FuzzySet)>;

}  // namespace fuzzy
