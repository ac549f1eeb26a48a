// .fis models: [System] with the methods, [InputN] and [OutputN] with their
// ranges and membership functions, and [Rules] in index form "i1 i2, o1 (weight) : connection".
// Reading refuses, with its line, whatever the model would otherwise lose or misread.
#pragma once

#include <string>

#include "fuzzy/formats/FuzzyModel.h"

namespace fuzzy {

// EFzyParseException with the line of the first fault; nothing of the model is kept then.
TFuzzyModel ReadFisModel(const std::string& text);
// EFzyException naming what .fis cannot hold (point lists, mixed outputs, methods it lacks, a
// hedge in a rule).
std::string WriteFisModel(const TFuzzyModel& model);

}  // namespace fuzzy
