// The tipping controller measured on both sides: its grid of inputs, the exact answer, and one
// inference with either library. Both sides read the same shapes: the terms that reach beyond
// a variable's range are given to this library as the points of their clamped shape.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "fuzzy/framework/Object.h"

namespace fuzzy {
class TFuzzyLogic;
class TFuzzySet;
class TFuzzyVariable;
class TKWFuzzyLogicParser;
class TRuleBase;
}  // namespace fuzzy

namespace fl {
class Engine;
class InputVariable;
class OutputVariable;
}  // namespace fl

namespace peer {

struct TTippingInput {
  double Service;
  double Food;
};

// Service and food from 0 to 10 in steps of 0.5: 441 points.
std::vector<TTippingInput> TippingGrid();

// The centre of gravity of the aggregated output, worked out apart from both libraries.
double ExactTip(const TTippingInput& input);

// This library: terms read from definition text, crisp inputs, rules fired with AssertRule
// into the output's accumulator, centre of gravity.
class TOurTipping {
 public:
  TOurTipping();
  ~TOurTipping();
  TOurTipping(const TOurTipping&) = delete;
  TOurTipping& operator=(const TOurTipping&) = delete;

  double Infer(const TTippingInput& input);

 private:
  fuzzy::TFuzzySet* Term(fuzzy::TFuzzyVariable* variable, const char* name) const;
  // Fires one rule whose premises are joined by "or" into the accumulated result.
  void Fire(double strength, fuzzy::TFuzzySet* conclusion,
            fuzzy::TOwned<fuzzy::TFuzzySet>& accumulated);

  fuzzy::TOwned<fuzzy::TKWFuzzyLogicParser> FParser;
  fuzzy::TOwned<fuzzy::TFuzzyLogic> FLogic;
  fuzzy::TFuzzyVariable* FTip = nullptr;
  fuzzy::TFuzzySet* FPoor = nullptr;
  fuzzy::TFuzzySet* FGood = nullptr;
  fuzzy::TFuzzySet* FExcellent = nullptr;
  fuzzy::TFuzzySet* FRancid = nullptr;
  fuzzy::TFuzzySet* FDelicious = nullptr;
  fuzzy::TFuzzySet* FCheap = nullptr;
  fuzzy::TFuzzySet* FAverage = nullptr;
  fuzzy::TFuzzySet* FGenerous = nullptr;
  // The crisp inputs, terms of their variables, refilled at every inference.
  fuzzy::TOwned<fuzzy::TFuzzySet> FServiceInput;
  fuzzy::TOwned<fuzzy::TFuzzySet> FFoodInput;
};

// This library's rule base over the same component, fired in batches: every row of inputs in,
// one tip per row out.
class TOurRuleTipping {
 public:
  TOurRuleTipping();
  ~TOurRuleTipping();
  TOurRuleTipping(const TOurRuleTipping&) = delete;
  TOurRuleTipping& operator=(const TOurRuleTipping&) = delete;

  // Service and food of each input, one row after the other.
  static std::vector<double> Rows(const std::vector<TTippingInput>& inputs);
  void InferBatch(std::span<const double> rows, std::span<double> tips);

 private:
  fuzzy::TOwned<fuzzy::TKWFuzzyLogicParser> FParser;
  fuzzy::TOwned<fuzzy::TFuzzyLogic> FLogic;
  fuzzy::TOwned<fuzzy::TRuleBase> FRules;
};

// The peer library with a centroid of the given resolution.
class TPeerTipping {
 public:
  explicit TPeerTipping(int resolution);
  ~TPeerTipping();
  TPeerTipping(const TPeerTipping&) = delete;
  TPeerTipping& operator=(const TPeerTipping&) = delete;

  double Infer(const TTippingInput& input);

 private:
  std::unique_ptr<fl::Engine> FEngine;
  fl::InputVariable* FService = nullptr;
  fl::InputVariable* FFood = nullptr;
  fl::OutputVariable* FTip = nullptr;
};

}  // namespace peer
