// fuzzy plot: well-formed SVG with one polyline per term, a legend of the term names and axis
// labels with the units.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/tests/ProgramRunner.h"
#include "tools/tests/XmlCheck.h"

namespace fuzzy::tool::test {
namespace {

class Plot : public TProgramFixture<> {
 protected:
  TXmlSummary Plotted(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "plot");
    const TRunResult result = Run(arguments);
    EXPECT_EQ(result.ExitStatus, 0) << result.Err;
    EXPECT_NE(result.Out.find("Wrote "), std::string::npos);
    EXPECT_NE(result.Out.find(InDir("plot.svg")), std::string::npos) << "says where it wrote";
    const TXmlSummary svg = CheckXml(ReadFile(InDir("plot.svg")));
    EXPECT_TRUE(svg.WellFormed) << svg.Error;
    EXPECT_EQ(svg.Root, "svg");
    return svg;
  }
  static bool Shows(const TXmlSummary& svg, const std::string& text) {
    return std::find(svg.Texts.begin(), svg.Texts.end(), text) != svg.Texts.end();
  }
};

TEST_F(Plot, DrawsEveryTermOfEveryVariableWithLegendAndUnits) {
  const TXmlSummary svg = Plotted({SourceFile("examples/fan.fzy"), "-o", "plot.svg"});
  EXPECT_EQ(svg.ElementCounts.at("polyline"), 10);
  EXPECT_EQ(svg.ElementCounts.at("g"), 3);  // one panel per variable
  for (const char* term :
       {"cold", "comfortable", "warm", "hot", "dry", "humid", "off", "slow", "brisk", "fast"}) {
    EXPECT_TRUE(Shows(svg, term)) << term;
  }
  EXPECT_TRUE(Shows(svg, "temperature (degrees C)"));
  EXPECT_TRUE(Shows(svg, "speed (percent)"));
  EXPECT_TRUE(Shows(svg, "membership"));
}

TEST_F(Plot, DrawsOnlyTheNamedVariables) {
  const TXmlSummary svg = Plotted({SourceFile("examples/tipping.fzy"), "tip", "--output=plot.svg"});
  EXPECT_EQ(svg.ElementCounts.at("polyline"), 3);
  EXPECT_TRUE(Shows(svg, "tip (percent)"));
  EXPECT_FALSE(Shows(svg, "service (points)"));
}

TEST_F(Plot, EscapesNamesThatAreNotPlainXml) {
  const std::string file = Write("odd.fzy",
                                 "(deffuzzy a>b \"<odd> & 'quoted'\" (range 0 1) (units \"m & s\") "
                                 "(values (term x>y ((0 0) (1 1)))))\n");
  const TXmlSummary svg = Plotted({file, "-o", "plot.svg"});
  EXPECT_TRUE(Shows(svg, "a>b \u2014 <odd> & 'quoted'"));
  EXPECT_TRUE(Shows(svg, "a>b (m & s)"));
  EXPECT_TRUE(Shows(svg, "x>y"));
}

TEST_F(Plot, AnUnknownVariableFailsWithoutWritingAFile) {
  const TRunResult result =
      Run({"plot", SourceFile("examples/tipping.fzy"), "wine", "-o", "plot.svg"});
  EXPECT_EQ(result.ExitStatus, 1);
  EXPECT_NE(result.Err.find("no variable \"wine\""), std::string::npos) << result.Err;
  EXPECT_FALSE(std::filesystem::exists(InDir("plot.svg")));
}

}  // namespace
}  // namespace fuzzy::tool::test
