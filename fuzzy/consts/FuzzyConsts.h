// The vocabulary of the library: the number type, enumerations and their sets, name tables,
// messages, exceptions, the callback types of the pairwise walk in both models, and the builders
// and recognisers of fuzzy names and keywords.
#pragma once

#include "fuzzy/consts/FuzzyCallbacks.h"
#include "fuzzy/consts/FuzzyEnumSets.h"
#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/consts/FuzzyIntfCallbacks.h"
#include "fuzzy/consts/FuzzyMessages.h"
#include "fuzzy/consts/FuzzyNames.h"
#include "fuzzy/consts/FuzzyTables.h"
