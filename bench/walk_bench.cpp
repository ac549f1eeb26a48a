// The two-operand algebra and rule firing: intersection and union of two long membership
// functions (the pairwise walk, the tidy step and the result's clean-up), and one inference of
// two rules accumulated by union and defuzzified.
#include <benchmark/benchmark.h>

#include <vector>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace {

using fuzzy::TCollectionUpdate;
using fuzzy::TFuzzySet;
using fuzzy::TFzyFloat;
using fuzzy::TOwned;

// A zigzag over [0, count) with a plateau every fifth point; `phase` shifts its peaks so that
// two such sets cross between almost every pair of points.
TOwned<TFuzzySet> Zigzag(int count, TFzyFloat phase) {
  auto set = fuzzy::Own(TFuzzySet::Create(nullptr));
  TCollectionUpdate batch(set->GetValues());
  for (int i = 0; i < count; ++i) {
    const TFzyFloat y = (i % 5 == 4) ? 0.5 : ((i + static_cast<int>(phase)) % 2) * 0.8 + 0.1;
    set->GetValues()->Add(i + phase / 4, y);
  }
  batch.End();
  return set;
}

void PerPoint(benchmark::State& state, int count) {
  state.SetItemsProcessed(state.iterations() * count);
  state.SetComplexityN(count);
  state.counters["per_point"] = benchmark::Counter(
      count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Intersection(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto a = Zigzag(count, 0);
  const auto b = Zigzag(count, 1);
  for (auto _ : state) {
    auto result = fuzzy::Own(a->Intersection(b.get()));
    benchmark::DoNotOptimize(result->GetValues()->GetCount());
  }
  PerPoint(state, count);
}

void BM_Union(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto a = Zigzag(count, 0);
  const auto b = Zigzag(count, 1);
  for (auto _ : state) {
    auto result = fuzzy::Own(a->Union(b.get(), fuzzy::foMean));
    benchmark::DoNotOptimize(result->GetValues()->GetCount());
  }
  PerPoint(state, count);
}

BENCHMARK(BM_Intersection)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(BM_Union)->RangeMultiplier(10)->Range(10, 100000)->Complexity();

// A variable "speed" whose terms low and high have `count` points each, and a crisp reading.
class TRuleBase {
 public:
  explicit TRuleBase(int count) {
    FLogic->SetAutoTerms(false);
    FVariable->SetMaximum(100);
    FLow = Term("low", count, 0, 60);
    FHigh = Term("high", count, 40, 100);
    FReading = FVariable->GetItems()->Add("reading");
    FReading->CreateCrispValue(55);
  }

  // Fires "if reading is low then low" and "if reading is high then high", accumulated by
  // union, and defuzzifies the outcome; every set made on the way is freed.
  TFzyFloat Infer() {
    TOwned<TFuzzySet> first(FVariable->AssertRule(FLow, FLow, FReading, nullptr));
    TOwned<TFuzzySet> both(FVariable->AssertRule(FHigh, FHigh, FReading, first.get()));
    return both->Defuzzify();
  }

 private:
  TFuzzySet* Term(const char* name, int count, TFzyFloat left, TFzyFloat right) {
    TFuzzySet* term = FVariable->GetItems()->Add(name);
    term->CreatePIFunctionValues(count, left, right, (left + right) / 2);
    return term;
  }

  TOwned<fuzzy::TFuzzyLogic> FLogic = fuzzy::Own(fuzzy::TFuzzyLogic::Create(nullptr));
  fuzzy::TFuzzyVariable* FVariable = fuzzy::TFuzzyVariable::Create(FLogic->GetItems());
  TFuzzySet* FLow = nullptr;
  TFuzzySet* FHigh = nullptr;
  TFuzzySet* FReading = nullptr;
};

void BM_AssertRulesAndDefuzzify(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  TRuleBase rules(count);
  for (auto _ : state) benchmark::DoNotOptimize(rules.Infer());
  state.SetItemsProcessed(state.iterations());
  state.SetComplexityN(count);
}

BENCHMARK(BM_AssertRulesAndDefuzzify)->Arg(7)->Arg(50)->Arg(500)->Arg(5000)->Complexity();

}  // namespace
