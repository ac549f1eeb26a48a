// Sets over the vocabulary's enumerations, written as literals: TXYUpdateTypes{utX, utY}.
#pragma once

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/framework/TSet.h"

namespace fuzzy {

using TFuzzyCorrelationMethods = TSet<TFuzzyCorrelationMethod>;
using TFuzzyInferenceMethods = TSet<TFuzzyInferenceMethod>;
using TXYUpdateTypes = TSet<TXYUpdateType>;
using TFuzzyStreamTokenTypes = TSet<TFuzzyStreamTokenType>;

}  // namespace fuzzy
