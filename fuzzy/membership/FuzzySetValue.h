// TFuzzySetValue: one (X, Y) point of a membership function. Inside a set's point list its X is
// kept within the set's range and its Y never negative; every change re-places the point in its
// list and reports to the set.
#pragma once

#include <string>

#include "fuzzy/consts/FuzzyEnumSets.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/GCollection.h"
#include "fuzzy/framework/TypedCollection.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzySetValues;

class TFuzzySetValue : public TGCollectionItem {
 public:
  // A point at Y 0 that joins `collection` (may be null) at its end. In a non-empty point list
  // X starts one past the last point's X, so that a new point arrives in order; else at 0.
  static TFuzzySetValue* Create(TCollection* collection);

  TFzyFloat GetX() const { return FX; }
  TFzyFloat GetY() const { return FY; }
  // Nothing when equal to the current value; else clamped into the set's range (in a list
  // with a set), re-placed in the list and reported.
  virtual void SetX(TFzyFloat value);
  // Nothing when equal to the current value; else a negative value becomes 0, then as SetX.
  virtual void SetY(TFzyFloat value);
  // Both at once, always re-placed and reported; clamped only in a list with a set.
  void SetValue(TFzyFloat x, TFzyFloat y);
  // X and Y both within 0.0001 of the other point's.
  virtual bool Equals(const TFuzzySetValue* other) const;

  // From another point: its X and Y through SetValue. Other sources: the assignment error.
  void Assign(TPersistent* source) override;

  // The owning point list, or null (also inside a collection of another kind).
  TFuzzySetValues* GetCollection() const;

  std::string ClassName() const override { return "TFuzzySetValue"; }

 protected:
  explicit TFuzzySetValue(TCollection* collection);

 private:
  // A list fills itself from a settled array without the per-point edits (AppendSettled).
  friend class TFuzzySetValues;

  // The set whose range applies to this point, or null.
  TFuzzySet* GetFuzzySet() const;
  TFzyFloat ClampX(TFzyFloat value) const;
  // Lets the list re-place the point, then reports the change of this item.
  void Edited(TXYUpdateTypes types);

  TTypedCollection<TFuzzySetValues> FCollectionView;
  TFzyFloat FX;
  TFzyFloat FY = 0.0;
};

}  // namespace fuzzy
