// The shapes that other model formats describe by a formula (trapezoid, Gaussian, bell,
// sigmoids, spline curves, constant and linear outputs): what a set was generated from, so that
// a writer can name the shape and its parameters instead of its points, and the formula itself,
// against which a sampled point list is measured.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

enum TFuzzyShapeKind : std::uint8_t {
  fskNone,               // not generated from a formula
  fskTrapezoid,          // a b c d
  fskGauss,              // center sigma
  fskGauss2,             // center1 sigma1 center2 sigma2: left flank, top, right flank
  fskBell,               // center width slope: 1 / (1 + |(x - c) / w|^(2 s))
  fskSigmoid,            // center slope: 1 / (1 + exp(-a (x - c)))
  fskSigmoidDifference,  // center1 slope1 center2 slope2: |sigmoid1 - sigmoid2|
  fskSigmoidProduct,     // center1 slope1 center2 slope2: sigmoid1 * sigmoid2
  fskSpline,             // left right: the quadratic S spline from 0 to 1
  fskSplineDecline,      // left right: its mirror, from 1 to 0
  fskSplinePi,           // a b c d: rising spline a..b, top b..c, falling spline c..d
  fskCosine,             // center width: a raised cosine of that width
  fskConstant,           // value: a singleton; a constant Takagi-Sugeno output
  fskLinear,             // constant, then one coefficient per input: a Takagi-Sugeno output
};

// How far a sampled curve may stray from its formula, as a share of its height, unless the
// logic component says otherwise.
inline constexpr TFzyFloat DefaultShapeTolerance = 1e-3;

struct TFuzzyShape {
  TFuzzyShapeKind Kind = fskNone;
  std::vector<TFzyFloat> Parameters;
  // The input variables of a linear output, one per coefficient after the constant.
  std::vector<std::string> Inputs;

  bool IsOutputFunction() const { return Kind == fskConstant || Kind == fskLinear; }
  bool operator==(const TFuzzyShape&) const = default;
};

// The definition-language name of each kind ("trap", "gauss" ...), "" for fskNone.
const char* FuzzyShapeName(TFuzzyShapeKind kind);
// The kind of a definition-language name, fskNone when it names no shape.
TFuzzyShapeKind FuzzyShapeOfName(const std::string& name);
// The parameters in the order the language takes them ("Center Sigma").
const char* FuzzyShapeParameterNames(TFuzzyShapeKind kind);
// How many parameters the kind takes (linear: at least one).
std::size_t FuzzyShapeParameterCount(TFuzzyShapeKind kind);
// Refuses parameters the shape cannot draw (a zero sigma, unordered corners, a NaN): the text
// of the reason, or "" when they are fine.
std::string FuzzyShapeFault(const TFuzzyShape& shape);
// The membership of the formula at x (linear and constant answer 0 except a constant at its X).
TFzyFloat FuzzyShapeValue(const TFuzzyShape& shape, TFzyFloat x);
// Whether the shape's points equal its formula (the piecewise-linear shapes).
bool IsExactFuzzyShape(TFuzzyShapeKind kind);

struct TShapePoint {
  TFzyFloat X;
  TFzyFloat Y;
};

// The fewest points, found by splitting where the chord is worst, whose piecewise-linear
// function (continued flat beyond its ends) differs from the formula by at most
// `tolerance` times the shape's height over [lower, upper].
std::vector<TShapePoint> SampleFuzzyShape(const TFuzzyShape& shape, TFzyFloat lower,
                                          TFzyFloat upper, TFzyFloat tolerance);

}  // namespace fuzzy
