// Keeping a point list in order: sorting, removing duplicates, and re-placing a point after a
// single edit (at most three points on its X, the edited point itself always kept).
#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PointOrder.h"
#include "fuzzy/membership/PositionTolerance.h"

namespace fuzzy {

// Names the point whose edit is being processed for the duration of a scope, so that any
// clean-up running meanwhile spares it: its setter still uses it once the list is done.
class TFuzzySetValues::TProtect {
 public:
  TProtect(TFuzzySetValues* values, TFuzzySetValue* value)
      : FValues(values), FPrevious(std::exchange(values->FUpdating, value)) {}
  ~TProtect() { FValues->FUpdating = FPrevious; }
  TProtect(const TProtect&) = delete;
  TProtect& operator=(const TProtect&) = delete;

 private:
  TFuzzySetValues* FValues;
  TFuzzySetValue* FPrevious;
};

namespace {

using TPoints = std::vector<TFuzzySetValue*>;

TPoints PointsOf(const TFuzzySetValues* values) {
  TPoints points;
  points.reserve(static_cast<std::size_t>(values->GetCount()));
  for (TFuzzySetValue* value : *values) points.push_back(value);
  return points;
}

}  // namespace

// ---- Sort, RemoveDuplicates, CleanupValues -------------------------------------------------

void TFuzzySetValues::Sort() {
  if (FSorted) return;
  TCollectionUpdate batch(this);
  const TPoints order = point_order::SortedOrder(PointsOf(this));
  for (std::size_t k = 0; k < order.size(); ++k) {
    const int index = static_cast<int>(k);
    if (GetItem(index) != order[k]) order[k]->SetIndex(index);
  }
  // Before the batch closes: its closing Update cleans up and must find the order settled.
  FSorted = true;
  batch.End();
}

void TFuzzySetValues::RemoveDuplicates() {
  if (FDuplicatesRemoved) return;
  TCollectionUpdate batch(this);
  const TFuzzySetValue* spared = FUpdating;
  const std::vector<bool> drop = point_order::DuplicatesToDrop(
      PointsOf(this), [spared](const TFuzzySetValue* point) { return point == spared; });
  // From the end, so that the indexes still to visit stay valid.
  for (int i = static_cast<int>(drop.size()); i-- > 0;)
    if (drop[static_cast<std::size_t>(i)]) Delete(i);
  FDuplicatesRemoved = true;
  batch.End();
}

void TFuzzySetValues::CleanupValues() {
  if (FSorted && FDuplicatesRemoved) return;
  TCollectionUpdate batch(this);
  Sort();
  RemoveDuplicates();
  batch.End();
}

// ---- UpdateValue ---------------------------------------------------------------------------

void TFuzzySetValues::UpdateValue(TFuzzySetValue* value, TXYUpdateTypes updateTypes) {
  const int index = value == nullptr ? -1 : IndexOfValue(value);
  if (index < 0) return;
  if (updateTypes.Contains(utX)) CheckOrder(index);
  if (!FSorted) FDuplicatesRemoved = false;
  if (updateTypes.Contains(utY)) CheckDuplicates(index);
  // Inside a batch the batch's closing Update sorts and cleans up once for all edits.
  if (GetUpdateCount() > 0) return;

  TProtect protect(this, value);
  Sort();
  // Settling duplicates here too means that the deletions below cannot set off a clean-up
  // that shifts the points under their feet.
  if (!FDuplicatesRemoved) CleanupValues();
  if (GetCount() < 2) return;
  if (updateTypes.Contains(utX)) PlaceValue(value);
  TrimRun(value);
}

void TFuzzySetValues::CheckOrder(int index) {
  const int count = GetCount();
  if (!FSorted || count < 2) return;
  const long double x = GetItem(index)->GetX();
  const long double previous = index > 0 ? GetItem(index - 1)->GetX() : x;
  const long double next = index < count - 1 ? GetItem(index + 1)->GetX() : x;
  FSorted = x >= previous - PositionTolerance && x <= next + PositionTolerance;
}

void TFuzzySetValues::CheckDuplicates(int index) {
  const int count = GetCount();
  if (!FDuplicatesRemoved || count < 2) return;
  const TFuzzySetValue* value = GetItem(index);
  const bool equalsPrevious = index > 0 && value->Equals(GetItem(index - 1));
  const bool equalsNext = index < count - 1 && value->Equals(GetItem(index + 1));
  if (equalsPrevious || equalsNext) FDuplicatesRemoved = false;
}

// Moves the point after the others on its X; a fourth point on an X removes the second of the
// three already there (never the point itself).
void TFuzzySetValues::PlaceValue(TFuzzySetValue* value) {
  const TFzyFloat x = value->GetX();
  int remembered = -1;
  int second = -1;
  int counted = 0;
  for (int i = 0; i < GetCount(); ++i) {
    const TFuzzySetValue* point = GetItem(i);
    if (point != value) {
      const bool same = WithinPositionTolerance(point->GetX(), x);
      if (!same && point->GetX() > x) break;
      if (same && ++counted == 3) break;
      if (counted == 2 && second < 0) second = i;
    }
    remembered = i;
  }
  if (counted == 3) {
    const int doomed = GetItem(remembered) == value ? second : remembered;
    Delete(doomed);
    if (doomed < remembered) --remembered;
  }
  if (remembered >= 0) value->SetIndex(remembered);
}

// Around the point's X: of two equal neighbours the earlier goes (the other one when the
// earlier is the point itself); then a run of more than three loses the point before the
// edited one, or the one after it when the edited point opens the run.
void TFuzzySetValues::TrimRun(TFuzzySetValue* value) {
  const TFzyFloat x = value->GetX();
  const int start = IndexOfValue(value);
  int first = SkipX(start, x, -1) + 1;
  const int after = SkipX(start, x, 1);
  int last = after < 0 ? GetCount() - 1 : after - 1;
  for (int i = std::max(first, 1); i <= last;) {
    TFuzzySetValue* previous = GetItem(i - 1);
    if (!GetItem(i)->Equals(previous)) {
      ++i;
      continue;
    }
    if (previous == value) {
      Delete(i);
    } else {
      Delete(i - 1);
      if (i - 1 < first) --first;
    }
    --last;
  }
  if (last - first + 1 <= 3) return;
  const int index = IndexOfValue(value);
  Delete(index > first ? index - 1 : index + 1);
}

}  // namespace fuzzy
