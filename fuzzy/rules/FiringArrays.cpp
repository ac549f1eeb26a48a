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

// Whether a point of `points` (sorted within the tolerance) lies within twice the tolerance of
// x: there the walk pairs the spike's points with the set's own, and only the walk can say how.
bool PointNear(std::span<const TFuzzyPoint> points, TFzyFloat x) {
  const long double margin = 2 * PositionTolerance;
  const auto first = std::partition_point(points.begin(), points.end(), [&](const TFuzzyPoint& p) {
    return static_cast<long double>(p.X) < x - 2 * margin;
  });
  for (auto point = first; point != points.end(); ++point) {
    const long double distance = static_cast<long double>(point->X) - x;
    if (distance > margin) break;
    if (distance >= -margin) return true;
  }
  return false;
}

}  // namespace

TFzyFloat TFiringArrays::CrispStrength(std::span<const TFuzzyPoint> premise, TFzyFloat x) {
  // Away from the premise's points the walk against the spike meets no crossing (both sides
  // are never negative and the spike is 0 around x) and pairs the spike's top, 1, with the
  // premise's membership at x: the strength is the smaller of the two.
  if (!premise.empty() && !PointNear(premise, x)) {
    return std::min(
        1.0, membership_function::MembershipAt(membership_function::TArrayPoints(premise), x));
  }
  // A crisp set is the spike (x, 0), (x, 1), (x, 0).
  FCrisp[0] = {x, 0.0};
  FCrisp[1] = {x, 1.0};
  FCrisp[2] = {x, 0.0};
  TFzyFloat strength = 0.0;
  WalkPairwise(
      premise, FCrisp,
      [&strength](TFzyFloat, TFzyFloat y1, TFzyFloat, TFzyFloat y2) {
        strength = std::max(strength, std::min(y1, y2));
        return false;
      },
      false);
  return strength;
}

void TFiringArrays::Correlate(std::span<const TFuzzyPoint> conclusion, TFzyFloat strength,
                              TFuzzyCorrelationMethod method, TPointBuffer& result) {
  result.Assign(conclusion);
  if (method == fcmProduct) {
    for (std::size_t i = 0; i < result.Size(); ++i) {
      result.SetY(i, result.Points()[i].Y * strength);
    }
    result.Settle();
    return;
  }
  // The crossings first, then the clipping of every Y above the level, each step settled as
  // its own batch of the list.
  PointsCutAt(membership_function::TArrayPoints(conclusion), strength, FCut, FKept);
  if (CutReshapes(static_cast<int>(conclusion.size()), FCut, FKept)) {
    result.Reset(result.Lower(), result.Upper());
    for (const TCutPoint& point : FKept) result.Append(point.X, point.Y);
    result.Settle();
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
              operation == foBoundedSum, FCombined, FKeep);
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
