// The pairwise walk. Two membership functions are read together in X order. Between two
// neighbouring points of either list both functions are straight lines (a segment, or the flat
// continuation before a list's first point and after its last), so they cross there at most
// once, and a combination with a kink where Y1 + Y2 = 1 bends there at most once: the walk
// finds those places from the two lines themselves, wherever they lie.
#include <algorithm>
#include <limits>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PointBuffer.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/LevelCut.h"
#include "fuzzy/sets/MembershipFunction.h"
#include "fuzzy/sets/PairwiseWalk.h"

namespace fuzzy {

namespace {

using TWalkPoint = TFuzzyPoint;
using TWalkPoints = std::span<const TFuzzyPoint>;

// A list's points as an array for one walk: on the stack for the short lists that rules and
// crisp values have, on the heap beyond.
class TPointCopy {
 public:
  explicit TPointCopy(const TFuzzySetValues* values) {
    const auto count = static_cast<std::size_t>(values->GetCount());
    TFuzzyPoint* points = FShort;
    if (count > ShortCount) {
      FLong.resize(count);
      points = FLong.data();
    }
    for (std::size_t i = 0; i < count; ++i) {
      const TFuzzySetValue* value = values->GetItem(static_cast<int>(i));
      points[i] = {value->GetX(), value->GetY()};
    }
    FPoints = {points, count};
  }
  TPointCopy(const TPointCopy&) = delete;
  TPointCopy& operator=(const TPointCopy&) = delete;

  std::span<const TFuzzyPoint> Points() const { return FPoints; }
  std::span<TFuzzyPoint> Points() { return FPoints; }

 private:
  static constexpr std::size_t ShortCount = 32;
  TFuzzyPoint FShort[ShortCount];
  TFuzzyPoints FLong;
  std::span<TFuzzyPoint> FPoints;
};

// `level` lies strictly between `from` and `to`, in either direction.
bool StrictlyBetween(TFzyFloat from, TFzyFloat level, TFzyFloat to) {
  return (from < level && level < to) || (from > level && level > to);
}

bool OppositeSigns(TFzyFloat left, TFzyFloat right) {
  return (left < 0.0 && right > 0.0) || (left > 0.0 && right < 0.0);
}

// Where a linear function that is `left` at `from` and `right` at `to` passes through 0.
TFzyFloat ZeroBetween(TFzyFloat from, TFzyFloat to, TFzyFloat left, TFzyFloat right) {
  return std::clamp(from + (to - from) * (left / (left - right)), from, to);
}

// One side's membership between two events: the line through two points of its list, or the
// level of a continuation.
struct TWalkLine {
  TWalkPoint From;
  TWalkPoint To;

  static TWalkLine Level(TFzyFloat y) { return {{0.0, y}, {0.0, y}}; }
  bool Horizontal() const { return From.Y == To.Y; }
  TFzyFloat At(TFzyFloat x) const {
    if (Horizontal()) return From.Y;
    return membership_function::InterpolateY(From.X, From.Y, To.X, To.Y, x);
  }
  TFzyFloat XAt(TFzyFloat y) const { return LevelX(From.X, From.Y, To.X, To.Y, y); }
  // At every X between its points the membership, as At rounds it, is no less than `level` (or
  // no more). At adds to From.Y a fraction in [0, 1] of To.Y - From.Y, so a rise never rounds
  // below From.Y and a fall never above it, and a fall between Y values of at least 0 never
  // rounds below 0.
  bool StaysAtOrAbove(TFzyFloat level) const {
    return (From.Y >= level && To.Y >= From.Y) || (level <= 0.0 && From.Y >= 0.0 && To.Y >= 0.0);
  }
  bool StaysAtOrBelow(TFzyFloat level) const { return From.Y <= level && To.Y <= From.Y; }
};

// Two lines, one of them level, that cannot cross between the walk's events however their
// memberships round: the other stays on one side of the level, so the differences at both ends
// never have opposite signs. Answers the common case of a set's flat continuation against the
// other set's segments without any interpolation.
bool LinesStayApart(const TWalkLine& a, const TWalkLine& b) {
  if (!a.Horizontal() && !b.Horizontal()) return false;
  const TWalkLine& level = a.Horizontal() ? a : b;
  const TWalkLine& other = a.Horizontal() ? b : a;
  return other.StaysAtOrAbove(level.From.Y) || other.StaysAtOrBelow(level.From.Y);
}

// One set's side of the walk: its points, where the walk stands on them, and its membership
// at the other side's points.
class TWalkSide {
 public:
  explicit TWalkSide(TWalkPoints points) : FPoints(points) {
    FSorted = std::is_sorted(FPoints.begin(), FPoints.end(),
                             [](const TWalkPoint& a, const TWalkPoint& b) { return a.X < b.X; });
  }

  const TWalkPoints& Points() const { return FPoints; }
  bool Active() const { return FIndex < FPoints.size(); }
  bool Started() const { return FIndex > 0; }
  const TWalkPoint& Current() const { return FPoints[FIndex]; }
  const TWalkPoint& Previous() const { return FPoints[FIndex - 1]; }
  void Advance() { ++FIndex; }

  // The X of the next point, or infinity once the list is used up.
  TFzyFloat NextX() const {
    return Active() ? Current().X : std::numeric_limits<TFzyFloat>::infinity();
  }
  // The X of the last visited point, or minus infinity before the first.
  TFzyFloat LastX() const {
    return Started() ? Previous().X : -std::numeric_limits<TFzyFloat>::infinity();
  }

  // The function between the last visited point and the next one.
  TWalkLine Line() const {
    if (!Started()) return TWalkLine::Level(FPoints.front().Y);
    if (!Active()) return TWalkLine::Level(FPoints.back().Y);
    return {Previous(), Current()};
  }

  // The membership to pair with the other side's point at `x`. Just after a point of this side
  // at the same X (a step the other side has more points on), the function goes on from that
  // point's Y, not from the step's highest one.
  TFzyFloat PartnerAt(TFzyFloat x) {
    if (Started() && WithinPositionTolerance(Previous().X, x)) return Previous().Y;
    return MembershipAt(x);
  }

 private:
  // The set's DegreeOfMembership. The walk asks at X values that mostly grow, so on a sorted
  // list the segment holding X is found by moving on from the last one instead of searching.
  TFzyFloat MembershipAt(TFzyFloat x) {
    const std::size_t last = FPoints.size() - 1;
    const membership_function::TArrayPoints points(FPoints);
    // Beyond the ends the function is flat, on any list: the lookup's own first answers.
    if (x < FPoints.front().X) return FPoints.front().Y;
    if (x > FPoints.front().X && x > FPoints[last].X) return FPoints[last].Y;
    if (!FSorted || !(x > FPoints.front().X && x < FPoints[last].X)) {
      return membership_function::MembershipAt(points, x);
    }
    while (FNear > 1 && FPoints[FNear - 1].X >= x) --FNear;
    while (FPoints[FNear].X < x) ++FNear;
    const TWalkPoint& next = FPoints[FNear];
    if (next.X == x) {
      return points.Y(membership_function::MaxYOfX(points, static_cast<int>(FNear), 1));
    }
    const TWalkPoint& previous = FPoints[FNear - 1];
    return membership_function::InterpolateY(previous.X, previous.Y, next.X, next.Y, x);
  }

  TWalkPoints FPoints;
  std::size_t FIndex = 0;
  std::size_t FNear = 1;
  bool FSorted = false;
};

// The walk over A (the receiver) and B. `visit` takes (X1, Y1, X2, Y2), A's side first, and
// answers true to stop the walk. The library's own array routines walk with their callable's
// own type, so that its work is inlined into the walk instead of called once per event.
template <class TVisit>
class TPairwiseWalk {
 public:
  TPairwiseWalk(TWalkPoints a, TWalkPoints b, const TVisit& visit, bool unitSumEvents)
      : FA(a), FB(b), FVisit(visit), FUnitSumEvents(unitSumEvents) {}

  // True when a visit stopped the walk.
  bool Run() {
    if (FA.Points().empty()) return VisitAlone(FB.Points());
    if (FB.Points().empty()) return VisitAlone(FA.Points());
    while (FA.Active() || FB.Active()) {
      if (BetweenPoints() || PointStep()) return true;
    }
    return false;
  }

 private:
  // With one list empty, each point of the other is paired with itself; the sum of a value
  // with itself reaches 1 where the function passes 0.5.
  bool VisitAlone(const TWalkPoints& points) {
    for (std::size_t k = 0; k < points.size(); ++k) {
      const TWalkPoint& p = points[k];
      if (FUnitSumEvents && k > 0 && points[k - 1].X < p.X &&
          StrictlyBetween(points[k - 1].Y, 0.5, p.Y)) {
        const TWalkLine line{points[k - 1], p};
        const TFzyFloat x = line.XAt(0.5);
        if (FVisit(x, 0.5, x, 0.5)) return true;
      }
      if (FVisit(p.X, p.Y, p.X, p.Y)) return true;
    }
    return false;
  }

  // The events strictly between the last visited point and the next one, in X order: where the
  // two lines cross and, when asked for, where their sum passes 1. Before the first point and
  // after the last both functions are flat, so nothing lies there.
  bool BetweenPoints() {
    const TFzyFloat from = std::max(FA.LastX(), FB.LastX());
    const TFzyFloat to = std::min(FA.NextX(), FB.NextX());
    if (!(from < to) || (!FA.Started() && !FB.Started())) return false;
    const TWalkLine a = FA.Line();
    const TWalkLine b = FB.Line();
    if (!FUnitSumEvents && LinesStayApart(a, b)) return false;
    const TFzyFloat aFrom = a.At(from), aTo = a.At(to), bFrom = b.At(from), bTo = b.At(to);
    const bool crosses = OppositeSigns(aFrom - bFrom, aTo - bTo);
    const bool unitSum = FUnitSumEvents && OppositeSigns(aFrom + bFrom - 1, aTo + bTo - 1);
    const TFzyFloat crossing = crosses ? CrossingX(a, b, from, to) : 0.0;
    const TFzyFloat sum = unitSum ? ZeroBetween(from, to, aFrom + bFrom - 1, aTo + bTo - 1) : 0.0;
    // A sum passing 1 where the lines cross is that crossing.
    const bool sumApart = unitSum && !(crosses && WithinPositionTolerance(sum, crossing));
    if (sumApart && (!crosses || sum < crossing) && VisitBoth(a, b, sum)) return true;
    if (crosses && VisitCrossing(a, b, crossing)) return true;
    return sumApart && crosses && sum > crossing && VisitBoth(a, b, sum);
  }

  // A level line gives the crossing exactly: the other line's X at that level.
  static TFzyFloat CrossingX(const TWalkLine& a, const TWalkLine& b, TFzyFloat from, TFzyFloat to) {
    if (a.Horizontal()) return std::clamp(b.XAt(a.From.Y), from, to);
    if (b.Horizontal()) return std::clamp(a.XAt(b.From.Y), from, to);
    return ZeroBetween(from, to, a.At(from) - b.At(from), a.At(to) - b.At(to));
  }

  bool VisitCrossing(const TWalkLine& a, const TWalkLine& b, TFzyFloat x) {
    const TFzyFloat y = a.Horizontal() ? a.From.Y : (b.Horizontal() ? b.From.Y : a.At(x));
    return FVisit(x, y, x, y);
  }

  bool VisitBoth(const TWalkLine& a, const TWalkLine& b, TFzyFloat x) {
    return FVisit(x, a.At(x), x, b.At(x));
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
    const TWalkPoint a = FA.Current();
    FA.Advance();
    return FVisit(a.X, a.Y, a.X, FB.PartnerAt(a.X));
  }

  bool VisitBOnly() {
    const TWalkPoint b = FB.Current();
    FB.Advance();
    return FVisit(b.X, FA.PartnerAt(b.X), b.X, b.Y);
  }

  TWalkSide FA;
  TWalkSide FB;
  const TVisit& FVisit;
  bool FUnitSumEvents;
};

// The tidy step of an operator result, in place; answers how many points stay. Of a run of
// consecutive points with equal Y only the first and last stay (only the last for a run opening
// the list), then a last point level with its predecessor goes. Deleting one point at a time
// compares neighbours of the original list only, so one pass over it decides the same: each
// point is settled once its successor has been read, and moves down only over dropped ones.
std::size_t TidyInPlace(std::span<TFuzzyPoint> points) {
  if (points.empty()) return 0;
  std::size_t kept = 0;
  int run = 1;
  for (std::size_t k = 1; k < points.size(); ++k) {
    bool dropPrevious = false;
    if (!FloatEquals(points[k - 1].Y, points[k].Y)) {
      run = 0;
    } else if (++run >= 2) {
      dropPrevious = true;
    }
    if (!dropPrevious) points[kept++] = points[k - 1];
  }
  // The collapse never drops the last point; its surviving predecessor decides the trim.
  const TFuzzyPoint last = points.back();
  if (kept == 0 || !FloatEquals(points[kept - 1].Y, last.Y)) points[kept++] = last;
  return kept;
}

// Replaces the points by the kept ones in one sweep. Deleting inside a batch leaves the list's
// order flags as they were, so they are restored: the closing clean-up then does what it would
// have done after point-by-point deletion.
void TidyOperatorResult(TFuzzySetValues* values) {
  TPointCopy copy(values);
  const std::span<TFuzzyPoint> points = copy.Points();
  const std::size_t kept = TidyInPlace(points);
  if (kept == points.size()) return;
  const bool sorted = values->GetSorted();
  const bool duplicatesRemoved = values->GetDuplicatesRemoved();
  values->Clear();
  for (std::size_t k = 0; k < kept; ++k) values->Add(points[k].X, points[k].Y);
  values->SetSorted(sorted);
  values->SetDuplicatesRemoved(duplicatesRemoved);
}

}  // namespace

bool WalkPairwise(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b, TWalkVisit visit,
                  bool unitSumEvents) {
  return TPairwiseWalk<TWalkVisit>(a, b, visit, unitSumEvents).Run();
}

bool WalkPairwise(const TFuzzySet* a, const TFuzzySet* b, TWalkVisit visit, bool unitSumEvents) {
  const TPointCopy pointsOfA(a->GetValues());
  const TPointCopy pointsOfB(b->GetValues());
  return WalkPairwise(pointsOfA.Points(), pointsOfB.Points(), visit, unitSumEvents);
}

namespace {

template <class TRule>
void CombineWith(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b, TRule rule,
                 bool unitSumEvents, TPointBuffer& result) {
  const auto append = [&](TFzyFloat x1, TFzyFloat y1, TFzyFloat, TFzyFloat y2) {
    result.Append(x1, static_cast<TFzyFloat>(rule(y1, y2)));
    return false;
  };
  TPairwiseWalk<decltype(append)>(a, b, append, unitSumEvents).Run();
  if (!a.empty() && !b.empty()) result.Truncate(TidyInPlace(result.EditPoints()));
  result.Settle();
}

}  // namespace

void CombineInto(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b, TOperatorRule rule,
                 bool unitSumEvents, TPointBuffer& result) {
  // The families that rule bases use most are combined with their rule inlined.
  if (rule == &operator_rules::Max) {
    const auto max = [](TFzyFloat y1, TFzyFloat y2) { return std::max(y1, y2); };
    return CombineWith(a, b, max, unitSumEvents, result);
  }
  if (rule == &operator_rules::Min) {
    const auto min = [](TFzyFloat y1, TFzyFloat y2) { return std::min(y1, y2); };
    return CombineWith(a, b, min, unitSumEvents, result);
  }
  CombineWith(a, b, rule, unitSumEvents, result);
}

TFzyFloat HighestCommonMembership(std::span<const TFuzzyPoint> a, std::span<const TFuzzyPoint> b) {
  TFzyFloat highest = 0.0;
  const auto visit = [&highest](TFzyFloat, TFzyFloat y1, TFzyFloat, TFzyFloat y2) {
    highest = std::max(highest, std::min(y1, y2));
    return false;
  };
  TPairwiseWalk<decltype(visit)>(a, b, visit, false).Run();
  return highest;
}

void WalkIntoResult(const TFuzzySet* a, const TFuzzySet* b, TFuzzySetValues* points,
                    TWalkVisit visit, bool unitSumEvents) {
  TCollectionUpdate batch(points);
  const bool stopped = WalkPairwise(a, b, visit, unitSumEvents);
  // Membership continues at the first and last Y, so flat ends carry nothing. With an operand
  // empty the points are the other's own, paired with themselves, and stay as they are.
  const bool bothHavePoints = a->GetValues()->GetCount() > 0 && b->GetValues()->GetCount() > 0;
  if (!stopped && bothHavePoints) TidyOperatorResult(points);
  batch.End();
}

void CombineInto(const TFuzzySet* a, const TFuzzySet* b, TOperatorRule rule, bool unitSumEvents,
                 TPointBuffer& result) {
  const TPointCopy pointsOfA(a->GetValues());
  const TPointCopy pointsOfB(b->GetValues());
  CombineInto(pointsOfA.Points(), pointsOfB.Points(), rule, unitSumEvents, result);
}

bool BendsAtUnitSum(const std::string& operationName) {
  return operationName == FuzzyIntersectionKeywords[foBoundedSum] ||
         operationName == FuzzyUnionKeywords[foBoundedSum];
}

std::string OperandExpression(const std::string& expression, const std::string& name) {
  return FormatFuzzyExpression(expression.empty() ? EscapeFuzzyName(name) : expression);
}

TFuzzyText OperandExpression(const TFuzzyText& expression, const TFuzzyText& name) {
  return FormatFuzzyExpression(expression.IsEmpty() ? EscapeFuzzyName(name) : expression);
}

}  // namespace fuzzy
