// The algebra against its definition: a result's membership is the family's formula of the two
// operands' memberships. Random pairs of small sets on a coarse grid, so that shared feet,
// coinciding X, plateaus at 0 and 1 and vertical steps are common, in both models; and random
// rule bases, whose centre of gravity is compared with the integral of the exact aggregate.
// FUZZY_PROPERTY_PAIRS sets the number of pairs per family (a long run: 100000).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzySetTestSupport.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/MembershipTestSupport.h"
#include "fuzzy/sets/AlgebraTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::FamilyResult;
using testing_support::FirstDeviation;
using testing_support::kFamilies;
using testing_support::TFamily;
using testing_support::TMembership;
using testing_support::TOperands;
using testing_support::TPointList;

int PairsPerFamily(int usual) {
  const char* text = std::getenv("FUZZY_PROPERTY_PAIRS");
  return text == nullptr ? usual : std::max(1, std::atoi(text));
}

// 0 to 6 points on a 0.25 grid over [0, 10] (now and then two or three on one X), with Y on an
// eighth grid and often exactly 0 or 1. An empty list is rare.
TPointList RandomPoints(std::mt19937& random) {
  const auto draw = [&](int below) { return static_cast<int>(random() % below); };
  TPointList points;
  const int count = draw(25) == 0 ? 0 : 1 + draw(6);
  std::vector<int> grid;
  for (int k = 0; k < count; ++k) grid.push_back(draw(41));
  std::sort(grid.begin(), grid.end());
  for (int k = 0; k < count; ++k) {
    const int kind = draw(10);
    const TFzyFloat y = kind < 3 ? 0.0 : (kind < 5 ? 1.0 : draw(9) / 8.0);
    const bool step = k > 0 && draw(5) == 0;
    points.push_back({(step ? grid[k - 1] : grid[k]) * 0.25, y});
  }
  return points;
}

std::string Describe(const TPointList& points) {
  std::ostringstream text;
  for (const auto& [x, y] : points) text << "(" << x << "," << y << ")";
  return text.str();
}

using TModelResult = std::function<TMembership(const TFamily&, const TOperands&)>;

class AlgebraProperty : public testing::TestWithParam<TFamily> {
 protected:
  void Check(int pairs, unsigned seed, const TModelResult& run) {
    std::mt19937 random(seed);
    int failures = 0;
    for (int k = 0; k < pairs && failures < 5; ++k) {
      TOperands operands(RandomPoints(random), RandomPoints(random));
      if (operands.a.empty() && operands.b.empty()) continue;
      const double x = FirstDeviation(GetParam(), operands, run(GetParam(), operands));
      if (!std::isnan(x)) {
        ++failures;
        ADD_FAILURE() << GetParam().name << " of " << Describe(operands.a) << " with "
                      << Describe(operands.b) << " leaves the formula at X = " << x;
      }
    }
  }
};

TMembership ObjectResult(const TFamily& family, const TOperands& operands) {
  std::shared_ptr<TFuzzySet> result = FamilyResult(family, operands);
  return [result](double x) { return result->DegreeOfMembership(x); };
}

// An interface-model set holding `points`, added in one batch as the object-model operands are.
IPtr<IFuzzySet> InterfaceSet(const TPointList& points) {
  IPtr<IFuzzySet> set = testing_support::NewCountedSet({});
  set->BeginUpdate();
  for (const auto& [x, y] : points) set->Add(x, y);
  set->EndUpdate();
  return set;
}

TMembership InterfaceResult(const TFamily& family, const TOperands& operands) {
  const IPtr<IFuzzySet> a = InterfaceSet(operands.a);
  const IPtr<IFuzzySet> b = InterfaceSet(operands.b);
  IPtr<IFuzzySet> result =
      family.intersect ? a->Intersection(b, family.operation) : a->Union(b, family.operation);
  return [result](double x) { return result->DegreeOfMembership(x); };
}

TEST_P(AlgebraProperty, ObjectModelResultsFollowTheFormula) {
  Check(PairsPerFamily(3000), 20261209, ObjectResult);
}

TEST_P(AlgebraProperty, InterfaceModelResultsFollowTheFormula) {
  Check(PairsPerFamily(3000) / 4, 7, InterfaceResult);
}

INSTANTIATE_TEST_SUITE_P(Families, AlgebraProperty, testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Named cases ---------------------------------------------------------------------------

TEST(AlgebraExactness, ARisingEdgeMeetsTheOthersContinuation) {
  TOperands operands({{0, 0}, {2, 0.5}}, {{3, 0}, {5, 1}});
  TOwned<TFuzzySet> result(operands.setA->Intersection(operands.setB.get()));
  EXPECT_EQ(TOperands::PointsOf(result.get()), (TPointList{{3, 0}, {4, 0.5}}));
}

TEST(AlgebraExactness, AConclusionFiredAtZeroLeavesTheAccumulatorAlone) {
  TOperands operands({{0.25, 0},
                      {0.359726295, 0.43890518},
                      {0.609726295, 0.43890518},
                      {0.6402737, 0.56109482},
                      {0.8597263, 0.56109482},
                      {1, 0}},
                     {{0, 0}, {0.5, 0}});
  TOwned<TFuzzySet> result(operands.setA->Union(operands.setB.get()));
  EXPECT_DOUBLE_EQ(result->DegreeOfMembership(0.5), 0.43890518);
  EXPECT_NEAR(result->CenterOfGravity(), operands.setA->CenterOfGravity(), 1e-12);
}

// The height of the minimum: no grid point of min(A, B) lies above it, and no point of the
// intersection below it.
TEST(AlgebraExactness, CorrelationStrengthIsTheHeightOfTheMinimum) {
  std::mt19937 random(99);
  for (int k = 0; k < PairsPerFamily(3000); ++k) {
    TOperands operands(RandomPoints(random), RandomPoints(random));
    if (operands.a.empty() || operands.b.empty()) continue;
    const double strength = operands.setA->GetCorrelationStrength(operands.setB.get());
    double gridHeight = 0.0;
    for (double x = -0.4963; x < 10.5; x += 0.0125) {
      gridHeight = std::max(gridHeight, std::min(operands.A(x), operands.B(x)));
    }
    TOwned<TFuzzySet> minimum(operands.setA->Intersection(operands.setB.get()));
    double pointHeight = 0.0;
    for (const auto& point : TOperands::PointsOf(minimum.get())) {
      pointHeight = std::max(pointHeight, point.second);
    }
    ASSERT_GE(strength, gridHeight - 1e-9)
        << Describe(operands.a) << " with " << Describe(operands.b);
    ASSERT_NEAR(strength, pointHeight, 1e-9)
        << Describe(operands.a) << " with " << Describe(operands.b);
  }
}

// ---- Rule bases ----------------------------------------------------------------------------

// The centre of gravity of `membership` over [0, 10], by the midpoint rule between the given
// breaks: it never reads the function at a break, where a step may stand.
double IntegratedCentre(const TMembership& membership, std::vector<double> breaks) {
  breaks.push_back(0);
  breaks.push_back(10);
  std::sort(breaks.begin(), breaks.end());
  double moment = 0.0;
  double area = 0.0;
  for (std::size_t k = 1; k < breaks.size(); ++k) {
    const double from = breaks[k - 1];
    const double width = breaks[k] - from;
    const int steps = static_cast<int>(std::ceil(width * 2000));
    for (int j = 0; j < steps; ++j) {
      const double x = from + width * (j + 0.5) / steps;
      moment += x * membership(x) * width / steps;
      area += membership(x) * width / steps;
    }
  }
  return moment / area;
}

struct TRuleBase {
  std::vector<TPointList> conclusions;
  std::vector<double> strengths;
};

TRuleBase RandomRuleBase(std::mt19937& random) {
  TRuleBase rules;
  for (int k = 0; k < 4; ++k) {
    TPointList points = RandomPoints(random);
    rules.conclusions.push_back(points.empty() ? TPointList{{5, 1}} : points);
    rules.strengths.push_back(static_cast<double>(random() % 1001) / 1000);
  }
  return rules;
}

// The rules fired one after the other on an output over [0, 10] that fires at any strength.
double ObjectCentre(const TRuleBase& rules) {
  const auto logic = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* output = TFuzzyVariable::Create(logic->GetItems());
  output->SetMaximum(10);
  output->SetThreshold(0);
  TOwned<TFuzzySet> accumulated;
  for (std::size_t k = 0; k < rules.conclusions.size(); ++k) {
    TFuzzySet* conclusion = TFuzzySet::Create(output->GetItems());
    AddPoints(conclusion->GetValues(), rules.conclusions[k]);
    accumulated.reset(output->AssertRule(rules.strengths[k], conclusion, accumulated.get()));
  }
  return accumulated->CenterOfGravity();
}

double InterfaceCentre(const TRuleBase& rules) {
  const IPtr<IFuzzyVariable> output = testing_support::NewCountedVariable("out");
  output->SetThreshold(0);
  IPtr<IFuzzySet> accumulated;
  for (std::size_t k = 0; k < rules.conclusions.size(); ++k) {
    const IPtr<IFuzzySet> conclusion = testing_support::NewCountedSet({}, "c", output);
    conclusion->BeginUpdate();
    for (const auto& [x, y] : rules.conclusions[k]) conclusion->Add(x, y);
    conclusion->EndUpdate();
    accumulated = output->AssertRule(rules.strengths[k], conclusion, accumulated);
  }
  return accumulated->CenterOfGravity();
}

TEST(AlgebraExactness, RuleBasesAccumulateTheExactAggregate) {
  std::mt19937 random(404);
  int failures = 0;
  for (int round = 0; round < 400 && failures < 5; ++round) {
    const TRuleBase rules = RandomRuleBase(random);
    std::vector<TOwned<TFuzzySet>> conclusions;
    std::vector<double> breaks;
    for (const TPointList& points : rules.conclusions) {
      conclusions.push_back(TOperands::Make(points));
      for (const auto& point : points) breaks.push_back(point.first);
    }
    const double centre = IntegratedCentre(
        [&](double x) {
          double y = 0.0;
          for (std::size_t k = 0; k < conclusions.size(); ++k) {
            y = std::max(y, std::min(rules.strengths[k], conclusions[k]->DegreeOfMembership(x)));
          }
          return y;
        },
        breaks);
    if (std::isnan(centre)) continue;  // every rule fired at zero
    for (const double fired : {ObjectCentre(rules), InterfaceCentre(rules)}) {
      if (std::abs(fired - centre) > 1e-5) {
        ++failures;
        ADD_FAILURE() << "round " << round << ": centre " << fired << ", exact " << centre;
      }
    }
  }
}

}  // namespace
}  // namespace fuzzy
