// A model read from another format: a logic component with its variables and terms, the rule
// base over it with its settings, and what the format says beyond them (the model's name, which
// variables are outputs). The readers of the formats build it through TModelBuilder, which
// checks every name and number with the line it came from, so that a model is whole or not at
// all; the writers read it back through DescribeModelTerm.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/framework/Object.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/sets/FuzzyShape.h"

namespace fuzzy {

struct TFuzzyModel {
  TFuzzyModel();

  std::string Name;
  // Declared outputs, also those no rule concludes.
  std::vector<std::string> Outputs;
  // Declared in this order: the rule base goes first, then the component, then its parser.
  TOwned<TKWFuzzyLogicParser> Parser;
  TOwned<TFuzzyLogic> Logic;
  TOwned<TRuleBase> Rules;

  // Whether `variable` is an output: the rules conclude it or the model declares it.
  bool IsOutput(const TFuzzyVariable* variable) const;
  std::vector<TFuzzyVariable*> Variables(bool outputs) const;
};

// A term as the writers see it: the formula it was made from, a triangle, or only points.
struct TModelTerm {
  enum TKind { mtShape, mtTriangle, mtPoints };
  TKind Kind = mtPoints;
  std::string Name;
  TFuzzyShape Shape;                // mtShape
  std::vector<TShapePoint> Points;  // mtTriangle (three corners) and mtPoints
};

std::vector<TModelTerm> DescribeModelTerms(const TFuzzyVariable* variable);

// The formats fire every rule; a rule base with a threshold above 0 would fire otherwise once
// written, so EFzyException says how to make it fit.
void CheckFiresEveryRule(const TRuleBase& rules, const std::string& format);

// Builds a model from a format's parts, each with its source line. Every refusal raises
// EFzyParseException "line N: ..." with that line.
class TModelBuilder {
 public:
  TModelBuilder();

  TFuzzyVariable* AddVariable(const std::string& name, TFzyFloat minimum, TFzyFloat maximum,
                              int line);
  void AddShapeTerm(TFuzzyVariable* variable, const std::string& name, const TFuzzyShape& shape,
                    int line);
  void AddTriangleTerm(TFuzzyVariable* variable, const std::string& name, TFzyFloat left,
                       TFzyFloat middle, TFzyFloat right, int line);
  void AddPointsTerm(TFuzzyVariable* variable, const std::string& name,
                     const std::vector<TShapePoint>& points, int line);
  // A settings line ("use and product") or a rule in the rule base's text.
  void AddRuleLine(const std::string& text, int line);
  void SetName(const std::string& name) { FModel.Name = name; }
  void DeclareOutput(const std::string& name) { FModel.Outputs.push_back(name); }

  TFuzzyVariable* FindVariable(const std::string& name) const;
  // The variable's term of that name, refused with `line` when it has none.
  void RequireTerm(const TFuzzyVariable* variable, const std::string& name, int line) const;
  // Builds the rule base; its errors carry the source line of the rule.
  TFuzzyModel Finish();

  // A name the definitions and the rules can both hold: one word, no bracket, quote, "#" or
  // reserved word of the language.
  static void CheckName(const std::string& name, const std::string& what, int line);
  [[noreturn]] static void Refuse(const std::string& message, int line);

 private:
  TFuzzySet* AddTerm(TFuzzyVariable* variable, const std::string& name, int line);

  TFuzzyModel FModel;
  std::string FRuleText;
  std::vector<int> FRuleLines;  // the source line of each line of FRuleText
};

}  // namespace fuzzy
