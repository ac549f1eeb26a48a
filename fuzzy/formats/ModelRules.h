// A rule of a rule base read as the formats hold rules: premises and conclusions that each name
// a term, or "not" a term, of their variable, joined as the condition says.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/rules/RuleText.h"

namespace fuzzy {

class TFuzzyVariable;

struct TModelClause {
  std::string Variable;
  std::string Term;
  bool Negated = false;
};

// The clause's expression as a term or "not term" of its variable; EFzyException naming the
// rule's line and the expression when it is anything else (a hedge, an operator).
TModelClause ModelClauseOf(const TRuleClause& clause, const TRuleText& rule,
                           const std::string& format);

// The condition in infix with the format's words, every compound part in parentheses but the
// whole: "(a IS x OR b IS y) AND c IS z".
std::string InfixCondition(const TRuleText& rule, const std::vector<std::string>& premises,
                           const std::string& andWord, const std::string& orWord);

}  // namespace fuzzy
