#include "fuzzy/sets/FuzzyShape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace fuzzy {

namespace {

struct TShapeInfo {
  TFuzzyShapeKind Kind;
  const char* Name;
  std::size_t Count;
  bool Exact;
  const char* Parameters;
};

constexpr std::array<TShapeInfo, 14> Shapes{{
    {fskNone, "", 0, true, ""},
    {fskTrapezoid, "trap", 4, true, "A B C D"},
    {fskGauss, "gauss", 2, false, "Center Sigma"},
    {fskGauss2, "gauss2", 4, false, "Center1 Sigma1 Center2 Sigma2"},
    {fskBell, "bell", 3, false, "Center Width Slope"},
    {fskSigmoid, "sigmoid", 2, false, "Center Slope"},
    {fskSigmoidDifference, "dsigmoid", 4, false, "Center1 Slope1 Center2 Slope2"},
    {fskSigmoidProduct, "psigmoid", 4, false, "Center1 Slope1 Center2 Slope2"},
    {fskSpline, "spline-s", 2, false, "Left Right"},
    {fskSplineDecline, "spline-z", 2, false, "Left Right"},
    {fskSplinePi, "spline-pi", 4, false, "A B C D"},
    {fskCosine, "cosine", 2, false, "Center Width"},
    {fskConstant, "constant", 1, true, "Value"},
    {fskLinear, "linear", 1, true, "Constant (Variable Coefficient)..."},
}};

const TShapeInfo& InfoOf(TFuzzyShapeKind kind) {
  return Shapes[kind < Shapes.size() ? kind : 0];
}

long double Gauss(long double x, long double center, long double sigma) {
  const long double ratio = (x - center) / sigma;
  return std::exp(-ratio * ratio / 2);
}

long double Sigmoid(long double x, long double center, long double slope) {
  return 1 / (1 + std::exp(-slope * (x - center)));
}

// The quadratic S spline from 0 at `left` to 1 at `right`.
long double Spline(long double x, long double left, long double right) {
  if (x <= left) return 0;
  if (x >= right) return 1;
  const long double middle = (left + right) / 2;
  const long double ratio = (x <= middle ? x - left : x - right) / (right - left);
  return x <= middle ? 2 * ratio * ratio : 1 - 2 * ratio * ratio;
}

long double Trapezoid(long double x, const std::vector<TFzyFloat>& p) {
  if (x < p[0] || x > p[3]) return 0;
  if (x < p[1]) return (x - p[0]) / (p[1] - p[0]);
  if (x <= p[2]) return 1;
  return (p[3] - x) / (p[3] - p[2]);
}

long double CurveValue(const TFuzzyShape& shape, long double x) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  switch (shape.Kind) {
    case fskGauss:
      return Gauss(x, p[0], p[1]);
    case fskGauss2:
      return (x < p[0] ? Gauss(x, p[0], p[1]) : 1) * (x > p[2] ? Gauss(x, p[2], p[3]) : 1);
    case fskBell:
      return 1 / (1 + std::pow(std::fabs((x - p[0]) / p[1]), 2 * static_cast<long double>(p[2])));
    case fskSigmoid:
      return Sigmoid(x, p[0], p[1]);
    case fskSigmoidDifference:
      return std::fabs(Sigmoid(x, p[0], p[1]) - Sigmoid(x, p[2], p[3]));
    case fskSigmoidProduct:
      return Sigmoid(x, p[0], p[1]) * Sigmoid(x, p[2], p[3]);
    case fskSpline:
      return Spline(x, p[0], p[1]);
    case fskSplineDecline:
      return 1 - Spline(x, p[0], p[1]);
    case fskSplinePi:
      return x <= p[1] ? Spline(x, p[0], p[1]) : 1 - Spline(x, p[2], p[3]);
    case fskCosine:
      if (std::fabs(x - p[0]) > p[1] / 2) return 0;
      return (1 + std::cos(2 * std::numbers::pi_v<long double> * (x - p[0]) / p[1])) / 2;
    default:
      return 0;
  }
}

bool Ordered(const std::vector<TFzyFloat>& p) {
  return std::is_sorted(p.begin(), p.end());
}

std::string CurveFault(const TFuzzyShape& shape) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  switch (shape.Kind) {
    case fskTrapezoid:
      return Ordered(p) ? "" : "the corners must not decrease";
    case fskGauss:
      return p[1] > 0 ? "" : "sigma must be above 0";
    case fskGauss2:
      return p[1] > 0 && p[3] > 0 ? "" : "both sigmas must be above 0";
    case fskBell:
      return p[1] != 0 && p[2] > 0 ? "" : "the width must not be 0 and the slope must be above 0";
    case fskSpline:
    case fskSplineDecline:
      return p[0] <= p[1] ? "" : "the left end must not lie above the right end";
    case fskSplinePi:
      return Ordered(p) ? "" : "the corners must not decrease";
    case fskCosine:
      return p[1] > 0 ? "" : "the width must be above 0";
    default:
      return "";
  }
}

// Beyond these the curve stays within a quarter of the tolerance of its limit, so the flat
// continuation of the point list holds it.
struct TSupport {
  long double Lower;
  long double Upper;
};

TSupport SupportOf(const TFuzzyShape& shape, long double tolerance) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  const long double gaussReach = std::sqrt(2 * std::log(4 / tolerance));
  const long double sigmoidReach = std::log(4 / tolerance);
  const auto sigmoidSpan = [&](long double center, long double slope) {
    const long double reach = slope == 0 ? 0 : sigmoidReach / std::fabs(slope);
    return TSupport{center - reach, center + reach};
  };
  switch (shape.Kind) {
    case fskGauss:
      return {p[0] - gaussReach * p[1], p[0] + gaussReach * p[1]};
    case fskGauss2:
      return {std::min<long double>(p[0], p[2]) - gaussReach * p[1],
              std::max<long double>(p[0], p[2]) + gaussReach * p[3]};
    case fskBell: {
      const long double reach = std::fabs(p[1]) * std::pow(4 / tolerance, 1 / (2 * p[2]));
      return {p[0] - reach, p[0] + reach};
    }
    case fskSigmoid:
      return sigmoidSpan(p[0], p[1]);
    case fskSigmoidDifference:
    case fskSigmoidProduct: {
      const TSupport first = sigmoidSpan(p[0], p[1]);
      const TSupport second = sigmoidSpan(p[2], p[3]);
      return {std::min(first.Lower, second.Lower), std::max(first.Upper, second.Upper)};
    }
    case fskSpline:
    case fskSplineDecline:
      return {p[0], p[1]};
    case fskSplinePi:
      return {p[0], p[3]};
    case fskCosine:
      return {p[0] - p[1] / 2, p[0] + p[1] / 2};
    default:
      return {0, 0};
  }
}

// Where a curve turns or bends: the points of a good first partition, so that each piece is
// convex or concave and its worst chord error lies inside it.
std::vector<long double> KnotsOf(const TFuzzyShape& shape) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  switch (shape.Kind) {
    case fskGauss:
      return {p[0] - p[1], p[0], p[0] + p[1]};
    case fskGauss2:
      return {p[0] - p[1], p[0], p[2], p[2] + p[3]};
    case fskBell:
      return {p[0] - std::fabs(p[1]), p[0], p[0] + std::fabs(p[1])};
    case fskSigmoid:
      return {p[0]};
    case fskSigmoidDifference:
    case fskSigmoidProduct:
      return {p[0], p[2], (p[0] + p[2]) / 2};
    case fskSpline:
    case fskSplineDecline:
      return {p[0], (p[0] + p[1]) / 2, p[1]};
    case fskSplinePi:
      return {p[0], (p[0] + p[1]) / 2, p[1], p[2], (p[2] + p[3]) / 2, p[3]};
    case fskCosine:
      return {p[0] - p[1] / 2, p[0] - p[1] / 4, p[0], p[0] + p[1] / 4, p[0] + p[1] / 2};
    default:
      return {};
  }
}

std::vector<TShapePoint> ExactPoints(const TFuzzyShape& shape) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  if (shape.Kind == fskTrapezoid) return {{p[0], 0}, {p[1], 1}, {p[2], 1}, {p[3], 0}};
  if (shape.Kind == fskConstant) return {{p[0], 0}, {p[0], 1}, {p[0], 0}};
  return {};
}

// Walks each piece between two knots from its left end, taking every time the farthest next
// point whose chord stays within the limit (found by bisection), so that the points are as
// few as chords through the curve allow.
class TCurveSampler {
 public:
  TCurveSampler(const TFuzzyShape& shape, long double limit) : FShape(shape), FLimit(limit) {}

  std::vector<TShapePoint> Sample(std::vector<long double> knots) {
    std::sort(knots.begin(), knots.end());
    knots.erase(std::unique(knots.begin(), knots.end()), knots.end());
    Push(knots.front());
    for (std::size_t i = 1; i < knots.size(); ++i) SamplePiece(knots[i - 1], knots[i]);
    return FPoints;
  }

 private:
  void SamplePiece(long double from, long double to) {
    if (!(to > from)) return;
    constexpr int Halvings = 32;
    while (ChordError(from, to) > FLimit) {
      long double reach = from;
      long double beyond = to;
      for (int i = 0; i < Halvings; ++i) {
        const long double middle = (reach + beyond) / 2;
        (ChordError(from, middle) <= FLimit ? reach : beyond) = middle;
      }
      // Rounding can leave no step that holds; the narrowest one still moves on, and where even
      // that cannot move (a curve far narrower than its numbers can tell) the piece ends.
      if (reach == from) reach = beyond;
      if (!(reach > from)) reach = to;
      Push(reach);
      from = reach;
    }
    Push(to);
  }

  long double Value(long double x) const { return CurveValue(FShape, x); }

  struct TChord {
    long double A, FA, Slope;
    long double At(long double x) const { return FA + Slope * (x - A); }
  };

  long double ErrorAt(const TChord& chord, long double x) const {
    return std::fabs(Value(x) - chord.At(x));
  }

  // The worst distance between the chord from a to b and the curve: the best of a row of
  // probes, refined by golden-section search around it.
  long double ChordError(long double a, long double b) const {
    constexpr int Probes = 16;
    constexpr int Refinements = 24;
    const long double fa = Value(a);
    const TChord chord{a, fa, (Value(b) - fa) / (b - a)};
    const long double step = (b - a) / (Probes + 1);
    long double best = a + step;
    long double bestError = ErrorAt(chord, best);
    for (int k = 2; k <= Probes; ++k) {
      const long double error = ErrorAt(chord, a + k * step);
      if (error > bestError) {
        best = a + k * step;
        bestError = error;
      }
    }
    long double low = best - step;
    long double high = best + step;
    const long double ratio = (std::sqrt(5.0L) - 1) / 2;
    for (int i = 0; i < Refinements; ++i) {
      const long double left = high - ratio * (high - low);
      const long double right = low + ratio * (high - low);
      if (ErrorAt(chord, left) < ErrorAt(chord, right)) {
        low = left;
      } else {
        high = right;
      }
    }
    return std::max(bestError, ErrorAt(chord, (low + high) / 2)) / Margin;
  }

  void Push(long double x) {
    FPoints.push_back({static_cast<TFzyFloat>(x), static_cast<TFzyFloat>(Value(x))});
  }

  // What rounding to double may add to the error measured here.
  static constexpr long double Margin = 0.98L;

  const TFuzzyShape& FShape;
  long double FLimit;
  std::vector<TShapePoint> FPoints;
};

// The tallest the curve gets over [lower, upper], probed at its knots and a fine grid.
long double HeightOf(const TFuzzyShape& shape, long double lower, long double upper,
                     const std::vector<long double>& knots) {
  constexpr int Grid = 256;
  long double height = 0;
  for (const long double knot : knots) height = std::max(height, CurveValue(shape, knot));
  for (int k = 0; k <= Grid; ++k) {
    height = std::max(height, CurveValue(shape, lower + (upper - lower) * k / Grid));
  }
  return height;
}

}  // namespace

const char* FuzzyShapeName(TFuzzyShapeKind kind) {
  return InfoOf(kind).Name;
}

TFuzzyShapeKind FuzzyShapeOfName(const std::string& name) {
  for (const TShapeInfo& info : Shapes) {
    if (info.Kind != fskNone && name == info.Name) return info.Kind;
  }
  return fskNone;
}

const char* FuzzyShapeParameterNames(TFuzzyShapeKind kind) {
  return InfoOf(kind).Parameters;
}

std::size_t FuzzyShapeParameterCount(TFuzzyShapeKind kind) {
  return InfoOf(kind).Count;
}

bool IsExactFuzzyShape(TFuzzyShapeKind kind) {
  return InfoOf(kind).Exact;
}

std::string FuzzyShapeFault(const TFuzzyShape& shape) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  const std::size_t expected =
      shape.Kind == fskLinear ? shape.Inputs.size() + 1 : FuzzyShapeParameterCount(shape.Kind);
  if (shape.Kind == fskNone || p.size() != expected) {
    return "takes " + std::to_string(expected) + " numbers, not " + std::to_string(p.size());
  }
  if (!std::all_of(p.begin(), p.end(), [](TFzyFloat v) { return std::isfinite(v); })) {
    return "every number must be finite";
  }
  return CurveFault(shape);
}

TFzyFloat FuzzyShapeValue(const TFuzzyShape& shape, TFzyFloat x) {
  const std::vector<TFzyFloat>& p = shape.Parameters;
  if (shape.Kind == fskTrapezoid) return static_cast<TFzyFloat>(Trapezoid(x, p));
  if (shape.Kind == fskConstant) return x == p[0] ? 1.0 : 0.0;
  return static_cast<TFzyFloat>(CurveValue(shape, x));
}

std::vector<TShapePoint> SampleFuzzyShape(const TFuzzyShape& shape, TFzyFloat lower,
                                          TFzyFloat upper, TFzyFloat tolerance) {
  if (IsExactFuzzyShape(shape.Kind)) return ExactPoints(shape);
  const TSupport support = SupportOf(shape, tolerance);
  const long double from = std::max<long double>(lower, support.Lower);
  const long double to = std::min<long double>(upper, support.Upper);
  if (!(from < to)) {
    const long double x =
        std::clamp<long double>((support.Lower + support.Upper) / 2, lower, upper);
    return {{static_cast<TFzyFloat>(x), static_cast<TFzyFloat>(CurveValue(shape, x))}};
  }
  std::vector<long double> knots{from, to};
  for (const long double knot : KnotsOf(shape)) {
    if (knot > from && knot < to) knots.push_back(knot);
  }
  const long double height = HeightOf(shape, from, to, knots);
  return TCurveSampler(shape, tolerance * (height > 0 ? height : 1)).Sample(knots);
}

}  // namespace fuzzy
