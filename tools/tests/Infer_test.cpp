// fuzzy infer: crisp outputs for known inputs, no number when no rule fires, rule-file errors
// with their lines.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"
#include "tools/tests/XmlCheck.h"

namespace fuzzy::tool::test {
namespace {

const std::string Tipping = SourceFile("examples/tipping.fzy");
const std::string TippingRules = SourceFile("examples/tipping.rules");

using Infer = TProgramFixture<>;

TEST_F(Infer, OneRuleAtFullStrengthGivesThePeakOfItsConclusion) {
  // service 5 is fully good and nothing else; food 5 is neither poor, rancid nor delicious.
  const TRunResult result =
      Run({"infer", Tipping, TippingRules, "--set", "service=5", "--set", "food=5"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_NE(result.Out.find("inputs: service = 5 points, food = 5 points\n"), std::string::npos);
  EXPECT_NE(result.Out.find("tip = 15.0000 percent  (centre of gravity, 1 rule fired)\n"),
            std::string::npos)
      << result.Out;
  EXPECT_NE(result.Out.find("6    1.0000  if service is good then tip is average"),
            std::string::npos)
      << result.Out;
}

TEST_F(Infer, TwoRulesCombineByTheirStrengths) {
  // food 2 is half poor and half rancid: "cheap" cut at 0.5 (area 3.75 around 5) joins
  // "average" at full strength (area 5 around 15): (3.75 * 5 + 5 * 15) / 8.75.
  const TRunResult result =
      Run({"infer", Tipping, TippingRules, "--set", "service=5", "--set", "food=2"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_NE(result.Out.find("tip = 10.7143 percent  (centre of gravity, 2 rules fired)\n"),
            std::string::npos)
      << result.Out;
  EXPECT_NE(result.Out.find("5    0.5000  if food is poor or rancid then tip is cheap"),
            std::string::npos)
      << result.Out;
}

TEST_F(Infer, MeanOfMaximaAndThresholdAreTheComponentsSettings) {
  const std::vector<std::string> inputs{"infer",     Tipping, TippingRules, "--set",
                                        "service=5", "--set", "food=2"};
  std::vector<std::string> mom = inputs;
  mom.insert(mom.end(), {"--defuzzify", "mom"});
  EXPECT_NE(Run(mom).Out.find("tip = 15.0000 percent  (mean of maxima, 2 rules fired)"),
            std::string::npos);
  std::vector<std::string> strict = inputs;
  strict.insert(strict.end(), {"--threshold", "0.6"});
  EXPECT_NE(Run(strict).Out.find("tip = 15.0000 percent  (centre of gravity, 1 rule fired)"),
            std::string::npos);
}

TEST_F(Infer, SaysSoWhenNoRuleFiresAndPrintsNoNumber) {
  const std::string rules = Write("rules", "if service is excellent then tip is generous\n");
  const TRunResult result = Run({"infer", Tipping, rules, "--set", "service=2"});
  EXPECT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_NE(result.Out.find("tip: no rule fired (1 rule concludes on tip, none reached the "
                            "threshold 0.0100), so there is no crisp value"),
            std::string::npos)
      << result.Out;
  EXPECT_EQ(result.Out.find("tip ="), std::string::npos) << result.Out;
}

TEST_F(Infer, ZeroThresholdFiringsOfStrengthZeroGiveNoNumber) {
  const std::string rules = Write("rules", "if service is excellent then tip is generous\n");
  const TRunResult result =
      Run({"infer", Tipping, rules, "--set", "service=2", "--threshold", "0"});
  EXPECT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_NE(result.Out.find("every rule that fired had strength 0, so there is no crisp value"),
            std::string::npos)
      << result.Out;
  EXPECT_EQ(result.Out.find("tip ="), std::string::npos) << result.Out;
}

TEST_F(Infer, PlotsTheTermsAndTheAccumulatedSetOfEachOutput) {
  const TRunResult result = Run({"infer", Tipping, TippingRules, "--set", "service=5", "--set",
                                 "food=2", "--plot", "out.svg"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  const TXmlSummary svg = CheckXml(ReadFile(InDir("out.svg")));
  ASSERT_TRUE(svg.WellFormed) << svg.Error;
  EXPECT_EQ(svg.ElementCounts.at("polyline"), 4);  // cheap, average, generous, result
}

struct TRuleFault {
  const char* Name;
  const char* Rules;
  int Line;
  const char* Message;
};

std::ostream& operator<<(std::ostream& out, const TRuleFault& c) {
  return out << c.Name;
}

const TRuleFault RuleFaults[] = {
    {"NoIf", "# tips\n\nservice is good then tip is average\n", 3, "a rule starts with \"if\""},
    {"NoIs", "if service is good then tip is average\nif service good then tip is cheap\n", 2,
     "expected \"is\" after \"service\""},
    {"NoThen", "if service is good\n", 1,
     "expected \"and VARIABLE is ...\" or \"then VARIABLE is ...\" after \"good\""},
    {"NoExpression", "if service is then tip is cheap\n", 1,
     "missing expression after \"service is\""},
    {"UnknownVariable", "if service is good then tips is cheap\n", 1, "no variable \"tips\""},
    {"BadExpression", "\n\nif food is good and very tasty then tip is generous # hm\n", 3,
     "cannot evaluate \"good and very tasty\" over food: Invalid item in fuzzy expression: tasty"},
};

class InferRuleFault : public TProgramFixture<::testing::TestWithParam<TRuleFault>> {};

TEST_P(InferRuleFault, NamesTheRuleFileAndLine) {
  const TRuleFault& c = GetParam();
  const std::string rules = Write("faulty.rules", c.Rules);
  const TRunResult result = Run({"infer", Tipping, rules, "--set", "service=5", "--set", "food=5"});
  EXPECT_EQ(result.ExitStatus, 1);
  const std::string location = "fuzzy: " + rules + ":" + std::to_string(c.Line) + ": ";
  EXPECT_EQ(result.Err.rfind(location, 0), 0u) << result.Err;
  EXPECT_NE(result.Err.find(c.Message), std::string::npos) << result.Err;
}

INSTANTIATE_TEST_SUITE_P(Cases, InferRuleFault, ::testing::ValuesIn(RuleFaults),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fuzzy::tool::test
