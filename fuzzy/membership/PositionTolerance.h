// The tolerance within which two positions (X or Y values) of a membership function count as
// the same. Comparisons run in extended precision so that values written with four decimals
// compare the same way on both sides of the bound.
#pragma once

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

inline constexpr long double PositionTolerance = 0.0001L;

// True when `a` lies within the tolerance of `b`, both bounds inclusive; false for a NaN.
inline bool WithinPositionTolerance(TFzyFloat a, TFzyFloat b) {
  // Far from the bound the plain difference decides alike (its rounding error is a tiny
  // fraction of the tolerance); only near it does extended precision have to.
  const TFzyFloat difference = a - b;
  if (difference > 2 * static_cast<TFzyFloat>(PositionTolerance) ||
      difference < -2 * static_cast<TFzyFloat>(PositionTolerance)) {
    return false;
  }
  if (difference < static_cast<TFzyFloat>(PositionTolerance) / 2 &&
      difference > -static_cast<TFzyFloat>(PositionTolerance) / 2) {
    return true;
  }
  const long double la = a;
  const long double lb = b;
  return lb - PositionTolerance <= la && la <= lb + PositionTolerance;
}

// True when `a` lies more than the tolerance below `b`. Lookups bisect with it, so the two plain
// cases are told in double first: at or above `b`, or below it by ten times the tolerance
// (where `b` is so large that its spacing exceeds that, `a` below `b` is below by a spacing).
// Only the band between needs the extended comparison.
inline bool BelowPositionTolerance(TFzyFloat a, TFzyFloat b) {
  if (a >= b) return false;
  if (a < b - 10 * static_cast<TFzyFloat>(PositionTolerance)) return true;
  return static_cast<long double>(a) + PositionTolerance < static_cast<long double>(b);
}

}  // namespace fuzzy
