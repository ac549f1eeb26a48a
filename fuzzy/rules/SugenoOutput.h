// The Takagi-Sugeno side of a rule base: an output whose terms are functions of the crisp
// inputs (a constant, or a linear function) instead of fuzzy sets. A fired rule contributes its
// term's value at the inputs, weighted by its strength; the output is the weighted average of
// those values, or their weighted sum.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

enum TSugenoMethod : std::uint8_t { smWeightedAverage, smWeightedSum };

// A constant, plus one coefficient per input (by its place among the rule base's inputs).
struct TSugenoTerm {
  TFzyFloat Constant = 0.0;
  std::vector<std::size_t> Inputs;
  std::vector<TFzyFloat> Coefficients;

  TFzyFloat ValueAt(const std::vector<TFzyFloat>& inputs) const;
};

// What the rules fired so far have added to one output.
struct TSugenoSums {
  TFzyFloat Strength = 0.0;
  TFzyFloat Weighted = 0.0;

  void Add(TFzyFloat strength, TFzyFloat value) {
    Strength += strength;
    Weighted += strength * value;
  }
  TFzyFloat Value(TSugenoMethod method) const {
    return method == smWeightedSum ? Weighted : Weighted / Strength;
  }
};

}  // namespace fuzzy
