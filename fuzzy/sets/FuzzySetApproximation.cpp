// TFuzzySet: approximation, the spreading behind about, vicinity, close, near and neighboring.
// Every point of the set throws a bell-shaped spread over the whole X range; the set becomes
// the upper envelope of those spreads, sampled on a fixed grid and scaled to a peak of 1.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// The envelope is sampled on this many evenly spaced points over the set's X range.
constexpr int GridPoints = 50;
// How far a set without width (a crisp value) spreads.
constexpr TFzyFloat DefaultScale = 0.2;

// A set spreads in proportion to its width relative to its range: a wide set widely.
TFzyFloat SpreadScale(const TFuzzySet* set) {
  const TFuzzySetValues* values = set->GetValues();
  const TFzyFloat span =
      values->GetItem(values->GetCount() - 1)->GetX() - values->GetItem(0)->GetX();
  if (span == 0.0) return DefaultScale;
  return span / (set->GetXRange(0) - set->GetXRange(1));
}

// A free-standing list of evenly spaced points at Y 0 over the set's whole X range.
TOwned<TFuzzySetValues> MakeGrid(const TFuzzySet* set) {
  TOwned<TFuzzySetValues> grid = Own(TFuzzySetValues::Create(nullptr));
  grid->Add(set->GetXRange(1), 0.0);
  grid->Add(set->GetXRange(0), 0.0);
  grid->Expand(GridPoints);
  return grid;
}

// Raises every grid point to the highest spread over it: a point P of the set with some
// membership gives P.Y / (1 + (scale * |x - P.X|)^exponent) at x.
void RaiseToEnvelope(TFuzzySetValues* grid, const TFuzzySetValues* values, TFzyFloat scale,
                     TFzyFloat exponent) {
  std::vector<TFzyFloat> positions;
  std::vector<TFzyFloat> envelope;
  for (const TFuzzySetValue* g : *grid) {
    positions.push_back(g->GetX());
    envelope.push_back(g->GetY());
  }
  for (const TFuzzySetValue* p : *values) {
    if (!(p->GetY() > 0.0)) continue;
    for (std::size_t j = 0; j < envelope.size(); ++j) {
      const TFzyFloat distance = scale * std::fabs(positions[j] - p->GetX());
      const TFzyFloat weight = 1 / (1 + std::pow(distance, exponent));
      envelope[j] = std::max(envelope[j], p->GetY() * weight);
    }
  }
  TCollectionUpdate batch(grid);
  for (std::size_t j = 0; j < envelope.size(); ++j)
    grid->GetItem(static_cast<int>(j))->SetY(envelope[j]);
  batch.End();
}

}  // namespace

void TFuzzySet::FuzzyApproximation(int count, TFzyFloat exponent) {
  // Without points there is nothing to spread, and no width to scale by.
  if (FValues->GetCount() == 0) return;
  TCollectionUpdate batch(FValues);
  FValues->Expand(count);
  TOwned<TFuzzySetValues> grid = MakeGrid(this);
  RaiseToEnvelope(grid.get(), FValues, SpreadScale(this), exponent);
  FValues->Assign(grid.get());
  Normalize();
  batch.End();
}

}  // namespace fuzzy
