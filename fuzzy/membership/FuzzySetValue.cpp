#include "fuzzy/membership/FuzzySetValue.h"

#include "fuzzy/framework/Downcast.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// A new point goes one past the last point of its list, so that joining keeps the list in
// order and the point's own placement later costs nothing.
TFzyFloat StartX(TCollection* collection) {
  const auto* values = Downcast<const TFuzzySetValues>(collection);
  if (values == nullptr || values->GetCount() == 0) return 0.0;
  return values->GetItem(values->GetCount() - 1)->GetX() + 1.0;
}

}  // namespace

TFuzzySetValue* TFuzzySetValue::Create(TCollection* collection) {
  return Constructed(new TFuzzySetValue(collection));
}

TFuzzySetValue::TFuzzySetValue(TCollection* collection)
    : TGCollectionItem(collection), FX(StartX(collection)) {}

void TFuzzySetValue::SetX(TFzyFloat value) {
  if (value == FX) return;
  FX = ClampX(value);
  Edited({utX});
}

void TFuzzySetValue::SetY(TFzyFloat value) {
  if (value == FY) return;
  FY = value < 0.0 ? 0.0 : value;
  Edited({utY});
}

void TFuzzySetValue::SetValue(TFzyFloat x, TFzyFloat y) {
  if (GetFuzzySet() != nullptr) {
    FX = ClampX(x);
    FY = y < 0.0 ? 0.0 : y;
  } else {
    FX = x;
    FY = y;
  }
  Edited({utX, utY});
}

bool TFuzzySetValue::Equals(const TFuzzySetValue* other) const {
  return other != nullptr && WithinPositionTolerance(FX, other->FX) &&
         WithinPositionTolerance(FY, other->FY);
}

void TFuzzySetValue::Assign(TPersistent* source) {
  if (const auto* value = Downcast<const TFuzzySetValue>(source)) {
    SetValue(value->FX, value->FY);
    return;
  }
  TGCollectionItem::Assign(source);
}

TFuzzySetValues* TFuzzySetValue::GetCollection() const {
  return FCollectionView.Of(*this);
}

TFuzzySet* TFuzzySetValue::GetFuzzySet() const {
  const TFuzzySetValues* values = GetCollection();
  return values == nullptr ? nullptr : values->GetFuzzySet();
}

TFzyFloat TFuzzySetValue::ClampX(TFzyFloat value) const {
  const TFuzzySet* set = GetFuzzySet();
  if (set == nullptr) return value;
  const TFzyFloat lower = set->GetXRange(1);
  if (value < lower) value = lower;
  const TFzyFloat upper = set->GetXRange(0);
  if (value > upper) value = upper;
  return value;
}

void TFuzzySetValue::Edited(TXYUpdateTypes types) {
  if (TFuzzySetValues* values = GetCollection()) values->UpdateValue(this, types);
  Changed(false);
}

}  // namespace fuzzy
