// The hot paths of a single set: reading the membership function, and building a point list
// point by point, inside one update batch and outside batches.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <random>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace {

using fuzzy::TCollectionUpdate;
using fuzzy::TFuzzySet;
using fuzzy::TFzyFloat;

// A zigzag with a vertical step every tenth point, so that lookups meet steps as well as slopes.
void AddPoints(TFuzzySet* set, int count) {
  for (int i = 0; i < count; ++i) {
    const TFzyFloat x = (i % 10 == 9) ? i - 1 : i;
    set->GetValues()->Add(x, (i % 3) * 0.5);
  }
}

// Membership at points spread over (and just beyond) the function's span.
void BM_DegreeOfMembership(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto set = fuzzy::Own(TFuzzySet::Create(nullptr));
  {
    TCollectionUpdate batch(set->GetValues());
    AddPoints(set.get(), count);
    batch.End();
  }
  std::mt19937 random(7);
  std::uniform_real_distribution<TFzyFloat> position(-1.0, count);
  std::vector<TFzyFloat> probes(1024);
  for (TFzyFloat& probe : probes) probe = position(random);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(set->DegreeOfMembership(probes[next]));
    next = (next + 1) % probes.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetComplexityN(count);
}
BENCHMARK(BM_DegreeOfMembership)
    ->Arg(3)
    ->Arg(7)
    ->Arg(50)
    ->Arg(1000)
    ->Arg(100000)
    ->Complexity(benchmark::oLogN);

// Builds a free-standing set of `count` ascending points, optionally inside one batch, and
// reports the time per point.
void BuildSet(benchmark::State& state, bool inBatch) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto set = fuzzy::Own(TFuzzySet::Create(nullptr));
    std::optional<TCollectionUpdate> batch;
    if (inBatch) batch.emplace(set->GetValues());
    AddPoints(set.get(), count);
    if (batch) batch->End();
    benchmark::DoNotOptimize(set->GetValues()->GetCount());
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.SetComplexityN(count);
  state.counters["per_point"] = benchmark::Counter(
      count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BuildInOneBatch(benchmark::State& state) {
  BuildSet(state, true);
}
void BM_BuildOutsideBatches(benchmark::State& state) {
  BuildSet(state, false);
}

BENCHMARK(BM_BuildInOneBatch)->RangeMultiplier(10)->Range(10, 10000)->Complexity();
BENCHMARK(BM_BuildOutsideBatches)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

}  // namespace
