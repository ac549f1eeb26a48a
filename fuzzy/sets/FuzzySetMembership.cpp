// TFuzzySet: the membership function. Piecewise-linear between the points, flat beyond the
// first and last ones, and at a vertical step (points sharing one X) the largest Y of the step.
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/MembershipFunction.h"

namespace fuzzy {

using membership_function::TListPoints;

// A lookup is the hottest path of the library. On a short list (a triangle, a trapezoid) the
// points are read straight from the list; the general routine searches longer ones.
TFzyFloat TFuzzySet::DegreeOfMembership(TFzyFloat x) const {
  return membership_function::MembershipAt(TListPoints(FValues), x);
}

int TFuzzySet::GetMaxYValueOfX(int start, int direction) const {
  return membership_function::MaxYOfX(TListPoints(FValues), start, direction);
}

int TFuzzySet::GetMinYValueOfX(int start, int direction) const {
  return membership_function::ExtremeYOfX(
      TListPoints(FValues), start, direction,
      [](TFzyFloat candidate, TFzyFloat best) { return candidate < best; });
}

TFzyFloat TFuzzySet::InterpolateY(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                  TFzyFloat x) {
  return membership_function::InterpolateY(x1, y1, x2, y2, x);
}

TFzyFloat TFuzzySet::InterpolateX(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                  TFzyFloat y) {
  if (y1 == y2) return x2;
  return x1 + (y - y1) / (y2 - y1) * (x2 - x1);
}

}  // namespace fuzzy
