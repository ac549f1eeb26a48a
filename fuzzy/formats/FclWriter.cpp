// Writing an FCL model. Shapes FCL has a function for are written as that function; the other
// curves are written as the points the library holds them by, which is the set itself.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/formats/FclFormat.h"
#include "fuzzy/formats/FormatMethods.h"
#include "fuzzy/formats/FormatShapes.h"
#include "fuzzy/formats/FormatText.h"
#include "fuzzy/formats/ModelRules.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

namespace {

constexpr const char* FclName = "FCL";

// The words FCL keeps for itself, in any case, each between blanks.
constexpr std::string_view FclKeywords =
    " ACCU ACT AND DEFAULT DEFUZZIFY END_DEFUZZIFY END_FUNCTION_BLOCK END_FUZZIFY END_RULEBLOCK"
    " END_VAR FUNCTION_BLOCK FUZZIFY IF IS METHOD NC NOT OR RANGE REAL RULE RULEBLOCK TERM THEN"
    " VAR_INPUT VAR_OUTPUT WITH ";

bool IsFclWord(const std::string& name) {
  const auto wordCharacter = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
  };
  return !name.empty() && std::isdigit(static_cast<unsigned char>(name[0])) == 0 &&
         std::all_of(name.begin(), name.end(), wordCharacter);
}

// A name as FCL text. One that would not read back as the same name (a blank, a sign, a
// keyword) is refused rather than written into a model that reads as another or not at all.
const std::string& FclIdentifier(const std::string& name) {
  if (!IsFclWord(name)) throw EFzyException("\"" + name + "\" is no FCL name");
  if (FclKeywords.find(" " + UpperCase(name) + " ") != std::string_view::npos) {
    throw EFzyException("\"" + name + "\" is an FCL keyword");
  }
  return name;
}

std::string Numbers(const std::vector<TFzyFloat>& numbers) {
  return FormatExactNumbers(numbers, " ");
}

std::string PointList(const std::vector<TShapePoint>& points) {
  std::string text;
  for (const TShapePoint& point : points) {
    if (!text.empty()) text += ' ';
    text += "(" + FormatExactNumber(point.X) + ", " + FormatExactNumber(point.Y) + ")";
  }
  return text;
}

// A constant as its bare number; a curve FCL has no function for as its points.
std::string ShapeBody(const TModelTerm& term, const TFuzzyVariable* variable) {
  const std::vector<TFzyFloat>& p = term.Shape.Parameters;
  if (term.Shape.Kind == fskConstant) return FormatExactNumber(p[0]);
  if (term.Shape.Kind == fskLinear) {
    throw EFzyException("the term " + term.Name + " of " + variable->GetName() +
                        " is linear, which FCL cannot hold");
  }
  const TFormatShape* known = FormatShapeOfKind(FclShapes(), term.Shape.Kind);
  if (known == nullptr) return PointList(term.Points);
  return LowerCase(known->Name) + " " + Numbers(FormatNumbers(*known, p));
}

std::string TermBody(const TModelTerm& term, const TFuzzyVariable* variable) {
  switch (term.Kind) {
    case TModelTerm::mtShape:
      return ShapeBody(term, variable);
    case TModelTerm::mtTriangle:
      return "trian " + Numbers({term.Points[0].X, term.Points[1].X, term.Points[2].X});
    case TModelTerm::mtPoints:
      return PointList(term.Points);
  }
  return "";
}

class TFclWriter {
 public:
  explicit TFclWriter(const TFuzzyModel& model)
      : FModel(model),
        FRules(*model.Rules),
        FInputs(model.Variables(false)),
        FOutputs(model.Variables(true)) {}

  std::string Write() const {
    CheckFiresEveryRule(FRules, FclName);
    std::string text =
        "FUNCTION_BLOCK " + (FModel.Name.empty() ? "model" : FclIdentifier(FModel.Name)) + "\n";
    text += Declarations("VAR_INPUT", FInputs) + Declarations("VAR_OUTPUT", FOutputs);
    for (const TFuzzyVariable* variable : FInputs) text += Block(variable, false);
    for (const TFuzzyVariable* variable : FOutputs) text += Block(variable, true);
    return text + RuleBlock() + "\nEND_FUNCTION_BLOCK\n";
  }

 private:
  static std::string Declarations(const char* block, const std::vector<TFuzzyVariable*>& vars) {
    std::string text = std::string("\n") + block + "\n";
    for (const TFuzzyVariable* variable : vars)
      text += "  " + FclIdentifier(variable->GetName()) + " : REAL;\n";
    return text + "END_VAR\n";
  }

  bool IsSugeno(const TFuzzyVariable* variable) const {
    const std::vector<TModelTerm> terms = DescribeModelTerms(variable);
    return std::any_of(terms.begin(), terms.end(),
                       [](const TModelTerm& t) { return t.Shape.IsOutputFunction(); });
  }

  std::string OutputSettings(const TFuzzyVariable* variable) const {
    const std::string method =
        ForeignMethodName(FclMethods(), msDefuzzification, FRules, IsSugeno(variable), FclName);
    std::string text = "  METHOD : " + method + ";\n";
    const auto& outputs = FRules.GetOutputs();
    const auto found = std::find(outputs.begin(), outputs.end(), variable);
    const bool given =
        found != outputs.end() &&
        !std::isnan(FRules.GetDefaultValue(static_cast<std::size_t>(found - outputs.begin())));
    return text + "  DEFAULT := " +
           (given ? FormatExactNumber(
                        FRules.GetDefaultValue(static_cast<std::size_t>(found - outputs.begin())))
                  : std::string("NC")) +
           ";\n";
  }

  std::string Block(const TFuzzyVariable* variable, bool output) const {
    const char* kind = output ? "DEFUZZIFY" : "FUZZIFY";
    std::string text = std::string("\n") + kind + " " + variable->GetName() + "\n";
    text += "  RANGE := (" + FormatExactNumber(variable->GetMinimum()) + " .. " +
            FormatExactNumber(variable->GetMaximum()) + ");\n";
    for (const TModelTerm& term : DescribeModelTerms(variable)) {
      text += "  TERM " + FclIdentifier(term.Name) + " := " + TermBody(term, variable) + ";\n";
    }
    if (output) text += OutputSettings(variable);
    return text + "END_" + kind + "\n";
  }

  std::string Method(const char* keyword, TMethodSlot slot) const {
    return std::string("  ") + keyword + " : " +
           ForeignMethodName(FclMethods(), slot, FRules, false, FclName) + ";\n";
  }

  std::string RuleBlock() const {
    std::string text = "\nRULEBLOCK rules\n" + Method("AND", msAnd) + Method("OR", msOr) +
                       Method("ACT", msCorrelation) + Method("ACCU", msInference);
    int number = 0;
    for (const TRuleText& rule : FRules.GetRules()) {
      text += "  RULE " + std::to_string(++number) + " : " + Rule(rule) + ";\n";
    }
    return text + "END_RULEBLOCK\n";
  }

  static std::string Clause(const TRuleClause& clause, const TRuleText& rule) {
    const TModelClause model = ModelClauseOf(clause, rule, FclName);
    return model.Variable + " IS " + (model.Negated ? "NOT " : "") + model.Term;
  }

  static std::string Rule(const TRuleText& rule) {
    std::vector<std::string> premises;
    for (const TRuleClause& premise : rule.Premises) premises.push_back(Clause(premise, rule));
    std::string text = "IF " + InfixCondition(rule, premises, "AND", "OR") + " THEN ";
    for (std::size_t c = 0; c < rule.Conclusions.size(); ++c) {
      text += (c == 0 ? "" : ", ") + Clause(rule.Conclusions[c], rule);
    }
    if (rule.Weight != 1) text += " WITH " + FormatExactNumber(rule.Weight);
    return text;
  }

  const TFuzzyModel& FModel;
  const TRuleBase& FRules;
  std::vector<TFuzzyVariable*> FInputs;
  std::vector<TFuzzyVariable*> FOutputs;
};

}  // namespace

std::string WriteFclModel(const TFuzzyModel& model) {
  return TFclWriter(model).Write();
}

}  // namespace fuzzy
