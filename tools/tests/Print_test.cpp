// fuzzy print: what it writes reads back to the same definitions, through either model.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"

namespace fuzzy::tool::test {
namespace {

class Print : public TProgramFixture<::testing::TestWithParam<const char*>> {
 protected:
  // The printed form of `file`; fails the test when printing fails.
  std::string Printed(const std::string& file, bool throughInterface = false) const {
    std::vector<std::string> arguments{"print", file};
    if (throughInterface) arguments.push_back("--interface");
    const TRunResult result = Run(arguments);
    EXPECT_EQ(result.ExitStatus, 0) << result.Err;
    return result.Out;
  }
};

TEST_P(Print, OutputReadsBackToTheSameDefinitions) {
  const std::string source = SourceFile(GetParam());
  const std::string once = Printed(source);
  ASSERT_NE(once.find("(deffuzzy "), std::string::npos);
  const std::string twice = Printed(Write("printed.fzy", once));
  EXPECT_EQ(twice, once);
  EXPECT_EQ(Run({"check", InDir("printed.fzy")}).Out.substr(InDir("printed.fzy").size()),
            Run({"check", source}).Out.substr(source.size()));
}

TEST_P(Print, InterfaceModelWritesWhatTheObjectModelWrites) {
  const std::string source = SourceFile(GetParam());
  const std::string objects = Printed(source);
  const std::string interfaces = Printed(source, true);
  EXPECT_EQ(interfaces, objects);
  EXPECT_EQ(Printed(Write("printed.fzy", interfaces), true), interfaces);
}

INSTANTIATE_TEST_SUITE_P(Examples, Print,
                         ::testing::Values("examples/tipping.fzy", "examples/fan.fzy"),
                         [](const auto& info) {
                           return std::string(info.param).find("fan") != std::string::npos
                                      ? std::string("Fan")
                                      : std::string("Tipping");
                         });

using PrintLayout = TProgramFixture<>;

TEST_F(PrintLayout, NormalisesNumbersDropsCommentsAndKeepsUnitsWithBlanksQuoted) {
  const std::string file = Write("room.fzy",
                                 "; the room\n(deffuzzy room \"the room\" (range 10 35) "
                                 "(units \"degrees C\") (values (term warm (tri 20 25 30))))\n");
  const std::string printed = Run({"print", file}).Out;
  EXPECT_EQ(printed.find("; the room"), std::string::npos) << printed;
  EXPECT_NE(printed.find("\"the room\""), std::string::npos) << printed;
  EXPECT_NE(printed.find("(range 10.0000 35.0000)"), std::string::npos) << printed;
  EXPECT_NE(printed.find("(units \"degrees C\")"), std::string::npos) << printed;
  EXPECT_NE(printed.find("(term warm (tri 20.0000 25.0000 30.0000))"), std::string::npos)
      << printed;
}

}  // namespace
}  // namespace fuzzy::tool::test
