#include "fuzzy/formats/FuzzyModel.h"

#include <algorithm>
#include <cmath>

#include "fuzzy/consts/FuzzyNames.h"
#include "fuzzy/formats/FormatText.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/rules/RuleErrors.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

std::string NumberText(TFzyFloat value) {
  return FormatExactNumber(value);
}

bool HasTerm(const TFuzzyVariable* variable, const std::string& name) {
  for (const TFuzzySet* set : *variable->GetItems()) {
    if (set->GetName() == name) return true;
  }
  return false;
}

bool IsNameBreaker(char c) {
  return static_cast<unsigned char>(c) <= ' ' || c == '(' || c == ')' || c == '"' || c == '#' ||
         c == '[' || c == ']' || c == '\\' || c == ';' || c == '|' || c == '~' || c == '&';
}

}  // namespace

TFuzzyModel::TFuzzyModel()
    : Parser(Own(TKWFuzzyLogicParser::Create(nullptr))), Logic(Own(TFuzzyLogic::Create(nullptr))) {
  Logic->SetAutoTerms(false);
  Logic->SetParser(Parser.get());
  Parser->SetFuzzyLogic(Logic.get());
}

bool TFuzzyModel::IsOutput(const TFuzzyVariable* variable) const {
  if (std::find(Outputs.begin(), Outputs.end(), variable->GetName()) != Outputs.end()) return true;
  if (!Rules) return false;
  const auto& concluded = Rules->GetOutputs();
  return std::find(concluded.begin(), concluded.end(), variable) != concluded.end();
}

std::vector<TFuzzyVariable*> TFuzzyModel::Variables(bool outputs) const {
  std::vector<TFuzzyVariable*> chosen;
  for (TFuzzyVariable* variable : *Logic->GetItems()) {
    if (IsOutput(variable) == outputs) chosen.push_back(variable);
  }
  return chosen;
}

std::vector<TModelTerm> DescribeModelTerms(const TFuzzyVariable* variable) {
  std::vector<TModelTerm> terms;
  for (const TFuzzySet* set : *variable->GetItems()) {
    if (!set->GetDefined()) continue;
    TModelTerm term;
    term.Name = set->GetName();
    term.Shape = set->GetShape();
    for (const TFuzzySetValue* point : *set->GetValues()) {
      term.Points.push_back({point->GetX(), point->GetY()});
    }
    if (term.Shape.Kind != fskNone) {
      term.Kind = TModelTerm::mtShape;
    } else if (set->GetSetType() == fstTriangle && term.Points.size() == 3) {
      term.Kind = TModelTerm::mtTriangle;
    }
    terms.push_back(std::move(term));
  }
  return terms;
}

void CheckFiresEveryRule(const TRuleBase& rules, const std::string& format) {
  for (std::size_t o = 0; o < rules.GetOutputs().size(); ++o) {
    if (rules.EffectiveThreshold(o) > 0) {
      throw EFzyException("the rules fire from a threshold of " +
                          FormatExactNumber(rules.EffectiveThreshold(o)) + ", and " + format +
                          " fires every rule: give the rules \"use threshold 0\"");
    }
  }
}

TModelBuilder::TModelBuilder() = default;

void TModelBuilder::Refuse(const std::string& message, int line) {
  throw EFzyParseException(message, line);
}

void TModelBuilder::CheckName(const std::string& name, const std::string& what, int line) {
  if (name.empty()) Refuse(what + " has no name", line);
  if (std::any_of(name.begin(), name.end(), IsNameBreaker)) {
    Refuse(what + " \"" + name + "\" is not one word of letters, digits and signs", line);
  }
  if (IsReservedFuzzyName(name) || name == "if" || name == "then" || name == "is" ||
      name == "with" || name == "use") {
    Refuse(what + " \"" + name + "\" is a reserved word of the definition language", line);
  }
}

TFuzzyVariable* TModelBuilder::FindVariable(const std::string& name) const {
  for (TFuzzyVariable* variable : *FModel.Logic->GetItems()) {
    if (variable->GetName() == name) return variable;
  }
  return nullptr;
}

TFuzzyVariable* TModelBuilder::AddVariable(const std::string& name, TFzyFloat minimum,
                                           TFzyFloat maximum, int line) {
  CheckName(name, "the variable", line);
  if (FindVariable(name) != nullptr) Refuse("a second variable \"" + name + "\"", line);
  if (!(std::isfinite(minimum) && std::isfinite(maximum) && minimum < maximum)) {
    Refuse("the range " + NumberText(minimum) + " to " + NumberText(maximum) + " of " + name +
               " does not rise",
           line);
  }
  TFuzzyVariable* variable = FModel.Logic->GetItems()->Add();
  variable->SetName(name);
  variable->SetMaximum(maximum);
  variable->SetMinimum(minimum);
  return variable;
}

TFuzzySet* TModelBuilder::AddTerm(TFuzzyVariable* variable, const std::string& name, int line) {
  CheckName(name, "the term", line);
  if (HasTerm(variable, name)) {
    Refuse("a second term \"" + name + "\" of " + variable->GetName(), line);
  }
  TFuzzySet* set = variable->GetItems()->Add();
  set->SetName(name);
  set->SetDefined(true);
  return set;
}

void TModelBuilder::AddShapeTerm(TFuzzyVariable* variable, const std::string& name,
                                 const TFuzzyShape& shape, int line) {
  const std::string fault = FuzzyShapeFault(shape);
  if (!fault.empty()) {
    Refuse("the term " + name + " of " + variable->GetName() + ": " + FuzzyShapeName(shape.Kind) +
               " " + fault,
           line);
  }
  AddTerm(variable, name, line)->CreateShapeValues(shape);
}

void TModelBuilder::AddTriangleTerm(TFuzzyVariable* variable, const std::string& name,
                                    TFzyFloat left, TFzyFloat middle, TFzyFloat right, int line) {
  if (!(std::isfinite(left) && std::isfinite(right) && left <= middle && middle <= right)) {
    Refuse("the triangle " + name + " of " + variable->GetName() + " needs three rising corners",
           line);
  }
  AddTerm(variable, name, line)->CreateTriangleFunctionValues(left, middle, right);
}

void TModelBuilder::AddPointsTerm(TFuzzyVariable* variable, const std::string& name,
                                  const std::vector<TShapePoint>& points, int line) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const bool rising = i == 0 || points[i].X >= points[i - 1].X;
    if (!std::isfinite(points[i].X) || !(points[i].Y >= 0 && points[i].Y <= 1) || !rising) {
      Refuse("the points of " + name + " of " + variable->GetName() +
                 " must rise in X with memberships from 0 to 1",
             line);
    }
  }
  if (points.empty())
    Refuse("the term " + name + " of " + variable->GetName() + " has no points", line);
  TFuzzySet* set = AddTerm(variable, name, line);
  TCollectionUpdate batch(set->GetValues());
  for (const TShapePoint& point : points) set->GetValues()->Add()->SetValue(point.X, point.Y);
}

void TModelBuilder::RequireTerm(const TFuzzyVariable* variable, const std::string& name,
                                int line) const {
  if (!HasTerm(variable, name)) {
    Refuse(variable->GetName() + " has no term \"" + name + "\"", line);
  }
}

void TModelBuilder::AddRuleLine(const std::string& text, int line) {
  FRuleText += text + "\n";
  FRuleLines.push_back(line);
}

TFuzzyModel TModelBuilder::Finish() {
  try {
    FModel.Rules = Own(TRuleBase::Create(FModel.Logic.get(), FRuleText));
  } catch (const EFzyRuleException& error) {
    const std::size_t index = static_cast<std::size_t>(std::max(error.GetLine(), 1) - 1);
    Refuse(error.GetMessage(), index < FRuleLines.size() ? FRuleLines[index] : 0);
  }
  return std::move(FModel);
}

}  // namespace fuzzy
