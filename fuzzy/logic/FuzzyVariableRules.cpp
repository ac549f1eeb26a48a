// TFuzzyVariable: rule firing. A rule's strength is how far its premises match their inputs;
// a rule strong enough to pass the variable's threshold contributes its conclusion, cut or
// scaled by that strength, to the result accumulated over the rules fired so far.
#include <algorithm>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/sets/FreeOnError.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

TFzyFloat TFuzzyVariable::GetCorrelationStrength(std::span<TFuzzySet* const> antecedents,
                                                 std::span<TFuzzySet* const> inputs) const {
  // A premise without its input cannot be matched; reading past the inputs is no answer.
  if (inputs.size() < antecedents.size()) {
    throw EListError::IndexOutOfBounds(static_cast<long long>(inputs.size()));
  }
  TFzyFloat strength = 1.0;
  for (std::size_t i = 0; i < antecedents.size(); ++i) {
    strength = std::min(strength, antecedents[i]->GetCorrelationStrength(inputs[i]));
  }
  return strength;
}

TFuzzySet* TFuzzyVariable::AssertRule(TFzyFloat strength, TFuzzySet* consequent,
                                      TFuzzySet* accumulator) {
  if (strength < FThreshold) return nullptr;
  TFreeOnError<TFuzzySet> conclusion(consequent->Clone());
  conclusion->Correlate(strength);
  if (accumulator == nullptr) return conclusion.Release();
  TFreeOnError<TFuzzySet> combined(accumulator->Infer(conclusion.Get(), false));
  // Freeing the copy may raise in a removal handler; the copy goes all the same, and so does
  // the combined set with the error.
  conclusion.Release()->Free();
  return combined.Release();
}

TFuzzySet* TFuzzyVariable::AssertRule(std::span<TFuzzySet* const> antecedents,
                                      std::span<TFuzzySet* const> inputs, TFuzzySet* consequent,
                                      TFuzzySet* accumulator) {
  return AssertRule(GetCorrelationStrength(antecedents, inputs), consequent, accumulator);
}

TFuzzySet* TFuzzyVariable::AssertRule(TFuzzySet* antecedent, TFuzzySet* consequent,
                                      TFuzzySet* input, TFuzzySet* accumulator) {
  return AssertRule(antecedent->GetCorrelationStrength(input), consequent, accumulator);
}

}  // namespace fuzzy
