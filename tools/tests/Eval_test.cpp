// fuzzy eval: the documented numbers of the tipping example (worked out by hand in README.md).
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"

namespace fuzzy::tool::test {
namespace {

struct TEvalCase {
  const char* Name;
  const char* Variable;
  const char* Expression;
  const char* CentreOfGravity;
  const char* MeanOfMaxima;
  const char* Point;  // one row the points table must hold
};

std::ostream& operator<<(std::ostream& out, const TEvalCase& c) {
  return out << c.Name;
}

const TEvalCase EvalCases[] = {
    // A symmetric triangle: both values at its peak.
    {"Triangle", "service", "good", "5.0000 points", "5.0000 points", "5.0000      1.0000"},
    // Plateau 0..1, falling to 0 at 3: (1 * 0.5 + 1 * (1 + 2/3)) / 2 and (0 + 1) / 2.
    {"PointList", "food", "rancid", "1.0833 points", "0.5000 points", "1.0000      1.0000"},
    // rancid and poor cross at (2, 0.5); areas 1, 0.75, 0.75, 1 around 0.5, 1.44, 2.56, 3.67.
    // The union starts at (1, 1), the membership continuing flat to the left, so its points
    // reach the maximum at 1 and 3 only.
    {"Union", "food", "poor or rancid", "2.0476 points", "2.0000 points", "2.0000      0.5000"},
    // rancid and poor overlap only in the triangle under their crossing.
    {"Intersection", "food", "poor and rancid", "2.0000 points", "2.0000 points",
     "2.0000      0.5000"},
};

class Eval : public TProgramFixture<::testing::TestWithParam<TEvalCase>> {};

TEST_P(Eval, PrintsThePointsAndBothCrispValues) {
  const TEvalCase& c = GetParam();
  const TRunResult result =
      Run({"eval", SourceFile("examples/tipping.fzy"), c.Variable, c.Expression});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_EQ(result.Out.rfind(std::string(c.Variable) + " is " + c.Expression + "\n", 0), 0u);
  EXPECT_NE(result.Out.find(c.Point), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("centre of gravity  " + std::string(c.CentreOfGravity) + "\n"),
            std::string::npos)
      << result.Out;
  EXPECT_NE(result.Out.find("mean of maxima     " + std::string(c.MeanOfMaxima) + "\n"),
            std::string::npos)
      << result.Out;
}

INSTANTIATE_TEST_SUITE_P(Tipping, Eval, ::testing::ValuesIn(EvalCases),
                         [](const auto& info) { return std::string(info.param.Name); });

using EvalEmpty = TProgramFixture<>;

TEST_F(EvalEmpty, SaysThereIsNoCrispValueInsteadOfPrintingOne) {
  // The two shoulders of service do not overlap: "poor and excellent" is 0 everywhere.
  const TRunResult result =
      Run({"eval", SourceFile("examples/tipping.fzy"), "service", "poor and excellent"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_NE(result.Out.find("no centre of gravity and no mean of maxima"), std::string::npos)
      << result.Out;
  EXPECT_EQ(result.Out.find("centre of gravity  "), std::string::npos) << result.Out;
}

}  // namespace
}  // namespace fuzzy::tool::test
