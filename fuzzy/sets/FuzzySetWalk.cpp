// TFuzzySet: Iterate and Operator over the pairwise walk, the segment geometry, the overlap
// test and the unit-level stepping routines.
#include <algorithm>
#include <cmath>
#include <string>
#include <typeinfo>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PointBuffer.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FreeOnError.h"
#include "fuzzy/sets/FuzzyOperatorRules.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/PairwiseWalk.h"

namespace fuzzy {

namespace {

// Every Y within the tolerance of the first one; the list must not be empty.
bool IsFlat(const TFuzzySetValues* values) {
  return values->SkipY(0, values->GetItem(0)->GetY(), 1) < 0;
}

bool ExceedsTolerance(TFzyFloat value) {
  return static_cast<long double>(value) > PositionTolerance;
}
bool BelowTolerance(TFzyFloat value) {
  return static_cast<long double>(value) < PositionTolerance;
}

}  // namespace

// ---- Iterate and Operator -------------------------------------------------------------------

bool TFuzzySet::Iterate(const TFuzzySet* other, const TFuzzyComparison& comparison) const {
  if (FValues->GetCount() == 0 && other->FValues->GetCount() == 0) return true;
  return WalkPairwise(this, other, comparison);
}

TFuzzySet* TFuzzySet::Operator(const TFuzzySet* other, const std::string& operationName,
                               const TFuzzyOperator& op) const {
  TFreeOnError<TFuzzySet> result(GetClassType().Create(TCollectionItem::GetCollection()));
  // Shared texts: along a chain of operations each result's name and expression hold the
  // previous result's, so the chain's texts take linear space.
  result->SetNameText(CreateFuzzyName(FName, other->FName, operationName));
  TFuzzySetValues* points = result->GetValues();
  const auto visit = [&](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    return op(points, x1, y1, x2, y2);
  };
  WalkIntoResult(this, other, points, visit, BendsAtUnitSum(operationName));
  result->SetExpression(OperatorExpression(other, operationName));
  return result.Release();
}

TFuzzySet* TFuzzySet::RuleOperator(const TFuzzySet* other, const std::string& operationName,
                                   TOperatorRule rule) const {
  // A list of another class may watch its edits; it gets them one by one, as Operator makes them.
  if (typeid(*FValues) != typeid(TFuzzySetValues)) {
    return Operator(
        other, operationName,
        [rule](TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat, TFzyFloat y2) {
          result->Add(x1, static_cast<TFzyFloat>(rule(y1, y2)));
          return false;
        });
  }
  TFreeOnError<TFuzzySet> result(GetClassType().Create(TCollectionItem::GetCollection()));
  result->SetNameText(CreateFuzzyName(FName, other->FName, operationName));
  TPointBuffer points;
  points.Reset(result->GetXRange(1), result->GetXRange(0));
  // Every point of either operand and about one crossing between each two events.
  points.Reserve(2 * static_cast<std::size_t>(FValues->GetCount() + other->FValues->GetCount()));
  CombineInto(this, other, rule, BendsAtUnitSum(operationName), points);
  result->GetValues()->AppendSettled(points.Points());
  result->SetExpression(OperatorExpression(other, operationName));
  return result.Release();
}

TFuzzyText TFuzzySet::OperatorExpression(const TFuzzySet* other,
                                         const std::string& operationName) const {
  const TFuzzyText between(" " + operationName + " ");
  return TFuzzyText::Join({OperandExpression(FExpression, FName), between,
                           OperandExpression(other->FExpression, other->FName)});
}

// ---- Geometry ------------------------------------------------------------------------------

bool TFuzzySet::LineSegmentIntersects(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                      TFzyFloat x3, TFzyFloat y3, TFzyFloat x4, TFzyFloat y4,
                                      TFzyFloat& x, TFzyFloat& y) {
  const TFzyFloat dy1 = y2 - y1;
  const TFzyFloat dx1 = x2 - x1;
  const TFzyFloat dx2 = x4 - x3;
  const TFzyFloat dy2 = y4 - y3;
  const TFzyFloat ey = y1 - y3;
  const TFzyFloat ex = x1 - x3;
  // A segment shrunk to a point meets the other only on the other's line.
  const bool firstIsPoint = BelowTolerance(std::fabs(dy1)) && BelowTolerance(std::fabs(dx1));
  if (firstIsPoint && !FloatEquals(InterpolateY(x3, y3, x4, y4, x2), y2)) return false;
  const bool secondIsPoint = BelowTolerance(std::fabs(dy2)) && BelowTolerance(std::fabs(dx2));
  if (secondIsPoint && !FloatEquals(InterpolateY(x1, y1, x2, y2, x4), y4)) return false;

  const TFzyFloat den = dx1 * dy2 - dy1 * dx2;
  const TFzyFloat numA = ey * dx2 - ex * dy2;
  if (BelowTolerance(std::fabs(den))) {
    // Parallel: only collinear segments meet, at the end that comes first.
    if (numA != 0.0) return false;
    x = x2 < x4 ? x2 : x4;
    y = x2 < x4 ? y2 : y4;
    return true;
  }
  const TFzyFloat r = numA / den;
  if (r < 0.0 || r > 1.0) return false;
  // 0 <= numB / den <= 1, without dividing.
  const TFzyFloat numB = ey * dx1 - ex * dy1;
  if (numB != 0.0) {
    if ((numB > 0.0) != (den > 0.0)) return false;
    if (den > 0.0 ? numB > den : numB < den) return false;
  }
  // Vertical and horizontal segments give their own coordinate exactly.
  x = dx1 == 0.0 ? x1 : (dx2 == 0.0 ? x3 : x1 + r * dx1);
  y = y3 == y4 ? y3 : (y1 == y2 ? y1 : y1 + r * dy1);
  return true;
}

TFuzzySetValue* TFuzzySet::LineSegmentIntersects(const TFuzzySetValue* p1, const TFuzzySetValue* p2,
                                                 const TFuzzySetValue* p3,
                                                 const TFuzzySetValue* p4) {
  TFzyFloat x = 0.0;
  TFzyFloat y = 0.0;
  if (!LineSegmentIntersects(p1->GetX(), p1->GetY(), p2->GetX(), p2->GetY(), p3->GetX(), p3->GetY(),
                             p4->GetX(), p4->GetY(), x, y)) {
    return nullptr;
  }
  TFuzzySetValue* crossing = TFuzzySetValue::Create(nullptr);
  crossing->SetValue(x, y);
  return crossing;
}

TFzyFloat TFuzzySet::GetSlope(const TFuzzySetValue* p1, const TFuzzySetValue* p2) {
  const TFzyFloat rise = p2->GetY() - p1->GetY();
  // A vertical step has a direction, not an infinite slope.
  if (FloatEquals(p2->GetX(), p1->GetX())) return static_cast<TFzyFloat>(Sign(rise));
  return rise / (p2->GetX() - p1->GetX());
}

// ---- Intersects ----------------------------------------------------------------------------

namespace {

bool IsFlatAtZero(const TFuzzySetValues* values) {
  return IsFlat(values) && BelowTolerance(values->GetItem(0)->GetY());
}

TFuzzySetValue* LastOf(const TFuzzySetValues* values) {
  return values->GetItem(values->GetCount() - 1);
}

// `left` ends far enough before `right` starts, both at zero there.
bool EndsApartAtZero(const TFuzzySetValues* left, const TFuzzySetValues* right) {
  const TFuzzySetValue* end = LastOf(left);
  const TFuzzySetValue* start = right->GetItem(0);
  return static_cast<long double>(end->GetX()) < start->GetX() - PositionTolerance &&
         BelowTolerance(end->GetY()) && BelowTolerance(start->GetY());
}

// `left` ends where `right` starts, and one of them stands above zero there.
bool TouchesAboveZero(const TFuzzySet* left, const TFuzzySet* right) {
  const TFuzzySetValues* l = left->GetValues();
  const TFuzzySetValues* r = right->GetValues();
  if (!FloatEquals(LastOf(l)->GetX(), r->GetItem(0)->GetX())) return false;
  const TFzyFloat leftHigh = l->GetItem(left->GetMaxYValueOfX(l->GetCount() - 1, -1))->GetY();
  const TFzyFloat rightHigh = r->GetItem(right->GetMaxYValueOfX(0, 1))->GetY();
  return ExceedsTolerance(leftHigh) || ExceedsTolerance(rightHigh);
}

}  // namespace

bool TFuzzySet::Intersects(const TFuzzySet* other) const {
  const TFuzzySetValues* a = FValues;
  const TFuzzySetValues* b = other->FValues;
  if (a->GetCount() == 0 || b->GetCount() == 0) return false;
  // A receiver flat at zero meets only another set flat at zero.
  if (IsFlatAtZero(a) && !IsFlatAtZero(b)) return false;
  if (EndsApartAtZero(a, b) || EndsApartAtZero(b, a)) return false;
  if (TouchesAboveZero(this, other) || TouchesAboveZero(other, this)) return true;
  const long double aFirst = a->GetItem(0)->GetX();
  const long double aLast = LastOf(a)->GetX();
  const long double bFirst = b->GetItem(0)->GetX();
  const long double bLast = LastOf(b)->GetX();
  return aLast > bFirst + PositionTolerance && aFirst < bLast - PositionTolerance;
}

// ---- Unit routines -------------------------------------------------------------------------

int Sign(TFzyFloat value) {
  if (value > 0.0) return 1;
  return value < 0.0 ? -1 : 0;
}

void NextPoint(TFuzzySetValue* current, TFuzzySetValue* previous, int& index,
               TFuzzySetValues* values, TFzyFloat x) {
  previous->Assign(current);
  ++index;
  if (index < values->GetCount()) {
    current->Assign(values->GetItem(index));
  } else {
    current->SetX(x);
  }
}

void AddAndIncrement(TFuzzySet* fuzzySet, TFuzzySetValue* p1, TFuzzySetValue* p2,
                     TFuzzySetValue* p3, int& index, TFzyFloat a, TFzyFloat b,
                     TFuzzySetValues* values, TFzyFloat x, bool flag) {
  if ((flag && a >= b) || (!flag && a < b)) fuzzySet->GetValues()->Add()->Assign(p1);
  NextPoint(p1, p2, index, values, x);
  if (a == b) p3->Assign(p2);
}

void Add1AndIncrement2(TFuzzySet* fuzzySet, TFuzzySetValue* p1, TFuzzySetValue* p2,
                       TFuzzySetValue* p3, TFuzzySetValue* p4, int& index1, int& index2,
                       TFzyFloat a, TFzyFloat b, TFuzzySetValues* values1, TFuzzySetValues* values2,
                       TFzyFloat x, bool flag) {
  AddAndIncrement(fuzzySet, p1, p3, p4, index1, a, b, values1, x, flag);
  NextPoint(p2, p4, index2, values2, x);
}

}  // namespace fuzzy
