// The exit status tells success (0), a failed check (1) and bad usage (2) apart, and every
// failure says what went wrong on standard error.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"

namespace fuzzy::tool::test {
namespace {

struct TExitCase {
  const char* Name;
  std::vector<std::string> Arguments;
  int ExitStatus;
  const char* Message;  // what the relevant output must contain
};

std::ostream& operator<<(std::ostream& out, const TExitCase& c) {
  return out << c.Name;
}

const std::string Tipping = SourceFile("examples/tipping.fzy");
const std::string TippingRules = SourceFile("examples/tipping.rules");

const TExitCase ExitCases[] = {
    {"Version", {"--version"}, 0, "fuzzy 0."},
    {"Help", {"--help"}, 0, "Usage: fuzzy [COMMAND"},
    {"HelpCommand", {"help", "infer"}, 0, "Usage: fuzzy infer (FILE RULES | MODEL.fis"},
    {"CommandHelpOption", {"plot", "--help"}, 0, "Usage: fuzzy plot"},
    {"UnknownCommand", {"frobnicate"}, 2, "unknown command \"frobnicate\""},
    {"HelpOnUnknownCommand", {"help", "frobnicate"}, 2, "no help on \"frobnicate\""},
    {"CheckWithoutFile", {"check"}, 2, "missing arguments; usage: fuzzy check FILE"},
    {"UnknownOption", {"check", "--bogus", Tipping}, 2, "unknown option --bogus"},
    {"FlagWithValue", {"print", "--interface=yes", Tipping}, 2, "takes no value"},
    {"EvalWithoutExpression", {"eval", Tipping, "service"}, 2, "missing arguments"},
    {"PrintTwoFiles", {"print", Tipping, Tipping}, 2, "unexpected argument"},
    {"PlotWithoutOutput", {"plot", Tipping}, 2, "missing -o OUT.svg"},
    {"OutputWithoutValue", {"plot", Tipping, "-o"}, 2, "option --output needs a value"},
    {"SetWithoutValue",
     {"infer", Tipping, TippingRules, "--set", "service"},
     2,
     "--set service: expected VARIABLE=NUMBER"},
    {"SetNotANumber",
     {"infer", Tipping, TippingRules, "--set", "service=good"},
     2,
     "expected VARIABLE=NUMBER"},
    {"InputMissing",
     {"infer", Tipping, TippingRules, "--set", "service=3"},
     2,
     "give --set food=VALUE"},
    {"ThresholdOutOfRange",
     {"infer", Tipping, TippingRules, "--set", "service=3", "--set", "food=3", "--threshold",
      "1.5"},
     2,
     "expected a number from 0 to 1"},
    {"UnknownMethod",
     {"infer", Tipping, TippingRules, "--set", "service=3", "--set", "food=3", "--defuzzify", "x"},
     2,
     "expected cog or mom"},
    {"MissingFile", {"check", "no-such-file.fzy"}, 1, "no-such-file.fzy: cannot read"},
    {"DirectoryAsFile", {"check", "."}, 1, "cannot read: it is a directory"},
    {"UnknownVariable",
     {"eval", Tipping, "waiter", "good"},
     1,
     "no variable \"waiter\" (it defines: service, food, tip)"},
    {"UnknownTerm",
     {"eval", Tipping, "service", "very", "godo"},
     1,
     "cannot evaluate \"very godo\" over service: Invalid item in fuzzy expression: godo"},
    {"InputOutsideRange",
     {"infer", Tipping, TippingRules, "--set", "service=15", "--set", "food=3"},
     1,
     "service=15 lies outside its range 0 to 10"},
    {"SetForUnknownVariable",
     {"infer", Tipping, TippingRules, "--set", "service=3", "--set", "food=3", "--set", "wine=9"},
     1,
     "no variable \"wine\""},
};

class ExitStatus : public TProgramFixture<::testing::TestWithParam<TExitCase>> {};

TEST_P(ExitStatus, IsTheDocumentedOneWithAMessage) {
  const TExitCase& c = GetParam();
  const TRunResult result = Run(c.Arguments);
  EXPECT_EQ(result.ExitStatus, c.ExitStatus) << result.Err;
  const std::string& said = c.ExitStatus == 0 ? result.Out : result.Err;
  EXPECT_NE(said.find(c.Message), std::string::npos) << "output:\n" << said;
  if (c.ExitStatus == 2) {
    EXPECT_NE(result.Err.find("Run \"fuzzy --help\" for usage."), std::string::npos);
  }
  if (c.ExitStatus != 0) {
    EXPECT_EQ(result.Out, "") << "a failure prints no result";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitStatus, ::testing::ValuesIn(ExitCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fuzzy::tool::test
