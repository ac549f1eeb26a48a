// Takagi-Sugeno outputs and premise families against hand computations, mixed with a fuzzy-set
// output in one rule base; the settings lines of a rule text, written and read back, and refused
// with their line.
#include <gtest/gtest.h>

#include <cmath>

#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"
#include "fuzzy/rules/RuleSettings.h"
#include "fuzzy/rules/RuleTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::TippingDefinitions;
using testing_support::TRuleLogic;

const std::string SugenoDefinitions =
    std::string(TippingDefinitions) +
    "(deffuzzy rate (range 0 100) (values (term low (constant 5))"
    " (term high (linear 1 (service 2) (food 0.5))) (term mid (tri 4 5 6))))";

// service 4 is good to 2/3; food 2 is poor and rancid to 1/2 each. high at (4, 2) is
// 1 + 2 * 4 + 0.5 * 2 = 10, low is 5.
const char* SugenoRules =
    "if service is good and food is poor then rate is high\n"
    "if service is good or food is rancid then rate is low and tip is average\n";

struct TSugenoCase {
  const char* Settings;
  TFzyFloat Expected;
};

class SugenoFiring : public ::testing::TestWithParam<TSugenoCase> {};

TEST_P(SugenoFiring, MatchesTheHandComputation) {
  TRuleLogic logic(SugenoDefinitions);
  const auto rules =
      Own(TRuleBase::Create(logic.Logic.get(), std::string(GetParam().Settings) + SugenoRules));
  ASSERT_TRUE(rules->IsSugenoOutput(0));
  ASSERT_FALSE(rules->IsSugenoOutput(1));
  const auto& outcomes = rules->Fire({{"service", 4.0}, {"food", 2.0}});
  EXPECT_EQ(outcomes[0].Status, rosFired);
  EXPECT_EQ(outcomes[0].Result, nullptr);
  EXPECT_NEAR(outcomes[0].Value, GetParam().Expected, 1e-12);
  ASSERT_EQ(outcomes[0].Fired.size(), 2u);
  // The fuzzy-set output beside it: average cut evenly around its middle.
  EXPECT_NEAR(outcomes[1].Value, 15.0, 1e-9);
  std::vector<TFzyFloat> batch(4);
  rules->FireBatch(std::vector<TFzyFloat>{4, 2, 4, 2}, batch);
  EXPECT_NEAR(batch[2], GetParam().Expected, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SugenoFiring,
    ::testing::Values(
        // weights 1/2 and 2/3
        TSugenoCase{"", (0.5 * 10 + 2.0 / 3 * 5) / (0.5 + 2.0 / 3)},
        TSugenoCase{"use sugeno sum\n", 0.5 * 10 + 2.0 / 3 * 5},
        // weights 2/3 * 1/2 = 1/3 and 2/3 + 1/2 - 1/3 = 5/6
        TSugenoCase{"use and product\nuse or product\n", (10.0 / 3 + 25.0 / 6) / (7.0 / 6)},
        // bounded sums: max(0, 2/3 + 1/2 - 1) = 1/6 and min(1, 7/6) = 1
        TSugenoCase{"use and bounded-sum\nuse or bounded-sum\n", (10.0 / 6 + 5) / (7.0 / 6)}));

TEST(SugenoFiring, SaysWhenNoRuleFiredAndTakesItsDefault) {
  TRuleLogic logic(SugenoDefinitions);
  auto rules = Own(TRuleBase::Create(logic.Logic.get(), SugenoRules));
  EXPECT_EQ(rules->Fire({{"service", 9.5}, {"food", 9.0}})[0].Status, rosNoRuleFired);
  EXPECT_TRUE(std::isnan(rules->GetOutcomes()[0].Value));
  rules =
      Own(TRuleBase::Create(logic.Logic.get(), std::string("use default rate 3\n") + SugenoRules));
  EXPECT_DOUBLE_EQ(rules->Fire({{"service", 9.5}, {"food", 9.0}})[0].Value, 3.0);
}

TEST(SugenoFiring, ALinearTermsVariablesAreInputsThoughNoPremiseReadsThem) {
  TRuleLogic logic(SugenoDefinitions);
  const auto rules = Own(TRuleBase::Create(logic.Logic.get(), "if food is poor then rate is high"));
  ASSERT_EQ(rules->GetInputs().size(), 2u);
  EXPECT_NEAR(rules->Fire({{"service", 1.0}, {"food", 3.0}})[0].Value, 1 + 2 + 1.5, 1e-12);
}

struct TBadRules {
  const char* Text;
  int Line;
  const char* Word;
};

class RuleSettingsFaults : public ::testing::TestWithParam<TBadRules> {};

TEST_P(RuleSettingsFaults, NameTheirLineAndWord) {
  TRuleLogic logic(SugenoDefinitions);
  try {
    Own(TRuleBase::Create(logic.Logic.get(), GetParam().Text));
    FAIL() << "no error";
  } catch (const EFzyRuleException& error) {
    EXPECT_EQ(error.GetLine(), GetParam().Line) << error.GetMessage();
    EXPECT_EQ(error.GetWord(), GetParam().Word) << error.GetMessage();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RuleSettingsFaults,
    ::testing::Values(
        TBadRules{"if service is good then rate is high\nif food is poor then rate is mid\n", 2,
                  "rate"},
        TBadRules{"if food is poor then tip is cheap\nuse and sum\n", 2, "sum"},
        TBadRules{"use inference max\nif food is poor then tip is cheap\n", 1, "max"},
        TBadRules{"if food is poor then tip is cheap\n\nuse threshold 2\n", 3, "2"},
        TBadRules{"use default mood 1\nif food is poor then tip is cheap\n", 1, "mood"},
        TBadRules{"use frobnicate 1\n", 1, "frobnicate"},
        TBadRules{"use correlation\n", 1, "correlation"}, TBadRules{"use clamp now\n", 1, "now"},
        TBadRules{"use threshold x\n", 1, "x"}));

TEST(RuleSettings, AreWrittenSoThatTheyReadBackTheSame) {
  TRuleLogic logic(SugenoDefinitions);
  const std::string text =
      "use and product\nuse or mean\nuse correlation product\nuse inference sum\n"
      "use defuzzification mom\nuse sugeno sum\nuse threshold 0\nuse clamp\n"
      "use default rate 2.5\n" +
      std::string(SugenoRules);
  const auto rules = Own(TRuleBase::Create(logic.Logic.get(), text));
  EXPECT_EQ(FormatRuleBase(*rules), text);
  EXPECT_EQ(rules->GetOrOperation(), foMean);
  EXPECT_EQ(rules->GetInferenceMethod(), fimAdditive);
  EXPECT_EQ(FormatRuleBase(*Own(TRuleBase::Create(logic.Logic.get(), SugenoRules))), SugenoRules);
}

}  // namespace
}  // namespace fuzzy
