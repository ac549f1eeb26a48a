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

// The points of min(membership, level) in order: a point is inserted where a sloped segment
// crosses the level, and every Y above it becomes the level. A vertical step needs no inserted
// point: clipping its upper point already gives the step's new height. Then the clipped points
// inside a flat top are dropped: they lie on the line between their neighbours.
template <class TPoints>
void PointsCutAt(const TPoints& points, TFzyFloat level, std::vector<TCutPoint>& cut,
                 std::vector<TCutPoint>& kept) {
  cut.clear();
  // Each point, and at most one crossing before each but the first.
  cut.reserve(2 * static_cast<std::size_t>(points.Count()));
  for (int i = 0; i < points.Count(); ++i) {
    const TFzyFloat y = points.Y(i);
    if (i > 0 && !WithinPositionTolerance(points.X(i - 1), points.X(i))) {
      const TFzyFloat from = points.Y(i - 1);
      if ((from < level && level < y) || (from > level && level > y)) {
        cut.push_back({LevelX(points.X(i - 1), from, points.X(i), y, level), level, false});
      }
    }
    cut.push_back({points.X(i), std::min(y, level), y > level});
  }
  kept.clear();
  kept.reserve(cut.size());
  for (std::size_t k = 0; k < cut.size(); ++k) {
    const bool inner =
        k > 0 && k + 1 < cut.size() && cut[k - 1].Y == level && cut[k + 1].Y == level;
    if (!(cut[k].Clipped && inner)) kept.push_back(cut[k]);
  }
}

// Whether the cut changes the list beyond clipping Y: a point inserted or dropped.
inline bool CutReshapes(int count, const std::vector<TCutPoint>& cut,
                        const std::vector<TCutPoint>& kept) {
  return cut.size() != static_cast<std::size_t>(count) || kept.size() != cut.size();
}

}  // namespace fuzzy
