// TIFuzzyVariable: rule firing. The interface variable belongs to no logic component, so it
// always correlates by minimum and accumulates by maximum, the Mamdani way.
#include <algorithm>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/consts/FuzzyMessages.h"
#include "fuzzy/interfaces/IFuzzyVariable.h"

namespace fuzzy {

namespace {

// A rule operand that is missing cannot be matched or copied; saying so beats a null call.
const IPtr<IFuzzySet>& Required(const IPtr<IFuzzySet>& fuzzySet) {
  if (!fuzzySet) throw EFzyException::CreateFmt(SFuzzySetEmpty, "AssertRule");
  return fuzzySet;
}

}  // namespace

TFzyFloat TIFuzzyVariable::GetCorrelationStrength(const TIFuzzySetArray& premises,
                                                  const TIFuzzySetArray& inputs) const {
  // A premise without its input cannot be matched; reading past the inputs is no answer.
  if (inputs.size() < premises.size()) {
    throw EListError::IndexOutOfBounds(static_cast<long long>(inputs.size()));
  }
  TFzyFloat strength = 1.0;
  for (std::size_t i = 0; i < premises.size(); ++i) {
    strength =
        std::min(strength, Required(premises[i])->GetCorrelationStrength(Required(inputs[i])));
  }
  return strength;
}

IPtr<IFuzzySet> TIFuzzyVariable::AssertRule(TFzyFloat strength, const IPtr<IFuzzySet>& conclusion,
                                            const IPtr<IFuzzySet>& accumulator) {
  if (strength < FThreshold) return nullptr;
  const IPtr<IFuzzySet> correlated = InterfaceCast<IFuzzySet>(Required(conclusion)->Clone());
  correlated->Correlate(strength, fcmMinimum);
  if (!accumulator) return correlated;
  return accumulator->Infer(correlated, fimMinMax, false);
}

IPtr<IFuzzySet> TIFuzzyVariable::AssertRule(const TIFuzzySetArray& premises,
                                            const TIFuzzySetArray& inputs,
                                            const IPtr<IFuzzySet>& conclusion,
                                            const IPtr<IFuzzySet>& accumulator) {
  return AssertRule(GetCorrelationStrength(premises, inputs), conclusion, accumulator);
}

IPtr<IFuzzySet> TIFuzzyVariable::AssertRule(const IPtr<IFuzzySet>& premise,
                                            const IPtr<IFuzzySet>& conclusion,
                                            const IPtr<IFuzzySet>& input,
                                            const IPtr<IFuzzySet>& accumulator) {
  return AssertRule(Required(premise)->GetCorrelationStrength(Required(input)), conclusion,
                    accumulator);
}

}  // namespace fuzzy
