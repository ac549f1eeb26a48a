// The object model of linguistic variables: fuzzy sets, their collections, variables, the
// variable collection, the logic component with its events, and the parser base.
#pragma once

#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/FuzzyLogicComponent.h"
#include "fuzzy/logic/FuzzyLogicEvents.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/sets/FuzzySet.h"
