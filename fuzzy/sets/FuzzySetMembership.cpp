// TFuzzySet: the membership function. Piecewise-linear between the points, flat beyond the
// first and last ones, and at a vertical step (points sharing one X) the largest Y of the step.
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

TFzyFloat XOf(const TFuzzySetValues* values, int index) {
  return values->GetItem(index)->GetX();
}
TFzyFloat YOf(const TFuzzySetValues* values, int index) {
  return values->GetItem(index)->GetY();
}

// Walks the points around `start` that share its X (within the tolerance) in `direction` and
// answers the first point whose Y no later point beats.
template <class TBetter>
int ExtremeYOfX(const TFuzzySetValues* values, int start, int direction, TBetter better) {
  if (direction == 0) direction = 1;
  const TFzyFloat x = XOf(values, start);
  int best = start;
  for (int i = start + direction; i >= 0 && i < values->GetCount(); i += direction) {
    if (!WithinPositionTolerance(XOf(values, i), x)) break;
    if (better(YOf(values, i), YOf(values, best))) best = i;
  }
  return best;
}

// The first index in [1, last] whose X is not below x, with its point, where the first point
// lies below x and the last one above it; -1 when there is none (x is not a number).
//
// The points are in ascending order, except that points closer than the tolerance may stand in
// either order. A point more than the tolerance below x therefore has only points below x
// before it, so the bisection may discard it with everything before it; the short forward walk
// from the remaining bound then meets the first point not below x exactly where a walk from
// the start would have.
int FirstPointNotBelow(const TFuzzySetValues* values, TFzyFloat x, int last,
                       const TFuzzySetValue*& found) {
  int below = 0;  // every point in [1, below] lies below x
  int upper = last;
  while (upper - below > 1) {
    const int middle = below + (upper - below) / 2;
    if (BelowPositionTolerance(XOf(values, middle), x)) {
      below = middle;
    } else {
      upper = middle;
    }
  }
  for (int i = below + 1; i <= last; ++i) {
    const TFuzzySetValue* point = values->GetItem(i);
    if (point->GetX() >= x) {
      found = point;
      return i;
    }
  }
  return -1;
}

}  // namespace

// A lookup is the hottest path of the library: each point is fetched from the list once.
TFzyFloat TFuzzySet::DegreeOfMembership(TFzyFloat x) const {
  const int count = FValues->GetCount();
  if (count == 0) return 0.0;
  const TFuzzySetValue* first = FValues->GetItem(0);
  if (x < first->GetX()) return first->GetY();
  if (x == first->GetX()) return YOf(FValues, GetMaxYValueOfX(0, 1));
  const int last = count - 1;
  const TFuzzySetValue* lastPoint = FValues->GetItem(last);
  if (x > lastPoint->GetX()) return lastPoint->GetY();
  if (x == lastPoint->GetX()) return YOf(FValues, GetMaxYValueOfX(last, -1));
  const TFuzzySetValue* right = nullptr;
  const int i = FirstPointNotBelow(FValues, x, last, right);
  if (i < 0) return 0.0;
  if (right->GetX() == x) return YOf(FValues, GetMaxYValueOfX(i, 1));
  const TFuzzySetValue* left = FValues->GetItem(i - 1);
  return InterpolateY(left->GetX(), left->GetY(), right->GetX(), right->GetY(), x);
}

int TFuzzySet::GetMaxYValueOfX(int start, int direction) const {
  return ExtremeYOfX(FValues, start, direction,
                     [](TFzyFloat candidate, TFzyFloat best) { return candidate > best; });
}

int TFuzzySet::GetMinYValueOfX(int start, int direction) const {
  return ExtremeYOfX(FValues, start, direction,
                     [](TFzyFloat candidate, TFzyFloat best) { return candidate < best; });
}

TFzyFloat TFuzzySet::InterpolateY(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                  TFzyFloat x) {
  if (x1 == x2) return y2;
  return y1 + (x - x1) / (x2 - x1) * (y2 - y1);
}

TFzyFloat TFuzzySet::InterpolateX(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                  TFzyFloat y) {
  if (y1 == y2) return x2;
  return x1 + (y - y1) / (y2 - y1) * (x2 - x1);
}

}  // namespace fuzzy
