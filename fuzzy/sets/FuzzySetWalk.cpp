// TFuzzySet: the pairwise walk. Two membership functions are read together in X order; every
// point of either function and every place where they cross becomes an event, so a pointwise
// rule evaluated at the events gives the exact piecewise-linear minimum and maximum.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FreeOnError.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/PairwiseWalk.h"

namespace fuzzy {

namespace {

struct TWalkPoint {
  TFzyFloat X = 0.0;
  TFzyFloat Y = 0.0;
};
using TWalkPoints = std::vector<TWalkPoint>;

TWalkPoints PointsOf(const TFuzzySetValues* values) {
  TWalkPoints points;
  points.reserve(static_cast<std::size_t>(values->GetCount()));
  for (const TFuzzySetValue* value : *values) points.push_back({value->GetX(), value->GetY()});
  return points;
}

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

// `level` lies strictly between `from` and `to`, in either direction.
bool StrictlyBetween(TFzyFloat from, TFzyFloat level, TFzyFloat to) {
  return (from < level && level < to) || (from > level && level > to);
}

// One set's side of the walk: its points, where the walk stands on them, and its membership
// at the other side's points.
class TWalkSide {
 public:
  explicit TWalkSide(const TFuzzySet* set)
      : FSet(set), FPoints(PointsOf(set->GetValues())), FIndex(0) {
    if (FPoints.empty()) return;
    FFlat = IsFlat(set->GetValues());
    FSorted = std::is_sorted(FPoints.begin(), FPoints.end(),
                             [](const TWalkPoint& a, const TWalkPoint& b) { return a.X < b.X; });
    FPrevious = FCurrent = FPoints.front();
  }

  const TWalkPoints& Points() const { return FPoints; }
  bool Active() const { return FIndex < FPoints.size(); }
  bool Flat() const { return FFlat; }
  const TWalkPoint& Previous() const { return FPrevious; }
  const TWalkPoint& Current() const { return FCurrent; }

  // A used-up side keeps its last point, so its current segment shrinks to that point.
  void Load() {
    if (Active()) FCurrent = FPoints[FIndex];
  }
  void Advance() {
    ++FIndex;
    FPrevious = FCurrent;
  }

  // The set's DegreeOfMembership. The walk asks at X values that mostly grow, so on a sorted
  // list the segment holding X is found by moving on from the last one instead of searching.
  TFzyFloat MembershipAt(TFzyFloat x) {
    const std::size_t last = FPoints.size() - 1;
    if (!FSorted || !(x > FPoints.front().X && x < FPoints[last].X)) {
      return FSet->DegreeOfMembership(x);
    }
    while (FNear > 1 && FPoints[FNear - 1].X >= x) --FNear;
    while (FPoints[FNear].X < x) ++FNear;
    const TWalkPoint& next = FPoints[FNear];
    if (next.X == x) {
      return FPoints[static_cast<std::size_t>(FSet->GetMaxYValueOfX(static_cast<int>(FNear), 1))].Y;
    }
    const TWalkPoint& previous = FPoints[FNear - 1];
    return TFuzzySet::InterpolateY(previous.X, previous.Y, next.X, next.Y, x);
  }

 private:
  const TFuzzySet* FSet;
  TWalkPoints FPoints;
  std::size_t FIndex;
  std::size_t FNear = 1;
  bool FFlat = false;
  bool FSorted = false;
  TWalkPoint FPrevious;
  TWalkPoint FCurrent;
};

// The walk over A (the receiver) and B. `visit` takes (X1, Y1, X2, Y2), A's side first, and
// answers true to stop the walk.
class TPairwiseWalk {
 public:
  TPairwiseWalk(const TFuzzySet* a, const TFuzzySet* b, TWalkVisit visit)
      : FA(a), FB(b), FVisit(visit) {}

  // True when a visit stopped the walk.
  bool Run() {
    if (FA.Points().empty()) return VisitAlone(FB.Points());
    if (FB.Points().empty()) return VisitAlone(FA.Points());
    while (FA.Active() || FB.Active()) {
      FA.Load();
      FB.Load();
      if (CrossingStep() || PointStep()) return true;
    }
    return false;
  }

 private:
  // With one list empty, each point of the other is paired with itself.
  bool VisitAlone(const TWalkPoints& points) {
    return std::any_of(points.begin(), points.end(),
                       [this](const TWalkPoint& p) { return FVisit(p.X, p.Y, p.X, p.Y); });
  }

  // At most one crossing: a flat set's level against the other's current segment, else the
  // two current segments against each other.
  bool CrossingStep() {
    if (FA.Flat() && StrictlyBetween(FB.Previous().Y, FA.Current().Y, FB.Current().Y)) {
      return VisitLevel(FB, FA.Current().Y);
    }
    if (FB.Flat() && StrictlyBetween(FA.Previous().Y, FB.Current().Y, FA.Current().Y)) {
      return VisitLevel(FA, FB.Current().Y);
    }
    TFzyFloat x = 0.0;
    TFzyFloat y = 0.0;
    const TWalkPoint& a1 = FA.Previous();
    const TWalkPoint& a2 = FA.Current();
    const TWalkPoint& b1 = FB.Previous();
    const TWalkPoint& b2 = FB.Current();
    if (!TFuzzySet::LineSegmentIntersects(a1.X, a1.Y, a2.X, a2.Y, b1.X, b1.Y, b2.X, b2.Y, x, y)) {
      return false;
    }
    return FVisit(x, y, x, y);
  }

  // Where `side`'s current segment passes through `level`.
  bool VisitLevel(const TWalkSide& side, TFzyFloat level) {
    const TWalkPoint& from = side.Previous();
    const TWalkPoint& to = side.Current();
    const TFzyFloat x = TFuzzySet::InterpolateX(from.X, from.Y, to.X, to.Y, level);
    return FVisit(x, level, x, level);
  }

  bool PointStep() {
    if (!FB.Active()) return VisitAOnly();
    if (!FA.Active()) return VisitBOnly();
    const TWalkPoint& a = FA.Current();
    const TWalkPoint& b = FB.Current();
    if (FloatEquals(a.X, b.X)) {
      const bool stop = FVisit(a.X, a.Y, b.X, b.Y);
      FA.Advance();
      FB.Advance();
      return stop;
    }
    return b.X > a.X ? VisitAOnly() : VisitBOnly();
  }

  bool VisitAOnly() {
    const TWalkPoint& a = FA.Current();
    const bool stop = FVisit(a.X, a.Y, a.X, FB.MembershipAt(a.X));
    FA.Advance();
    return stop;
  }

  bool VisitBOnly() {
    const TWalkPoint& b = FB.Current();
    const bool stop = FVisit(b.X, FA.MembershipAt(b.X), b.X, b.Y);
    FB.Advance();
    return stop;
  }

  TWalkSide FA;
  TWalkSide FB;
  TWalkVisit FVisit;
};

// Which points of an operator result survive the tidy step: of a run of consecutive points with
// equal Y only the first and last stay (only the last for a run opening the list), then a last
// point level with its predecessor goes. Deleting one point at a time compares neighbours of
// the original list only, so one pass over it decides the same.
std::vector<bool> PointsKeptByTidy(const TWalkPoints& points) {
  std::vector<bool> keep(points.size(), true);
  int run = 1;
  for (std::size_t k = 1; k < points.size(); ++k) {
    if (!FloatEquals(points[k - 1].Y, points[k].Y)) {
      run = 0;
    } else if (++run >= 2) {
      keep[k - 1] = false;
    }
  }
  if (points.empty()) return keep;
  // The collapse never drops the last point; its surviving predecessor decides the trim.
  const std::size_t last = points.size() - 1;
  std::size_t previous = last;
  while (previous > 0) {
    if (keep[--previous]) break;
  }
  if (previous < last && keep[previous] && FloatEquals(points[previous].Y, points[last].Y)) {
    keep[last] = false;
  }
  return keep;
}

// Replaces the points by the kept ones in one sweep. Deleting inside a batch leaves the list's
// order flags as they were, so they are restored: the closing clean-up then does what it would
// have done after point-by-point deletion.
void TidyOperatorResult(TFuzzySetValues* values) {
  const TWalkPoints points = PointsOf(values);
  const std::vector<bool> keep = PointsKeptByTidy(points);
  if (std::find(keep.begin(), keep.end(), false) == keep.end()) return;
  const bool sorted = values->GetSorted();
  const bool duplicatesRemoved = values->GetDuplicatesRemoved();
  values->Clear();
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (keep[k]) values->Add(points[k].X, points[k].Y);
  }
  values->SetSorted(sorted);
  values->SetDuplicatesRemoved(duplicatesRemoved);
}

}  // namespace

// ---- The shared walk ------------------------------------------------------------------------

bool WalkPairwise(const TFuzzySet* a, const TFuzzySet* b, TWalkVisit visit) {
  return TPairwiseWalk(a, b, visit).Run();
}

void WalkIntoResult(const TFuzzySet* a, const TFuzzySet* b, TFuzzySetValues* points,
                    TWalkVisit visit) {
  TCollectionUpdate batch(points);
  // A receiver without points says nothing about where the result lies: it stays empty.
  if (a->GetValues()->GetCount() > 0) {
    const bool stopped = WalkPairwise(a, b, visit);
    // Membership continues at the first and last Y, so flat ends carry nothing.
    if (!stopped && b->GetValues()->GetCount() > 0) TidyOperatorResult(points);
  }
  batch.End();
}

std::string OperandExpression(const std::string& expression, const std::string& name) {
  return FormatFuzzyExpression(expression.empty() ? EscapeFuzzyName(name) : expression);
}

TFuzzyText OperandExpression(const TFuzzyText& expression, const TFuzzyText& name) {
  return FormatFuzzyExpression(expression.IsEmpty() ? EscapeFuzzyName(name) : expression);
}

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
  WalkIntoResult(this, other, points, visit);
  const TFuzzyText between(" " + operationName + " ");
  result->SetExpression(TFuzzyText::Join({OperandExpression(FExpression, FName), between,
                                          OperandExpression(other->FExpression, other->FName)}));
  return result.Release();
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

bool FloatEquals(TFzyFloat a, TFzyFloat b) {
  return WithinPositionTolerance(a, b);
}

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
