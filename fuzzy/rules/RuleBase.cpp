#include "fuzzy/rules/RuleBase.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleErrors.h"

namespace fuzzy {

TRuleBase* TRuleBase::Create(TFuzzyLogic* logic, const std::string& text) {
  if (logic == nullptr) throw EFzyException("a rule base needs a logic component");
  return Constructed(new TRuleBase(logic, text));
}

TRuleBase::TRuleBase(TFuzzyLogic* logic, const std::string& text)
    : FLogic(logic), FRules(ParseRuleText(text)) {
  Resolve();
  FPremiseStrengths.resize(FPremises.size());
  FCrisp.resize(FInputs.size());
  for (TResolvedClause& premise : FPremises) premise.Points = PointsOfSet(premise.Set);
  for (TResolvedRule& rule : FResolved) {
    for (TResolvedClause& conclusion : rule.Conclusions) {
      if (conclusion.Set != nullptr) conclusion.Points = PointsOfSet(conclusion.Set);
    }
  }
  FAccumulated.resize(FOutputs.size());
  for (std::size_t o = 0; o < FOutputs.size(); ++o) {
    FAccumulated[o].Reset(FOutputSets[o]->GetMinimum(), FOutputSets[o]->GetMaximum());
  }
  FAccumulatedAny.resize(FOutputs.size(), false);
  FResultSets.resize(FOutputs.size(), nullptr);
  FSugenoSums.resize(FOutputs.size());
  FDefaults.resize(FOutputs.size(), std::numeric_limits<TFzyFloat>::quiet_NaN());
  FOutcomes.resize(FOutputs.size());
  for (std::size_t o = 0; o < FOutputs.size(); ++o) FOutcomes[o].Variable = FOutputs[o];
  for (const TResolvedRule& rule : FResolved) {
    for (const TResolvedClause& conclusion : rule.Conclusions) {
      ++FOutcomes[conclusion.Variable].RuleCount;
    }
  }
  ApplyTextSettings(text);
}

void TRuleBase::SetThreshold(std::optional<TFzyFloat> value) {
  FThreshold = value ? std::optional<TFzyFloat>(std::clamp(*value, 0.0, 1.0)) : std::nullopt;
}

TFzyFloat TRuleBase::GetDefaultValue(std::size_t index) const {
  return FDefaults.at(index);
}

void TRuleBase::SetDefaultValue(std::size_t index, TFzyFloat value) {
  FDefaults.at(index) = value;
}

TFuzzyCorrelationMethod TRuleBase::EffectiveCorrelationMethod() const {
  return FCorrelation.value_or(FLogic->GetCorrelationMethod());
}

TFuzzyInferenceMethod TRuleBase::EffectiveInferenceMethod() const {
  return FInference.value_or(FLogic->GetInferenceMethod());
}

TDefuzzificationMethod TRuleBase::EffectiveDefuzzificationMethod() const {
  return FDefuzzify.value_or(FLogic->GetDefuzzificationMethod());
}

TFzyFloat TRuleBase::EffectiveThreshold(std::size_t index) const {
  return FThreshold.value_or(FOutputs.at(index)->GetThreshold());
}

}  // namespace fuzzy
