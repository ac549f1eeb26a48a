// The last step of every inference: turning a result set into a crisp number, by centre of
// gravity and by mean of maxima, and cutting a set at a level. All three should cost a constant
// time per point.
#include <benchmark/benchmark.h>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace {

using fuzzy::TCollectionUpdate;
using fuzzy::TFuzzySet;
using fuzzy::TFzyFloat;

// A free-standing zigzag over [0, count) with a vertical step every tenth point and a few
// repeated maxima, so that every kind of segment and the maxima bookkeeping are exercised.
fuzzy::TOwned<TFuzzySet> MakeSet(int count) {
  auto set = fuzzy::Own(TFuzzySet::Create(nullptr));
  TCollectionUpdate batch(set->GetValues());
  for (int i = 0; i < count; ++i) {
    const TFzyFloat x = (i % 10 == 9) ? i - 1 : i;
    set->GetValues()->Add(x, (i % 4) / 3.0);
  }
  batch.End();
  return set;
}

void ReportPerPoint(benchmark::State& state, int count) {
  state.SetItemsProcessed(state.iterations() * count);
  state.SetComplexityN(count);
  state.counters["per_point"] = benchmark::Counter(
      count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CenterOfGravity(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto set = MakeSet(count);
  for (auto _ : state) benchmark::DoNotOptimize(set->CenterOfGravity());
  ReportPerPoint(state, count);
}

void BM_MeanOfMaxima(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto set = MakeSet(count);
  for (auto _ : state) benchmark::DoNotOptimize(set->MeanOfMaxima());
  ReportPerPoint(state, count);
}

// Each cut builds and frees a new set of about the receiver's size.
void BM_AlphaCutoff(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto set = MakeSet(count);
  for (auto _ : state) {
    auto cut = fuzzy::Own(set->AlphaCutoff(0.5, false));
    benchmark::DoNotOptimize(cut->GetValues()->GetCount());
  }
  ReportPerPoint(state, count);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  for (const int count : {7, 100, 1000, 10000, 100000}) benchmark->Arg(count);
  benchmark->Complexity(benchmark::oN);
}

BENCHMARK(BM_CenterOfGravity)->Apply(Sizes);
BENCHMARK(BM_MeanOfMaxima)->Apply(Sizes);
BENCHMARK(BM_AlphaCutoff)->Apply(Sizes);

}  // namespace
