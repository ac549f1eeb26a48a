#include "fuzzy/membership/FuzzySetValues.h"

#include <algorithm>
#include <limits>
#include <typeinfo>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/consts/FuzzyMessages.h"
#include "fuzzy/framework/Downcast.h"
#include "fuzzy/membership/PointBuffer.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

// ---- Construction and points ---------------------------------------------------------------

TFuzzySetValues* TFuzzySetValues::Create(TFuzzySet* owner) {
  return Constructed(new TFuzzySetValues(owner));
}

TFuzzySetValues::TFuzzySetValues(TFuzzySet* owner)
    : TGCollectionOf<TFuzzySetValue>(owner, TItemClass::Of<TFuzzySetValue>()) {}

TFuzzySet* TFuzzySetValues::GetFuzzySet() const {
  // Only a set (or nothing) can be given to the constructor as owner.
  return static_cast<TFuzzySet*>(GetOwner());
}

// Both coordinates in one edit: set one after the other, the new point would stand for a moment
// at (x, 0), equal to a point (x, 0) before it, and the clean-up would delete that point, so
// that reading ((5 0) (5 1)) lost the foot of the step.
TFuzzySetValue* TFuzzySetValues::Add(TFzyFloat x, TFzyFloat y) {
  TFuzzySetValue* value = Add();
  value->SetValue(x, y < 0.0 ? 0.0 : y);
  return value;
}

void TFuzzySetValues::AppendSettled(std::span<const TFuzzyPoint> points) {
  TCollectionUpdate batch(this);
  SetCapacity(GetCount() + static_cast<int>(points.size()));
  for (const TFuzzyPoint& point : points) {
    TFuzzySetValue* value = Add();
    value->FX = point.X;
    value->FY = point.Y;
  }
  batch.End();
}

bool TFuzzySetValues::TakesPointsInBulk() const {
  const TFuzzySet* set = GetFuzzySet();
  return typeid(*this) == typeid(TFuzzySetValues) && GetCount() == 0 &&
         GetItemClass() == TItemClass::Of<TFuzzySetValue>() &&
         (set == nullptr || typeid(*set) == typeid(TFuzzySet));
}

TPointBuffer TFuzzySetValues::BulkBuffer(std::size_t count) const {
  const TFuzzySet* set = GetFuzzySet();
  constexpr TFzyFloat Unbounded = std::numeric_limits<TFzyFloat>::infinity();
  TPointBuffer buffer;
  buffer.Reset(set == nullptr ? -Unbounded : set->GetXRange(1),
               set == nullptr ? Unbounded : set->GetXRange(0));
  buffer.Reserve(count);
  return buffer;
}

void TFuzzySetValues::JoinInBulk(const TPointBuffer& added) {
  // Unless the batch's end would have to sort or thin them, the points join in one step. Adding
  // the clamped points again gives the same points and flags, as clamping them changes nothing.
  TCollectionUpdate batch(this);
  if (added.Settled()) {
    AppendSettled(added.Points());
  } else {
    for (const TFuzzyPoint& point : added.Points()) Add(point.X, point.Y);
  }
  batch.End();
}

void TFuzzySetValues::AddPoints(std::span<const TFuzzyPoint> points) {
  if (!TakesPointsInBulk()) {
    TCollectionUpdate batch(this);
    for (const TFuzzyPoint& point : points) Add(point.X, point.Y);
    batch.End();
    return;
  }
  // The points as the adds would leave them: clamped, with the flags the adds would raise.
  TPointBuffer added = BulkBuffer(points.size());
  for (const TFuzzyPoint& point : points) added.Append(point.X, point.Y);
  JoinInBulk(added);
}

void TFuzzySetValues::Assign(TPersistent* source) {
  // A point takes another's coordinates as Add does them, where the list has a set to clamp to;
  // the collection's Assign does the rest, inside the same batch.
  const auto* other = Downcast<const TFuzzySetValues>(source);
  if (other == nullptr || other == this || GetFuzzySet() == nullptr) {
    TGCollectionOf<TFuzzySetValue>::Assign(source);
    return;
  }
  TCollectionUpdate batch(this);
  Clear();
  if (TakesPointsInBulk()) {
    TPointBuffer added = BulkBuffer(static_cast<std::size_t>(other->GetCount()));
    for (const TFuzzySetValue* point : *other) added.Append(point->GetX(), point->GetY());
    JoinInBulk(added);
  } else {
    TGCollectionOf<TFuzzySetValue>::Assign(source);
  }
  batch.End();
}

void TFuzzySetValues::SetItem(int index, TFuzzySetValue* value) {
  GetItem(index)->Assign(value);
}

void TFuzzySetValues::Append(const TFuzzySetValues* other) {
  if (other != nullptr) Append(other, 0, other->GetCount());
}

void TFuzzySetValues::Append(const TFuzzySetValues* other, int start, int count) {
  // An empty source has no point to pull the start onto.
  if (other == nullptr || other->GetCount() == 0 || count <= 0) return;
  const int available = other->GetCount();
  start = std::clamp(start, 0, available - 1);
  count = std::min(count, available - start);
  for (int i = start; i < start + count; ++i) Add()->Assign(other->GetItem(i));
}

TFuzzySetValuesEnumerator* TFuzzySetValues::GetEnumerator() const {
  return TFuzzySetValuesEnumerator::Create(this);
}

TFuzzySetValuesEnumerator* TFuzzySetValuesEnumerator::Create(const TFuzzySetValues* values) {
  return Constructed(new TFuzzySetValuesEnumerator(values));
}

int TFuzzySetValues::IndexOfValue(const TFuzzySetValue* value) const {
  const int count = GetCount();
  if (count > 0 && GetItem(count - 1) == value) return count - 1;
  if (value->TCollectionItem::GetCollection() != this) return -1;
  return value->GetIndex();
}

// ---- Statistics ----------------------------------------------------------------------------

void TFuzzySetValues::CheckEmpty(const char* operation) const {
  if (GetCount() == 0) throw EFzyException::CreateFmt(SFuzzySetEmpty, operation);
}

TFzyFloat TFuzzySetValues::GetAvgValue() const {
  CheckEmpty("Get Average Y Value");
  TFzyFloat sum = 0.0;
  for (const TFuzzySetValue* value : *this) sum += value->GetY();
  return sum / GetCount();
}

void TFuzzySetValues::GetStatValues(TFzyFloat& avg, TFzyFloat& max, TFzyFloat& min) const {
  CheckEmpty("Get Statistics Values");
  TFzyFloat sum = 0.0;
  TFzyFloat high = 0.0;
  TFzyFloat low = 1.0;
  for (const TFuzzySetValue* value : *this) {
    sum += value->GetY();
    high = std::max(high, value->GetY());
    low = std::min(low, value->GetY());
  }
  avg = sum / GetCount();
  max = high;
  min = low;
}

TFzyFloat TFuzzySetValues::GetMaxValue() const {
  CheckEmpty("Get Maximum Y Value");
  TFzyFloat result = GetItem(0)->GetY();
  for (const TFuzzySetValue* value : *this) {
    result = std::max(result, value->GetY());
    // Full membership is the usual top of a membership function: nothing to look for beyond.
    if (value->GetY() == 1.0) break;
  }
  return result;
}

TFzyFloat TFuzzySetValues::GetMinValue() const {
  CheckEmpty("Get Minimum Y Value");
  TFzyFloat result = GetItem(0)->GetY();
  for (const TFuzzySetValue* value : *this) {
    result = std::min(result, value->GetY());
    if (value->GetY() == 0.0) break;
  }
  return result;
}

// ---- Searching -----------------------------------------------------------------------------

int TFuzzySetValues::GetXCount(TFzyFloat x) const {
  int count = 0;
  for (const TFuzzySetValue* value : *this) count += value->GetX() == x ? 1 : 0;
  return count;
}

template <class TCoordinate>
int TFuzzySetValues::Skip(int start, TFzyFloat value, int direction, TCoordinate coordinate) const {
  if (direction == 0) direction = 1;
  const int count = GetCount();
  int index = start;
  while (index >= 0 && index < count && WithinPositionTolerance(coordinate(GetItem(index)), value))
    index += direction;
  return index >= 0 && index < count ? index : -1;
}

int TFuzzySetValues::SkipX(int start, TFzyFloat value, int direction) const {
  return Skip(start, value, direction, [](const TFuzzySetValue* point) { return point->GetX(); });
}

int TFuzzySetValues::SkipY(int start, TFzyFloat value, int direction) const {
  return Skip(start, value, direction, [](const TFuzzySetValue* point) { return point->GetY(); });
}

// ---- Change notification -------------------------------------------------------------------

void TFuzzySetValues::Update(TCollectionItem* item) {
  TGCollectionOf<TFuzzySetValue>::Update(item);
  if (GetCount() < 2) {
    FSorted = true;
    FDuplicatesRemoved = true;
  }
  if (item == nullptr) CleanupValues();
  TFuzzySet* set = GetFuzzySet();
  if (set == nullptr) return;
  if (item == nullptr) {
    set->UpdateFuzzySetValues();
  } else {
    set->UpdateFuzzySetValue(static_cast<TFuzzySetValue*>(item));
  }
}

}  // namespace fuzzy
