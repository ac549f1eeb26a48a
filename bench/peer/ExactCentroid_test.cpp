#include "bench/peer/ExactCentroid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace peer {
namespace {

struct TCentroidCase {
  const char* Name;
  std::vector<TClippedTriangle> Pieces;
  double Expected;
};

class ExactCentroidCases : public testing::TestWithParam<TCentroidCase> {};

// Expected values worked out by hand from the areas and centroids of the pieces.
INSTANTIATE_TEST_SUITE_P(
    Shapes, ExactCentroidCases,
    testing::Values(
        // A whole symmetric triangle: its peak.
        TCentroidCase{"FullTriangle", {{0, 5, 10, 1.0}}, 5.0},
        // A right triangle rising from 0 to 3: two thirds along.
        TCentroidCase{"RightTriangle", {{0, 3, 3, 1.0}}, 2.0},
        // Two disjoint full triangles of equal area: midway between their peaks.
        TCentroidCase{"TwoEqualPeaks", {{0, 5, 10, 1.0}, {20, 25, 30, 1.0}}, 15.0},
        // Cut at 0.5: trapezoids of area 3.75 around 5 and area 5 around 25.
        TCentroidCase{
            "UnequalCuts", {{0, 5, 10, 0.5}, {20, 25, 30, 1.0}}, (3.75 * 5 + 5 * 25) / 8.75},
        // Overlap: the max of (0 5 10) and (5 10 15) is symmetric about 7.5.
        TCentroidCase{"OverlapTakesTheMaximum", {{0, 5, 10, 1.0}, {5, 10, 15, 1.0}}, 7.5},
        // A piece hidden under a larger one adds nothing.
        TCentroidCase{"HiddenPieceAddsNothing", {{0, 5, 10, 1.0}, {4, 5, 6, 0.5}}, 5.0}),
    [](const testing::TestParamInfo<TCentroidCase>& info) { return info.param.Name; });

TEST_P(ExactCentroidCases, MatchesTheHandWorkedCentroid) {
  EXPECT_NEAR(ExactCentroid(GetParam().Pieces), GetParam().Expected, 1e-12);
}

// Overlapping pieces cut at different heights cross inside a segment: a breakpoint missed
// there would show as a difference from fine sampling.
TEST(ExactCentroid, AgreesWithFineSamplingWhereClippedSidesCross) {
  const std::vector<TClippedTriangle> pieces{{0, 4, 12, 0.7}, {6, 9, 14, 0.4}, {8, 13, 15, 0.9}};
  constexpr int Steps = 2000000;
  double area = 0.0;
  double moment = 0.0;
  for (int i = 0; i < Steps; ++i) {
    const double x = 15.0 * (i + 0.5) / Steps;
    double y = 0.0;
    for (const TClippedTriangle& t : pieces) {
      y = std::max(y, std::min(t.Height, TriangleMembership(t.Left, t.Peak, t.Right, x)));
    }
    area += y;
    moment += x * y;
  }
  EXPECT_NEAR(ExactCentroid(pieces), moment / area, 1e-8);
}

TEST(ExactCentroid, NothingToWeighGivesNaN) {
  EXPECT_TRUE(std::isnan(ExactCentroid(std::vector<TClippedTriangle>{{0, 5, 10, 0.0}})));
}

struct TMembershipCase {
  double X;
  double Expected;
};

class TrapezoidMembershipCases : public testing::TestWithParam<TMembershipCase> {};

// The task's rancid term (-2 0 1 3) on and around its corners.
INSTANTIATE_TEST_SUITE_P(Rancid, TrapezoidMembershipCases,
                         testing::Values(TMembershipCase{-3, 0}, TMembershipCase{-1, 0.5},
                                         TMembershipCase{0, 1}, TMembershipCase{1, 1},
                                         TMembershipCase{2, 0.5}, TMembershipCase{3, 0},
                                         TMembershipCase{4, 0}));

TEST_P(TrapezoidMembershipCases, FollowsTheCorners) {
  EXPECT_DOUBLE_EQ(TrapezoidMembership(-2, 0, 1, 3, GetParam().X), GetParam().Expected);
}

}  // namespace
}  // namespace peer
