// How a point list settles its order and its duplicates, written once for point objects and for
// plain point arrays, so that a list of objects and an array edited the same way end with the
// same points.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

#include "fuzzy/membership/FuzzyPoint.h"
#include "fuzzy/membership/FuzzySetValue.h"

namespace fuzzy::point_order {

inline TFzyFloat XOf(const TFuzzyPoint& point) {
  return point.X;
}
inline TFzyFloat XOf(const TFuzzySetValue* point) {
  return point->GetX();
}
inline bool Same(const TFuzzyPoint& a, const TFuzzyPoint& b) {
  return SamePoint(a, b);
}
inline bool Same(const TFuzzySetValue* a, const TFuzzySetValue* b) {
  return a->Equals(b);
}

// Smallest X from each position to the end: a position needs work only when some later point
// lies more than the tolerance below it.
template <class TPoint>
std::vector<TFzyFloat> SuffixMinimumX(const std::vector<TPoint>& points, std::size_t from) {
  std::vector<TFzyFloat> minimum(points.size() + 1, std::numeric_limits<TFzyFloat>::infinity());
  for (std::size_t i = points.size(); i-- > from;)
    minimum[i] = std::min(minimum[i + 1], XOf(points[i]));
  return minimum;
}

// One step of the sort at `first`: every later point that lies more than the tolerance below
// the point then at `first` moves to `first`, pushing the others back one place. The points
// moved so end up in reverse order of their moving, followed by the rest in their old order.
template <class TPoint>
void PullSmallerForward(std::vector<TPoint>& points, std::size_t first) {
  std::vector<TPoint> moved;
  std::vector<TPoint> rest{points[first]};
  TFzyFloat current = XOf(points[first]);
  for (std::size_t j = first + 1; j < points.size(); ++j) {
    if (BelowPositionTolerance(XOf(points[j]), current)) {
      moved.push_back(points[j]);
      current = XOf(points[j]);
    } else {
      rest.push_back(points[j]);
    }
  }
  auto out = std::copy(moved.rbegin(), moved.rend(), points.begin() + static_cast<long>(first));
  std::copy(rest.begin(), rest.end(), out);
}

// The sorted order, as the one-point-at-a-time sort gives it. Positions that nothing later
// undercuts are passed over at once, so a list that is nearly in order costs nearly nothing.
template <class TPoint>
std::vector<TPoint> SortedOrder(std::vector<TPoint> points) {
  std::vector<TFzyFloat> minimum = SuffixMinimumX(points, 0);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    if (!BelowPositionTolerance(minimum[i + 1], XOf(points[i]))) continue;
    PullSmallerForward(points, i);
    minimum = SuffixMinimumX(points, i);
  }
  return points;
}

// Which points RemoveDuplicates drops, by index: each point equal to its predecessor, and the
// fifth point of every run of equal X (the count starts again after it). When the point to
// drop is the spared one, its predecessor goes instead and the spared one takes its place.
template <class TPoint, class TSpared>
std::vector<bool> DuplicatesToDrop(const std::vector<TPoint>& points, TSpared spared) {
  std::vector<bool> drop(points.size(), false);
  std::vector<std::size_t> kept{0};
  int run = 0;
  const auto dropOne = [&](std::size_t current) {
    if (!spared(points[current])) {
      drop[current] = true;
      return;
    }
    drop[kept.back()] = true;
    kept.back() = current;
  };
  for (std::size_t i = 1; i < points.size(); ++i) {
    const TPoint& previous = points[kept.back()];
    if (Same(points[i], previous)) {
      dropOne(i);
    } else if (!WithinPositionTolerance(XOf(points[i]), XOf(previous))) {
      run = 0;
      kept.push_back(i);
    } else if (++run == 4) {
      dropOne(i);
      run = 0;
    } else {
      kept.push_back(i);
    }
  }
  return drop;
}

}  // namespace fuzzy::point_order
