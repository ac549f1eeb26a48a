#include "fuzzy/logic/CustomFuzzyLogic.h"

#include <gtest/gtest.h>

#include "fuzzy/logic/LogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::TFixedTextParser;
using testing_support::TRecordingFuzzyLogic;

TEST(CustomFuzzyLogic, ANewComponentHasTheDefaultSettingsAndNoVariables) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  EXPECT_EQ(logic->GetNumFunctionValues(), 7);
  EXPECT_EQ(logic->GetCorrelationMethod(), fcmMinimum);
  EXPECT_EQ(logic->GetInferenceMethod(), fimMinMax);
  EXPECT_EQ(logic->GetDefuzzificationMethod(), dmCenterOfGravity);
  EXPECT_EQ(logic->GetThreshold(), 0.01);
  EXPECT_EQ(logic->GetParser(), nullptr);
  ASSERT_NE(logic->GetItems(), nullptr);
  EXPECT_EQ(logic->GetItems()->GetCount(), 0);
}

class CustomFuzzyLogicNumFunctionValues : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(CustomFuzzyLogicNumFunctionValues, IsNeverBelowTwo) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  logic->SetNumFunctionValues(GetParam().first);
  EXPECT_EQ(logic->GetNumFunctionValues(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, CustomFuzzyLogicNumFunctionValues,
                         ::testing::Values(std::pair{1, 2}, std::pair{-3, 2}, std::pair{2, 2},
                                           std::pair{12, 12}));

class CustomFuzzyLogicThreshold : public ::testing::TestWithParam<std::pair<TFzyFloat, TFzyFloat>> {
};

TEST_P(CustomFuzzyLogicThreshold, IsKeptBetweenZeroAndOneAndAnnounced) {
  auto logic = Own(TRecordingFuzzyLogic::Create());
  logic->SetThreshold(GetParam().first);
  EXPECT_EQ(logic->GetThreshold(), GetParam().second);
  EXPECT_EQ(logic->Calls, std::vector<std::string>{"ThresholdChanged"});
  logic->SetThreshold(logic->GetThreshold());
  EXPECT_EQ(logic->Calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Values, CustomFuzzyLogicThreshold,
                         ::testing::Values(std::pair{1.5, 1.0}, std::pair{-1.0, 0.0},
                                           std::pair{0.5, 0.5}));

// ---- the parser link -----------------------------------------------------------------------

TEST(CustomFuzzyLogicParser, FreeingTheParserClearsTheComponentsLink) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  logic->SetParser(parser.get());
  EXPECT_EQ(logic->GetParser(), parser.get());
  parser.reset();
  EXPECT_EQ(logic->GetParser(), nullptr);
}

TEST(CustomFuzzyLogicParser, FreeingTheComponentClearsTheParsersLink) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  parser->SetFuzzyLogic(logic.get());
  logic.reset();
  EXPECT_EQ(parser->GetFuzzyLogic(), nullptr);
}

TEST(CustomFuzzyLogicParser, DroppingOneSideKeepsTheLinkTheOtherSideStillNeeds) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  logic->SetParser(nullptr);
  logic.reset();
  EXPECT_EQ(parser->GetFuzzyLogic(), nullptr);
}

TEST(CustomFuzzyLogicParser, AVariableOfAComponentWithAParserPrintsThroughIt) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  TFuzzyVariable* variable = TFuzzyVariable::Create(logic->GetItems());
  variable->SetName("speed");
  EXPECT_EQ(variable->ToString(), "speed");
  logic->SetParser(parser.get());
  EXPECT_EQ(variable->ToString(), "(deffuzzy speed)");
}

}  // namespace
}  // namespace fuzzy
