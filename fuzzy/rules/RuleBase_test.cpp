// Firing a rule base: against the AssertRule path under every method, weights, "or", several
// conclusions, no rule fired, inputs out of range, batches against single firings, and a
// component that stays as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"
#include "fuzzy/rules/RuleTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::TRuleLogic;

struct TSimpleRule {
  const char* Input;
  const char* Premise;
  const char* Output;
  const char* Conclusion;
};

const TSimpleRule SimpleRules[] = {
    {"service", "poor", "tip", "cheap"},      {"food", "rancid", "tip", "cheap"},
    {"service", "good", "tip", "average"},    {"service", "excellent", "tip", "generous"},
    {"food", "delicious", "tip", "generous"},
};

std::string SimpleRuleText() {
  std::string text;
  for (const TSimpleRule& rule : SimpleRules) {
    text += std::string("if ") + rule.Input + " is " + rule.Premise + " then " + rule.Output +
            " is " + rule.Conclusion + "\n";
  }
  return text;
}

// The same rules fired by hand through the component's AssertRule, under its own methods.
TFzyFloat AssertRuleAnswer(TRuleLogic& reference, TFzyFloat service, TFzyFloat food) {
  TFuzzyVariable* tip = reference.Variable("tip");
  const auto crisp = [&](const char* name, TFzyFloat x) {
    auto set = Own(TFuzzySet::Create(reference.Variable(name)->GetItems()));
    set->CreateCrispValue(x);
    return set;
  };
  const auto serviceInput = crisp("service", service);
  const auto foodInput = crisp("food", food);
  TOwned<TFuzzySet> accumulated;
  for (const TSimpleRule& rule : SimpleRules) {
    TFuzzyVariable* input = reference.Variable(rule.Input);
    TFuzzySet* premise = input->GetItems()->GetItemByName(rule.Premise);
    TFuzzySet* given = std::string(rule.Input) == "service" ? serviceInput.get() : foodInput.get();
    TFuzzySet* fired = tip->AssertRule(premise, tip->GetItems()->GetItemByName(rule.Conclusion),
                                       given, accumulated.get());
    if (fired != nullptr) accumulated = Own(fired);
  }
  return accumulated ? accumulated->Defuzzify() : std::nan("");
}

struct TMethods {
  TFuzzyCorrelationMethod Correlation;
  TFuzzyInferenceMethod Inference;
  TDefuzzificationMethod Defuzzification;
};

class RuleBaseMethods : public ::testing::TestWithParam<TMethods> {};

TEST_P(RuleBaseMethods, FireAsAssertRuleDoes) {
  const TMethods& m = GetParam();
  TRuleLogic ours;
  TRuleLogic reference;
  reference.Logic->SetCorrelationMethod(m.Correlation);
  reference.Logic->SetInferenceMethod(m.Inference);
  reference.Logic->SetDefuzzificationMethod(m.Defuzzification);
  const auto rules = Own(TRuleBase::Create(ours.Logic.get(), SimpleRuleText()));
  rules->SetCorrelationMethod(m.Correlation);
  rules->SetInferenceMethod(m.Inference);
  rules->SetDefuzzificationMethod(m.Defuzzification);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> tenths(0, 100);
  for (int i = 0; i < 40; ++i) {
    const TFzyFloat service = tenths(random) / 10.0;
    const TFzyFloat food = tenths(random) / 10.0;
    const TRuleOutcome& tip = rules->Fire({{"service", service}, {"food", food}}).front();
    const TFzyFloat expected = AssertRuleAnswer(reference, service, food);
    if (std::isnan(expected)) {
      EXPECT_FALSE(tip.HasValue());
    } else if (tip.HasValue()) {
      EXPECT_DOUBLE_EQ(tip.Value, expected) << "service " << service << ", food " << food;
    }
  }
}

std::vector<TMethods> AllMethods() {
  std::vector<TMethods> all;
  for (auto c : {fcmMinimum, fcmProduct}) {
    for (auto i : {fimMinMax, fimAdditive, fimMean, fimProduct, fimBoundedSum}) {
      for (auto d : {dmCenterOfGravity, dmMeanOfMaxima}) all.push_back({c, i, d});
    }
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(All, RuleBaseMethods, ::testing::ValuesIn(AllMethods()));

TEST(RuleBase, WeightsOrAndSeveralConclusions) {
  TRuleLogic logic;
  // service 5 is fully good and not poor; food 2 is half poor and half rancid.
  const auto rules = Own(TRuleBase::Create(logic.Logic.get(),
                                           "if service is good and food is poor then tip is "
                                           "average with 0.5\n"
                                           "if service is poor or food is rancid then tip is "
                                           "cheap and mood is sad\n"));
  ASSERT_EQ(rules->GetOutputs().size(), 2u);
  const std::vector<TRuleOutcome>& outcomes = rules->Fire(std::vector<TFzyFloat>{5, 2});
  const TRuleOutcome& tip = outcomes[0];
  ASSERT_EQ(tip.Fired.size(), 2u);
  EXPECT_DOUBLE_EQ(tip.Fired[0].Strength, 0.25);
  EXPECT_DOUBLE_EQ(tip.Fired[1].Strength, 0.5);
  EXPECT_EQ(tip.Fired[1].Line, 2);
  // cheap cut at 0.5 (area 3.75 around 5) and average cut at 0.25 (area 2.1875 around 15).
  EXPECT_NEAR(tip.Value, (3.75 * 5 + 2.1875 * 15) / (3.75 + 2.1875), 1e-9);
  const TRuleOutcome& mood = outcomes[1];
  ASSERT_EQ(mood.Fired.size(), 1u);
  EXPECT_DOUBLE_EQ(mood.Fired[0].Strength, 0.5);
  EXPECT_NEAR(mood.Value, -0.5, 1e-12);
  EXPECT_EQ(mood.RuleCount, 1);
}

TEST(RuleBase, SaysSoWhenNoRuleFiresAndInventsNoNumber) {
  TRuleLogic logic;
  const auto rules =
      Own(TRuleBase::Create(logic.Logic.get(), "if service is excellent then tip is generous\n"));
  const TRuleOutcome& none = rules->Fire(std::vector<TFzyFloat>{2}).front();
  EXPECT_EQ(none.Status, rosNoRuleFired);
  EXPECT_TRUE(std::isnan(none.Value));
  EXPECT_EQ(none.Result, nullptr);
  rules->SetDefaultValue(0, 12);
  EXPECT_EQ(rules->Fire(std::vector<TFzyFloat>{2}).front().Value, 12);
  rules->SetThreshold(0.0);
  const TRuleOutcome& zero = rules->Fire(std::vector<TFzyFloat>{2}).front();
  EXPECT_EQ(zero.Status, rosZeroStrength);
  ASSERT_EQ(zero.Fired.size(), 1u);
  EXPECT_EQ(zero.Fired[0].Strength, 0.0);
  EXPECT_EQ(zero.Value, 12);
}

TEST(RuleBase, InputOutsideItsRangeIsAnErrorUnlessClamped) {
  TRuleLogic logic;
  const auto rules = Own(TRuleBase::Create(logic.Logic.get(), SimpleRuleText()));
  try {
    rules->Fire(std::vector<TFzyFloat>{11, 5});
    FAIL() << "no error";
  } catch (const EFzyRuleException& error) {
    EXPECT_EQ(error.GetWord(), "service");
    EXPECT_EQ(error.GetMessage(), "service=11 lies outside its range 0 to 10");
  }
  EXPECT_THROW(rules->Fire(std::vector<TFzyFloat>{std::nan(""), 5}), EFzyRuleException);
  EXPECT_THROW(rules->Fire({{"service", 5}}), EFzyException);
  rules->SetClampInputs(true);
  const TFzyFloat clamped = rules->Fire(std::vector<TFzyFloat>{11, 5}).front().Value;
  EXPECT_EQ(clamped, rules->Fire(std::vector<TFzyFloat>{10, 5}).front().Value);
}

TEST(RuleBase, BatchGivesWhatSingleFiringsGiveRowByRow) {
  TRuleLogic logic;
  const auto rules = Own(TRuleBase::Create(logic.Logic.get(), SimpleRuleText()));
  rules->SetThreshold(0.9);  // so that some rows fire nothing
  std::mt19937 random(11);
  std::uniform_real_distribution<TFzyFloat> rating(0, 10);
  std::vector<TFzyFloat> rows(2 * 300);
  for (TFzyFloat& value : rows) value = rating(random);
  std::vector<TFzyFloat> batch(300);
  rules->FireBatch(rows, batch);
  int missing = 0;
  for (std::size_t row = 0; row < batch.size(); ++row) {
    const TRuleOutcome& single =
        rules->Fire(std::span<const TFzyFloat>(rows).subspan(2 * row, 2)).front();
    if (std::isnan(single.Value)) {
      ++missing;
      EXPECT_TRUE(std::isnan(batch[row])) << row;
    } else {
      EXPECT_EQ(batch[row], single.Value) << row;
    }
  }
  EXPECT_GT(missing, 0);
  rows[2 * 7] = 12;
  try {
    rules->FireBatch(rows, batch);
    FAIL() << "no error";
  } catch (const EFzyRuleException& error) {
    EXPECT_EQ(error.GetLine(), 8);
    EXPECT_EQ(error.GetMessage().rfind("row 8: service=12", 0), 0u) << error.GetMessage();
  }
  EXPECT_THROW(rules->FireBatch(rows, std::span<TFzyFloat>(batch).first(3)), EFzyException);
}

int TermCount(const TRuleLogic& logic) {
  int count = 0;
  for (const char* name : {"service", "food", "tip", "mood"}) {
    count += logic.Variable(name)->GetItems()->GetCount();
  }
  return count;
}

TEST(RuleBase, FiringLeavesTheComponentAsItWas) {
  TRuleLogic logic;
  const int terms = TermCount(logic);
  const auto rules = Own(TRuleBase::Create(
      logic.Logic.get(), "if service is very good or somewhat excellent then tip is not cheap\n"));
  EXPECT_EQ(TermCount(logic), terms);
  int events = 0;
  logic.Logic->SetOnFuzzySetAdded([&](TObject*, TFuzzySet*) { ++events; });
  logic.Logic->SetOnFuzzySetChange([&](TObject*, TFuzzySet*) { ++events; });
  logic.Logic->SetOnFuzzySetDeleted([&](TObject*, TFuzzySet*) { ++events; });
  // An application set held across firings stays untouched.
  TFuzzySet* held = logic.Variable("tip")->GetItems()->Add("held");
  held->CreateTriangleFunctionValues(1, 2, 3);
  logic.Logic->GetStrings();  // current again
  events = 0;
  for (TFzyFloat service : {3.0, 5.0, 9.0}) {
    EXPECT_TRUE(rules->Fire(std::vector<TFzyFloat>{service}).front().HasValue());
  }
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(logic.Logic->GetStringsStale());
  EXPECT_EQ(TermCount(logic), terms + 1);
  EXPECT_EQ(held->GetValues()->GetCount(), 3);
  EXPECT_EQ(rules->GetOutputs().front(), logic.Variable("tip"));
}

struct TBuildFault {
  const char* Name;
  const char* Rules;
  int Line;
  const char* Word;
  const char* Message;
};

std::ostream& operator<<(std::ostream& out, const TBuildFault& c) {
  return out << c.Name;
}

const TBuildFault BuildFaults[] = {
    {"UnknownVariable", "if service is good then tips is cheap\n", 1, "tips",
     "no variable \"tips\""},
    {"BadExpression",
     "if service is good then tip is cheap\nif food is very tasty then tip is "
     "cheap\n",
     2, "very tasty", "cannot evaluate \"very tasty\" over food: "},
    {"OutputAsPremise", "if service is good then tip is cheap\nif tip is cheap then mood is sad\n",
     2, "tip", "tip is an output (concluded at line 1) and cannot be a premise"},
    {"InputConcluded",
     "if service is good then tip is cheap\nif food is poor then service is "
     "poor\n",
     2, "service", "service is an input (read at line 1) and cannot be concluded"},
    {"SyntaxFirst", "if service is good then tip is cheap\nif service good\n", 2, "good",
     "expected \"is\""},
};

class RuleBaseBuildFault : public ::testing::TestWithParam<TBuildFault> {};

TEST_P(RuleBaseBuildFault, NamesLineAndWordAndLeavesNothingBehind) {
  const TBuildFault& c = GetParam();
  TRuleLogic logic;
  const int terms = TermCount(logic);
  try {
    Own(TRuleBase::Create(logic.Logic.get(), c.Rules));
    FAIL() << "no error";
  } catch (const EFzyRuleException& error) {
    EXPECT_EQ(error.GetLine(), c.Line);
    EXPECT_EQ(error.GetWord(), c.Word);
    EXPECT_NE(error.GetMessage().find(c.Message), std::string::npos) << error.GetMessage();
  }
  EXPECT_EQ(TermCount(logic), terms);
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleBaseBuildFault, ::testing::ValuesIn(BuildFaults),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RuleBase, HundredThousandRulesAndAThousandPremises) {
  TRuleLogic logic;
  std::string text;
  const char* premises[] = {"poor", "good", "excellent", "very good", "not poor"};
  const char* conclusions[] = {"cheap", "average", "generous"};
  for (int i = 0; i < 100000; ++i) {
    text += std::string("if service is ") + premises[i % 5] + " and food is poor then tip is " +
            conclusions[i % 3] + "\n";
  }
  std::string longRule = "if food is poor";
  for (int i = 1; i < 1000; ++i) longRule += i % 2 ? " or service is good" : " and food is rancid";
  text += longRule + " then tip is average\n";
  const auto rules = Own(TRuleBase::Create(logic.Logic.get(), text));
  const TRuleOutcome& tip = rules->Fire(std::vector<TFzyFloat>{5, 2}).front();
  EXPECT_EQ(tip.RuleCount, 100001);
  EXPECT_TRUE(tip.HasValue());
}

}  // namespace
}  // namespace fuzzy
