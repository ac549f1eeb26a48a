#include "tools/SurfaceSvg.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/AxisTicks.h"
#include "tools/Numbers.h"
#include "tools/SvgWriter.h"

namespace fuzzy::tool {

namespace {

constexpr double Left = 80;
constexpr double Top = 50;
constexpr double Side = 400;  // the map is square
constexpr double ScaleLeft = Left + Side + 40;
constexpr double ScaleWidth = 20;
constexpr double Width = ScaleLeft + 140;
constexpr double Height = Top + Side + 70;
constexpr int ScaleBands = 50;

struct TColour {
  double R, G, B;
};

// Dark blue through teal and green to yellow: light grows with the value, so the map also
// reads in grey.
constexpr std::array<TColour, 5> Ramp{
    {{68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}}};

std::string ColourAt(double t) {
  const double position = std::clamp(t, 0.0, 1.0) * (Ramp.size() - 1);
  const std::size_t low = std::min(static_cast<std::size_t>(position), Ramp.size() - 2);
  const double f = position - static_cast<double>(low);
  const auto mix = [&](double a, double b) {
    return static_cast<int>(std::lround(a + (b - a) * f));
  };
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", mix(Ramp[low].R, Ramp[low + 1].R),
                mix(Ramp[low].G, Ramp[low + 1].G), mix(Ramp[low].B, Ramp[low + 1].B));
  return text;
}

std::string C(double value) {
  return TSvgWriter::Coordinate(value);
}

// The smallest and largest value that a rule gave; [0, 1] when none did.
std::pair<double, double> ValueRange(const std::vector<double>& values) {
  double low = INFINITY;
  double high = -INFINITY;
  for (double value : values) {
    if (std::isnan(value)) continue;
    low = std::min(low, value);
    high = std::max(high, value);
  }
  if (low > high) return {0.0, 1.0};
  return {low, high};
}

void WriteCells(TSvgWriter& svg, const TSurface& surface, std::pair<double, double> range) {
  const double cell = Side / surface.Steps;
  const double span = range.second - range.first;
  svg.Open("g", {{"class", "cells"}, {"shape-rendering", "crispEdges"}});
  for (int row = 0; row < surface.Steps; ++row) {
    for (int column = 0; column < surface.Steps; ++column) {
      const double value = surface.Values[static_cast<std::size_t>(row * surface.Steps + column)];
      const bool fired = !std::isnan(value);
      const double t = span > 0 ? (value - range.first) / span : 0.5;
      svg.Empty("rect", {{"class", fired ? "cell" : "cell no-rule"},
                         {"x", C(Left + column * cell)},
                         {"y", C(Top + Side - (row + 1) * cell)},
                         {"width", C(cell)},
                         {"height", C(cell)},
                         {"fill", fired ? ColourAt(t) : "url(#no-rule)"}});
    }
  }
  svg.Close();
}

void WriteAxis(TSvgWriter& svg, const TSurfaceAxis& axis, bool horizontal) {
  const double span = axis.Maximum - axis.Minimum;
  for (double tick : AxisTicks(axis.Minimum, axis.Maximum)) {
    const double f = span > 0 ? (tick - axis.Minimum) / span : 0.5;
    const std::string label = ShortText(tick, 4);
    if (horizontal) {
      const double x = Left + f * Side;
      svg.Empty("line", {{"x1", C(x)},
                         {"y1", C(Top + Side)},
                         {"x2", C(x)},
                         {"y2", C(Top + Side + 5)},
                         {"stroke", "#333"}});
      svg.Element("text", {{"x", C(x)}, {"y", C(Top + Side + 20)}, {"text-anchor", "middle"}},
                  label);
    } else {
      const double y = Top + Side - f * Side;
      svg.Empty(
          "line",
          {{"x1", C(Left - 5)}, {"y1", C(y)}, {"x2", C(Left)}, {"y2", C(y)}, {"stroke", "#333"}});
      svg.Element("text", {{"x", C(Left - 8)}, {"y", C(y + 4)}, {"text-anchor", "end"}}, label);
    }
  }
  if (horizontal) {
    svg.Element("text",
                {{"x", C(Left + Side / 2)},
                 {"y", C(Top + Side + 45)},
                 {"text-anchor", "middle"},
                 {"class", "axis-label"}},
                axis.Label);
  } else {
    const std::string x = C(Left - 50);
    const std::string y = C(Top + Side / 2);
    svg.Element("text",
                {{"x", x},
                 {"y", y},
                 {"text-anchor", "middle"},
                 {"class", "axis-label"},
                 {"transform", "rotate(-90 " + x + " " + y + ")"}},
                axis.Label);
  }
}

void WriteScale(TSvgWriter& svg, const TSurface& surface, std::pair<double, double> range) {
  const double band = Side / ScaleBands;
  for (int i = 0; i < ScaleBands; ++i) {
    svg.Empty("rect", {{"class", "scale"},
                       {"x", C(ScaleLeft)},
                       {"y", C(Top + Side - (i + 1) * band)},
                       {"width", C(ScaleWidth)},
                       {"height", C(band + 0.5)},
                       {"fill", ColourAt((i + 0.5) / ScaleBands)}});
  }
  const double span = range.second - range.first;
  for (double tick : AxisTicks(range.first, range.second)) {
    const double y = Top + Side - (span > 0 ? (tick - range.first) / span : 0.5) * Side;
    svg.Element("text", {{"x", C(ScaleLeft + ScaleWidth + 6)}, {"y", C(y + 4)}},
                ShortText(tick, 4));
  }
  svg.Element("text", {{"x", C(ScaleLeft)}, {"y", C(Top - 10)}, {"class", "axis-label"}},
              surface.ValueLabel);
  svg.Empty("rect", {{"x", C(ScaleLeft)},
                     {"y", C(Top + Side + 20)},
                     {"width", C(ScaleWidth)},
                     {"height", C(ScaleWidth)},
                     {"fill", "url(#no-rule)"},
                     {"stroke", "#999"}});
  svg.Element("text", {{"x", C(ScaleLeft + ScaleWidth + 6)}, {"y", C(Top + Side + 35)}},
              "no rule fired");
}

void WriteHatch(TSvgWriter& svg) {
  svg.Open("defs", {});
  svg.Open("pattern", {{"id", "no-rule"},
                       {"width", "6"},
                       {"height", "6"},
                       {"patternUnits", "userSpaceOnUse"},
                       {"patternTransform", "rotate(45)"}});
  svg.Empty("rect", {{"width", "6"}, {"height", "6"}, {"fill", "#eeeeee"}});
  svg.Empty("line", {{"x1", "0"},
                     {"y1", "0"},
                     {"x2", "0"},
                     {"y2", "6"},
                     {"stroke", "#999999"},
                     {"stroke-width", "2"}});
  svg.Close();
  svg.Close();
}

}  // namespace

double CellCentre(const TSurfaceAxis& axis, int steps, int index) {
  return axis.Minimum + (index + 0.5) * (axis.Maximum - axis.Minimum) / steps;
}

std::string RenderSurface(const TSurface& surface) {
  TSvgWriter svg(Width, Height);
  WriteHatch(svg);
  svg.Open("g", {{"class", "surface"}});
  svg.Element("text", {{"x", C(Left)}, {"y", C(25)}, {"font-size", "15"}}, surface.Title);
  const std::pair<double, double> range = ValueRange(surface.Values);
  WriteCells(svg, surface, range);
  svg.Empty("rect", {{"x", C(Left)},
                     {"y", C(Top)},
                     {"width", C(Side)},
                     {"height", C(Side)},
                     {"fill", "none"},
                     {"stroke", "#333"}});
  WriteAxis(svg, surface.X, true);
  WriteAxis(svg, surface.Y, false);
  WriteScale(svg, surface, range);
  svg.Close();
  return svg.Finish();
}

}  // namespace fuzzy::tool
