#include "fuzzy/rules/FiringArrays.h"

#include <algorithm>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzyOperatorRules.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/MembershipFunction.h"
#include "fuzzy/sets/PairwiseWalk.h"

namespace fuzzy {

TFuzzyPoints PointsOfSet(const TFuzzySet* set) {
  TFuzzyPoints points;
  points.reserve(static_cast<std::size_t>(set->GetValues()->GetCount()));
  for (const TFuzzySetValue* point : *set->GetValues()) {
    points.push_back({point->GetX(), point->GetY()});
  }
  return points;
}

namespace {

// The points of `points` (sorted within the tolerance) that lie within twice the tolerance of
// x, widened by the nearest farther point on either side; empty when none lies that near. Near
// x the walk pairs the spike's points with the set's own, and only the walk can say how.
std::span<const TFuzzyPoint> PointsAround(std::span<const TFuzzyPoint> points, TFzyFloat x) {
  const long double margin = 2 * PositionTolerance;
  const auto first = std::partition_point(points.begin(), points.end(), [&](const TFuzzyPoint& p) {
    return static_cast<long double>(p.X) < x - 2 * margin;
  });
  bool near = false;
  auto end = first;
  for (; end != points.end(); ++end) {
    const long double distance = static_cast<long double>(end->X) - x;
    if (distance > margin) break;
    near = near || distance >= -margin;
  }
  if (!near) return {};
  const auto begin = first == points.begin() ? first : first - 1;
  return {begin, end == points.end() ? end : end + 1};
}

}  // namespace

TFzyFloat TFiringArrays::CrispStrength(std::span<const TFuzzyPoint> premise, TFzyFloat x) {
  // A crisp set is the spike (x, 0), (x, 1), (x, 0); the strength is the height of its
  // intersection with the premise. The spike is 0 away from x and the premise is never
  // negative, so only the walk's events around x can rise above 0.
  // - Away from the premise's points the walk meets no crossing and pairs the spike's top, 1,
  //   with the premise's membership at x: the strength is the smaller of the two.
  // - Near one, the walk runs over the points around x. Started a point farther than the
  //   tolerance before x, it meets the same events there as over the whole list, and the
  //   segment around x is the same, so its membership at x is too.
  const std::span<const TFuzzyPoint> around = premise.empty() ? premise : PointsAround(premise, x);
  if (!premise.empty() && around.empty()) {
    return std::min(
        1.0, membership_function::MembershipAt(membership_function::TArrayPoints(premise), x));
  }
  FCrisp[0] = {x, 0.0};
  FCrisp[1] = {x, 1.0};
  FCrisp[2] = {x, 0.0};
  return HighestCommonMembership(around, FCrisp);
}

void TFiringArrays::Correlate(std::span<const TFuzzyPoint> conclusion, TFzyFloat strength,
                              TFuzzyCorrelationMethod method, TPointBuffer& result) {
  if (method == fcmProduct) {
    result.Assign(conclusion);
    for (std::size_t i = 0; i < result.Size(); ++i) {
      result.SetY(i, result.Points()[i].Y * strength);
    }
    result.Settle();
    return;
  }
  // The crossings first, then the clipping of every Y above the level, each step settled as
  // its own batch of the list.
  const std::size_t cutCount =
      PointsCutAt(membership_function::TArrayPoints(conclusion), strength, FKept);
  if (CutReshapes(static_cast<int>(conclusion.size()), cutCount, FKept)) {
    result.Reset(result.Lower(), result.Upper());
    for (const TCutPoint& point : FKept) result.Append(point.X, point.Y);
    result.Settle();
    // Every Y is now at most the level (a negative one became 0), so at a level of at least 0
    // the clipping changes nothing.
    if (strength >= 0.0) return;
  } else {
    result.Assign(conclusion);
  }
  for (std::size_t i = 0; i < result.Size(); ++i) {
    const TFzyFloat y = result.Points()[i].Y;
    result.SetY(i, y > strength ? strength : y);
  }
  result.Settle();
}

void TFiringArrays::Infer(TPointBuffer& accumulated, std::span<const TFuzzyPoint> conclusion,
                          TFuzzyInferenceMethod method) {
  const TFuzzyOperation operation = InferenceOperation(method);
  FCombined.Reset(accumulated.Lower(), accumulated.Upper());
  CombineInto(accumulated.Points(), conclusion, OperatorRule(operation, false),
              operation == foBoundedSum, FCombined);
  accumulated.Swap(FCombined);
}

TFzyFloat HeightOf(std::span<const TFuzzyPoint> points) {
  TFzyFloat height = 0.0;
  for (const TFuzzyPoint& point : points) height = std::max(height, point.Y);
  return height;
}

TFzyFloat DefuzzifiedValue(const TPointBuffer& result, TDefuzzificationMethod method) {
  const membership_function::TArrayPoints points(result.Points());
  if (method == dmMeanOfMaxima) return membership_function::MeanOfMaxima(points);
  return membership_function::CentreOfGravity(points, result.Lower(), result.Upper());
}

}  // namespace fuzzy
