// fuzzy surface: a well-formed heat map with one cell per grid point, marked cells where no
// rule fired, and usage errors for inputs the rules do not read.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"
#include "tools/tests/XmlCheck.h"

namespace fuzzy::tool::test {
namespace {

const std::string Tipping = SourceFile("examples/tipping.fzy");
const std::string TippingRules = SourceFile("examples/tipping.rules");

using Surface = TProgramFixture<>;

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST_F(Surface, DrawsOneCellPerGridPointWithScaleAndAxes) {
  const TRunResult result = Run({"surface", Tipping, TippingRules, "--x", "service", "--y", "food",
                                 "--steps", "7", "-o", "tip.svg"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  const std::string svg = ReadFile(InDir("tip.svg"));
  const TXmlSummary summary = CheckXml(svg);
  ASSERT_TRUE(summary.WellFormed) << summary.Error;
  EXPECT_EQ(Count(svg, "<rect class=\"cell"), 49u);
  EXPECT_EQ(Count(svg, "class=\"cell no-rule\""), 0u);
  EXPECT_NE(svg.find(">service (points)</text>"), std::string::npos);
  EXPECT_NE(svg.find(">food (points)</text>"), std::string::npos);
  EXPECT_NE(svg.find(">tip (percent)</text>"), std::string::npos);
}

TEST_F(Surface, TakesAModelFileThatHoldsItsRules) {
  const std::string pump = SourceFile("examples/pump.fis");
  const TRunResult result =
      Run({"surface", pump, "--x", "level", "--y", "inflow", "--steps", "5", "-o", "pump.svg"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_EQ(Count(ReadFile(InDir("pump.svg")), "<rect class=\"cell"), 25u);
  EXPECT_EQ(Run({"surface", pump, TippingRules, "--x", "level", "--y", "inflow", "-o", "a.svg"})
                .ExitStatus,
            2);
}

TEST_F(Surface, MarksTheCellsWhereNoRuleFired) {
  const std::string rules = Write("rules",
                                  "if service is excellent and food is delicious then "
                                  "tip is generous\n");
  const TRunResult result = Run({"surface", Tipping, rules, "--x", "food", "--y", "service",
                                 "--steps", "4", "-o", "tip.svg"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  const std::string svg = ReadFile(InDir("tip.svg"));
  ASSERT_TRUE(CheckXml(svg).WellFormed);
  // Both premises hold only in the upper half of each axis: 2 x 2 of the 4 x 4 cells fire.
  EXPECT_EQ(Count(svg, "class=\"cell no-rule\""), 12u);
  EXPECT_EQ(Count(svg, "class=\"cell\""), 4u);
}

TEST_F(Surface, OtherInputsComeFromSetAndUnknownOnesAreRefused) {
  const std::string rules =
      Write("rules",
            "if service is good and food is poor then tip is average\n"
            "if service is poor and food is poor and service is not good then tip is cheap\n");
  EXPECT_EQ(
      Run({"surface", Tipping, rules, "--x", "service", "--y", "tip", "-o", "a.svg"}).ExitStatus,
      2);
  EXPECT_EQ(Run({"surface", Tipping, rules, "--x", "service", "--y", "food"}).ExitStatus, 2);
  EXPECT_EQ(Run({"surface", Tipping, rules, "--x", "service", "--y", "food", "--output", "service",
                 "-o", "a.svg"})
                .ExitStatus,
            2);
}

}  // namespace
}  // namespace fuzzy::tool::test
