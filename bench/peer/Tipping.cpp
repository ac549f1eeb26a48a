#include "bench/peer/Tipping.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "bench/peer/ExactCentroid.h"

namespace peer {

namespace {

constexpr int GridSteps = 21;
constexpr double GridStep = 0.5;

struct TRuleStrengths {
  double Cheap;
  double Average;
  double Generous;
};

// The rules with the shapes as the task states them, "or" as maximum.
TRuleStrengths ExactStrengths(const TTippingInput& in) {
  const double poor = TriangleMembership(-5, 0, 5, in.Service);
  const double good = TriangleMembership(0, 5, 10, in.Service);
  const double excellent = TriangleMembership(5, 10, 15, in.Service);
  const double rancid = TrapezoidMembership(-2, 0, 1, 3, in.Food);
  const double delicious = TrapezoidMembership(7, 9, 10, 12, in.Food);
  return {std::max(poor, rancid), good, std::max(excellent, delicious)};
}

}  // namespace

std::vector<TTippingInput> TippingGrid() {
  std::vector<TTippingInput> grid;
  grid.reserve(GridSteps * GridSteps);
  for (int s = 0; s < GridSteps; ++s) {
    for (int f = 0; f < GridSteps; ++f) grid.push_back({s * GridStep, f * GridStep});
  }
  return grid;
}

double ExactTip(const TTippingInput& input) {
  const TRuleStrengths strength = ExactStrengths(input);
  const std::array<TClippedTriangle, 3> pieces{{{0, 5, 10, strength.Cheap},
                                                {10, 15, 20, strength.Average},
                                                {20, 25, 30, strength.Generous}}};
  return ExactCentroid(pieces);
}

}  // namespace peer
