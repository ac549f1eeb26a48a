#include "fuzzy/logic/CustomFuzzyLogic.h"

#include <gtest/gtest.h>

#include "fuzzy/logic/LogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::FzyMessageOf;
using testing_support::TFixedTextParser;
using testing_support::TRecordingFuzzyLogic;

TEST(CustomFuzzyLogic, ANewComponentHasTheDefaultSettings) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  EXPECT_EQ(logic->GetNumFunctionValues(), 7);
  EXPECT_EQ(logic->GetCorrelationMethod(), fcmMinimum);
  EXPECT_EQ(logic->GetInferenceMethod(), fimMinMax);
  EXPECT_EQ(logic->GetDefuzzificationMethod(), dmCenterOfGravity);
  EXPECT_EQ(logic->GetThreshold(), 0.01);
  EXPECT_TRUE(logic->GetAutoTerms());
  EXPECT_EQ(logic->GetParser(), nullptr);
  EXPECT_FALSE(logic->GetStringsStale());
  EXPECT_EQ(logic->GetStrings()->GetCount(), 0);
  EXPECT_EQ(logic->GetVariables()->GetCount(), 0);
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

TEST(CustomFuzzyLogic, TheVariableNamesAreKeptCaseInsensitively) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto names = Own(TStringList::Create());
  names->Add("Speed");
  logic->SetVariables(names.get());
  EXPECT_EQ(logic->GetVariables()->IndexOf("SPEED"), 0);
}

// ---- the parser link -----------------------------------------------------------------------

TEST(CustomFuzzyLogicParserLink, FreeingTheParserClearsTheComponentsLink) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  logic->SetParser(parser.get());
  EXPECT_EQ(logic->GetParser(), parser.get());
  parser.reset();
  EXPECT_EQ(logic->GetParser(), nullptr);
}

TEST(CustomFuzzyLogicParserLink, FreeingTheComponentClearsTheParsersLink) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  parser->SetFuzzyLogic(logic.get());
  logic.reset();
  EXPECT_EQ(parser->GetFuzzyLogic(), nullptr);
}

TEST(CustomFuzzyLogicParserLink, DroppingOneSideKeepsTheLinkTheOtherSideStillNeeds) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  logic->SetParser(nullptr);
  logic.reset();
  EXPECT_EQ(parser->GetFuzzyLogic(), nullptr);
}

TEST(CustomFuzzyLogicParserLink, AReplacedParserNoLongerReachesTheComponent) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto first = Own(TFixedTextParser::Create(nullptr));
  auto second = Own(TFixedTextParser::Create(nullptr));
  logic->SetParser(first.get());
  logic->SetParser(second.get());
  EXPECT_FALSE(logic->HasFreeNotification(first.get()));
  first.reset();
  EXPECT_EQ(logic->GetParser(), second.get());
}

// ---- text without a parser -----------------------------------------------------------------

TEST(CustomFuzzyLogicText, ParsingWithoutAParserIsRefusedAndLeavesTheTextAlone) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  logic->GetStrings()->Add("old");
  auto text = Own(TStringList::Create());
  text->Add("new");
  EXPECT_EQ(FzyMessageOf([&] { logic->Parse(); }), "Parser not assigned.  Cannot parse");
  EXPECT_EQ(FzyMessageOf([&] { logic->SetStrings(text.get()); }),
            "Parser not assigned.  Cannot parse");
  EXPECT_EQ(logic->GetStrings()->GetText(), "old\n");
}

TEST(CustomFuzzyLogicText, WhileLoadingTheTextIsTakenButNotParsed) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto text = Own(TStringList::Create());
  text->Add("new");
  logic->BeginLoading();
  logic->SetStrings(text.get());
  logic->UpdateStrings();
  EXPECT_EQ(logic->GetStrings()->GetText(), "new\n");
}

TEST(CustomFuzzyLogicText, ParsingHandsTheWholeTextToTheParser) {
  auto logic = Own(TCustomFuzzyLogic::Create(nullptr));
  auto parser = Own(TFixedTextParser::Create(nullptr));
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  logic->GetStrings()->SetText("first\nsecond");
  logic->Parse();
  EXPECT_EQ(parser->Parsed, std::vector<std::string>{"first\nsecond\n"});
}

}  // namespace
}  // namespace fuzzy
