#include "fuzzy/membership/PointBuffer.h"

#include <algorithm>
#include <utility>

#include "fuzzy/membership/PointOrder.h"

namespace fuzzy {

void TPointBuffer::Reset(TFzyFloat lower, TFzyFloat upper) {
  FPoints.clear();
  FLower = lower;
  FUpper = upper;
  FSorted = true;
  FDuplicatesRemoved = true;
}

void TPointBuffer::Assign(std::span<const TFuzzyPoint> points) {
  FPoints.assign(points.begin(), points.end());
  FSorted = true;
  FDuplicatesRemoved = true;
}

void TPointBuffer::CheckLast() {
  const TFuzzyPoint& last = FPoints.back();
  const TFuzzyPoint& previous = FPoints[FPoints.size() - 2];
  // In ascending order the plain comparison decides; extended precision only below it.
  if (FSorted && !(last.X >= previous.X)) {
    FSorted = static_cast<long double>(last.X) >= previous.X - PositionTolerance;
  }
  if (!FSorted) FDuplicatesRemoved = false;
  if (FDuplicatesRemoved && SamePoint(last, previous)) FDuplicatesRemoved = false;
}

void TPointBuffer::SetY(std::size_t index, TFzyFloat y) {
  TFuzzyPoint& point = FPoints[index];
  if (y == point.Y) return;
  point.Y = y < 0.0 ? 0.0 : y;
  if (!FSorted) FDuplicatesRemoved = false;
  if (!FDuplicatesRemoved || FPoints.size() < 2) return;
  const bool equalsPrevious = index > 0 && SamePoint(point, FPoints[index - 1]);
  const bool equalsNext = index + 1 < FPoints.size() && SamePoint(point, FPoints[index + 1]);
  if (equalsPrevious || equalsNext) FDuplicatesRemoved = false;
}

void TPointBuffer::KeepOnly(const std::vector<bool>& keep) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < FPoints.size(); ++i) {
    if (keep[i]) FPoints[kept++] = FPoints[i];
  }
  FPoints.resize(kept);
}

void TPointBuffer::SettleOrder() {
  if (FPoints.size() < 2) FSorted = FDuplicatesRemoved = true;
  if (!FSorted) FPoints = point_order::SortedOrder(std::move(FPoints));
  if (!FDuplicatesRemoved) {
    std::vector<bool> keep =
        point_order::DuplicatesToDrop(FPoints, [](const TFuzzyPoint&) { return false; });
    keep.flip();
    KeepOnly(keep);
  }
  FSorted = FDuplicatesRemoved = true;
}

void TPointBuffer::Swap(TPointBuffer& other) noexcept {
  std::swap(FPoints, other.FPoints);
  std::swap(FLower, other.FLower);
  std::swap(FUpper, other.FUpper);
  std::swap(FSorted, other.FSorted);
  std::swap(FDuplicatesRemoved, other.FDuplicatesRemoved);
}

}  // namespace fuzzy
