#include "fuzzy/formats/ModelRules.h"

#include <sstream>

#include "fuzzy/consts/FuzzyExceptions.h"

namespace fuzzy {

TModelClause ModelClauseOf(const TRuleClause& clause, const TRuleText& rule,
                           const std::string& format) {
  std::istringstream in(clause.Expression);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  const bool negated = words.size() == 2 && words[0] == "not";
  if (words.size() != 1 && !negated) {
    throw EFzyException("the rule at line " + std::to_string(rule.Line) + " reads \"" +
                        clause.Variable + " is " + clause.Expression + "\", which " + format +
                        " cannot hold: a clause names a term or \"not\" a term");
  }
  return {clause.Variable, words.back(), negated};
}

std::string InfixCondition(const TRuleText& rule, const std::vector<std::string>& premises,
                           const std::string& andWord, const std::string& orWord) {
  std::vector<std::string> stack;
  for (const TConditionStep& step : rule.Condition) {
    if (step.Kind == TConditionStep::ckPremise) {
      stack.push_back(premises[static_cast<std::size_t>(step.Premise)]);
      continue;
    }
    const std::string right = stack.back();
    stack.pop_back();
    const std::string& word = step.Kind == TConditionStep::ckAnd ? andWord : orWord;
    stack.back() = "(" + stack.back() + " " + word + " " + right + ")";
  }
  std::string text = stack.back();
  if (text.size() > 1 && text.front() == '(' && rule.Condition.size() > 1) {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

}  // namespace fuzzy
