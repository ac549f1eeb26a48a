// Expressions that users typed reach the evaluator unchecked. Whatever they hold, evaluating
// must end normally or in the library's own exceptions, and must never change a term: the
// written variable is the same before and after. Every case runs against both models.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "fuzzy/language/BadInputTestSupport.h"
#include "fuzzy/language/FuzzyLogicTokenStream.h"

namespace fuzzy {
namespace {

using testing_support::ModelCaseTestName;
using testing_support::Repeated;
using testing_support::TModel;
using testing_support::TOutcome;
using testing_support::TReadingComponent;
using testing_support::TRunResult;

// Seven terms of every kind of body.
const char* const kVariable =
    "(deffuzzy temp (range 0 10) (values\n"
    "  (term cold ((0 1) (4 0))) (term cool (tri 2 4 6)) (term mild (tri 3 5 7))\n"
    "  (term warm (tri 4 6 8)) (term hot ((6 0) (10 1))) (term low (z 0 5))\n"
    "  (term high (s 5 10))))\n";

struct TBadExpression {
  const char* Name;
  std::string Text;
  TOutcome Outcome;
};

std::vector<TBadExpression> BadExpressions() {
  const int tooDeep = MaxFuzzyNesting + 1;
  const std::string megabyte(1 << 20, 'a');
  return {
      // Brackets, parentheses and quotes out of balance.
      {"UnclosedBracket", "[cold or hot", TOutcome::Done},
      {"UnopenedBracket", "cold or hot]", TOutcome::Done},
      {"OnlyClosingBrackets", "]]]", TOutcome::Done},
      {"OnlyOpeningBrackets", "[[[", TOutcome::Done},
      {"UnclosedParenthesis", "very (tri 0 5", TOutcome::ParseError},
      {"LoneOpeningParenthesis", "(", TOutcome::ParseError},
      {"TextAfterUnmatchedParenthesis", "cold ) and", TOutcome::ParseError},
      {"UnclosedString", "\"cold", TOutcome::ParseError},
      // Nesting beyond the limit, and long but flat chains.
      {"DeepBrackets", Repeated("[", tooDeep) + "cold" + Repeated("]", tooDeep),
       TOutcome::ParseError},
      {"DeepParentheses", Repeated("(", tooDeep) + Repeated(")", tooDeep), TOutcome::ParseError},
      {"DeepestAllowedBrackets",
       Repeated("[", MaxFuzzyNesting) + "cold" + Repeated("]", MaxFuzzyNesting), TOutcome::Done},
      {"TenThousandHedges", Repeated("not ", 10000) + "cold", TOutcome::Done},
      // Every partial result keeps its own expression text, so the chain's cost grows with the
      // square of its length; two thousand keeps the suite quick.
      {"TwoThousandOperators", Repeated("cold and ", 2000) + "hot", TOutcome::Done},
      // Operators without operands.
      {"LoneKeyword", "and", TOutcome::ParseError},
      {"TrailingKeyword", "cold or-mean", TOutcome::ParseError},
      {"LoneHedge", "very", TOutcome::ParseError},
      {"LoneHedgeOperator", "^", TOutcome::ParseError},
      {"HedgeOperatorWithoutNumber", "cold +", TOutcome::ParseError},
      {"HedgeInsideEmptyBrackets", "not []", TOutcome::ParseError},
      // Numbers that do not fit, or are not numbers.
      {"BeyondInt32", "4294967296 or cold", TOutcome::Done},
      {"BeyondInt64", "cold + 36893488147419103232", TOutcome::Done},
      {"HugeNumber", "1.7e308 or cold", TOutcome::Done},
      {"ExponentTooLarge", "1e999", TOutcome::ParseError},
      {"NotANumber", "nan", TOutcome::ParseError},
      {"Infinity", "cold ^ inf", TOutcome::ParseError},
      {"SignedInfinity", "-inf", TOutcome::ParseError},
      {"NotANumberInAPoint", "((0 0) (nan 1))", TOutcome::ParseError},
      {"HugePoints", "very ((-1e300 0) (1e300 1))", TOutcome::Done},
      {"HugeFunctionArguments", "(tri -1e308 0 1e308)", TOutcome::Done},
      // Bytes the language has no use for.
      {"HighBytes", "\xff\xfe and cold", TOutcome::ParseError},
      {"NulBetweenOperands", std::string("cold\0hot", 8), TOutcome::ParseError},
      {"NulInAName", std::string("co\0ld", 5), TOutcome::ParseError},
      {"MegabyteName", megabyte, TOutcome::ParseError},
      {"MegabyteNumber", std::string(1 << 20, '7'), TOutcome::ParseError},
      // Words the evaluator reserves, names it does not know, bodies it cannot use.
      {"EmptySetName", "__Empty or cold", TOutcome::Done},
      {"UnknownName", "cold or lukewarm", TOutcome::ParseError},
      {"QuotedName", "\"cold\" and \"hot\"", TOutcome::Done},
      {"EmptyList", "()", TOutcome::ParseError},
      {"UnknownFunction", "(blob 1 2)", TOutcome::ParseError},
      {"FunctionWithTooFewArguments", "(tri 1)", TOutcome::ParseError},
      {"FunctionWithAWord", "(tri 1 two 3)", TOutcome::ParseError},
      {"ShapeArgumentsReversed", "(s 10 5)", TOutcome::ParseError},
      {"PairOfThree", "((0 0 0) (1 1))", TOutcome::ParseError},
      {"PairOfWords", "((a b))", TOutcome::ParseError},
      {"VariableWithoutValue", "?nothing", TOutcome::Done},
  };
}

void PrintTo(const TBadExpression& input, std::ostream* out) {
  *out << input.Name;
}

class BadExpression : public ::testing::TestWithParam<std::tuple<TModel, TBadExpression>> {};

TEST_P(BadExpression, EndsInTheLibrarysOwnErrorAndLeavesTheTermsAlone) {
  const auto& [model, input] = GetParam();
  TReadingComponent component(model);
  ASSERT_EQ(component.Read(kVariable).Outcome, TOutcome::Done);
  const std::string before = component.Written();
  const TRunResult result = component.Evaluate("temp", input.Text);
  EXPECT_EQ(result.Outcome, input.Outcome) << result.Message;
  if (result.Outcome == TOutcome::ParseError) {
    EXPECT_EQ(result.Line, 1) << result.Message;
  }
  EXPECT_EQ(component.Written(), before);
}

INSTANTIATE_TEST_SUITE_P(Expressions, BadExpression,
                         ::testing::Combine(::testing::Values(TModel::Object, TModel::Interface),
                                            ::testing::ValuesIn(BadExpressions())),
                         ModelCaseTestName<TBadExpression>);

}  // namespace
}  // namespace fuzzy
