// The working sets of a rule base's firing as point arrays. Each step gives the points that
// the same step gives a set (a premise's correlation strength against a crisp input, a
// conclusion correlated with its rule's strength, its inference into the accumulated result,
// the defuzzified value), because it runs the same walk and the same list rules on arrays; it
// only leaves out the point objects and their notifications. Once its buffers have grown, a
// firing allocates nothing.
#pragma once

#include <span>
#include <vector>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/membership/PointBuffer.h"
#include "fuzzy/sets/LevelCut.h"

namespace fuzzy {

class TFuzzySet;

// A set's points as they stand.
TFuzzyPoints PointsOfSet(const TFuzzySet* set);

class TFiringArrays {
 public:
  // How far `premise` matches the crisp value x: the correlation strength of the premise set
  // against a crisp set at x.
  TFzyFloat CrispStrength(std::span<const TFuzzyPoint> premise, TFzyFloat x);
  // `conclusion` (a set of `range`'s X range) correlated with `strength` into `result`, as
  // Correlate does to a copy of the set.
  void Correlate(std::span<const TFuzzyPoint> conclusion, TFzyFloat strength,
                 TFuzzyCorrelationMethod method, TPointBuffer& result);
  // `accumulated` united with `conclusion` by the family of `method`, as Infer without
  // intersection does.
  void Infer(TPointBuffer& accumulated, std::span<const TFuzzyPoint> conclusion,
             TFuzzyInferenceMethod method);

 private:
  TFuzzyPoints FCrisp = TFuzzyPoints(3);
  std::vector<TCutPoint> FKept;
  TPointBuffer FCombined;
};

// The height of a set's points: their largest Y, 0 without points.
TFzyFloat HeightOf(std::span<const TFuzzyPoint> points);
// The defuzzified value of an accumulated result over its buffer's range.
TFzyFloat DefuzzifiedValue(const TPointBuffer& result, TDefuzzificationMethod method);

}  // namespace fuzzy
