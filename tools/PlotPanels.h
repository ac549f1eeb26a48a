// What the plots show of the library's objects: a variable's terms, or an inference outcome drawn
// over its variable's terms.
#pragma once

#include <string>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleOutcome.h"
#include "tools/PlotSvg.h"

namespace fuzzy::tool {

// "service (points)", or just the name when the variable has no units.
std::string AxisLabelOf(const TFuzzyVariable* variable);
// The set's membership over its variable's range: its points, continued flat to both ends of
// the range, as the membership itself continues.
TPlotSeries SeriesOf(const TFuzzySet* set, const std::string& label, bool isResult);
// One polyline per term of the variable.
TPlotPanel TermsPanel(const TFuzzyVariable* variable);
// The output's terms, its accumulated set and a marker at its crisp value; a note instead when
// no rule fired.
TPlotPanel OutcomePanel(const TRuleOutcome& outcome);

}  // namespace fuzzy::tool
