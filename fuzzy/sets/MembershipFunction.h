// The membership function, its centre of gravity and its mean of maxima, written once over any
// sequence of points: a set's point list, or a plain point array (a rule base's working sets,
// the pairwise walk), so that both answer alike to the last bit.
#pragma once

#include <cmath>
#include <span>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/membership/FuzzyPoint.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy::membership_function {

// Points by index, from a plain array.
class TArrayPoints {
 public:
  explicit TArrayPoints(std::span<const TFuzzyPoint> points) : FPoints(points) {}
  int Count() const { return static_cast<int>(FPoints.size()); }
  TFzyFloat X(int index) const { return FPoints[static_cast<std::size_t>(index)].X; }
  TFzyFloat Y(int index) const { return FPoints[static_cast<std::size_t>(index)].Y; }

 private:
  std::span<const TFuzzyPoint> FPoints;
};

// Points by index, from a set's point list.
class TListPoints {
 public:
  explicit TListPoints(const TFuzzySetValues* values) : FValues(values) {}
  int Count() const { return FValues->GetCount(); }
  TFzyFloat X(int index) const { return FValues->GetItem(index)->GetX(); }
  TFzyFloat Y(int index) const { return FValues->GetItem(index)->GetY(); }

 private:
  const TFuzzySetValues* FValues;
};

// The Y on the line through (x1, y1), (x2, y2) at x; y2 when x1 == x2.
inline TFzyFloat InterpolateY(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2, TFzyFloat x) {
  if (x1 == x2) return y2;
  return y1 + (x - x1) / (x2 - x1) * (y2 - y1);
}

// Walks the points around `start` that share its X (within the tolerance) in `direction` and
// answers the first point whose Y no later point beats.
template <class TPoints, class TBetter>
int ExtremeYOfX(const TPoints& points, int start, int direction, TBetter better) {
  if (direction == 0) direction = 1;
  const TFzyFloat x = points.X(start);
  int best = start;
  for (int i = start + direction; i >= 0 && i < points.Count(); i += direction) {
    if (!WithinPositionTolerance(points.X(i), x)) break;
    if (better(points.Y(i), points.Y(best))) best = i;
  }
  return best;
}

template <class TPoints>
int MaxYOfX(const TPoints& points, int start, int direction) {
  return ExtremeYOfX(points, start, direction,
                     [](TFzyFloat candidate, TFzyFloat best) { return candidate > best; });
}

// The first index in [1, last] whose X is not below x, where the first point lies below x and
// the last one above it; -1 when there is none (x is not a number).
//
// The points are in ascending order, except that points closer than the tolerance may stand in
// either order. A point more than the tolerance below x therefore has only points below x
// before it, so the bisection may discard it with everything before it; the short forward walk
// from the remaining bound then meets the first point not below x exactly where a walk from
// the start would have.
template <class TPoints>
int FirstPointNotBelow(const TPoints& points, TFzyFloat x, int last) {
  int below = 0;  // every point in [1, below] lies below x
  int upper = last;
  while (upper - below > 1) {
    const int middle = below + (upper - below) / 2;
    if (BelowPositionTolerance(points.X(middle), x)) {
      below = middle;
    } else {
      upper = middle;
    }
  }
  for (int i = below + 1; i <= last; ++i) {
    if (points.X(i) >= x) return i;
  }
  return -1;
}

// Piecewise-linear between the points, flat beyond the first and last ones, and at a vertical
// step the largest Y of the step.
template <class TPoints>
TFzyFloat MembershipAt(const TPoints& points, TFzyFloat x) {
  const int count = points.Count();
  if (count == 0) return 0.0;
  const TFzyFloat firstX = points.X(0);
  if (x < firstX) return points.Y(0);
  if (x == firstX) return points.Y(MaxYOfX(points, 0, 1));
  const int last = count - 1;
  const TFzyFloat lastX = points.X(last);
  if (x > lastX) return points.Y(last);
  if (x == lastX) return points.Y(MaxYOfX(points, last, -1));
  const int i = FirstPointNotBelow(points, x, last);
  if (i < 0) return 0.0;
  const TFzyFloat rightX = points.X(i);
  if (rightX == x) return points.Y(MaxYOfX(points, i, 1));
  return InterpolateY(points.X(i - 1), points.Y(i - 1), rightX, points.Y(i), x);
}

// ---- Centre of gravity ------------------------------------------------------------------------

using TExtended = long double;

// The area under one piece of the membership function and the X of its centroid.
struct TSegmentCentroid {
  TFzyFloat cx = 0.0;
  TFzyFloat area = 0.0;
};

// The piece between (x1, y1) and (x2, y2); see the definition.
TSegmentCentroid SegmentCentroid(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2);
// The rectangle at height y between two X values.
TSegmentCentroid Strip(TFzyFloat from, TFzyFloat to, TFzyFloat y);

// The running moment and area sums, kept in extended precision.
struct TMomentSum {
  TExtended moment = 0.0L;
  TExtended area = 0.0L;

  void Add(const TSegmentCentroid& piece) {
    moment += static_cast<TExtended>(piece.cx) * piece.area;
    area += piece.area;
  }
  TFzyFloat Centre() const { return area == 0.0L ? 0.0 : static_cast<TFzyFloat>(moment / area); }
};

// Membership continues flat beyond the end points up to the bounds of the range [lower, upper].
template <class TPoints>
TFzyFloat CentreOfGravity(const TPoints& points, TFzyFloat lower, TFzyFloat upper) {
  const int count = points.Count();
  if (count == 0) return 0.0;
  const int last = count - 1;
  const TFzyFloat firstX = points.X(0), firstY = points.Y(0);
  const TFzyFloat lastX = points.X(last), lastY = points.Y(last);
  // No width: nothing tells one X from another, so the middle of the range is the answer. A step
  // whose two sides stand at different levels is told apart by its strips, like any function.
  const bool oneX = count == 1 || WithinPositionTolerance(firstX, lastX);
  if (oneX && firstY == lastY) {
    return static_cast<TFzyFloat>((static_cast<TExtended>(lower) + upper) / 2);
  }
  TMomentSum sum;
  // The strips test Y exactly: any height at all continues to the bound.
  if (firstY > 0.0 && !WithinPositionTolerance(firstX, lower))
    sum.Add(Strip(lower, firstX, firstY));
  for (int i = 1; i < count; ++i) {
    sum.Add(SegmentCentroid(points.X(i - 1), points.Y(i - 1), points.X(i), points.Y(i)));
  }
  if (lastY > 0.0 && !WithinPositionTolerance(lastX, upper)) sum.Add(Strip(lastX, upper, lastY));
  return sum.Centre();
}

// ---- Mean of maxima ---------------------------------------------------------------------------

// Two Y values this close count as one maximum.
inline constexpr TExtended MaximumTolerance = 0.0001L;

template <class TPoints>
TFzyFloat MeanOfMaxima(const TPoints& points) {
  const int count = points.Count();
  if (count == 0) return 0.0;
  // The reference maximum stays where the run started, so a slow climb in steps below the
  // tolerance does not drag it along; a clearly higher point starts a new run.
  TExtended maximum = points.Y(0);
  TExtended sum = points.X(0);
  int found = 1;
  for (int i = 1; i < count; ++i) {
    const TExtended y = points.Y(i);
    if (maximum - MaximumTolerance < y && y < maximum + MaximumTolerance) {
      sum += points.X(i);
      ++found;
    } else if (y > maximum) {
      maximum = y;
      sum = points.X(i);
      found = 1;
    }
  }
  return static_cast<TFzyFloat>(sum / found);
}

}  // namespace fuzzy::membership_function
