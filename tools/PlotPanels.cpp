#include "tools/PlotPanels.h"

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "tools/Definitions.h"
#include "tools/Numbers.h"
#include "tools/RuleFile.h"

namespace fuzzy::tool {

std::string AxisLabelOf(const TFuzzyVariable* variable) {
  if (variable->GetUnits().empty()) return variable->GetName();
  return variable->GetName() + " (" + variable->GetUnits() + ")";
}

TPlotSeries SeriesOf(const TFuzzySet* set, const std::string& label, bool isResult) {
  TPlotSeries series{label, {}, isResult};
  for (const TFuzzySetValue* point : *set->GetValues()) {
    series.Points.emplace_back(point->GetX(), point->GetY());
  }
  const TFuzzyVariable* variable = set->GetVariable();
  if (series.Points.empty() || variable == nullptr) return series;
  if (series.Points.front().first > variable->GetMinimum()) {
    series.Points.insert(series.Points.begin(),
                         {variable->GetMinimum(), series.Points.front().second});
  }
  if (series.Points.back().first < variable->GetMaximum()) {
    series.Points.emplace_back(variable->GetMaximum(), series.Points.back().second);
  }
  return series;
}

TPlotPanel TermsPanel(const TFuzzyVariable* variable) {
  TPlotPanel panel;
  panel.Title = variable->GetName();
  if (!variable->GetComment().empty()) panel.Title += " \u2014 " + variable->GetComment();
  panel.AxisLabel = AxisLabelOf(variable);
  panel.Minimum = variable->GetMinimum();
  panel.Maximum = variable->GetMaximum();
  for (const TFuzzySet* term : TDefinitions::GetTerms(variable)) {
    panel.Series.push_back(SeriesOf(term, term->GetName(), false));
  }
  if (panel.Series.empty()) panel.Note = "no terms";
  return panel;
}

TPlotPanel OutcomePanel(const TRuleOutcome& outcome) {
  TPlotPanel panel = TermsPanel(outcome.Variable);
  if (outcome.Result != nullptr) panel.Series.push_back(SeriesOf(outcome.Result, "result", true));
  if (!outcome.HasValue()) {
    panel.Note = WhyNoValue(outcome) + ": no crisp value";
    return panel;
  }
  panel.Marker = outcome.Value;
  panel.MarkerLabel = ShortText(outcome.Value, 2);
  if (!outcome.Variable->GetUnits().empty())
    panel.MarkerLabel += " " + outcome.Variable->GetUnits();
  return panel;
}

}  // namespace fuzzy::tool
