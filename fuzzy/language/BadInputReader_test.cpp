// Text that users wrote reaches the reader unchecked. Whatever it holds, reading must end either
// normally or in the library's own exceptions, and the component must stay whole: what it holds
// afterwards is written by the writer and read back into a fresh component as the same text.
// Every case runs against both models.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "fuzzy/language/BadInputTestSupport.h"
#include "fuzzy/language/FuzzyLogicTokenStream.h"

namespace fuzzy {
namespace {

using testing_support::ModelCaseTestName;
using testing_support::ModelTestName;
using testing_support::Repeated;
using testing_support::TModel;
using testing_support::TOutcome;
using testing_support::TReadingComponent;
using testing_support::TRunResult;

// What the component holds after `text` was read (whatever the outcome) reads back unchanged.
void ExpectWholeAfterReading(TModel model, TReadingComponent& component) {
  const std::string written = component.Written();
  TReadingComponent copy(model);
  const TRunResult reread = copy.Read(written);
  ASSERT_EQ(reread.Outcome, TOutcome::Done) << reread.Message << "\nwritten:\n" << written;
  EXPECT_EQ(copy.Written(), written);
}

// ---- Named bad inputs ---------------------------------------------------------------------------

struct TBadText {
  const char* Name;
  std::string Text;
  TOutcome Outcome;
  int Line;  // for parse errors
};

std::vector<TBadText> BadTexts() {
  const int tooDeep = MaxFuzzyNesting + 1;
  const std::string megabyte(1 << 20, 'a');
  return {
      // Parentheses, brackets and quotes out of balance.
      {"UnclosedDefinition", "(deffuzzy a (range 0 10)", TOutcome::ParseError, 1},
      {"UnclosedClause", "(deffuzzy a\n(range 0 10", TOutcome::ParseError, 2},
      {"ExtraCloseAfterDefinition", "(deffuzzy a))", TOutcome::ParseError, 1},
      {"LeadingClose", ")(deffuzzy a)", TOutcome::ParseError, 1},
      {"OnlyOpens", "((((((", TOutcome::ParseError, 1},
      {"UnclosedTerm", "(deffuzzy a (values (term t (tri 0 1 2)", TOutcome::ParseError, 1},
      {"UnclosedPairList", "(deffuzzy a (values (term t ((0 0) (1 1)", TOutcome::ParseError, 1},
      {"OpenBracketInTerm", "(deffuzzy a (values (term t [low)))", TOutcome::ParseError, 1},
      {"CloseBracketInTerm", "(deffuzzy a (values (term lo (tri 0 1 2)) (term t lo])))",
       TOutcome::Done, 0},
      {"BracketAtTop", "]", TOutcome::ParseError, 1},
      {"UnclosedComment", "(deffuzzy a \"unclosed)", TOutcome::ParseError, 1},
      {"UnclosedUnits", "(deffuzzy a\n(units \"x))\n", TOutcome::ParseError, 2},
      {"LoneQuote", "\"", TOutcome::ParseError, 1},
      // Nesting beyond the limit, at the top, in a body and in brackets.
      {"DeepParentheses", Repeated("(", tooDeep) + Repeated(")", tooDeep), TOutcome::ParseError, 1},
      {"DeepTermBody",
       "(deffuzzy a (values (term t " + Repeated("(", tooDeep) + Repeated(")", tooDeep) + ")))",
       TOutcome::ParseError, 1},
      {"DeepBrackets",
       "(deffuzzy a (values (term lo (tri 0 1 2)) (term t " + Repeated("[", tooDeep) + "lo" +
           Repeated("]", tooDeep) + ")))",
       TOutcome::ParseError, 1},
      // Numbers that do not fit, or are not numbers at all.
      {"BeyondInt32IsAFloat", "(deffuzzy a (range 0 4294967296))", TOutcome::Done, 0},
      {"BeyondInt64IsAFloat", "(deffuzzy a (range -36893488147419103232 0))", TOutcome::Done, 0},
      {"ExponentTooLarge", "(deffuzzy a (range 0 1e999))", TOutcome::ParseError, 1},
      {"NegativeExponentTooLarge", "(deffuzzy a (range -1e999 0))", TOutcome::ParseError, 1},
      {"NotANumber", "(deffuzzy a (range nan 1))", TOutcome::ParseError, 1},
      {"SignedNotANumber", "(deffuzzy a (range -nan 1))", TOutcome::ParseError, 1},
      {"Infinity", "(deffuzzy a (range 0 inf))", TOutcome::ParseError, 1},
      {"SignedInfinity", "(deffuzzy a (range -inf 0))", TOutcome::ParseError, 1},
      {"InfinityInAPoint", "(deffuzzy a (values (term t ((0 0) (inf 1)))))", TOutcome::ParseError,
       1},
      {"NotANumberInAFunction", "(deffuzzy a (values (term t (tri 0 nan 1))))",
       TOutcome::ParseError, 1},
      {"HugeRange", "(deffuzzy a (range -1.7e308 1.7e308) (values (term t (tri -1e308 0 1e308))))",
       TOutcome::Done, 0},
      {"HugePoint", "(deffuzzy a (range 0 10) (values (term t ((0 0) (1e300 1) (-1e300 1)))))",
       TOutcome::Done, 0},
      // Bytes the language has no use for.
      {"HighBytesInNames", "(deffuzzy \xc3\xa9t\xe9 (values (term \xff\xfe (tri 0 1 2))))",
       TOutcome::Done, 0},
      {"NulInAName", std::string("(deffuzzy a\0b)", 14), TOutcome::ParseError, 1},
      {"NulAtTheStart", std::string("\0(deffuzzy a)", 13), TOutcome::Done, 0},
      {"NulInAString", std::string("(deffuzzy a \"x\0y\")", 19), TOutcome::Done, 0},
      {"EscapedCharactersInNames",
       "(deffuzzy a\\\\b\\(c\\ d\\; (values (term e\\\"f\\;g (s 0 1)) "
       "(term h very e\\\"f\\;g or-sum e\\\"f\\;g) (term e\\)g\\[ (tri 0 0.5 1)) "
       "(term p generally((0 0) (10 1)) and (tri 0 0.5 1)) (term <q\\< p) (term \\r\\\\ <q\\<)))",
       TOutcome::Done, 0},
      {"ControlCharacters",
       "(deffuzzy\x01"
       "a\x7f (range\t0\x0b"
       "1))",
       TOutcome::Done, 0},
      // A one-megabyte name, comment and number.
      {"MegabyteName", "(deffuzzy " + megabyte + ")", TOutcome::Done, 0},
      {"MegabyteComment", "(deffuzzy a \"" + megabyte + "\")", TOutcome::Done, 0},
      {"MegabyteNumber", "(deffuzzy a (range 0 " + std::string(1 << 20, '9') + "))",
       TOutcome::ParseError, 1},
      {"MegabyteTopLevelWord", megabyte, TOutcome::ParseError, 1},
      // Names that cannot be names.
      {"StringAsVariableName", "(deffuzzy \"\")", TOutcome::ParseError, 1},
      {"StringAsTermName", "(deffuzzy a (values (term \"\" (tri 0 1 2))))", TOutcome::ParseError,
       1},
      {"QuestionMarkAsTermName", "(deffuzzy a (values (term ? (tri 0 1 2))))", TOutcome::ParseError,
       1},
      {"NumberAsTermName", "(deffuzzy a (values (term 5 (tri 0 1 2))))", TOutcome::ParseError, 1},
      {"HedgeAsTermName", "(deffuzzy a (values (term very (tri 0 1 2))))", TOutcome::FzyError, 0},
      {"KeywordAsTermName", "(deffuzzy a (values (term and-mean (tri 0 1 2))))", TOutcome::FzyError,
       0},
      {"EmptySetNameAsTermName", "(deffuzzy a (values (term __Empty (tri 0 1 2))))",
       TOutcome::FzyError, 0},
      {"DuplicateTermNames", "(deffuzzy a (values (term t (tri 0 1 2))\n(term t (tri 1 2 3))))",
       TOutcome::ParseError, 2},
      {"DuplicateVariableNames", "(deffuzzy a)\n(deffuzzy a (range 0 5))", TOutcome::ParseError, 2},
      // Ranges and shapes that cannot be drawn as written.
      {"ReversedRange", "(deffuzzy a\n(range 10 0) (values (term t (tri 1 2 3))))",
       TOutcome::ParseError, 2},
      {"RangeOfOnePoint", "(deffuzzy a (range 5 5))", TOutcome::Done, 0},
      {"RefusedShapeArguments", "(deffuzzy a (values\n(term t (s 10 5))))", TOutcome::ParseError,
       2},
      // Bodies that are not what they look like.
      {"UnknownFunction", "(deffuzzy a (values (term t (blob 1 2))))", TOutcome::ParseError, 1},
      {"FunctionWithoutArguments", "(deffuzzy a (values (term t (tri))))", TOutcome::ParseError, 1},
      {"UnknownTermInExpression", "(deffuzzy a (values (term t very missing)))",
       TOutcome::ParseError, 1},
      {"OperatorWithoutOperands", "(deffuzzy a (values (term t and)))", TOutcome::ParseError, 1},
      {"SelfReferringExpression", "(deffuzzy a (values (term t t)))", TOutcome::ParseError, 1},
      {"PairOfThree", "(deffuzzy a (values (term t ((0 0 0) (1 1)))))", TOutcome::ParseError, 1},
      {"PairOfOne", "(deffuzzy a (values (term t ((0) (1 1)))))", TOutcome::ParseError, 1},
      {"EmptyBody", "(deffuzzy a (values (term t)))", TOutcome::Done, 0},
  };
}

void PrintTo(const TBadText& input, std::ostream* out) {
  *out << input.Name;
}

class BadReaderInput : public ::testing::TestWithParam<std::tuple<TModel, TBadText>> {};

TEST_P(BadReaderInput, EndsInTheLibrarysOwnErrorAndLeavesTheComponentWhole) {
  const auto& [model, input] = GetParam();
  TReadingComponent component(model);
  const TRunResult result = component.Read(input.Text);
  EXPECT_EQ(result.Outcome, input.Outcome) << result.Message;
  if (result.Outcome == TOutcome::ParseError && input.Outcome == TOutcome::ParseError) {
    EXPECT_EQ(result.Line, input.Line) << result.Message;
  }
  ExpectWholeAfterReading(model, component);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadReaderInput,
                         ::testing::Combine(::testing::Values(TModel::Object, TModel::Interface),
                                            ::testing::ValuesIn(BadTexts())),
                         ModelCaseTestName<TBadText>);

// ---- Every prefix of a valid text ---------------------------------------------------------------

// Two variables that use every kind of body, a comment, quoted units and an expression.
const char* const kValidText =
    "; heating\n"
    "(deffuzzy temp \"room air\"\n"
    "  (range 10 30)\n"
    "  (units \"deg C\")\n"
    "  (values\n"
    "    (term cold \"chilly\" (tri 10 10 20))\n"
    "    (term warm ((20 0) (25.5 1) (30 1)))\n"
    "    (term mild (pi 10 20))\n"
    "    (term pleasant [very warm] and-mean not cold)))\n"
    "(deffuzzy fan (range 0 100) (values (term slow (z 0 50)) (term fast (s 50 100))))\n";

class TruncatedText : public ::testing::TestWithParam<TModel> {
 protected:
  // The written form of the first definition alone, which every longer prefix keeps.
  std::string FirstDefinitionWritten(std::size_t& end) const {
    const std::string text = kValidText;
    end = text.find("(deffuzzy fan");
    TReadingComponent component(GetParam());
    EXPECT_EQ(component.Read(text.substr(0, end)).Outcome, TOutcome::Done);
    return component.Written();
  }
};

// A cut anywhere reads what came before it, fails in the library's own terms (a cut inside a
// function's numbers can leave arguments the shape refuses) or, at a clause boundary, reads
// less; the line of a parse error is never past the cut.
TEST_P(TruncatedText, EveryPrefixReadsOrFailsCleanly) {
  const std::string text = kValidText;
  std::size_t firstEnd = 0;
  const std::string first = FirstDefinitionWritten(firstEnd);
  for (std::size_t length = 0; length <= text.size(); ++length) {
    SCOPED_TRACE("prefix of " + std::to_string(length) + " characters");
    const std::string prefix = text.substr(0, length);
    TReadingComponent component(GetParam());
    const TRunResult result = component.Read(prefix);
    if (result.Outcome == TOutcome::ParseError) {
      const int lines = 1 + static_cast<int>(std::count(prefix.begin(), prefix.end(), '\n'));
      EXPECT_GE(result.Line, 1) << result.Message;
      EXPECT_LE(result.Line, lines) << result.Message;
    }
    if (length >= firstEnd) {
      EXPECT_EQ(component.Written().substr(0, first.size()), first);
    }
    ExpectWholeAfterReading(GetParam(), component);
  }
}

class DuplicateTerm : public ::testing::TestWithParam<TModel> {};

// The second term of a name would hide or replace the first; the first stays as it was read.
TEST_P(DuplicateTerm, IsRefusedWithItsNameAndLineAndTheFirstStays) {
  TReadingComponent component(GetParam());
  const TRunResult result = component.Read(
      "(deffuzzy a (range 0 5) (values (term t (tri 0 1 2))\n(term t (tri 1 2 3))))");
  EXPECT_EQ(result.Message.rfind("Parsing Error, Duplicate term name: \"t\" in ParseFuzzySet at "
                                 "line 2: ",
                                 0),
            0u)
      << result.Message;
  // An interface-model variable joins its component only once it is read whole.
  const std::string written = component.Written();
  if (GetParam() == TModel::Object) {
    EXPECT_NE(written.find("(term t (tri 0.0000 1.0000 2.0000))"), std::string::npos) << written;
  } else {
    EXPECT_EQ(written, "");
  }
}

class DuplicateVariable : public ::testing::TestWithParam<TModel> {};

// Read into a component that already has a variable of the name, a definition is refused the
// same way, and the variable there stays as it was.
TEST_P(DuplicateVariable, IsRefusedWithItsNameAndLineAndTheFirstStays) {
  TReadingComponent component(GetParam());
  ASSERT_EQ(component.Read("(deffuzzy a (range 0 5))").Outcome, TOutcome::Done);
  const std::string before = component.Written();
  const TRunResult result = component.Read("\n(deffuzzy a (range 1 2))");
  EXPECT_EQ(result.Message.rfind("Parsing Error, Duplicate variable name: \"a\" in "
                                 "ParseFuzzyVariable at line 2: ",
                                 0),
            0u)
      << result.Message;
  EXPECT_EQ(component.Written(), before);
}

INSTANTIATE_TEST_SUITE_P(Models, DuplicateVariable,
                         ::testing::Values(TModel::Object, TModel::Interface), ModelTestName);

INSTANTIATE_TEST_SUITE_P(Models, DuplicateTerm,
                         ::testing::Values(TModel::Object, TModel::Interface), ModelTestName);

INSTANTIATE_TEST_SUITE_P(Models, TruncatedText,
                         ::testing::Values(TModel::Object, TModel::Interface), ModelTestName);

}  // namespace
}  // namespace fuzzy
