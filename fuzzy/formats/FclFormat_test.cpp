// FCL models: comments and keywords in any case, every term form, rules fired against a hand
// computation, round trips within FCL, through the library's own format and across to .fis,
// and bad files refused with their line.
#include <gtest/gtest.h>

#include <cmath>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/formats/FclFormat.h"
#include "fuzzy/formats/FisFormat.h"
#include "fuzzy/formats/FormatTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::ExpectReadError;
using testing_support::ExpectSameModel;
using testing_support::TBadModel;
using testing_support::ThroughOwnFormat;

const char* HeaterFcl = R"(function_block heater // a room heater
VAR_INPUT
  temp : REAL; (* degrees *)
  hum : REAL;
END_VAR
VAR_OUTPUT
  power : REAL;
  mode : REAL;
END_VAR
FUZZIFY temp
  RANGE := (0 .. 30);
  TERM cold := (0, 1) (10, 1) (20, 0);
  TERM mild := trian 10 18 26;
  TERM warm := Trape 20 25 30 30;
END_FUZZIFY
fuzzify hum
  RANGE := (0 .. 100);
  TERM dry := sigm -0.1 40;
  TERM wet := gbell 20 2 80; /* a bell */
  TERM any := gauss 50 30;
END_FUZZIFY
DEFUZZIFY power
  RANGE := (0 .. 10);
  TERM low := trian 0 0 5;
  TERM high := cosine 7 6;
  METHOD : COG;
  DEFAULT := 0;
END_DEFUZZIFY
DEFUZZIFY mode
  TERM eco := 1;
  TERM boost := singleton 3;
  METHOD : COGS;
  DEFAULT := NC;
END_DEFUZZIFY
RULEBLOCK main
  AND : PROD;
  OR : ASUM;
  ACT : MIN;
  ACCU : MAX;
  RULE 1 : IF temp IS cold AND hum IS NOT wet THEN power IS high, mode IS boost;
  RULE 2 : IF (temp IS mild OR temp IS warm) AND hum IS any THEN power IS low WITH 0.5;
  RULE 3 : IF temp IS warm THEN mode IS eco;
END_RULEBLOCK
END_FUNCTION_BLOCK
)";

TEST(FclFormat, ReadsEveryTermFormAndFiresAsComputedByHand) {
  const TFuzzyModel model = ReadFclModel(HeaterFcl);
  EXPECT_EQ(model.Name, "heater");
  ASSERT_EQ(model.Rules->GetOutputs().size(), 2u);
  EXPECT_FALSE(model.Rules->IsSugenoOutput(0));
  EXPECT_TRUE(model.Rules->IsSugenoOutput(1));
  // temp 22: cold 0, mild 0.5, warm 0.4; rule 3 alone fires for mode, at 0.4.
  const auto& outcomes = model.Rules->Fire({{"temp", 22.0}, {"hum", 50.0}});
  EXPECT_NEAR(outcomes[1].Value, 1.0, 1e-12);
  // temp 5: cold 1, mild and warm 0; rule 1 gives boost at 1 - wet(hum).
  const double notWet = 1 - 1 / (1 + std::pow(std::fabs((50.0 - 80) / 20), 4));
  const auto& cold = model.Rules->Fire({{"temp", 5.0}, {"hum", 50.0}});
  EXPECT_NEAR(cold[1].Fired.front().Strength, notWet, 1e-3);
  EXPECT_NEAR(cold[1].Value, 3.0, 1e-12);
}

TEST(FclFormat, RoundTripsWithinFclAndThroughOurOwnFormat) {
  const TFuzzyModel model = ReadFclModel(HeaterFcl);
  const std::string written = WriteFclModel(model);
  const TFuzzyModel again = ReadFclModel(written);
  ExpectSameModel(model, again);
  EXPECT_EQ(WriteFclModel(again), written);
  EXPECT_EQ(WriteFclModel(ThroughOwnFormat(model)), written);
}

const char* ShapesBothHold = R"([System]
Name='both'
Type='mamdani'
NumInputs=1
NumOutputs=1
NumRules=2
AndMethod='min'
OrMethod='max'
ImpMethod='prod'
AggMethod='max'
DefuzzMethod='mom'

[Input1]
Name='x'
Range=[-5 5]
NumMFs=3
MF1='a':'gaussmf',[1.5 -2]
MF2='b':'gbellmf',[2 3 1]
MF3='c':'dsigmf',[4 -1 4 3]

[Output1]
Name='y'
Range=[0 1]
NumMFs=2
MF1='p':'trimf',[0 0.25 0.5]
MF2='q':'trapmf',[0.25 0.5 0.75 1]

[Rules]
1 , 1 (1) : 1
-3 , 2 (0.25) : 1
)";

TEST(FclFormat, AFisModelCrossesToFclAndBackTermByTermAndRuleByRule) {
  const TFuzzyModel fis = ReadFisModel(ShapesBothHold);
  const TFuzzyModel fcl = ReadFclModel(WriteFclModel(fis));
  ExpectSameModel(fis, fcl);
  EXPECT_EQ(WriteFisModel(fcl), WriteFisModel(fis));
}

// A name that would not read back as itself: the writer refuses the model instead.
struct TUnwritableName {
  const char* From;
  const char* To;
  const char* Message;
};

class FclNames : public ::testing::TestWithParam<TUnwritableName> {};

TEST_P(FclNames, ThatWouldNotReadBackAreRefused) {
  std::string text = ShapesBothHold;
  text.replace(text.find(GetParam().From), std::string(GetParam().From).size(), GetParam().To);
  const TFuzzyModel model = ReadFisModel(text);
  try {
    WriteFclModel(model);
    FAIL() << "written with " << GetParam().To;
  } catch (const EFzyException& error) {
    EXPECT_EQ(error.GetMessage(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FclNames,
    ::testing::Values(TUnwritableName{"MF2='q'", "MF2='q.5'", "\"q.5\" is no FCL name"},
                      TUnwritableName{"Name='y'", "Name='y-1'", "\"y-1\" is no FCL name"},
                      TUnwritableName{"Name='both'", "Name='2nd'", "\"2nd\" is no FCL name"},
                      TUnwritableName{"MF1='p'", "MF1='Then'", "\"Then\" is an FCL keyword"},
                      TUnwritableName{"Name='x'", "Name='end_var'",
                                      "\"end_var\" is an FCL keyword"}));

class FclFaults : public ::testing::TestWithParam<TBadModel> {};

TEST_P(FclFaults, EndInAnErrorWithTheLine) {
  ExpectReadError([](const std::string& bad) { ReadFclModel(bad); }, HeaterFcl, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FclFaults,
    ::testing::Values(
        TBadModel{"RULEBLOCK main", "<cut>", 35, "expected VAR_INPUT"},
        TBadModel{"(* degrees *)", "(* degrees", 3, "a comment is never closed"},
        TBadModel{"VAR_OUTPUT\n", "VAR_OUTPUTS\n", 6, "expected VAR_INPUT"},
        TBadModel{"METHOD : COG;", "METHOD : COA;", 26, "\"COA\" has no counterpart"},
        TBadModel{"ACT : MIN;", "ACT : MYACT;", 38, "\"MYACT\" has no counterpart"},
        TBadModel{"trian 10 18 26", "trian 10 18", 13, "trian takes 3 numbers"},
        TBadModel{"gauss 50 30", "gauss 50 30 1", 20, "gauss takes 2 numbers, not 3"},
        TBadModel{"gbell 20 2 80", "spline 20 2 80", 19, "\"spline\" has no counterpart"},
        TBadModel{"(0 .. 30)", "(30 .. 0)", 11, "does not rise"},
        TBadModel{"TERM mild", "TERM cold", 13, "a second term \"cold\""},
        TBadModel{"  mode : REAL;", "  hum : REAL;", 8, "a second variable \"hum\""},
        TBadModel{"hum IS any", "hum IS damp", 41, "hum has no term \"damp\""},
        TBadModel{"THEN mode IS eco", "THEN speed IS eco", 42, "no output \"speed\""},
        TBadModel{"(10, 1) (20, 0)", "(10, 1) (20, 2)", 12, "memberships from 0 to 1"},
        TBadModel{"END_RULEBLOCK", "END_RULEBLOCK\nRULEBLOCK more\nEND_RULEBLOCK", 44,
                  "a second RULEBLOCK"},
        TBadModel{"ACCU : MAX;", "ACCU : MAX;\n  ACCU : BSUM;", 40, "differs from line 39"}));

}  // namespace
}  // namespace fuzzy
