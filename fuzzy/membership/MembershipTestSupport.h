// Helpers shared by the point-list tests: a set that counts the change reports reaching it and
// can narrow its X range, and point lists written and read as plain (X, Y) pairs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy::testing_support {

using TPointList = std::vector<std::pair<TFzyFloat, TFzyFloat>>;

class TProbeSet : public TFuzzySet {
 public:
  static TProbeSet* Create() { return Constructed(new TProbeSet()); }

  TFzyFloat GetXRange(int index) const override {
    if (RangeFails) throw EFzyException("range unavailable");
    if (!Ranged) return TFuzzySet::GetXRange(index);
    return index == 0 ? Upper : Lower;
  }
  void UpdateFuzzySetValue(TFuzzySetValue* value) override {
    ++PointReports;
    TFuzzySet::UpdateFuzzySetValue(value);
  }
  void UpdateFuzzySetValues() override {
    ++ListReports;
    TFuzzySet::UpdateFuzzySetValues();
  }

  int Reports() const { return PointReports + ListReports; }
  void ResetReports() { PointReports = ListReports = 0; }

  bool RangeFails = false;
  bool Ranged = false;
  TFzyFloat Lower = 0.0;
  TFzyFloat Upper = 0.0;
  int PointReports = 0;
  int ListReports = 0;

 protected:
  TProbeSet() : TFuzzySet(nullptr) {}
};

// Adds the points in one batch, so that none of them is re-placed on its way in.
inline void AddPoints(TFuzzySetValues* values, const TPointList& points) {
  TCollectionUpdate batch(values);
  for (const auto& [x, y] : points) values->Add(x, y);
  batch.End();
}

// A set holding `points`, with its report counters cleared.
inline TOwned<TProbeSet> MakeSet(const TPointList& points) {
  TOwned<TProbeSet> set = Own(TProbeSet::Create());
  AddPoints(set->GetValues(), points);
  set->ResetReports();
  return set;
}

// "(x y) (x y)" with four decimals: readable in a failure and free of rounding noise.
inline std::string Text(const TPointList& points) {
  std::string text;
  for (const auto& [x, y] : points) {
    if (!text.empty()) text += " ";
    text += Format("(%.4f %.4f)", x, y);
  }
  return text;
}

inline std::string Text(const TFuzzySetValues* values) {
  TPointList points;
  for (const TFuzzySetValue* value : *values) points.emplace_back(value->GetX(), value->GetY());
  return Text(points);
}

}  // namespace fuzzy::testing_support
