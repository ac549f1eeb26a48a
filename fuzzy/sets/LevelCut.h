// The points of min(membership, level), for correlation by minimum: written once over a set's
// point list and over a plain point array, so that a rule base's working sets are cut exactly
// as a set is.
#pragma once

#include <algorithm>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/membership/PositionTolerance.h"

namespace fuzzy {

struct TCutPoint {
  TFzyFloat X;
  TFzyFloat Y;
  bool Clipped;  // stood above the level
};

// The X on the line through (x1, y1), (x2, y2) at height y; x2 when y1 == y2.
inline TFzyFloat LevelX(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2, TFzyFloat y) {
  if (y1 == y2) return x2;
  return x1 + (y - y1) / (y2 - y1) * (x2 - x1);
}

// The points of min(membership, level) in order, into `kept`; answers how many there were before
// the flat top was thinned. A point is inserted where a sloped segment crosses the level, and
// every Y above it becomes the level. A vertical step needs no inserted point: clipping its
// upper point already gives the step's new height. Then the clipped points inside a flat top
// are dropped: they lie on the line between their neighbours. Each point is decided as soon as
// the one after it is known.
template <class TPoints>
std::size_t PointsCutAt(const TPoints& points, TFzyFloat level, std::vector<TCutPoint>& kept) {
  kept.clear();
  kept.reserve(2 * static_cast<std::size_t>(points.Count()));
  std::size_t count = 0;
  TCutPoint before{};  // the point before the pending one, once count > 1
  TCutPoint pending{};
  const auto emit = [&](const TCutPoint& next) {
    if (count > 0) {
      const bool inner = count > 1 && before.Y == level && next.Y == level;
      if (!(pending.Clipped && inner)) kept.push_back(pending);
      before = pending;
    }
    pending = next;
    ++count;
  };
  for (int i = 0; i < points.Count(); ++i) {
    const TFzyFloat y = points.Y(i);
    if (i > 0 && !WithinPositionTolerance(points.X(i - 1), points.X(i))) {
      const TFzyFloat from = points.Y(i - 1);
      if ((from < level && level < y) || (from > level && level > y)) {
        emit({LevelX(points.X(i - 1), from, points.X(i), y, level), level, false});
      }
    }
    emit({points.X(i), std::min(y, level), y > level});
  }
  if (count > 0) kept.push_back(pending);
  return count;
}

// Whether the cut changes the list beyond clipping Y: a point inserted or dropped.
inline bool CutReshapes(int count, std::size_t cutCount, const std::vector<TCutPoint>& kept) {
  return cutCount != static_cast<std::size_t>(count) || kept.size() != cutCount;
}

}  // namespace fuzzy
