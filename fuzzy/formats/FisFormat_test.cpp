// .fis models: read and fired, written back term by term and rule by rule (also through the
// library's own definitions and rules), and bad files refused with their line.
#include <gtest/gtest.h>

#include <cmath>

#include "fuzzy/formats/FisFormat.h"
#include "fuzzy/formats/FormatTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::ExpectReadError;
using testing_support::ExpectSameModel;
using testing_support::TBadModel;
using testing_support::ThroughOwnFormat;

const char* MamdaniFis = R"([System]
Name='fan'
Type='mamdani'
Version=2.0
NumInputs=2
NumOutputs=1
NumRules=3
AndMethod='prod'
OrMethod='probor'
ImpMethod='min'
AggMethod='max'
DefuzzMethod='centroid'

[Input1]
Name='heat'
Range=[0 40]
NumMFs=3
MF1='cold':'zmf',[5 20]
MF2='warm':'gaussmf',[4 22]
MF3='hot':'trapmf',[25 30 40 40]

[Input2]
Name='damp'
Range=[0 100]
NumMFs=2
MF1='dry':'sigmf',[-0.2 40]
MF2='wet':'gbellmf',[20 2 80]

[Output1]
Name='speed'
Range=[0 10]
NumMFs=3
MF1='low':'trimf',[0 0 5]
MF2='mid':'gauss2mf',[1 4 1.5 6]
MF3='high':'pimf',[5 8 10 10]

[Rules]
1 1, 1 (1) : 1
2 -1, 2 (0.5) : 2
3 0, 3 (1) : 1
)";

const char* SugenoFis = R"([System]
Name='pump'
Type='sugeno'
NumInputs=2
NumOutputs=1
NumRules=2
AndMethod='min'
OrMethod='max'
ImpMethod='prod'
AggMethod='sum'
DefuzzMethod='wtaver'

[Input1]
Name='level'
Range=[0 10]
NumMFs=2
MF1='low':'trimf',[0 0 10]
MF2='high':'trimf',[0 10 10]

[Input2]
Name='flow'
Range=[0 4]
NumMFs=1
MF1='any':'trapmf',[0 0 4 4]

[Output1]
Name='valve'
Range=[0 100]
NumMFs=2
MF1='shut':'constant',[10]
MF2='open':'linear',[2 5 30]

[Rules]
1 1, 1 (1) : 1
2 0, 2 (1) : 1
)";

TEST(FisFormat, ASugenoModelFiresAsComputedByHand) {
  const TFuzzyModel model = ReadFisModel(SugenoFis);
  // level 4: low 0.6, high 0.4; open at (4, 1) is 2 * 4 + 5 * 1 + 30 = 43.
  const auto& outcome = model.Rules->Fire({{"level", 4.0}, {"flow", 1.0}})[0];
  EXPECT_NEAR(outcome.Value, (0.6 * 10 + 0.4 * 43) / (0.6 + 0.4), 1e-12);
}

TEST(FisFormat, AMamdaniModelFiresWithItsMethods) {
  const TFuzzyModel model = ReadFisModel(MamdaniFis);
  EXPECT_EQ(model.Rules->GetAndOperation(), foProduct);
  EXPECT_EQ(model.Rules->GetOrOperation(), foProduct);
  EXPECT_EQ(model.Name, "fan");
  const auto& outcome = model.Rules->Fire({{"heat", 33.0}, {"damp", 50.0}})[0];
  EXPECT_TRUE(outcome.HasValue());
  EXPECT_GT(outcome.Value, 5.0);
}

class FisRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(FisRoundTrip, WritesTheSameModelBackDirectlyAndThroughOurFormat) {
  const TFuzzyModel model = ReadFisModel(GetParam());
  const std::string written = WriteFisModel(model);
  const TFuzzyModel again = ReadFisModel(written);
  ExpectSameModel(model, again);
  EXPECT_EQ(WriteFisModel(again), written);
  const TFuzzyModel own = ThroughOwnFormat(model);
  ExpectSameModel(model, own);
  EXPECT_EQ(WriteFisModel(own), written);
}

INSTANTIATE_TEST_SUITE_P(Models, FisRoundTrip, ::testing::Values(MamdaniFis, SugenoFis));

class FisFaults : public ::testing::TestWithParam<TBadModel> {};

TEST_P(FisFaults, EndInAnErrorWithTheLine) {
  ExpectReadError([](const std::string& bad) { ReadFisModel(bad); }, MamdaniFis, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FisFaults,
    ::testing::Values(TBadModel{"[Rules]\n1 1, 1 (1) : 1\n2 -1, 2 (0.5) : 2\n3 0, 3 (1) : 1\n", "",
                                29, "NumRules=3 but [Rules] has 0"},
                      TBadModel{"[Input2]", "[Inputs2]", 22, "unknown section [Inputs2]"},
                      TBadModel{"Version=2.0", "Colour=2.0", 4, "unknown key \"Colour\""},
                      TBadModel{"[4 22]", "[4 22 1]", 19, "gaussmf takes 2 numbers, not 3"},
                      TBadModel{"[0 40]", "[40 0]", 16, "does not rise"},
                      TBadModel{"[0 100]", "[0 nan]", 24, "does not rise"},
                      TBadModel{"'hot':", "'warm':", 20, "a second term \"warm\""},
                      TBadModel{"Name='damp'", "Name='heat'", 24, "a second variable \"heat\""},
                      TBadModel{"2 -1, 2", "2 -3, 2", 39, "damp has no term -3"},
                      TBadModel{"1 1, 1 (1)", "1 1 1, 1 (1)", 38, "needs 2 input and 1 output"},
                      TBadModel{"'centroid'", "'bisector'", 12, "\"bisector\" has no counterpart"},
                      TBadModel{"'prod'", "'myand'", 8, "\"myand\" has no counterpart"},
                      TBadModel{"'gbellmf'", "'fancymf'", 27, "'fancymf' has no counterpart"},
                      TBadModel{"NumMFs=2", "NumMFs=3", 22, "NumMFs=3 but has 2"},
                      TBadModel{"[5 20]", "[5 20", 18, "numbers in brackets"}));

}  // namespace
}  // namespace fuzzy
