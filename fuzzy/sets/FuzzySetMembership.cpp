// TFuzzySet: the membership function. Piecewise-linear between the points, flat beyond the
// first and last ones, and at a vertical step (points sharing one X) the largest Y of the step.
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/MembershipFunction.h"

namespace fuzzy {

using membership_function::TListPoints;

namespace {
// Lists up to this long (a triangle, a trapezoid, a shoulder) take the short lookup.
constexpr int ShortList = 4;
}  // namespace

// A lookup is the hottest path of the library. On a short list the common cases are read off
// the few points they need: before the first point, after the last, and strictly inside the
// list off its points, where the first point not below x closes the segment holding x, as the
// general routine finds it. Everything else (a point hit, a step, a NaN) takes that routine.
TFzyFloat TFuzzySet::DegreeOfMembership(TFzyFloat x) const {
  const int count = FValues->GetCount();
  if (count > ShortList || count == 0) {
    return membership_function::MembershipAt(TListPoints(FValues), x);
  }
  const TFuzzySetValue* first = FValues->GetItem(0);
  if (x < first->GetX()) return first->GetY();
  if (x > first->GetX()) {
    const TFuzzySetValue* last = FValues->GetItem(count - 1);
    if (x > last->GetX()) return last->GetY();
    if (x < last->GetX()) {
      int right = 1;
      while (FValues->GetItem(right)->GetX() < x) ++right;
      const TFuzzySetValue* next = FValues->GetItem(right);
      if (next->GetX() != x) {
        const TFuzzySetValue* previous = FValues->GetItem(right - 1);
        return membership_function::InterpolateY(previous->GetX(), previous->GetY(), next->GetX(),
                                                 next->GetY(), x);
      }
    }
  }
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
