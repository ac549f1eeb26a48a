// The writer of TKWFuzzyLogicParser: both models are described as plain values and laid out by
// the same routines (DefinitionText), so a term reads the same whichever model it came from.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/language/DefinitionText.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {

namespace {

// The name a set is written under; "__Empty" marks a set that has none.
std::string WrittenName(const std::string& name) {
  return name == SEmptyFuzzy ? std::string() : name;
}

std::vector<TTermPoint> PointsOf(const TFuzzySet* fuzzySet) {
  std::vector<TTermPoint> points;
  points.reserve(static_cast<std::size_t>(fuzzySet->GetValues()->GetCount()));
  for (const TFuzzySetValue* point : *fuzzySet->GetValues()) {
    points.push_back({point->GetX(), point->GetY()});
  }
  return points;
}

std::vector<TTermPoint> PointsOf(const IPtr<IFuzzySet>& fuzzySet) {
  std::vector<TTermPoint> points(static_cast<std::size_t>(fuzzySet->GetCount()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int index = static_cast<int>(i);
    points[i] = {fuzzySet->GetXValues(index), fuzzySet->GetYValues(index)};
  }
  return points;
}

// `TSet` is a TFuzzySet* or an IPtr<IFuzzySet>: both answer the same getters.
template <class TSet>
TTermDescription DescribeTerm(const TSet& fuzzySet) {
  TTermDescription term;
  term.Name = WrittenName(fuzzySet->GetName());
  term.Comment = fuzzySet->GetComment();
  term.SetType = fuzzySet->GetSetType();
  term.Expression = fuzzySet->GetExpression();
  term.Points = PointsOf(fuzzySet);
  term.InflectionPoint = fuzzySet->GetInflectionPoint();
  term.Shape = fuzzySet->GetShape();
  return term;
}

template <class TVariable>
TVariableDescription DescribeVariable(const TVariable& variable) {
  TVariableDescription description;
  description.Name = variable->GetName();
  description.Comment = variable->GetComment();
  description.Units = variable->GetUnits();
  description.Minimum = variable->GetMinimum();
  description.Maximum = variable->GetMaximum();
  return description;
}

}  // namespace

std::string TKWFuzzyLogicParser::PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) {
  if (fuzzySet == nullptr) return "";
  if (asTerm) return FormatTermDefinition(DescribeTerm(fuzzySet));
  // A result without a name is known by the expression that made it.
  const std::string name = WrittenName(fuzzySet->GetName());
  return name.empty() ? fuzzySet->GetExpression() : name;
}

std::string TKWFuzzyLogicParser::PrettyPrint(const IPtr<IFuzzySet>& fuzzySet, bool asTerm) {
  if (!fuzzySet) return "";
  if (asTerm) return FormatTermDefinition(DescribeTerm(fuzzySet));
  return WrittenName(fuzzySet->GetName());
}

// Only the terms the definition made (Defined); results of evaluation and copies stay out.
std::string TKWFuzzyLogicParser::PrettyPrint(TFuzzyVariable* variable) {
  if (variable == nullptr) return "";
  TVariableDescription description = DescribeVariable(variable);
  for (TFuzzySet* fuzzySet : *variable->GetItems()) {
    if (fuzzySet->GetDefined()) description.Terms.push_back(PrettyPrint(fuzzySet, true));
  }
  return FormatVariableDefinition(description);
}

// The table keeps no order of its own that the text should follow: the terms come by the
// entry number each one was given, so they keep the order they were read in.
std::string TKWFuzzyLogicParser::PrettyPrint(const IPtr<IFuzzyVariable>& variable) {
  if (!variable) return "";
  std::vector<std::pair<int, std::string>> terms;
  for (int i = 0; i < variable->GetCount(); ++i) {
    const IPtr<IFuzzySet> fuzzySet = variable->GetFuzzySet(i);
    if (fuzzySet && fuzzySet->GetDefined()) {
      terms.emplace_back(fuzzySet->GetIndex(), PrettyPrint(fuzzySet, true));
    }
  }
  std::sort(terms.begin(), terms.end());
  TVariableDescription description = DescribeVariable(variable);
  for (auto& term : terms) description.Terms.push_back(std::move(term.second));
  return FormatVariableDefinition(description);
}

}  // namespace fuzzy
