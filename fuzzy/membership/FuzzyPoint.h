// A membership function's point as a plain value, for the code that works on point arrays
// instead of point objects: the pairwise walk, and the working sets of a rule base's firing.
#pragma once

#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/membership/PositionTolerance.h"

namespace fuzzy {

struct TFuzzyPoint {
  TFzyFloat X = 0.0;
  TFzyFloat Y = 0.0;
};
using TFuzzyPoints = std::vector<TFuzzyPoint>;

// X and Y both within 0.0001, as a point object's Equals.
inline bool SamePoint(const TFuzzyPoint& a, const TFuzzyPoint& b) {
  return WithinPositionTolerance(a.X, b.X) && WithinPositionTolerance(a.Y, b.Y);
}

}  // namespace fuzzy
