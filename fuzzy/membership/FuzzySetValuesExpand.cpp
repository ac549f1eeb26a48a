// Resampling a point list to more points without changing its shape: every new point lies on
// the straight segment between its neighbours.
#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PositionTolerance.h"

namespace fuzzy {

namespace {

// The Y at `x` on the line through (x1, y1) and (x2, y2); y2 on a vertical line.
TFzyFloat LineY(const TFuzzySetValue* from, const TFuzzySetValue* to, TFzyFloat x) {
  const TFzyFloat x1 = from->GetX();
  const TFzyFloat x2 = to->GetX();
  if (x1 == x2) return to->GetY();
  return from->GetY() + (x - x1) / (x2 - x1) * (to->GetY() - from->GetY());
}

// A segment carries new points only when it rises or falls: its ends lie apart by more than
// the tolerance.
bool IsSloped(const TFuzzySetValue* from, const TFuzzySetValue* to) {
  return static_cast<long double>(to->GetX()) - PositionTolerance > from->GetX();
}

}  // namespace

void TFuzzySetValues::InsertOnLine(TFzyFloat x, int index) {
  TFuzzySetValue* value = Add();
  value->SetX(x);
  value->SetIndex(index);
  value->SetY(LineY(GetItem(index - 1), GetItem(index + 1), x));
}

void TFuzzySetValues::Expand(int count) {
  if (count < 2 || count <= GetCount()) return;
  int extra = count - GetCount();
  int slopes = 0;
  for (int i = 0; i + 1 < GetCount(); ++i) slopes += IsSloped(GetItem(i), GetItem(i + 1)) ? 1 : 0;
  if (slopes == 0) return;

  TCollectionUpdate batch(this);
  // Ceil gives the earlier segments the larger shares, so the last sloped one takes the rest.
  for (int i = 0; extra > 0 && i + 1 < GetCount(); ++i) {
    if (!IsSloped(GetItem(i), GetItem(i + 1))) continue;
    const auto share = static_cast<int>(Ceil(static_cast<long double>(extra) / slopes));
    const TFzyFloat step = (GetItem(i + 1)->GetX() - GetItem(i)->GetX()) / (share + 1);
    --slopes;
    for (int k = 0; k < share; ++k, ++i) {
      --extra;
      InsertOnLine(GetItem(i)->GetX() + step, i + 1);
    }
  }
  batch.End();
}

void TFuzzySetValues::ExpandSimple(int count) {
  if (count < 2 || count <= GetCount() || GetCount() < 2) return;
  const TFzyFloat first = GetItem(0)->GetX();
  const TFzyFloat span = GetItem(GetCount() - 1)->GetX() - first;
  // Without a span there is nowhere between the ends to put a point.
  if (!(span > 0.0)) return;

  TCollectionUpdate batch(this);
  const int extra = count - GetCount();
  const TFzyFloat step = span / (extra + 1);
  TFzyFloat x = first;
  int position = 0;
  for (int k = 0; k < extra; ++k) {
    x += step;
    while (position < GetCount() - 1 && GetItem(position)->GetX() < x) ++position;
    if (WithinPositionTolerance(GetItem(position)->GetX(), x)) {
      // A new point meets the points already at its X after them.
      const int past = SkipX(position, x, 1);
      position = past < 0 ? GetCount() - 1 : past;
    }
    InsertOnLine(x, position);
  }
  batch.End();
}

}  // namespace fuzzy
