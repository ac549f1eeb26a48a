// The pairwise walk over two sets' points and the tidy step of an operator result, shared by
// the object-model and the interface-model set algebra so that both give the same points.
#pragma once

#include <concepts>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/consts/FuzzyText.h"
#include "fuzzy/membership/FuzzyPoint.h"
#include "fuzzy/sets/FuzzyOperatorRules.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzySetValues;
class TPointBuffer;

// A non-owning reference to a callable bool(X1, Y1, X2, Y2) that answers true to stop the walk.
// It costs one indirect call per event and never allocates; the callable must outlive it.
class TWalkVisit {
 public:
  template <class F>
  requires(!std::same_as<std::remove_cvref_t<F>, TWalkVisit>) TWalkVisit(const F& visit)  // NOLINT
      : FVisit(&visit), FCall(&Call<F>) {}

  bool operator()(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) const {
    return FCall(FVisit, x1, y1, x2, y2);
  }

 private:
  template <class F>
  static bool Call(const void* visit, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    return (*static_cast<const F*>(visit))(x1, y1, x2, y2);
  }

  const void* FVisit;
  bool (*FCall)(const void*, TFzyFloat, TFzyFloat, TFzyFloat, TFzyFloat);
};

// Walks the points of `a` and `b` together in X order and hands every event to `visit` (a's
// values first): each point of either list with the other's membership there, and every place
// between points where the two functions cross, also on a flat continuation before a first or
// after a last point. With `unitSumEvents` it also stops where Y1 + Y2 passes 1. With one list
// empty each point of the other is paired with itself. True when a visit stopped the walk.
bool WalkPairwise(const TFuzzySet* a, const TFuzzySet* b, TWalkVisit visit,
                  bool unitSumEvents = false);
// The same walk over two point arrays, as a set's sorted or unsorted list holds them.
bool WalkPairwise(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b, TWalkVisit visit,
                  bool unitSumEvents);

// The union or intersection of two settled point arrays by a family rule, as Operator builds
// it into a fresh set whose range is the buffer's: the walk's points appended, the tidy step,
// then the batch's settling. Once the buffer has grown, repeated calls allocate nothing.
void CombineInto(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b, TOperatorRule rule,
                 bool unitSumEvents, TPointBuffer& result);
// The same over two sets' points.
void CombineInto(const TFuzzySet* a, const TFuzzySet* b, TOperatorRule rule, bool unitSumEvents,
                 TPointBuffer& result);

// The largest of min(Y1, Y2) over the walk's events: the height of the two functions'
// intersection by minimum, 0 when neither has points.
TFzyFloat HighestCommonMembership(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b);

// Fills an operator result inside one batch of its point list `points`: the walk of `a` against
// `b`, whose visits append the points, then the tidy step unless a visit stopped the walk or an
// operand has no points.
void WalkIntoResult(const TFuzzySet* a, const TFuzzySet* b, TFuzzySetValues* points,
                    TWalkVisit visit, bool unitSumEvents);

// The bounded sums bend where Y1 + Y2 = 1; their results need an event there.
bool BendsAtUnitSum(const std::string& operationName);

// One operand inside an operator result's expression: its expression, or its name when it has
// none, bracketed when compound.
std::string OperandExpression(const std::string& expression, const std::string& name);
TFuzzyText OperandExpression(const TFuzzyText& expression, const TFuzzyText& name);

}  // namespace fuzzy
