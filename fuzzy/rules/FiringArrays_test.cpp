// A rule base fires on point arrays; the sets it would have built must agree with them. Random
// models (point-list terms with steps and flat ends, "and"/"or" premises, weights, thresholds)
// are fired through the rule base and through the set operations a rule base used to chain
// (a crisp set, GetCorrelationStrength, Clone, Correlate, Infer, the defuzzification), under
// every correlation, inference and defuzzification method. Values and result points must be
// equal, not merely close.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

constexpr int TermCount = 4;

std::string RandomTerm(std::mt19937& random, double lower, double upper) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const int count = 1 + static_cast<int>(random() % 6);
  std::vector<double> xs;
  for (int k = 0; k < count; ++k) xs.push_back(lower + (upper - lower) * unit(random));
  std::sort(xs.begin(), xs.end());
  std::ostringstream text;
  text.precision(17);
  text << "(";
  for (int k = 0; k < count; ++k) {
    // Some steps (a repeated X) and some exact levels, which the list rules treat apart.
    if (k > 0 && random() % 5 == 0) xs[k] = xs[k - 1];
    const double y = random() % 4 == 0 ? static_cast<double>(random() % 2) : unit(random);
    text << "(" << xs[k] << " " << y << ")";
  }
  return text.str() + ")";
}

std::string RandomVariable(std::mt19937& random, const std::string& name, double lower,
                           double upper) {
  std::string text = "(deffuzzy " + name + " (range " + std::to_string(lower) + " " +
                     std::to_string(upper) + ") (values";
  for (int t = 0; t < TermCount; ++t) {
    text += " (term t" + std::to_string(t) + " " + RandomTerm(random, lower, upper) + ")";
  }
  return text + "))";
}

std::string RandomRules(std::mt19937& random, int count) {
  std::string text;
  for (int r = 0; r < count; ++r) {
    text += "if a is t" + std::to_string(random() % TermCount) +
            (random() % 2 == 0 ? " and" : " or") + " b is t" +
            std::to_string(random() % TermCount) + " then out is t" +
            std::to_string(random() % TermCount);
    if (random() % 3 == 0) text += " with 0." + std::to_string(1 + random() % 9);
    text += "\n";
  }
  return text;
}

// An input anywhere in the range, or on a point of one of the variable's terms or just beside
// it (within, at and beyond the tolerance), where the walk against the crisp value pairs points
// instead of crossing lines.
double RandomInput(std::mt19937& random, TFuzzyLogic* logic, const std::string& variable) {
  if (random() % 2 == 0) return std::uniform_real_distribution<double>(0.0, 10.0)(random);
  const TFuzzySetValues* points = logic->GetItems()
                                      ->GetItemByName(variable)
                                      ->GetItems()
                                      ->GetItem(static_cast<int>(random() % TermCount))
                                      ->GetValues();
  const double x = points->GetItem(static_cast<int>(random() % points->GetCount()))->GetX();
  constexpr double Offsets[] = {0.0, 5e-5, -5e-5, 1e-4, -1e-4, 1.5e-4, -1.5e-4, 3e-4, -4.5e-4};
  return std::clamp(x + Offsets[random() % std::size(Offsets)], 0.0, 10.0);
}

struct TReference {
  TOwned<TFuzzySet> Result;
  TRuleOutcomeStatus Status = rosNoRuleFired;
  double Value = 0.0;
};

// The rule base's firing spelled out with the component's own sets.
TReference FireBySets(const TRuleBase& rules, TFuzzyLogic* logic, double a, double b) {
  TFuzzyVariable* output = logic->GetItems()->GetItemByName("out");
  TOwned<TFuzzySet> crispA = Own(TFuzzySet::Create(nullptr));
  TOwned<TFuzzySet> crispB = Own(TFuzzySet::Create(nullptr));
  crispA->CreateCrispValue(a);
  crispB->CreateCrispValue(b);
  TReference reference;
  for (const TRuleText& rule : rules.GetRules()) {
    double strengths[2];
    for (int p = 0; p < 2; ++p) {
      TFuzzyVariable* input = logic->GetItems()->GetItemByName(rule.Premises[p].Variable);
      TFuzzySet* premise = input->GetItems()->GetItemByName(rule.Premises[p].Expression);
      strengths[p] = premise->GetCorrelationStrength(p == 0 ? crispA.get() : crispB.get());
    }
    const bool both = rule.Condition.back().Kind == TConditionStep::ckAnd;
    const double strength =
        (both ? std::min(strengths[0], strengths[1]) : std::max(strengths[0], strengths[1])) *
        rule.Weight;
    if (strength < rules.EffectiveThreshold(0)) continue;
    TFuzzySet* term = output->GetItems()->GetItemByName(rule.Conclusions[0].Expression);
    TOwned<TFuzzySet> conclusion = Own(term->Clone());
    conclusion->Correlate(strength, rules.EffectiveCorrelationMethod());
    if (reference.Result == nullptr) {
      reference.Result = std::move(conclusion);
    } else {
      reference.Result =
          Own(reference.Result->Infer(conclusion.get(), rules.EffectiveInferenceMethod(), false));
    }
  }
  if (reference.Result == nullptr) return reference;
  double height = 0.0;
  for (const TFuzzySetValue* point : *reference.Result->GetValues()) {
    height = std::max(height, point->GetY());
  }
  if (height <= 0.0) {
    reference.Status = rosZeroStrength;
    return reference;
  }
  reference.Status = rosFired;
  reference.Value = rules.EffectiveDefuzzificationMethod() == dmMeanOfMaxima
                        ? reference.Result->MeanOfMaxima()
                        : reference.Result->CenterOfGravity();
  return reference;
}

std::vector<std::pair<double, double>> PointsOf(const TFuzzySet* set) {
  std::vector<std::pair<double, double>> points;
  for (const TFuzzySetValue* point : *set->GetValues())
    points.emplace_back(point->GetX(), point->GetY());
  return points;
}

TEST(FiringArrays, FireAsTheSetOperationsDoUnderEveryMethod) {
  std::mt19937 random(1603);
  int failures = 0;
  for (int round = 0; round < 600 && failures < 5; ++round) {
    const std::string definitions = RandomVariable(random, "a", 0, 10) +
                                    RandomVariable(random, "b", 0, 10) +
                                    RandomVariable(random, "out", 0, 20);
    testing_support::TRuleLogic model(definitions);
    TOwned<TRuleBase> rules =
        Own(TRuleBase::Create(model.Logic.get(), RandomRules(random, 2 + round % 4)));
    rules->SetCorrelationMethod(static_cast<TFuzzyCorrelationMethod>(random() % 2));
    rules->SetInferenceMethod(static_cast<TFuzzyInferenceMethod>(random() % (fimBoundedSum + 1)));
    rules->SetDefuzzificationMethod(random() % 4 == 0 ? dmMeanOfMaxima : dmCenterOfGravity);
    rules->SetThreshold(random() % 2 == 0 ? 0.0 : 0.3);
    for (int sample = 0; sample < 5; ++sample) {
      std::map<std::string, double> row{{"a", RandomInput(random, model.Logic.get(), "a")},
                                        {"b", RandomInput(random, model.Logic.get(), "b")}};
      const TReference reference = FireBySets(*rules, model.Logic.get(), row["a"], row["b"]);
      const TRuleOutcome& outcome = rules->Fire(row).front();
      const bool same = outcome.Status == reference.Status &&
                        (reference.Status != rosFired || outcome.Value == reference.Value) &&
                        (reference.Result == nullptr
                             ? outcome.Result == nullptr
                             : PointsOf(outcome.Result) == PointsOf(reference.Result.get()));
      if (!same) {
        ++failures;
        ADD_FAILURE() << "round " << round << " a=" << row["a"] << " b=" << row["b"] << ": value "
                      << outcome.Value << ", by sets " << reference.Value << "\n"
                      << definitions << "\n"
                      << rules->GetRules().size() << " rules";
      }
    }
  }
}

}  // namespace
}  // namespace fuzzy
