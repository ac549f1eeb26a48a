// fuzzy convert, and the other commands given a .fis or FCL model: conversions that read back
// the same, inference from a model file, and errors that name file and line.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"

namespace fuzzy::tool::test {
namespace {

const std::string Pump = SourceFile("examples/pump.fis");
const std::string Heater = SourceFile("examples/heater.fcl");

using Convert = TProgramFixture<>;

TEST_F(Convert, AFisModelThroughOurPairWritesTheSameFisBack) {
  ASSERT_EQ(Run({"convert", Pump, InDir("direct.fis")}).ExitStatus, 0);
  ASSERT_EQ(Run({"convert", Pump, InDir("pump")}).ExitStatus, 0);
  const TRunResult back =
      Run({"convert", InDir("pump.fzy"), InDir("pump.rules"), InDir("back.fis")});
  ASSERT_EQ(back.ExitStatus, 0) << back.Err;
  EXPECT_EQ(ReadFile(InDir("back.fis")), ReadFile(InDir("direct.fis")));
}

TEST_F(Convert, AnFclModelConvertsToItselfUnchanged) {
  ASSERT_EQ(Run({"convert", Heater, InDir("once.fcl")}).ExitStatus, 0);
  ASSERT_EQ(Run({"convert", InDir("once.fcl"), InDir("twice.fcl")}).ExitStatus, 0);
  EXPECT_EQ(ReadFile(InDir("twice.fcl")), ReadFile(InDir("once.fcl")));
}

TEST_F(Convert, WhatTheTargetCannotHoldIsRefusedByName) {
  const TRunResult result = Run({"convert", Heater, InDir("heater.fis")});
  EXPECT_EQ(result.ExitStatus, 1);
  EXPECT_NE(result.Err.find("heater.fis: .fis cannot mix the Takagi-Sugeno output mode"),
            std::string::npos)
      << result.Err;
}

TEST_F(Convert, InferFiresAModelFile) {
  // level 6 is low to 2/9 and high to 7/9 (splines); inflow 0 is slow to 1 and fast to
  // e^(-25/4.5): (2/9 * 0 + 7/9 * 34 + 0.0039 * 90) / (1 + 0.0039) = 26.69.
  const TRunResult result = Run({"infer", Pump, "--set", "level=6", "--set", "inflow=0"});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_NE(result.Out.find("rate = 26.6"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("weighted average"), std::string::npos) << result.Out;
}

TEST_F(Convert, ABadModelIsNamedWithFileAndLine) {
  const std::string bad = Write("bad.fcl", "FUNCTION_BLOCK b\nVAR_INPUT\n  x : REAL\nEND_VAR\n");
  for (const char* command : {"check", "print"}) {
    const TRunResult result = Run({command, bad});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_NE(result.Err.find("bad.fcl:4: expected \";\""), std::string::npos) << result.Err;
  }
}

}  // namespace
}  // namespace fuzzy::tool::test
