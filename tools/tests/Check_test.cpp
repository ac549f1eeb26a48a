// fuzzy check: OK with the counts for good files, and for a faulty one the file, the line and
// the message of its first error.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"

namespace fuzzy::tool::test {
namespace {

using Check = TProgramFixture<>;

TEST_F(Check, ReportsTheCountsOfEveryExample) {
  const std::string tipping = SourceFile("examples/tipping.fzy");
  const std::string fan = SourceFile("examples/fan.fzy");
  const TRunResult result = Run({"check", tipping, fan});
  EXPECT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_EQ(result.Out,
            tipping + ": OK, 3 variables, 10 terms\n" + fan + ": OK, 3 variables, 10 terms\n");
}

TEST_F(Check, AutomaticTermsCountOnlyWhenAskedFor) {
  const std::string file =
      Write("one.fzy", "(deffuzzy level (range 0 4) (values (term low (tri 0 0 2))))\n");
  EXPECT_EQ(Run({"check", file}).Out, file + ": OK, 1 variable, 1 term\n");
  // "low" is defined; "medium" and "high" are added.
  EXPECT_EQ(Run({"check", "--auto-terms", file}).Out, file + ": OK, 1 variable, 3 terms\n");
}

TEST_F(Check, GoesOnAfterAFaultyFileAndFailsAtTheEnd) {
  const std::string bad = Write("bad.fzy", "(deffuzzy a (range 0 x))\n");
  const std::string good = SourceFile("examples/fan.fzy");
  const TRunResult result = Run({"check", bad, good});
  EXPECT_EQ(result.ExitStatus, 1);
  EXPECT_EQ(result.Out, good + ": OK, 3 variables, 10 terms\n");
  EXPECT_NE(result.Err.find(bad + ":1: Expected number"), std::string::npos) << result.Err;
}

struct TFaultCase {
  const char* Name;
  const char* Text;
  int Line;
  const char* Message;
};

std::ostream& operator<<(std::ostream& out, const TFaultCase& c) {
  return out << c.Name;
}

const TFaultCase FaultCases[] = {
    {"RangeBoundNotANumber", "(deffuzzy depth\n  (units m)\n  (range 0 ten))\n", 3,
     "Expected number"},
    {"UnknownClause", "; a comment line\n(deffuzzy depth\n\n  (limits 0 10))\n", 4,
     "Missing keyword.  Expected \"range, units, or values\""},
    {"UnknownFunction",
     "(deffuzzy depth\n  (range 0 10)\n  (values\n    (term shallow (tru 0 1 2))))\n", 4,
     "Unknown function name: \"tru\""},
    {"WrongArgumentCount",
     "(deffuzzy depth\n  (range 0 10)\n  (values\n    (term a (tri 0 1 2))\n    (term b (tri 1 "
     "2))))\n",
     5, "Number of arguments for function, tri, incorrect"},
    {"UnknownTermInExpression",
     "(deffuzzy depth\n  (range 0 10)\n  (values\n    (term deep (tri 5 10 10))\n"
     "    (term shallow not dep)))\n",
     5, "Invalid item in fuzzy expression: dep"},
    {"ReservedTermName",
     "(deffuzzy depth\n  (range 0 10)\n  (values\n    (term very (tri 0 1 2))))\n", 4,
     "Invalid fuzzy set name, \"very\" is a reserved word"},
    {"WordAtTopLevel", "(deffuzzy depth (range 0 10))\n\nwater\n", 3,
     "Unexpected token: \"water\""},
    {"UnclosedTerm",
     "(deffuzzy depth\n  (range 0 10)\n  (values\n    (term a ((0 1) (5 0)) extra)))\n", 4,
     "Expected \")\""},
};

class CheckFault : public TProgramFixture<::testing::TestWithParam<TFaultCase>> {};

TEST_P(CheckFault, NamesTheFileTheLineAndTheMessage) {
  const TFaultCase& c = GetParam();
  const std::string file = Write("faulty.fzy", c.Text);
  const TRunResult result = Run({"check", file});
  EXPECT_EQ(result.ExitStatus, 1);
  const std::string expected =
      "fuzzy: " + file + ":" + std::to_string(c.Line) + ": " + std::string(c.Message);
  EXPECT_EQ(result.Err.rfind(expected, 0), 0u)
      << "expected: " << expected << "\ngot: " << result.Err;
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckFault, ::testing::ValuesIn(FaultCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fuzzy::tool::test
