#include "bench/peer/Membership.h"

#include <fl/Headers.h>

#include <algorithm>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace peer {

namespace {

constexpr int ProbeCount = 1024;
constexpr double ProbeMargin = 1.0;

}  // namespace

TPoints MembershipPoints(int count) {
  if (count == 3) return {{0, 0}, {5, 1}, {10, 0}};
  TPoints points;
  for (int i = 0; i < count; ++i) {
    const int phase = i % 4;
    const double y = phase == 0 ? 0.0 : (phase == 3 ? 0.5 : 1.0);
    points.emplace_back(i, y);
  }
  return points;
}

std::vector<double> MembershipProbes(const TPoints& points) {
  const double from = points.front().first - ProbeMargin;
  const double to = points.back().first + ProbeMargin;
  std::vector<double> probes;
  probes.reserve(ProbeCount);
  // A multiplicative step scatters the probes over the span instead of sweeping it in order.
  for (int i = 0; i < ProbeCount; ++i) {
    const double share = static_cast<double>((i * 389) % ProbeCount) / (ProbeCount - 1);
    probes.push_back(from + share * (to - from));
  }
  return probes;
}

fuzzy::TOwned<fuzzy::TFuzzySet> OurMembershipSet(const TPoints& points) {
  auto set = fuzzy::Own(fuzzy::TFuzzySet::Create(nullptr));
  fuzzy::TCollectionUpdate batch(set->GetValues());
  for (const auto& [x, y] : points) set->GetValues()->Add(x, y);
  batch.End();
  return set;
}

std::unique_ptr<fl::Term> PeerMembershipTerm(const TPoints& points) {
  if (points.size() == 3) {
    return std::make_unique<fl::Triangle>("triangle", points[0].first, points[1].first,
                                          points[2].first);
  }
  return std::make_unique<fl::Discrete>("discrete", points);
}

}  // namespace peer
