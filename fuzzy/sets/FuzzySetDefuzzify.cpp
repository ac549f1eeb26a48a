// TFuzzySet: turning a set into one crisp number (centre of gravity, mean of maxima), telling
// whether a set carries any information, and comparing two sets.
#include <cmath>

#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

using TExtended = long double;

constexpr TExtended Half = 0.5L;
constexpr TExtended OneThird = ONE_THIRD;
constexpr TExtended TwoThirds = TWO_THIRDS;
// Two Y values this close count as one maximum.
constexpr TExtended MaximumTolerance = 0.0001L;

// The area under one piece of the membership function and the X of its centroid.
struct TSegmentCentroid {
  TFzyFloat cx = 0.0;
  TFzyFloat area = 0.0;
};

// The piece between two consecutive points. Steps and pieces lying on the axis carry no area;
// the other shapes are told apart with the tolerance, so that a Y a hair above zero still
// counts as a triangle corner.
TSegmentCentroid SegmentCentroid(const TFuzzySetValue* p1, const TFuzzySetValue* p2) {
  const TExtended x1 = p1->GetX();
  const TExtended y1 = p1->GetY();
  const TExtended y2 = p2->GetY();
  const TExtended dx = p2->GetX() - x1;
  const TExtended dy = y2 - y1;
  if (FloatEquals(p1->GetX(), p2->GetX())) return {};
  if (FloatEquals(p1->GetY(), 0.0) && FloatEquals(p2->GetY(), 0.0)) return {};
  if (FloatEquals(p1->GetY(), p2->GetY())) {
    return {static_cast<TFzyFloat>((x1 + p2->GetX()) * Half), static_cast<TFzyFloat>(dx * y1)};
  }
  const auto triangleArea = static_cast<TFzyFloat>(std::fabs(dy) * Half * dx);
  if (FloatEquals(p1->GetY(), 0.0)) {
    return {static_cast<TFzyFloat>(x1 + TwoThirds * dx), triangleArea};
  }
  if (FloatEquals(p2->GetY(), 0.0)) {
    return {static_cast<TFzyFloat>(x1 + OneThird * dx), triangleArea};
  }
  return {static_cast<TFzyFloat>(x1 + TwoThirds * dx * (Half * y1 + y2) / (y1 + y2)),
          static_cast<TFzyFloat>(Half * dx * (y1 + y2))};
}

// The rectangle at height y between two X values: membership continues flat beyond the end
// points up to the bounds of the range.
TSegmentCentroid Strip(TFzyFloat from, TFzyFloat to, TFzyFloat y) {
  return {static_cast<TFzyFloat>((static_cast<TExtended>(to) + from) * Half),
          static_cast<TFzyFloat>((static_cast<TExtended>(to) - from) * y)};
}

// The running moment and area sums, kept in extended precision.
struct TMomentSum {
  TExtended moment = 0.0L;
  TExtended area = 0.0L;

  void Add(const TSegmentCentroid& piece) {
    moment += static_cast<TExtended>(piece.cx) * piece.area;
    area += piece.area;
  }
  TFzyFloat Centre() const { return area == 0.0L ? 0.0 : static_cast<TFzyFloat>(moment / area); }
};

}  // namespace

TFzyFloat TFuzzySet::CenterOfGravity() const {
  const int count = FValues->GetCount();
  if (count == 0) return 0.0;
  const TFzyFloat lower = GetXRange(1);
  const TFzyFloat upper = GetXRange(0);
  const TFuzzySetValue* first = FValues->GetItem(0);
  const TFuzzySetValue* last = FValues->GetItem(count - 1);
  // No width: nothing tells one X from another, so the middle of the range is the answer. A step
  // whose two sides stand at different levels is told apart by its strips, like any function.
  const bool oneX = count == 1 || FloatEquals(first->GetX(), last->GetX());
  if (oneX && first->GetY() == last->GetY()) {
    return static_cast<TFzyFloat>((static_cast<TExtended>(lower) + upper) * Half);
  }
  TMomentSum sum;
  // The strips test Y exactly: any height at all continues to the bound.
  if (first->GetY() > 0.0 && !FloatEquals(first->GetX(), lower)) {
    sum.Add(Strip(lower, first->GetX(), first->GetY()));
  }
  const TFuzzySetValue* previous = first;
  for (int i = 1; i < count; ++i) {
    const TFuzzySetValue* current = FValues->GetItem(i);
    sum.Add(SegmentCentroid(previous, current));
    previous = current;
  }
  if (last->GetY() > 0.0 && !FloatEquals(last->GetX(), upper)) {
    sum.Add(Strip(last->GetX(), upper, last->GetY()));
  }
  return sum.Centre();
}

TFzyFloat TFuzzySet::MeanOfMaxima() const {
  const int count = FValues->GetCount();
  if (count == 0) return 0.0;
  // The reference maximum stays where the run started, so a slow climb in steps below the
  // tolerance does not drag it along; a clearly higher point starts a new run.
  TExtended maximum = FValues->GetItem(0)->GetY();
  TExtended sum = FValues->GetItem(0)->GetX();
  int found = 1;
  for (int i = 1; i < count; ++i) {
    const TFuzzySetValue* point = FValues->GetItem(i);
    const TExtended y = point->GetY();
    if (maximum - MaximumTolerance < y && y < maximum + MaximumTolerance) {
      sum += point->GetX();
      ++found;
    } else if (y > maximum) {
      maximum = y;
      sum = point->GetX();
      found = 1;
    }
  }
  return static_cast<TFzyFloat>(sum / found);
}

TFzyFloat TFuzzySet::Defuzzify() const {
  const TCustomFuzzyLogic* fuzzy = GetFuzzyLogic();
  if (fuzzy != nullptr && fuzzy->GetDefuzzificationMethod() == dmMeanOfMaxima) {
    return MeanOfMaxima();
  }
  return CenterOfGravity();
}

bool TFuzzySet::IsUndecidable() const {
  const int count = FValues->GetCount();
  if (count == 0) return true;
  const TFzyFloat level = FValues->GetItem(0)->GetY();
  if (level != 0.0 && level != 1.0) return false;
  for (int i = 1; i < count; ++i) {
    if (FValues->GetItem(i)->GetY() != level) return false;
  }
  return true;
}

TFzyFloat TFuzzySet::GetCompatibilityIndex() const {
  return FValues->GetCount() == 0 ? 0.0 : FValues->GetAvgValue();
}

bool TFuzzySet::Equals(const TFuzzySet* other) const {
  // The threshold belongs to the variable; without one there is nothing to compare against,
  // not even for two empty sets.
  if (GetVariable() == nullptr) throw EFzyException(SMissingFuzzyVariable);
  return Iterate(other, [this](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    return FuzzyOperatorMinThreshold(x1, y1, x2, y2);
  });
}

TFzyFloat TFuzzySet::FuzzyEquals(const TFuzzySet* other) {
  return GetCorrelationStrength(other);
}

}  // namespace fuzzy
