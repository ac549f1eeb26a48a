#include "tools/SetReport.h"

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "tools/Numbers.h"
#include "tools/TextTable.h"

namespace fuzzy::tool {

bool HasMembership(const TFuzzySet* set) {
  for (const TFuzzySetValue* point : *set->GetValues()) {
    if (point->GetY() > 0.0) return true;
  }
  return false;
}

std::string UnitsSuffix(const TFuzzyVariable* variable) {
  return variable == nullptr || variable->GetUnits().empty() ? "" : " " + variable->GetUnits();
}

std::string SetReport(const TFuzzySet* set) {
  TTextTable points({{"x", alRight}, {"membership", alRight}}, "  ");
  for (const TFuzzySetValue* point : *set->GetValues()) {
    points.AddRow({FixedText(point->GetX()), FixedText(point->GetY())});
  }
  std::string text = set->GetValues()->GetCount() == 0 ? "  (no points)\n" : points.Render();
  if (!HasMembership(set)) {
    return text +
           "\nThe membership is 0 everywhere, so the set has no centre of gravity and no mean of "
           "maxima.\n";
  }
  const std::string units = UnitsSuffix(set->GetVariable());
  TTextTable values({{"", alLeft}, {"", alRight}});
  values.AddRow({"centre of gravity", FixedText(set->CenterOfGravity()) + units});
  values.AddRow({"mean of maxima", FixedText(set->MeanOfMaxima()) + units});
  return text + "\n" + values.Render(false);
}

}  // namespace fuzzy::tool
