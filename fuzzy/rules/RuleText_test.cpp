// The rule syntax: how premises group and where expressions end, and the errors with their
// lines and words.
#include <gtest/gtest.h>

#include "fuzzy/rules/RuleErrors.h"
#include "fuzzy/rules/RuleText.h"

namespace fuzzy {
namespace {

// The condition as text: premises by index, "&" and "|" in postfix order.
std::string Postfix(const TRuleText& rule) {
  std::string text;
  for (const TConditionStep& step : rule.Condition) {
    if (!text.empty()) text += ' ';
    text += step.Kind == TConditionStep::ckPremise ? std::to_string(step.Premise)
            : step.Kind == TConditionStep::ckAnd   ? "&"
                                                   : "|";
  }
  return text;
}

std::string Clauses(const std::vector<TRuleClause>& clauses) {
  std::string text;
  for (const TRuleClause& clause : clauses) {
    text += (text.empty() ? "" : "; ") + clause.Variable + "=" + clause.Expression;
  }
  return text;
}

struct TSyntaxCase {
  const char* Name;
  const char* Rule;
  const char* Premises;
  const char* Condition;
  const char* Conclusions;
  double Weight;
};

std::ostream& operator<<(std::ostream& out, const TSyntaxCase& c) {
  return out << c.Name;
}

const TSyntaxCase SyntaxCases[] = {
    {"OnePremise", "if a is x then b is y", "a=x", "0", "b=y", 1.0},
    {"AndInsideExpression", "if a is very x and not z then b is y", "a=very x and not z", "0",
     "b=y", 1.0},
    {"OrInsideExpression", "if a is x or z then b is y", "a=x or z", "0", "b=y", 1.0},
    {"AndBindsTighter", "if a is x or b is y and c is z then d is w", "a=x; b=y; c=z", "0 1 2 & |",
     "d=w", 1.0},
    {"LeftToRight", "if a is x and b is y or c is z then d is w", "a=x; b=y; c=z", "0 1 & 2 |",
     "d=w", 1.0},
    {"Parentheses", "if (a is x or b is y) and c is z then d is w", "a=x; b=y; c=z", "0 1 | 2 &",
     "d=w", 1.0},
    {"ConnectiveBeforeGroup", "if a is x and (b is y or c is z) then d is w", "a=x; b=y; c=z",
     "0 1 2 | &", "d=w", 1.0},
    {"BracketsOfTheExpression", "if a is very (x or z) and b is y then d is w",
     "a=very ( x or z ); b=y", "0 1 &", "d=w", 1.0},
    {"SeveralConclusions", "if a is x then b is y and c is not z", "a=x", "0", "b=y; c=not z", 1.0},
    {"Weight", "if a is x then b is y with 0.25", "a=x", "0", "b=y", 0.25},
    {"CommentAndBlanks", "  if a  is x then b is y   # why", "a=x", "0", "b=y", 1.0},
};

class RuleSyntax : public ::testing::TestWithParam<TSyntaxCase> {};

TEST_P(RuleSyntax, ReadsPremisesConditionAndConclusions) {
  const TSyntaxCase& c = GetParam();
  const std::vector<TRuleText> rules = ParseRuleText(std::string("\n") + c.Rule + "\n");
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].Line, 2);
  EXPECT_EQ(Clauses(rules[0].Premises), c.Premises);
  EXPECT_EQ(Postfix(rules[0]), c.Condition);
  EXPECT_EQ(Clauses(rules[0].Conclusions), c.Conclusions);
  EXPECT_EQ(rules[0].Weight, c.Weight);
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleSyntax, ::testing::ValuesIn(SyntaxCases),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TFaultCase {
  const char* Name;
  const char* Rules;
  int Line;
  const char* Word;
  const char* Message;
};

std::ostream& operator<<(std::ostream& out, const TFaultCase& c) {
  return out << c.Name;
}

const TFaultCase FaultCases[] = {
    {"NoIf", "# x\nwhen a is x then b is y\n", 2, "when",
     "a rule starts with \"if\", found \"when\""},
    {"NoIs", "if a is x then b is y\nif a x then b is y\n", 2, "x",
     "expected \"is\" after \"a\", found \"x\""},
    {"NoThen", "if a is x\n", 1, "", "or \"then VARIABLE is ...\" after \"x\", found the end"},
    {"NoExpression", "if a is then b is y\n", 1, "then", "missing expression after \"a is\""},
    {"KeywordAsVariable", "if then is x then b is y\n", 1, "then", "expected a variable name"},
    {"UnclosedGroup", "if (a is x or b is y then c is z\n", 1, "(", "unmatched \"(\""},
    {"StrayBracket", "if a is x) then c is z\n", 1, ")", "unmatched \")\""},
    {"WeightAboveOne", "if a is x then b is y with 1.5\n", 1, "1.5",
     "the weight 1.5 lies outside 0 to 1"},
    {"NegativeWeight", "if a is x then b is y with -0.1\n", 1, "-0.1", "lies outside 0 to 1"},
    {"WeightNoNumber", "if a is x then b is y with much\n", 1, "much",
     "expected a weight from 0 to 1 after \"with\""},
    {"WeightMissing", "if a is x then b is y with\n", 1, "", "expected a weight"},
    {"TrailingWords", "if a is x then b is y with 0.5 more\n", 1, "more",
     "unexpected \"more\" after the conclusion"},
};

class RuleSyntaxFault : public ::testing::TestWithParam<TFaultCase> {};

TEST_P(RuleSyntaxFault, NamesLineAndWord) {
  const TFaultCase& c = GetParam();
  try {
    ParseRuleText(c.Rules);
    FAIL() << "no error";
  } catch (const EFzyRuleException& error) {
    EXPECT_EQ(error.GetLine(), c.Line);
    EXPECT_EQ(error.GetWord(), c.Word);
    EXPECT_NE(error.GetMessage().find(c.Message), std::string::npos) << error.GetMessage();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleSyntaxFault, ::testing::ValuesIn(FaultCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RuleText, ManyRulesAndLongConditionsNeedNoRecursion) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "if a is x and b is y then c is z\n";
  std::string longRule = "if a is x0";
  for (int i = 1; i < 1000; ++i)
    longRule +=
        (i % 3 == 0 ? " or (a is x" : " and a is x") + std::to_string(i) + (i % 3 == 0 ? ")" : "");
  text += longRule + " then c is z\n";
  const std::vector<TRuleText> rules = ParseRuleText(text);
  ASSERT_EQ(rules.size(), 100001u);
  EXPECT_EQ(rules.back().Premises.size(), 1000u);
  EXPECT_EQ(rules.back().Condition.size(), 1999u);
}

}  // namespace
}  // namespace fuzzy
