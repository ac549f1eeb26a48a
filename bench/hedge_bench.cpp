// The cost of a named hedge on sets of growing size: very (resampling, then a power of every
// membership) and about (the spread of every point over a fixed grid, then normalisation).
// Each hedge changes its set in place, so the set is restored, untimed, before every run.
#include <benchmark/benchmark.h>

#include <cmath>

#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace {

using fuzzy::TCollectionUpdate;
using fuzzy::TFuzzyHedge;
using fuzzy::TFuzzySet;
using fuzzy::TFuzzyVariable;
using fuzzy::TFzyFloat;

// A wavy function over X 0 .. count - 1 with every membership strictly between 0 and 1, so
// that every point is transformed.
void AddPoints(TFuzzySet* set, int count) {
  TCollectionUpdate batch(set->GetValues());
  for (int i = 0; i < count; ++i) set->GetValues()->Add(i, 0.5 + 0.45 * std::sin(i * 0.1));
  batch.End();
}

// Runs `hedge` on a term of `count` points in a variable spanning the points, and reports the
// time per point of the input.
void RunHedge(benchmark::State& state, TFuzzyHedge hedge) {
  const int count = static_cast<int>(state.range(0));
  auto variable = fuzzy::Own(TFuzzyVariable::Create(nullptr));
  variable->SetMaximum(count);
  TFuzzySet* original = variable->GetItems()->Add("wave");
  AddPoints(original, count);
  TFuzzySet* term = variable->GetItems()->Add("term");
  for (auto _ : state) {
    state.PauseTiming();
    term->SetValues(original->GetValues());
    term->SetName("term");
    state.ResumeTiming();
    benchmark::DoNotOptimize(term->Hedge(hedge));
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.SetComplexityN(count);
}

void BM_HedgeVery(benchmark::State& state) {
  RunHedge(state, fuzzy::fhVery);
}
BENCHMARK(BM_HedgeVery)->Arg(7)->Arg(100)->Arg(1000)->Arg(10000)->Complexity();

void BM_HedgeAbout(benchmark::State& state) {
  RunHedge(state, fuzzy::fhAbout);
}
BENCHMARK(BM_HedgeAbout)->Arg(7)->Arg(100)->Arg(1000)->Arg(10000)->Complexity();

}  // namespace
