// The tolerance within which two positions (X or Y values) of a membership function count as
// the same. Comparisons run in extended precision so that values written with four decimals
// compare the same way on both sides of the bound.
#pragma once

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

inline constexpr long double PositionTolerance = 0.0001L;

// True when `a` lies within the tolerance of `b`, both bounds inclusive; false for a NaN.
inline bool WithinPositionTolerance(TFzyFloat a, TFzyFloat b) {
  const long double la = a;
  const long double lb = b;
  return lb - PositionTolerance <= la && la <= lb + PositionTolerance;
}

// True when `a` lies more than the tolerance below `b`.
inline bool BelowPositionTolerance(TFzyFloat a, TFzyFloat b) {
  return static_cast<long double>(a) + PositionTolerance < static_cast<long double>(b);
}

}  // namespace fuzzy
