// The algebra's defining property, shared by its property test and its fuzz target: the result
// of an operator family is the family's formula of the operands' memberships. Piecewise-linear
// families must hold it at every X, the curves at every point of either operand.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy::testing_support {

using TXYList = std::vector<std::pair<TFzyFloat, TFzyFloat>>;

struct TFamily {
  const char* name;
  bool intersect;
  TFuzzyOperation operation;
  std::function<double(double, double)> formula;
  bool linear;  // between the events the result is the formula itself
};

inline const TFamily kFamilies[] = {
    {"and", true, foZadeh, [](double a, double b) { return std::min(a, b); }, true},
    {"or", false, foZadeh, [](double a, double b) { return std::max(a, b); }, true},
    {"and_mean", true, foMean, [](double a, double b) { return (a + b) / 2; }, true},
    {"or_mean", false, foMean,
     [](double a, double b) { return (2 * std::min(a, b) + 4 * std::max(a, b)) / 6; }, true},
    {"or_sum", false, foSum, [](double a, double b) { return a + b; }, true},
    {"and_boundedsum", true, foBoundedSum,
     [](double a, double b) { return std::max(0.0, a + b - 1); }, true},
    {"or_boundedsum", false, foBoundedSum, [](double a, double b) { return std::min(1.0, a + b); },
     true},
    {"and_product", true, foProduct, [](double a, double b) { return a * b; }, false},
    {"or_product", false, foProduct, [](double a, double b) { return a + b - a * b; }, false},
    {"and_meansqr", true, foMeanSqr, [](double a, double b) { return std::pow((a + b) / 2, 2); },
     false},
    {"or_meansqrt", false, foMeanSqrt, [](double a, double b) { return std::sqrt((a + b) / 2); },
     false},
};

// Test names and messages show the family by its name.
inline void PrintTo(const TFamily& family, std::ostream* out) {
  *out << family.name;
}

// Membership with an empty operand standing for a copy of the other.
struct TOperands {
  TXYList a;
  TXYList b;
  TOwned<TFuzzySet> setA;
  TOwned<TFuzzySet> setB;

  // The lists are read back from the sets, as their point lists tidied them.
  TOperands(const TXYList& pointsA, const TXYList& pointsB)
      : setA(Make(pointsA)), setB(Make(pointsB)) {
    a = PointsOf(setA.get());
    b = PointsOf(setB.get());
  }

  // Added in one batch, so that none of the points is re-placed on its way in.
  static TOwned<TFuzzySet> Make(const TXYList& points) {
    auto set = Own(TFuzzySet::Create(nullptr));
    TCollectionUpdate batch(set->GetValues());
    for (const auto& [x, y] : points) set->GetValues()->Add(x, y);
    batch.End();
    return set;
  }
  static TXYList PointsOf(const TFuzzySet* set) {
    TXYList points;
    for (const TFuzzySetValue* p : *set->GetValues()) points.push_back({p->GetX(), p->GetY()});
    return points;
  }
  double A(double x) const { return (a.empty() ? setB : setA)->DegreeOfMembership(x); }
  double B(double x) const { return (b.empty() ? setA : setB)->DegreeOfMembership(x); }
  bool AtStep(double x) const { return Steps(a, x) || Steps(b, x); }
  static bool Steps(const TXYList& points, double x) {
    return std::count_if(points.begin(), points.end(),
                         [x](const auto& p) { return std::abs(p.first - x) < 1e-9; }) > 1;
  }
};

using TMembership = std::function<double(double)>;

// The first X where `result` leaves the formula, or NaN when it never does. A piecewise-linear
// family is checked on a dense grid that never meets a grid point of the operands; a curve at
// the operands' points, where the walk has events.
inline double FirstDeviation(const TFamily& family, const TOperands& operands,
                             const TMembership& result) {
  // The tidy step merges neighbouring points whose Y lie within 0.0001; where a curve runs
  // nearly flat (a product near 0, a root near 1) several such merges may add up.
  const double tolerance = family.linear ? 1.0001e-4 : 1e-3;
  const auto deviates = [&](double x) {
    const double expected = family.formula(operands.A(x), operands.B(x));
    return !(std::abs(result(x) - expected) <= tolerance);
  };
  if (family.linear) {
    for (double x = -0.4963; x < 10.5; x += 0.0125) {
      if (deviates(x)) return x;
    }
  }
  for (const TXYList* points : {&operands.a, &operands.b}) {
    for (const auto& point : *points) {
      if (!operands.AtStep(point.first) && deviates(point.first)) return point.first;
    }
  }
  return std::nan("");
}

// The family's result of the two operand sets, in the object model.
inline TOwned<TFuzzySet> FamilyResult(const TFamily& family, const TOperands& operands) {
  const TFuzzySet* a = operands.setA.get();
  return Own(family.intersect ? a->Intersection(operands.setB.get(), family.operation)
                              : a->Union(operands.setB.get(), family.operation));
}

}  // namespace fuzzy::testing_support
