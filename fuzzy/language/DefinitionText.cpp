#include "fuzzy/language/DefinitionText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "fuzzy/consts/FuzzyNames.h"
#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/framework/TextConsts.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// A generated PI curve reaches 1 exactly at its peak; its neighbours stay clearly below.
constexpr TFzyFloat kPeakHeight = 1.0 - 1e-9;
// The two points beside the peak left out by an even count differ in height only by rounding.
constexpr TFzyFloat kTieHeight = 1e-9;

// Characters that end a word, start a token of their own, a comment or an escape.
constexpr std::string_view kWordBreakers = "\"()[]|~&;<=\\";

std::string FormatNumbers(std::initializer_list<TFzyFloat> numbers) {
  std::string text;
  for (const TFzyFloat number : numbers) {
    if (!text.empty()) text += ' ';
    text += FuzzyNumberText(number);
  }
  return text;
}

// "(name a b ...)", the form the built-in functions are called in.
std::string FormatFunction(const char* name, std::initializer_list<TFzyFloat> numbers) {
  return std::string("(") + name + ' ' + FormatNumbers(numbers) + ')';
}

std::string FormatPointList(const std::vector<TTermPoint>& points) {
  std::string text = "(";
  for (const TTermPoint& point : points) {
    text += '(';
    text += FormatNumbers({point.X, point.Y});
    text += ") ";
  }
  return text += ')';
}

// Generated shapes keep the heights of where their points were meant to be: a point cut off by
// the variable's range moves inward, its height stays. A cut only narrows the steps between
// points, so the widest step of a run sampled at equal steps is its true step, and the points
// around it stand where they were generated. The parameters are recovered from there, and the
// shape reads back as generated, cut the same way again.

// The index of the right-hand point of the widest step among the points first - 1 to last.
std::size_t WidestStepAt(const std::vector<TTermPoint>& points, std::size_t first,
                         std::size_t last) {
  std::size_t widest = first;
  for (std::size_t i = first + 1; i <= last; ++i) {
    if (points[i].X - points[i - 1].X > points[widest].X - points[widest - 1].X) widest = i;
  }
  return widest;
}

TFzyFloat StepAt(const std::vector<TTermPoint>& points, std::size_t index) {
  return points[index].X - points[index - 1].X;
}

// The ends of a shape sampled at equal steps (s, z, beta).
struct TSpan {
  TFzyFloat First;
  TFzyFloat Last;
};

TSpan SampledSpan(const std::vector<TTermPoint>& points) {
  const std::size_t anchor = WidestStepAt(points, 1, points.size() - 1);
  const TFzyFloat step = StepAt(points, anchor);
  const TFzyFloat first = points[anchor].X - static_cast<TFzyFloat>(anchor) * step;
  return {first, first + static_cast<TFzyFloat>(points.size() - 1) * step};
}

struct TPiShape {
  TFzyFloat Left;
  TFzyFloat Right;
  TFzyFloat Center;
};

// The index of the peak of a PI curve, or with an even count (which leaves the peak out) of the
// last rising point, whose height the first falling point shares but for rounding.
std::size_t PiTopAt(const std::vector<TTermPoint>& points) {
  const auto tallest =
      std::max_element(points.begin(), points.end(),
                       [](const TTermPoint& a, const TTermPoint& b) { return a.Y < b.Y; });
  const auto top = std::find_if(points.begin(), points.end(), [&](const TTermPoint& p) {
    return p.Y >= tallest->Y - kTieHeight;
  });
  return static_cast<std::size_t>(top - points.begin());
}

// A PI curve rises from Left to Center and falls to Right, each half at its own step. An odd
// count keeps the peak (height 1); an even count leaves it out, one rising step after the last
// rising point.
TPiShape PiShapeOf(const std::vector<TTermPoint>& points) {
  const std::size_t top = PiTopAt(points);
  const std::size_t last = points.size() - 1;
  const bool peakKept = points[top].Y >= kPeakHeight;
  const TFzyFloat rise = top > 0 ? StepAt(points, WidestStepAt(points, 1, top)) : 0.0;
  const TFzyFloat center = peakKept ? points[top].X : points[top].X + rise;
  // Without the peak, the step from the last rising to the first falling point spans both
  // halves.
  const std::size_t firstFalling = peakKept ? top + 1 : top + 2;
  TFzyFloat fall = 0.0;
  if (firstFalling <= last) {
    fall = StepAt(points, WidestStepAt(points, firstFalling, last));
  } else if (top < last) {
    fall = points[last].X - center;
  }
  const auto risingSteps = static_cast<TFzyFloat>(peakKept ? top : top + 1);
  const auto fallingSteps = static_cast<TFzyFloat>(last - top);
  return {center - risingSteps * rise, center + fallingSteps * fall, center};
}

// Written as the reader takes pi: Range Center when the curve is symmetric, else Left Right
// Center.
std::string FormatPi(const std::vector<TTermPoint>& points) {
  if (points.size() < 3) return "";
  const TPiShape pi = PiShapeOf(points);
  if (FloatEquals(pi.Right - pi.Center, pi.Center - pi.Left)) {
    return FormatFunction("pi", {pi.Center - pi.Left, pi.Center});
  }
  return FormatFunction("pi", {pi.Left, pi.Right, pi.Center});
}

// The weight that gives the first point its height: Y = 1 / (1 + W ((X - C) / I)^2). A curve
// that does not tell (no width, no inflection) counts as the default weight.
TFzyFloat BetaWeight(TFzyFloat x, TFzyFloat y, TFzyFloat center, TFzyFloat inflectionPoint) {
  const TFzyFloat distance = (x - center) / inflectionPoint;
  const TFzyFloat weight = (1.0 / y - 1.0) / (distance * distance);
  return std::isfinite(weight) ? weight : 1.0;
}

// Written as the reader takes beta: Range Center InflectionPoint, and the weight unless it is 1.
std::string FormatBeta(const std::vector<TTermPoint>& points, TFzyFloat inflectionPoint) {
  if (points.size() < 2) return "";
  const TSpan span = SampledSpan(points);
  const TFzyFloat center = (span.First + span.Last) / 2;
  const TFzyFloat range = center - span.First;
  const TFzyFloat weight = BetaWeight(span.First, points.front().Y, center, inflectionPoint);
  if (FloatEquals(weight, 1.0)) return FormatFunction("beta", {range, center, inflectionPoint});
  return FormatFunction("beta", {range, center, inflectionPoint, weight});
}

// s and z take Left Right; the reader draws the same curve from them.
std::string FormatCurve(const char* name, const std::vector<TTermPoint>& points) {
  if (points.size() < 2) return "";
  const TSpan span = SampledSpan(points);
  return FormatFunction(name, {span.First, span.Last});
}

std::string FormatTriangle(const std::vector<TTermPoint>& points) {
  if (points.size() < 3) return "";
  return FormatFunction("tri", {points[0].X, points[1].X, points[2].X});
}

// A formula's parameters are written in full, not to four places: a model converted from
// another format must read back to the same curve.
std::string ExactNumber(TFzyFloat number) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return std::string(buffer, result.ptr);
}

// "(gauss 5 1.5)"; a linear output as "(linear 2 (service 0.5) (food 1))".
std::string FormatFormula(const TFuzzyShape& shape) {
  std::string text = std::string("(") + FuzzyShapeName(shape.Kind);
  for (std::size_t i = 0; i < shape.Parameters.size(); ++i) {
    const std::string number = ExactNumber(shape.Parameters[i]);
    const bool named = shape.Kind == fskLinear && i > 0 && i <= shape.Inputs.size();
    text += named ? " (" + FormatName(shape.Inputs[i - 1]) + ' ' + number + ')' : ' ' + number;
  }
  return text + ')';
}

// The automatic terms carry their own name as expression; that would read back as a reference
// to the term being defined, so their points are written instead.
std::string FormatUserDefined(const TTermDescription& term) {
  if (term.Expression.empty() || term.Expression == term.Name) return "";
  return term.Expression;
}

// The short form of the term's kind, or empty when only its points can say it.
std::string FormatShape(const TTermDescription& term) {
  if (term.Shape.Kind != fskNone) return FormatFormula(term.Shape);
  switch (term.SetType) {
    case fstUserDefined:
      return FormatUserDefined(term);
    case fstTriangle:
      return FormatTriangle(term.Points);
    case fstDeclineCurve:
      return FormatCurve("z", term.Points);
    case fstPICurve:
      return FormatPi(term.Points);
    case fstBetaCurve:
      return FormatBeta(term.Points, term.InflectionPoint);
    case fstGrowthCurve:
      return FormatCurve("s", term.Points);
  }
  return "";
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// A word the reader would take for a number prints as that number ("+5" as "5").
bool ReadsAsNumber(const std::string& text) {
  if (!IsNumberChar(text[0])) return false;
  std::int32_t whole = 0;
  double real = 0;
  return ValInt(text, whole) == 0 || ValFloat(text, real) == 0;
}

bool ReadsBackBare(const std::string& text) {
  if (text.empty() || ReadsAsNumber(text)) return false;
  return std::none_of(text.begin(), text.end(), [](char c) {
    return IsBlank(c) || kWordBreakers.find(c) != std::string_view::npos;
  });
}

// The expression, the built-in function of the shape, or the point list. A set without points
// has no point list the reader takes back ("()" reads as a function without a name); an empty
// body reads back as the empty set.
std::string FormatTermBody(const TTermDescription& term) {
  std::string body = FormatShape(term);
  if (!body.empty() || term.Points.empty()) return body;
  return FormatPointList(term.Points);
}

}  // namespace

std::string QuoteDefinitionText(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted += '"';
}

std::string FormatUnits(const std::string& units) {
  return ReadsBackBare(units) ? units : QuoteDefinitionText(units);
}

std::string FormatName(const std::string& name) {
  std::string written;
  for (std::size_t i = 0; i < name.size(); ++i) {
    // A word's first character is always taken as it stands, a backslash included.
    if (i > 0 && (IsBlank(name[i]) || kWordBreakers.find(name[i]) != std::string_view::npos)) {
      written += '\\';
    }
    written += name[i];
  }
  return written;
}

std::string FormatTermDefinition(const TTermDescription& term) {
  // Without a name there is no term to open: the body stands alone and stays balanced.
  if (term.Name.empty()) return FormatTermBody(term);
  std::string text = "(term " + FormatName(term.Name) + ' ';
  if (!term.Comment.empty()) text += QuoteDefinitionText(term.Comment) + ' ';
  return text + FormatTermBody(term) + ')';
}

std::string FormatVariableDefinition(const TVariableDescription& variable) {
  const std::string indent = IndentString;
  const std::string newLine = NewLineString;
  std::string text = "(deffuzzy " + FormatName(variable.Name) + ' ';
  if (!variable.Comment.empty()) {
    text += newLine + indent + QuoteDefinitionText(variable.Comment);
  }
  text += newLine;
  text += indent + "(range " + FormatNumbers({variable.Minimum, variable.Maximum}) + ')' + newLine;
  if (!variable.Units.empty()) {
    text += indent + "(units " + FormatUnits(variable.Units) + ')' + newLine;
  }
  text += indent + "(values " + newLine;
  for (const std::string& term : variable.Terms) text += indent + indent + term + newLine;
  return text + indent + ')' + newLine + ')';
}

}  // namespace fuzzy
