// TIFSValues: adding points by both coordinates, copying from and comparing with any IFuzzySet,
// and handing text and interface assignment back to the owning set.
#include "fuzzy/interfaces/IFSValues.h"

#include <algorithm>
#include <vector>

#include "fuzzy/interfaces/IFuzzySet.h"

namespace fuzzy {

namespace {

struct TPointCopy {
  TFzyFloat X;
  TFzyFloat Y;
};

// The points of `source` from `start`, `count` of them, read before anything changes, so a
// list may copy from its own set.
std::vector<TPointCopy> ReadPoints(const IPtr<IFuzzySet>& source, int start, int count) {
  std::vector<TPointCopy> points;
  points.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = start; i < start + count; ++i) {
    points.push_back({source->GetXValues(i), source->GetYValues(i)});
  }
  return points;
}

}  // namespace

TIFSValues::TIFSValues(TIFuzzySet* owner) : TFuzzySetValues(owner) {}

TIFSValues* TIFSValues::Create(TIFuzzySet* owner) {
  return Constructed(new TIFSValues(owner));
}

TIFuzzySet* TIFSValues::GetIFuzzySet() const {
  // Only a TIFuzzySet (or nobody) owns a TIFSValues.
  return static_cast<TIFuzzySet*>(GetFuzzySet());
}

// ---- Points --------------------------------------------------------------------------------

// The index a new point ended at once its batch is over. The closing clean-up may move it, or
// drop it for an equal point already there; that point's index is the answer then.
int TIFSValues::PlacedIndex(int id, TFzyFloat x, TFzyFloat y) const {
  if (const TCollectionItem* point = FindItemID(id)) return point->GetIndex();
  for (int i = 0; i < GetCount(); ++i) {
    const TFuzzySetValue* point = GetItem(i);
    if (FloatEquals(point->GetX(), x) && FloatEquals(point->GetY(), y)) return i;
  }
  return -1;
}

int TIFSValues::Add(TFzyFloat x, TFzyFloat y) {
  return Insert(GetCount(), x, y);
}

int TIFSValues::Insert(int index, TFzyFloat x, TFzyFloat y) {
  TCollectionUpdate batch(this);
  TFuzzySetValue* point = TGCollectionOf<TFuzzySetValue>::Insert(index);
  point->SetValue(x, y);
  // Inside an outer batch nothing is placed yet: the point stays where it was made.
  if (GetUpdateCount() > 1) return point->GetIndex();
  // The point's coordinates as the list kept them (clamped), for finding it again.
  const int id = point->GetID();
  const TFzyFloat keptX = point->GetX();
  const TFzyFloat keptY = point->GetY();
  batch.End();
  return PlacedIndex(id, keptX, keptY);
}

void TIFSValues::Append(const IPtr<IFuzzySet>& source) {
  Append(source, 0, source->GetCount());
}

void TIFSValues::Append(const IPtr<IFuzzySet>& source, int start, int count) {
  const int last = source->GetCount() - 1;
  if (last < 0) return;
  start = std::clamp(start, 0, last);
  count = std::min(count, last - start + 1);
  const std::vector<TPointCopy> points = ReadPoints(source, start, count);
  // One batch: the set hears of the whole append once.
  TCollectionUpdate batch(this);
  for (const TPointCopy& point : points) Add(point.X, point.Y);
  batch.End();
}

void TIFSValues::AssignValues(const IPtr<IFuzzySet>& source) {
  const std::vector<TPointCopy> points = ReadPoints(source, 0, source->GetCount());
  TCollectionUpdate batch(this);
  Clear();
  for (const TPointCopy& point : points) Add(point.X, point.Y);
  batch.End();
}

bool TIFSValues::EqualsValues(const IPtr<IFuzzySet>& source) const {
  if (!source || source->GetCount() != GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i) {
    const TFuzzySetValue* point = GetItem(i);
    if (!FloatEquals(point->GetX(), source->GetXValues(i)) ||
        !FloatEquals(point->GetY(), source->GetYValues(i))) {
      return false;
    }
  }
  return true;
}

// ---- Handed to the owning set ----------------------------------------------------------------

std::string TIFSValues::ToString() const {
  const TIFuzzySet* owner = GetIFuzzySet();
  return owner == nullptr ? std::string() : owner->ToString();
}

void TIFSValues::Assign(const IPtr<IInterface>& source) {
  if (TIFuzzySet* owner = GetIFuzzySet()) owner->Assign(source);
}

}  // namespace fuzzy
