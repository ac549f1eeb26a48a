// Helpers shared by the writer and round-trip tests: a table of terms of every kind, each
// with the text it is written as, built the same way in either model.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy::testing_support {

enum class TTermShape {
  Points,      // Args: x y pairs
  AutoTerm,    // points, then its own name as expression
  Expression,  // Text as the expression of a user-defined set
  Crisp,       // Args: x
  Triangle,    // Args: left middle right
  PiRange,     // Count, Args: range center
  Pi,          // Count, Args: left right center
  Beta,        // Count, Args: range center inflection [weight]
  Growth,      // Count, Args: left right inflection
  Decline,     // Count, Args: left right inflection
};

struct TTermCase {
  const char* Label;
  TTermShape Shape;
  std::vector<TFzyFloat> Args;
  int Count = 7;
  std::string Comment;
  std::string Text;
  // What PrettyPrint writes for the term named "low".
  std::string Expected;
};

// Test names and failure messages show the case by its label.
inline void PrintTo(const TTermCase& c, std::ostream* os) {
  *os << c.Label;
}

inline void AddPoint(TFuzzySet* fuzzySet, TFzyFloat x, TFzyFloat y) {
  fuzzySet->GetValues()->Add(x, y);
}

inline void AddPoint(const IPtr<IFuzzySet>& fuzzySet, TFzyFloat x, TFzyFloat y) {
  fuzzySet->Add(x, y);
}

// `TSet` is a TFuzzySet* or an IPtr<IFuzzySet>.
template <class TSet>
void BuildTerm(const TSet& fuzzySet, const TTermCase& c) {
  const std::vector<TFzyFloat>& a = c.Args;
  switch (c.Shape) {
    case TTermShape::Points:
    case TTermShape::AutoTerm:
      for (std::size_t i = 0; i + 1 < a.size(); i += 2) AddPoint(fuzzySet, a[i], a[i + 1]);
      if (c.Shape == TTermShape::AutoTerm) fuzzySet->SetExpression(fuzzySet->GetName());
      break;
    case TTermShape::Expression:
      AddPoint(fuzzySet, 0, 0);
      AddPoint(fuzzySet, 50, 1);
      AddPoint(fuzzySet, 100, 0);
      fuzzySet->SetExpression(c.Text);
      break;
    case TTermShape::Crisp:
      fuzzySet->CreateCrispValue(a[0]);
      break;
    case TTermShape::Triangle:
      fuzzySet->CreateTriangleFunctionValues(a[0], a[1], a[2]);
      break;
    case TTermShape::PiRange:
      fuzzySet->CreatePIFunctionValues(c.Count, a[0], a[1]);
      break;
    case TTermShape::Pi:
      fuzzySet->CreatePIFunctionValues(c.Count, a[0], a[1], a[2]);
      break;
    case TTermShape::Beta:
      if (a.size() == 3) {
        fuzzySet->CreateBetaCurveFunctionValues(c.Count, a[0], a[1], a[2]);
      } else {
        fuzzySet->CreateBetaCurveFunctionValues(c.Count, a[0], a[1], a[2], a[3]);
      }
      break;
    case TTermShape::Growth:
    case TTermShape::Decline:
      fuzzySet->CreateCurveValues(c.Count, a[0], a[1], a[2], c.Shape == TTermShape::Growth);
      break;
  }
  fuzzySet->SetComment(c.Comment);
}

// Every kind of term over a variable of range [0, 100].
inline std::vector<TTermCase> TermCases() {
  using S = TTermShape;
  return {
      {"Triangle", S::Triangle, {0, 0, 50}, 7, "", "", "(term low (tri 0.0000 0.0000 50.0000))"},
      {"Points",
       S::Points,
       {0, 1, 20, 0.5, 50, 0},
       7,
       "",
       "",
       "(term low ((0.0000 1.0000) (20.0000 0.5000) (50.0000 0.0000) ))"},
      {"AutomaticTerm",
       S::AutoTerm,
       {0, 1, 100, 0},
       7,
       "",
       "",
       "(term low ((0.0000 1.0000) (100.0000 0.0000) ))"},
      {"Expression", S::Expression, {}, 7, "", "very medium", "(term low very medium)"},
      {"CrispValue", S::Crisp, {25}, 7, "", "", "(term low 25.0000)"},
      {"Commented",
       S::Triangle,
       {0, 0, 50},
       7,
       "cold",
       "",
       "(term low \"cold\" (tri 0.0000 0.0000 50.0000))"},
      {"PiSymmetric", S::PiRange, {20, 50}, 7, "", "", "(term low (pi 20.0000 50.0000))"},
      {"PiSymmetricEvenCount", S::PiRange, {20, 50}, 8, "", "", "(term low (pi 20.0000 50.0000))"},
      {"PiAsymmetric", S::Pi, {10, 80, 30}, 7, "", "", "(term low (pi 10.0000 80.0000 30.0000))"},
      {"PiAsymmetricEvenCount",
       S::Pi,
       {10, 80, 30},
       8,
       "",
       "",
       "(term low (pi 10.0000 80.0000 30.0000))"},
      {"PiAsymmetricManyPoints",
       S::Pi,
       {10, 80, 30},
       401,
       "",
       "",
       "(term low (pi 10.0000 80.0000 30.0000))"},
      {"PiAsymmetricThreePoints",
       S::Pi,
       {10, 80, 30},
       3,
       "",
       "",
       "(term low (pi 10.0000 80.0000 30.0000))"},
      {"Beta", S::Beta, {30, 50, 10}, 7, "", "", "(term low (beta 30.0000 50.0000 10.0000))"},
      {"BetaEvenCount",
       S::Beta,
       {30, 50, 10},
       8,
       "",
       "",
       "(term low (beta 30.0000 50.0000 10.0000))"},
      {"BetaWeighted",
       S::Beta,
       {30, 50, 10, 3},
       7,
       "",
       "",
       "(term low (beta 30.0000 50.0000 10.0000 3.0000))"},
      {"BetaWeightedThreePoints",
       S::Beta,
       {30, 50, 10, 0.5},
       3,
       "",
       "",
       "(term low (beta 30.0000 50.0000 10.0000 0.5000))"},
      {"PiCutByTheRange",
       S::Pi,
       {-20, 90, 30},
       7,
       "",
       "",
       "(term low (pi -20.0000 90.0000 30.0000))"},
      {"PiCutOnBothSides", S::PiRange, {80, 50}, 7, "", "", "(term low (pi 80.0000 50.0000))"},
      {"PiCutEvenCount",
       S::Pi,
       {-20, 130, 30},
       8,
       "",
       "",
       "(term low (pi -20.0000 130.0000 30.0000))"},
      {"BetaCutByTheRange",
       S::Beta,
       {30, 80, 10, 2},
       7,
       "",
       "",
       "(term low (beta 30.0000 80.0000 10.0000 2.0000))"},
      {"GrowthCutByTheRange",
       S::Growth,
       {-40, 60, 10},
       7,
       "",
       "",
       "(term low (s -40.0000 60.0000))"},
      {"Growth", S::Growth, {20, 80, 50}, 7, "", "", "(term low (s 20.0000 80.0000))"},
      {"Decline", S::Decline, {20, 80, 50}, 7, "", "", "(term low (z 20.0000 80.0000))"},
  };
}

}  // namespace fuzzy::testing_support
