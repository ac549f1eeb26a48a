// fuzzy without arguments: the built-in tipping controller, end to end.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"
#include "tools/tests/XmlCheck.h"

namespace fuzzy::tool::test {
namespace {

class Demo : public TProgramFixture<> {
 protected:
  void SetUp() override {
    TProgramFixture<>::SetUp();
    FResult = Run({});
  }
  TRunResult FResult;
};

TEST_F(Demo, ShowsDefinitionsExpressionsAndATableOfTips) {
  ASSERT_EQ(FResult.ExitStatus, 0) << FResult.Err;
  EXPECT_EQ(FResult.Err, "");
  for (const char* heading : {"Definitions\n---", "Expressions\n---", "Rules\n---",
                              "Tips for a few meals (centre of gravity)\n---"}) {
    EXPECT_NE(FResult.Out.find(heading), std::string::npos) << heading;
  }
  EXPECT_NE(FResult.Out.find("(deffuzzy service "), std::string::npos);
  EXPECT_NE(FResult.Out.find("food      poor or rancid"), std::string::npos) << FResult.Out;
  EXPECT_NE(FResult.Out.find("service  food  tip (percent)  rules fired"), std::string::npos)
      << FResult.Out;
}

TEST_F(Demo, ItsDefinitionsAreThoseOfTheTippingExample) {
  const std::size_t start = FResult.Out.find("(deffuzzy ");
  const std::size_t end = FResult.Out.find("\nExpressions\n");
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  const TRunResult printed = Run({"print", SourceFile("examples/tipping.fzy")});
  std::string shown = FResult.Out.substr(start, end - start);
  std::string expected = printed.Out;
  std::erase(shown, '\n');
  std::erase(expected, '\n');
  EXPECT_EQ(shown, expected);
}

TEST_F(Demo, WritesThePlotThatTheReadmeShows) {
  const std::string written = ReadFile(InDir("fuzzy-example.svg"));
  EXPECT_NE(
      FResult.Out.find("Wrote the plot of every variable's terms to " + InDir("fuzzy-example.svg")),
      std::string::npos)
      << FResult.Out;
  const TXmlSummary svg = CheckXml(written);
  ASSERT_TRUE(svg.WellFormed) << svg.Error;
  EXPECT_EQ(svg.ElementCounts.at("polyline"), 10);
  EXPECT_TRUE(written == ReadFile(SourceFile("docs/fuzzy-example.svg")))
      << "docs/fuzzy-example.svg is out of date: run scripts/demo and copy "
         "build/fuzzy-example.svg to docs/";
}

}  // namespace
}  // namespace fuzzy::tool::test
