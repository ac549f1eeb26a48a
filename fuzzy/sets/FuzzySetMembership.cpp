// TFuzzySet: the membership function. Piecewise-linear between the points, flat beyond the
// first and last ones, and at a vertical step (points sharing one X) the largest Y of the step.
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/MembershipFunction.h"

namespace fuzzy {

using membership_function::TListPoints;

namespace {
// Lists up to this long (a triangle, a trapezoid, a shoulder) are copied out before the lookup.
constexpr int ShortList = 4;
}  // namespace

// A lookup is the hottest path of the library. A short list's points are fetched once each into
// an array, which the lookup then reads as often as it needs; a longer list is searched in place.
TFzyFloat TFuzzySet::DegreeOfMembership(TFzyFloat x) const {
  const int count = FValues->GetCount();
  if (count > ShortList) return membership_function::MembershipAt(TListPoints(FValues), x);
  TFuzzyPoint points[ShortList];
  for (int i = 0; i < count; ++i) {
    const TFuzzySetValue* point = FValues->GetItem(i);
    points[i] = {point->GetX(), point->GetY()};
  }
  // Strictly inside the list and off its points, the first point not below x closes the
  // segment holding x: the line through it is the answer, as the general routine finds it.
  if (count > 1 && x > points[0].X && x < points[count - 1].X) {
    int right = 1;
    while (points[right].X < x) ++right;
    if (points[right].X != x) {
      const TFuzzyPoint& left = points[right - 1];
      return membership_function::InterpolateY(left.X, left.Y, points[right].X, points[right].Y, x);
    }
  }
  return membership_function::MembershipAt(
      membership_function::TArrayPoints({points, static_cast<std::size_t>(count)}), x);
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
