// TPointBuffer: a point list's edits inside one batch, on a plain array. It clamps, flags and
// settles its points exactly as a set's point list does between the start and the end of a
// batch, so that code working on arrays (a rule base's firing) ends with the very points that
// the same edits give a set, without a point object, a notification or, once warm, a heap
// allocation.
#pragma once

#include <span>
#include <vector>

#include "fuzzy/membership/FuzzyPoint.h"
#include "fuzzy/membership/PositionTolerance.h"

namespace fuzzy {

class TPointBuffer {
 public:
  // Empty and settled, for a set whose X range is [lower, upper].
  void Reset(TFzyFloat lower, TFzyFloat upper);
  // Room for `count` points, so that a walk appending them grows the array once.
  void Reserve(std::size_t count) { FPoints.reserve(count); }
  // The points of a settled list, as they stand.
  void Assign(std::span<const TFuzzyPoint> points);

  // A new last point, as the list's Add: X clamped into the range, a negative Y as 0. Inline:
  // every event of a walk into a buffer appends.
  void Append(TFzyFloat x, TFzyFloat y) {
    x = x < FLower ? FLower : x;
    x = x > FUpper ? FUpper : x;
    FPoints.push_back({x, y < 0.0 ? 0.0 : y});
    if (FPoints.size() > 1 && !ClearlyAfterPrevious()) CheckLast();
  }
  // A new Y for point `index`, as the point's SetY.
  void SetY(std::size_t index, TFzyFloat y);
  // Drops every point whose `keep` is false, in one sweep; the flags stay as they were, as for
  // a list cleared and refilled inside its batch.
  void KeepOnly(const std::vector<bool>& keep);
  // The points to edit in place, and the first `count` of them kept; the flags stay as they
  // were, as for a list thinned inside its batch.
  std::span<TFuzzyPoint> EditPoints() { return FPoints; }
  void Truncate(std::size_t count) { FPoints.resize(count); }
  // The end of the batch: the order and the duplicates settled where an edit unsettled them.
  // Inline: most batches leave them settled, and then there is nothing to do.
  void Settle() {
    if (!Settled()) SettleOrder();
  }

  // No edit since the last settling has unsettled the order or the duplicates.
  bool Settled() const { return FSorted && FDuplicatesRemoved; }
  std::span<const TFuzzyPoint> Points() const { return FPoints; }
  std::size_t Size() const { return FPoints.size(); }
  bool Empty() const { return FPoints.empty(); }
  TFzyFloat Lower() const { return FLower; }
  TFzyFloat Upper() const { return FUpper; }
  void Swap(TPointBuffer& other) noexcept;

 private:
  // The list's checks of an edited last point: its order and its equality with its predecessor.
  void CheckLast();
  // Settle's work where an edit left the order or the duplicates unsettled.
  void SettleOrder();
  // The last point lies beyond twice the tolerance after its predecessor in a settled list, so
  // the checks change nothing: the common case of a walk's events, told without a call.
  bool ClearlyAfterPrevious() const {
    const TFzyFloat step = FPoints.back().X - FPoints[FPoints.size() - 2].X;
    return FSorted && FDuplicatesRemoved && step > 2 * static_cast<TFzyFloat>(PositionTolerance);
  }

  TFuzzyPoints FPoints;
  TFzyFloat FLower = 0.0;
  TFzyFloat FUpper = 0.0;
  bool FSorted = true;
  bool FDuplicatesRemoved = true;
};

}  // namespace fuzzy
