// The object model of linguistic variables: fuzzy sets, their collections, variables, the logic
// component and the parser base.
#pragma once

#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/sets/FuzzySet.h"
