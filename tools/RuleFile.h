// The rule files of `fuzzy infer`: one rule a line,
//   if VARIABLE is EXPRESSION [and VARIABLE is EXPRESSION]... then VARIABLE is EXPRESSION
// with "#" starting a comment. An "and" followed by "VARIABLE is" starts the next premise; any
// other "and" belongs to the expression (as in "good and not excellent").
#pragma once

#include <string>
#include <vector>

namespace fuzzy::tool {

// "VARIABLE is EXPRESSION".
struct TRuleClause {
  std::string Variable;
  std::string Expression;
};

struct TRule {
  int Line = 0;
  std::string Text;  // the rule as written, comment and surrounding blanks removed
  std::vector<TRuleClause> Premises;
  TRuleClause Conclusion;
};

// Every rule of `text`; the first malformed line raises TCheckFailure "SOURCE:LINE: message".
std::vector<TRule> ParseRules(const std::string& text, const std::string& sourceName);

}  // namespace fuzzy::tool
