// TFuzzySet: turning a set into one crisp number (centre of gravity, mean of maxima), telling
// whether a set carries any information, and comparing two sets.
#include <cmath>

#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/MembershipFunction.h"

namespace fuzzy {

namespace membership_function {

// Steps and pieces lying on the axis carry no area; the other shapes are told apart with the
// tolerance, so that a Y a hair above zero still counts as a triangle corner.
TSegmentCentroid SegmentCentroid(TFzyFloat px1, TFzyFloat py1, TFzyFloat px2, TFzyFloat py2) {
  constexpr TExtended Half = 0.5L;
  constexpr TExtended OneThird = ONE_THIRD;
  constexpr TExtended TwoThirds = TWO_THIRDS;
  const TExtended x1 = px1;
  const TExtended y1 = py1;
  const TExtended y2 = py2;
  const TExtended dx = px2 - x1;
  const TExtended dy = y2 - y1;
  if (FloatEquals(px1, px2)) return {};
  if (FloatEquals(py1, 0.0) && FloatEquals(py2, 0.0)) return {};
  if (FloatEquals(py1, py2)) {
    return {static_cast<TFzyFloat>((x1 + px2) * Half), static_cast<TFzyFloat>(dx * y1)};
  }
  const auto triangleArea = static_cast<TFzyFloat>(std::fabs(dy) * Half * dx);
  if (FloatEquals(py1, 0.0)) return {static_cast<TFzyFloat>(x1 + TwoThirds * dx), triangleArea};
  if (FloatEquals(py2, 0.0)) return {static_cast<TFzyFloat>(x1 + OneThird * dx), triangleArea};
  return {static_cast<TFzyFloat>(x1 + TwoThirds * dx * (Half * y1 + y2) / (y1 + y2)),
          static_cast<TFzyFloat>(Half * dx * (y1 + y2))};
}

TSegmentCentroid Strip(TFzyFloat from, TFzyFloat to, TFzyFloat y) {
  return {static_cast<TFzyFloat>((static_cast<TExtended>(to) + from) * 0.5L),
          static_cast<TFzyFloat>((static_cast<TExtended>(to) - from) * y)};
}

}  // namespace membership_function

TFzyFloat TFuzzySet::CenterOfGravity() const {
  return membership_function::CentreOfGravity(membership_function::TListPoints(FValues),
                                              GetXRange(1), GetXRange(0));
}

TFzyFloat TFuzzySet::MeanOfMaxima() const {
  return membership_function::MeanOfMaxima(membership_function::TListPoints(FValues));
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
