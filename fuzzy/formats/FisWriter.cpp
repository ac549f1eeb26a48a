// Writing a .fis model: every construct is written as .fis holds it or refused by name, so
// that the file reads back as the model it came from.
#include <algorithm>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/formats/FisFormat.h"
#include "fuzzy/formats/FormatMethods.h"
#include "fuzzy/formats/FormatShapes.h"
#include "fuzzy/formats/FormatText.h"
#include "fuzzy/formats/ModelRules.h"

namespace fuzzy {

namespace {

constexpr const char* FisName = ".fis";

[[noreturn]] void Refuse(const std::string& message) {
  throw EFzyException(message);
}

std::string Quote(const std::string& text) {
  return "'" + text + "'";
}

std::string Bracketed(const std::vector<TFzyFloat>& numbers) {
  return "[" + FormatExactNumbers(numbers, " ") + "]";
}

bool HasOutputFunctions(const TFuzzyVariable* variable) {
  const std::vector<TModelTerm> terms = DescribeModelTerms(variable);
  return std::any_of(terms.begin(), terms.end(),
                     [](const TModelTerm& t) { return t.Shape.IsOutputFunction(); });
}

class TFisWriter {
 public:
  explicit TFisWriter(const TFuzzyModel& model)
      : FModel(model),
        FRules(*model.Rules),
        FInputs(model.Variables(false)),
        FOutputs(model.Variables(true)) {}

  std::string Write() {
    CheckKind();
    CheckFiresEveryRule(FRules, FisName);
    std::string text = System();
    for (std::size_t i = 0; i < FInputs.size(); ++i) text += Variable("Input", i, FInputs[i]);
    for (std::size_t i = 0; i < FOutputs.size(); ++i) text += Variable("Output", i, FOutputs[i]);
    text += "\n[Rules]\n";
    for (const TRuleText& rule : FRules.GetRules()) text += Rule(rule) + "\n";
    return text;
  }

 private:
  // A .fis model is either mamdani or sugeno as a whole.
  void CheckKind() {
    for (std::size_t o = 0; o < FOutputs.size(); ++o) {
      const bool sugeno = HasOutputFunctions(FOutputs[o]);
      if (o == 0) FSugeno = sugeno;
      if (sugeno != FSugeno) {
        Refuse(".fis cannot mix the Takagi-Sugeno output " +
               (sugeno ? FOutputs[o] : FOutputs[0])->GetName() + " with the fuzzy-set output " +
               (sugeno ? FOutputs[0] : FOutputs[o])->GetName());
      }
    }
  }

  std::string Method(const char* key, TMethodSlot slot) const {
    return std::string(key) + "=" +
           Quote(ForeignMethodName(FisMethods(), slot, FRules, FSugeno, FisName)) + "\n";
  }

  std::string System() const {
    std::string text = "[System]\nName=" + Quote(FModel.Name.empty() ? "model" : FModel.Name) +
                       "\nType=" + Quote(FSugeno ? "sugeno" : "mamdani") + "\nVersion=2.0\n";
    text += "NumInputs=" + std::to_string(FInputs.size()) + "\n";
    text += "NumOutputs=" + std::to_string(FOutputs.size()) + "\n";
    text += "NumRules=" + std::to_string(FRules.GetRules().size()) + "\n";
    return text + Method("AndMethod", msAnd) + Method("OrMethod", msOr) +
           Method("ImpMethod", msCorrelation) + Method("AggMethod", msInference) +
           Method("DefuzzMethod", msDefuzzification);
  }

  std::string Variable(const char* kind, std::size_t index, const TFuzzyVariable* variable) const {
    const std::vector<TModelTerm> terms = DescribeModelTerms(variable);
    std::string text = "\n[" + std::string(kind) + std::to_string(index + 1) + "]\n";
    text += "Name=" + Quote(variable->GetName()) + "\n";
    text += "Range=" + Bracketed({variable->GetMinimum(), variable->GetMaximum()}) + "\n";
    text += "NumMFs=" + std::to_string(terms.size()) + "\n";
    for (std::size_t t = 0; t < terms.size(); ++t) {
      text += "MF" + std::to_string(t + 1) + "=" + Quote(terms[t].Name) + ":" +
              Function(terms[t], variable) + "\n";
    }
    return text;
  }

  // 'type',[params] in the order .fis takes them.
  std::string Function(const TModelTerm& term, const TFuzzyVariable* variable) const {
    if (term.Kind == TModelTerm::mtTriangle) {
      return "'trimf'," + Bracketed({term.Points[0].X, term.Points[1].X, term.Points[2].X});
    }
    if (term.Kind == TModelTerm::mtPoints) {
      Refuse("the term " + term.Name + " of " + variable->GetName() +
             " is a point list, which .fis cannot hold");
    }
    if (term.Shape.Kind == fskLinear) {
      return "'linear'," + Bracketed(LinearCoefficients(term.Shape, variable));
    }
    const TFormatShape* known = FormatShapeOfKind(FisShapes(), term.Shape.Kind);
    if (known == nullptr) {
      Refuse("the term " + term.Name + " of " + variable->GetName() + " is a " +
             FuzzyShapeName(term.Shape.Kind) + ", which .fis cannot hold");
    }
    return "'" + std::string(known->Name) + "'," +
           Bracketed(FormatNumbers(*known, term.Shape.Parameters));
  }

  // One coefficient per input in .fis order, then the constant.
  std::vector<TFzyFloat> LinearCoefficients(const TFuzzyShape& shape,
                                            const TFuzzyVariable* variable) const {
    std::vector<TFzyFloat> coefficients(FInputs.size() + 1, 0.0);
    coefficients.back() = shape.Parameters[0];
    for (std::size_t i = 0; i < shape.Inputs.size(); ++i) {
      const std::size_t at = InputIndex(shape.Inputs[i]);
      if (at == FInputs.size()) {
        Refuse("a linear term of " + variable->GetName() + " reads " + shape.Inputs[i] +
               ", which is no input");
      }
      coefficients[at] += shape.Parameters[i + 1];
    }
    return coefficients;
  }

  std::size_t InputIndex(const std::string& name) const {
    const auto found = std::find_if(FInputs.begin(), FInputs.end(),
                                    [&](const TFuzzyVariable* v) { return v->GetName() == name; });
    return static_cast<std::size_t>(found - FInputs.begin());
  }

  // The 1-based index of the clause's term, negative for "not".
  static int TermIndex(const TModelClause& clause, const TFuzzyVariable* variable) {
    const std::vector<TModelTerm> terms = DescribeModelTerms(variable);
    const auto found = std::find_if(terms.begin(), terms.end(),
                                    [&](const TModelTerm& t) { return t.Name == clause.Term; });
    if (found == terms.end()) Refuse(variable->GetName() + " has no term " + clause.Term);
    const int index = static_cast<int>(found - terms.begin()) + 1;
    return clause.Negated ? -index : index;
  }

  std::string Indices(const std::vector<TRuleClause>& clauses, const TRuleText& rule,
                      const std::vector<TFuzzyVariable*>& variables) const {
    std::vector<int> indices(variables.size(), 0);
    for (const TRuleClause& clause : clauses) {
      const TModelClause model = ModelClauseOf(clause, rule, FisName);
      const auto found = std::find_if(variables.begin(), variables.end(), [&](const auto* v) {
        return v->GetName() == model.Variable;
      });
      const std::size_t at = static_cast<std::size_t>(found - variables.begin());
      if (found == variables.end() || indices[at] != 0) {
        Refuse("the rule at line " + std::to_string(rule.Line) + " names " + model.Variable +
               " twice, which .fis cannot hold");
      }
      indices[at] = TermIndex(model, *found);
    }
    std::string text;
    for (const int index : indices) text += (text.empty() ? "" : " ") + std::to_string(index);
    return text;
  }

  // All premises joined by "and", or all by "or".
  static int Connection(const TRuleText& rule) {
    const auto joined = [&](TConditionStep::TKind kind) {
      return std::all_of(rule.Condition.begin(), rule.Condition.end(), [&](const auto& step) {
        return step.Kind == TConditionStep::ckPremise || step.Kind == kind;
      });
    };
    if (joined(TConditionStep::ckAnd)) return 1;
    if (joined(TConditionStep::ckOr)) return 2;
    Refuse("the rule at line " + std::to_string(rule.Line) +
           " mixes \"and\" with \"or\", which .fis cannot hold");
  }

  std::string Rule(const TRuleText& rule) const {
    return Indices(rule.Premises, rule, FInputs) + ", " +
           Indices(rule.Conclusions, rule, FOutputs) + " (" + FormatExactNumber(rule.Weight) +
           ") : " + std::to_string(Connection(rule));
  }

  const TFuzzyModel& FModel;
  const TRuleBase& FRules;
  std::vector<TFuzzyVariable*> FInputs;
  std::vector<TFuzzyVariable*> FOutputs;
  bool FSugeno = false;
};

}  // namespace

std::string WriteFisModel(const TFuzzyModel& model) {
  return TFisWriter(model).Write();
}

}  // namespace fuzzy
