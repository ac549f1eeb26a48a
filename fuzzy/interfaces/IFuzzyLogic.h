// The interface model of fuzzy reasoning: reference-counted sets and their point lists,
// variables and their term tables, and the tokens that carry them through the parser.
#pragma once

#include "fuzzy/interfaces/FuzzyStreamToken.h"
#include "fuzzy/interfaces/FuzzyStreamTokenList.h"
#include "fuzzy/interfaces/IFSValues.h"
#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzySets.h"
#include "fuzzy/interfaces/IFuzzyVariable.h"
