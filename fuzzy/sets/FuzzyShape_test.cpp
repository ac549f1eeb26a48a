// The shapes of other model formats against their formulas: every sampled curve stays within
// the tolerance of the formula at many random X, with few points; the piecewise-linear shapes
// are exact; parameters a shape cannot draw change nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "fuzzy/logic/FuzzyLogicComponent.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/logic/FuzzyVariables.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

// The formulas as the formats define them, written apart from the library's.
double Sig(double x, double c, double a) {
  return 1 / (1 + std::exp(-a * (x - c)));
}
double Gau(double x, double c, double s) {
  return std::exp(-(x - c) * (x - c) / (2 * s * s));
}
double SplineS(double x, double a, double b) {
  if (x <= a) return 0;
  if (x >= b) return 1;
  const double t = (x - a) / (b - a);
  return t <= 0.5 ? 2 * t * t : 1 - 2 * (1 - t) * (1 - t);
}

struct TShapeCase {
  TFuzzyShape Shape;
  double (*Formula)(double x);
  int MaxPoints;
};

const TShapeCase ShapeCases[] = {
    {{fskTrapezoid, {1, 3, 5, 9}, {}},
     [](double x) { return std::clamp(std::min((x - 1) / 2, (9 - x) / 4), 0.0, 1.0); },
     4},
    {{fskGauss, {5, 1.5}, {}}, [](double x) { return Gau(x, 5, 1.5); }, 48},
    {{fskGauss2, {3, 1, 6, 2}, {}},
     [](double x) { return (x < 3 ? Gau(x, 3, 1) : 1) * (x > 6 ? Gau(x, 6, 2) : 1); },
     60},
    {{fskGauss2, {6, 1, 3, 0.5}, {}},
     [](double x) { return (x < 6 ? Gau(x, 6, 1) : 1) * (x > 3 ? Gau(x, 3, 0.5) : 1); },
     60},
    {{fskBell, {5, 2, 3}, {}},
     [](double x) { return 1 / (1 + std::pow(std::fabs((x - 5) / 2), 6)); },
     60},
    {{fskSigmoid, {4, 2}, {}}, [](double x) { return Sig(x, 4, 2); }, 36},
    {{fskSigmoid, {6, -0.7}, {}}, [](double x) { return Sig(x, 6, -0.7); }, 36},
    {{fskSigmoidDifference, {2, 5, 7, 5}, {}},
     [](double x) { return std::fabs(Sig(x, 2, 5) - Sig(x, 7, 5)); },
     60},
    {{fskSigmoidProduct, {2, 3, 7, -3}, {}},
     [](double x) { return Sig(x, 2, 3) * Sig(x, 7, -3); },
     60},
    {{fskSpline, {2, 8}, {}}, [](double x) { return SplineS(x, 2, 8); }, 36},
    {{fskSplineDecline, {2, 8}, {}}, [](double x) { return 1 - SplineS(x, 2, 8); }, 36},
    {{fskSplinePi, {1, 4, 5, 9}, {}},
     [](double x) { return x <= 4 ? SplineS(x, 1, 4) : 1 - SplineS(x, 5, 9); },
     60},
    {{fskCosine, {5, 4}, {}},
     [](double x) {
       return std::fabs(x - 5) > 2 ? 0 : (1 + std::cos(2 * std::numbers::pi * (x - 5) / 4)) / 2;
     },
     60},
};

class FuzzyShapeSampling : public ::testing::TestWithParam<TShapeCase> {
 protected:
  FuzzyShapeSampling() {
    Variable->SetMaximum(10);
    Variable->SetMinimum(0);
  }
  TOwned<TFuzzyLogic> Logic = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* Variable = Logic->GetItems()->Add();
};

TEST_P(FuzzyShapeSampling, StaysWithinTheToleranceOfItsFormulaWithFewPoints) {
  for (const double tolerance : {1e-3, 1e-5}) {
    Logic->SetShapeTolerance(tolerance);
    TFuzzySet* set = Variable->GetItems()->Add();
    set->CreateShapeValues(GetParam().Shape);
    EXPECT_EQ(set->GetShape(), GetParam().Shape);
    if (tolerance == 1e-3) {
      EXPECT_LE(set->GetValues()->GetCount(), GetParam().MaxPoints);
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(0, 10);
    double worst = 0;
    for (int i = 0; i < 20000; ++i) {
      const double at = x(random);
      worst = std::max(worst, std::fabs(set->DegreeOfMembership(at) - GetParam().Formula(at)));
    }
    EXPECT_LE(worst, tolerance * (1 + 1e-9)) << set->GetValuesToString();
    // The library's own formula agrees with the reference.
    EXPECT_NEAR(FuzzyShapeValue(GetParam().Shape, 4.321), GetParam().Formula(4.321), 1e-12);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryShape, FuzzyShapeSampling, ::testing::ValuesIn(ShapeCases));

TEST(FuzzyShapeSampling, PointsChangedForgetTheShapeAndCopiesKeepIt) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->CreateShapeValues({fskGauss, {0, 1}, {}});
  auto copy = Own(set->Clone());
  EXPECT_EQ(copy->GetShape().Kind, fskGauss);
  set->GetValues()->GetItem(0)->SetY(0.5);
  EXPECT_EQ(set->GetShape().Kind, fskNone);
}

TEST(FuzzyShapeSampling, ConstantIsASingletonAndLinearHasNoPoints) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->CreateShapeValues({fskConstant, {4}, {}});
  EXPECT_EQ(set->GetValues()->GetCount(), 3);
  EXPECT_DOUBLE_EQ(set->DegreeOfMembership(4), 1.0);
  auto linear = Own(TFuzzySet::Create(nullptr));
  linear->CreateShapeValues({fskLinear, {1, 2, 3}, {"a", "b"}});
  EXPECT_EQ(linear->GetValues()->GetCount(), 0);
  EXPECT_TRUE(linear->GetShape().IsOutputFunction());
}

const TFuzzyShape BadShapes[] = {
    {fskGauss, {5, 0}, {}},          {fskGauss, {5}, {}},
    {fskGauss, {NAN, 1}, {}},        {fskTrapezoid, {1, 3, 2, 4}, {}},
    {fskBell, {5, 0, 1}, {}},        {fskSpline, {5, 4}, {}},
    {fskSplinePi, {1, 2, 6, 5}, {}}, {fskCosine, {1, -1}, {}},
    {fskLinear, {1, 2}, {}},         {fskGauss2, {1, 1, 2, 0}, {}},
    {fskSigmoid, {INFINITY, 1}, {}},
};

class FuzzyShapeFaults : public ::testing::TestWithParam<TFuzzyShape> {};

TEST_P(FuzzyShapeFaults, AreRefusedBeforeAnythingChanges) {
  auto set = Own(TFuzzySet::Create(nullptr));
  set->CreateTriangleFunctionValues(0, 1, 2);
  EXPECT_THROW(set->CreateShapeValues(GetParam()), EFzyException);
  EXPECT_EQ(set->GetValues()->GetCount(), 3);
  EXPECT_EQ(set->GetSetType(), fstTriangle);
}

INSTANTIATE_TEST_SUITE_P(Table, FuzzyShapeFaults, ::testing::ValuesIn(BadShapes));

}  // namespace
}  // namespace fuzzy
