// The set algebra against its definition. The first byte picks the operator family, the second
// splits the rest between the two operands; every further pair of bytes is one point, on a 0.25
// grid over [0, 10] with Y in eighths, in the order given, so that repeated X make steps. Any
// place where the result leaves the family's formula of the operands' memberships is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "fuzzy/sets/AlgebraTestSupport.h"

namespace {

using namespace fuzzy;
using testing_support::TXYList;

// At most eight points: the grid is coarse, so longer lists only repeat its shapes.
TXYList PointsFrom(const std::uint8_t* data, std::size_t size) {
  TXYList points;
  for (std::size_t k = 0; k + 1 < size && points.size() < 8; k += 2) {
    points.push_back({(data[k] % 41) * 0.25, (data[k + 1] % 9) / 8.0});
  }
  return points;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto& families = testing_support::kFamilies;
  const testing_support::TFamily& family = families[data[0] % std::size(families)];
  const std::size_t split = 2 + 2 * static_cast<std::size_t>(data[1] % 9);
  const std::size_t first = split < size ? split - 2 : size - 2;
  const testing_support::TOperands operands(PointsFrom(data + 2, first),
                                            PointsFrom(data + 2 + first, size - 2 - first));
  if (operands.a.empty() && operands.b.empty()) return 0;
  const TOwned<TFuzzySet> result = testing_support::FamilyResult(family, operands);
  const double x = testing_support::FirstDeviation(
      family, operands, [&](double at) { return result->DegreeOfMembership(at); });
  if (!std::isnan(x)) std::abort();  // the result left the formula at x
  return 0;
}
