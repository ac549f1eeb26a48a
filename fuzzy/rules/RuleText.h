// The text of a rule base, one rule a line, "#" starting a comment:
//   if V is E [and|or V is E]... then V is E [and V is E]... [with W]
// "and" binds tighter than "or", and parentheses group premises. An "and" or "or" followed by
// "NAME is" (or by "(" and then "NAME is") starts the next premise; any other belongs to the
// expression, so "very good and not excellent" stays one expression.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

// "VARIABLE is EXPRESSION".
struct TRuleClause {
  std::string Variable;
  std::string Expression;
};

// One step of a rule's condition in postfix order: a premise's strength, or the minimum
// ("and") or maximum ("or") of the two strengths before it.
struct TConditionStep {
  enum TKind { ckPremise, ckAnd, ckOr };
  TKind Kind = ckPremise;
  int Premise = 0;  // index into TRuleText::Premises for ckPremise
};

struct TRuleText {
  int Line = 0;
  std::string Text;  // the rule as written, comment and surrounding blanks removed
  std::vector<TRuleClause> Premises;
  std::vector<TConditionStep> Condition;
  std::vector<TRuleClause> Conclusions;
  TFzyFloat Weight = 1.0;
};

// Every rule of `text`; the first malformed line raises EFzyRuleException with its line and the
// offending word.
std::vector<TRuleText> ParseRuleText(const std::string& text);

}  // namespace fuzzy
