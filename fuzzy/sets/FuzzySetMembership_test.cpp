#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using TPoints = std::vector<std::pair<TFzyFloat, TFzyFloat>>;

// A free-standing set holding exactly `points`, added inside one batch so that no single-point
// rule rearranges them.
TOwned<TFuzzySet> SetOf(const TPoints& points) {
  auto set = Own(TFuzzySet::Create(nullptr));
  TCollectionUpdate batch(set->GetValues());
  for (auto [x, y] : points) set->GetValues()->Add(x, y);
  batch.End();
  return set;
}

struct TMembershipCase {
  const char* name;
  TPoints points;
  TFzyFloat x;
  TFzyFloat expected;
};

class DegreeOfMembershipTest : public testing::TestWithParam<TMembershipCase> {};

TEST_P(DegreeOfMembershipTest, ReadsTheFunctionAtX) {
  const auto& param = GetParam();
  EXPECT_DOUBLE_EQ(SetOf(param.points)->DegreeOfMembership(param.x), param.expected);
}

const TPoints Triangle{{0, 0}, {1, 1}, {2, 0}};
const TPoints FallingStep{{0, 1}, {1, 1}, {1, 0}, {2, 0}};
const TPoints ThreePointStep{{1, 0.2}, {1, 0.9}, {1, 0.4}};
const TPoints RisingStepInside{{0, 0}, {2, 0.2}, {2, 0.8}, {4, 1}};

INSTANTIATE_TEST_SUITE_P(
    Cases, DegreeOfMembershipTest,
    testing::Values(TMembershipCase{"TriangleSlope", Triangle, 0.5, 0.5},
                    TMembershipCase{"TrianglePeak", Triangle, 1, 1},
                    TMembershipCase{"FlatLeft", Triangle, -5, 0},
                    TMembershipCase{"FlatRight", Triangle, 7, 0},
                    TMembershipCase{"FallingStepAtStep", FallingStep, 1, 1},
                    TMembershipCase{"FallingStepJustLeft", FallingStep, 0.999, 1},
                    TMembershipCase{"FallingStepJustRight", FallingStep, 1.001, 0},
                    TMembershipCase{"ThreePointStepAtStep", ThreePointStep, 1, 0.9},
                    TMembershipCase{"ThreePointStepLeft", ThreePointStep, 0.5, 0.2},
                    TMembershipCase{"ThreePointStepRight", ThreePointStep, 1.5, 0.4},
                    TMembershipCase{"InnerStepAtStep", RisingStepInside, 2, 0.8},
                    TMembershipCase{"InnerStepLeftSlope", RisingStepInside, 1, 0.1},
                    TMembershipCase{"InnerStepRightSlope", RisingStepInside, 3, 0.9},
                    TMembershipCase{"SinglePointLeft", {{3, 0.7}}, -100, 0.7},
                    TMembershipCase{"SinglePointAt", {{3, 0.7}}, 3, 0.7},
                    TMembershipCase{"SinglePointRight", {{3, 0.7}}, 100, 0.7},
                    TMembershipCase{"Empty", {}, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The membership rule read literally: a scan from the second point to the first point at or
// beyond X.
TFzyFloat LinearMembership(const TFuzzySet* set, TFzyFloat x) {
  const TFuzzySetValues* values = set->GetValues();
  const int count = values->GetCount();
  auto xOf = [&](int i) { return values->GetItem(i)->GetX(); };
  auto yOf = [&](int i) { return values->GetItem(i)->GetY(); };
  if (count == 0) return 0.0;
  if (x < xOf(0)) return yOf(0);
  if (x == xOf(0)) return yOf(set->GetMaxYValueOfX(0, 1));
  if (x > xOf(count - 1)) return yOf(count - 1);
  if (x == xOf(count - 1)) return yOf(set->GetMaxYValueOfX(count - 1, -1));
  for (int i = 1; i < count; ++i) {
    if (xOf(i) == x) return yOf(set->GetMaxYValueOfX(i, 1));
    if (xOf(i) > x) return TFuzzySet::InterpolateY(xOf(i - 1), yOf(i - 1), xOf(i), yOf(i), x);
  }
  return 0.0;
}

// Random functions with vertical steps of two and three points and neighbours closer than the
// position tolerance, in either order, probed at every point, just beside it, between points and
// outside.
class MembershipAgreesWithLinearScan : public testing::TestWithParam<unsigned> {
 protected:
  TPoints RandomPoints(std::mt19937& random, int count) {
    std::uniform_real_distribution<TFzyFloat> unit(0.0, 1.0);
    std::uniform_int_distribution<int> kind(0, 5);
    TPoints points;
    TFzyFloat x = 0.0;
    int previous = -1;
    while (static_cast<int>(points.size()) < count) {
      int shape = kind(random);
      // A single step back within the tolerance: such neighbours keep their order in a list.
      if (shape == 4 && previous == 4) shape = 3;
      previous = shape;
      x += shape == 5 ? 0.00004 : shape == 4 ? -0.00004 : 0.01 + unit(random);
      const int copies = shape == 0 ? 2 : shape == 1 ? 3 : 1;
      for (int c = 0; c < copies; ++c) points.emplace_back(x, unit(random));
    }
    return points;
  }
};

TEST_P(MembershipAgreesWithLinearScan, OnRandomSetsWithSteps) {
  std::mt19937 random(GetParam());
  std::uniform_real_distribution<TFzyFloat> unit(0.0, 1.0);
  for (int count : {1, 2, 3, 7, 50, 300}) {
    auto set = SetOf(RandomPoints(random, count));
    const TFuzzySetValues* values = set->GetValues();
    const TFzyFloat last = values->GetItem(values->GetCount() - 1)->GetX();
    std::vector<TFzyFloat> probes{-1.0, last + 1.0};
    for (int i = 0; i < values->GetCount(); ++i) {
      const TFzyFloat px = values->GetItem(i)->GetX();
      probes.insert(probes.end(), {px, px - 0.00002, px + 0.00002, px - 1e-9, px + 1e-9});
    }
    for (int i = 0; i < 200; ++i) probes.push_back(unit(random) * (last + 0.5) - 0.25);
    for (TFzyFloat probe : probes) {
      ASSERT_EQ(set->DegreeOfMembership(probe), LinearMembership(set.get(), probe))
          << "seed " << GetParam() << ", " << count << " points, x = " << probe;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, MembershipAgreesWithLinearScan,
                         testing::Values(1u, 2u, 3u, 17u, 42u, 1234u, 99991u));

TEST(FuzzySetSteps, MaxAndMinWalkTheStepAndKeepTheFirstOfEqualValues) {
  auto set = SetOf({{0, 0}, {1, 0.9}, {1, 0.5}, {1, 0.9}, {2, 0}});
  EXPECT_EQ(set->GetMaxYValueOfX(1, 1), 1);
  EXPECT_EQ(set->GetMaxYValueOfX(3, -1), 3);
  EXPECT_EQ(set->GetMinYValueOfX(1, 1), 2);
  EXPECT_EQ(set->GetMinYValueOfX(0, 1), 0);
  EXPECT_EQ(set->GetMaxYValueOfX(2, 0), 3);
}

TEST(FuzzySetInterpolation, AnswersTheSecondEndWhenTheLineIsDegenerate) {
  EXPECT_DOUBLE_EQ(TFuzzySet::InterpolateY(0, 0, 4, 1, 1), 0.25);
  EXPECT_DOUBLE_EQ(TFuzzySet::InterpolateY(2, 0.3, 2, 0.8, 5), 0.8);
  EXPECT_DOUBLE_EQ(TFuzzySet::InterpolateX(0, 0, 4, 1, 0.5), 2);
  EXPECT_DOUBLE_EQ(TFuzzySet::InterpolateX(1, 0.5, 3, 0.5, 0.5), 3);
}

}  // namespace
}  // namespace fuzzy
