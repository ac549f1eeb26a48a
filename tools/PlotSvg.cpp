#include "tools/PlotSvg.h"

#include <algorithm>
#include <array>

#include "tools/AxisTicks.h"
#include "tools/Numbers.h"
#include "tools/SvgWriter.h"

namespace fuzzy::tool {

namespace {

constexpr double Width = 760;
constexpr double PlotLeft = 70;
constexpr double PlotWidth = 480;
constexpr double LegendLeft = PlotLeft + PlotWidth + 30;
constexpr double PlotTop = 40;  // within a panel
constexpr double MinPlotHeight = 150;
constexpr double LegendRow = 18;
constexpr double PanelBelowPlot = 60;
constexpr const char* ResultColour = "#222222";
constexpr const char* AxisColour = "#444444";
constexpr const char* GridColour = "#e4e4e4";
constexpr std::array<const char*, 10> Palette{"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728",
                                              "#9467bd", "#8c564b", "#e377c2", "#7f7f7f",
                                              "#bcbd22", "#17becf"};

using C = TSvgWriter;

double PlotHeightOf(const TPlotPanel& panel) {
  return std::max(MinPlotHeight, LegendRow * static_cast<double>(panel.Series.size() + 1));
}

double PanelHeightOf(const TPlotPanel& panel) {
  return PlotTop + PlotHeightOf(panel) + PanelBelowPlot;
}

// Maps a panel's values onto the page.
class TPanelArea {
 public:
  TPanelArea(const TPlotPanel& panel, double top)
      : FPanel(panel), FTop(top + PlotTop), FHeight(PlotHeightOf(panel)) {}

  double X(double value) const {
    const double span = FPanel.Maximum - FPanel.Minimum;
    if (!(span > 0.0)) return PlotLeft + PlotWidth / 2;
    return PlotLeft + (value - FPanel.Minimum) / span * PlotWidth;
  }
  double Y(double membership) const { return FTop + (1.0 - membership) * FHeight; }
  double Top() const { return FTop; }
  double Bottom() const { return FTop + FHeight; }
  const TPlotPanel& Panel() const { return FPanel; }

 private:
  const TPlotPanel& FPanel;
  double FTop;
  double FHeight;
};

void DrawLine(TSvgWriter& svg, double x1, double y1, double x2, double y2, const char* colour) {
  svg.Empty("line", {{"x1", C::Coordinate(x1)},
                     {"y1", C::Coordinate(y1)},
                     {"x2", C::Coordinate(x2)},
                     {"y2", C::Coordinate(y2)},
                     {"stroke", colour}});
}

constexpr double GridLevels[] = {0.0, 0.25, 0.5, 0.75, 1.0};

// Drawn first, so that the axes and the sets lie on top of it.
void DrawGrid(TSvgWriter& svg, const TPanelArea& area) {
  for (const double level : GridLevels) {
    DrawLine(svg, PlotLeft, area.Y(level), PlotLeft + PlotWidth, area.Y(level), GridColour);
  }
  for (const double tick : AxisTicks(area.Panel().Minimum, area.Panel().Maximum)) {
    DrawLine(svg, area.X(tick), area.Top(), area.X(tick), area.Bottom(), GridColour);
  }
}

void DrawYAxis(TSvgWriter& svg, const TPanelArea& area) {
  for (const double level : {0.0, 0.5, 1.0}) {
    svg.Element("text",
                {{"x", C::Coordinate(PlotLeft - 8)},
                 {"y", C::Coordinate(area.Y(level) + 4)},
                 {"text-anchor", "end"}},
                ShortText(level, 2));
  }
  DrawLine(svg, PlotLeft, area.Top(), PlotLeft, area.Bottom(), AxisColour);
  const double middle = (area.Top() + area.Bottom()) / 2;
  svg.Element("text",
              {{"x", C::Coordinate(PlotLeft - 40)},
               {"y", C::Coordinate(middle)},
               {"text-anchor", "middle"},
               {"transform",
                "rotate(-90 " + C::Coordinate(PlotLeft - 40) + " " + C::Coordinate(middle) + ")"}},
              "membership");
}

void DrawXAxis(TSvgWriter& svg, const TPanelArea& area) {
  const TPlotPanel& panel = area.Panel();
  for (const double tick : AxisTicks(panel.Minimum, panel.Maximum)) {
    const double x = area.X(tick);
    DrawLine(svg, x, area.Bottom(), x, area.Bottom() + 5, AxisColour);
    svg.Element("text",
                {{"x", C::Coordinate(x)},
                 {"y", C::Coordinate(area.Bottom() + 19)},
                 {"text-anchor", "middle"}},
                ShortText(tick, 4));
  }
  DrawLine(svg, PlotLeft, area.Bottom(), PlotLeft + PlotWidth, area.Bottom(), AxisColour);
  svg.Element("text",
              {{"x", C::Coordinate(PlotLeft + PlotWidth / 2)},
               {"y", C::Coordinate(area.Bottom() + 40)},
               {"text-anchor", "middle"}},
              panel.AxisLabel);
}

std::string PointList(const TPanelArea& area, const TPlotSeries& series) {
  std::string points;
  for (const auto& [x, y] : series.Points) {
    points +=
        (points.empty() ? "" : " ") + C::Coordinate(area.X(x)) + "," + C::Coordinate(area.Y(y));
  }
  return points;
}

const char* ColourOf(const TPlotSeries& series, std::size_t index) {
  return series.IsResult ? ResultColour : Palette[index % Palette.size()];
}

void DrawResultArea(TSvgWriter& svg, const TPanelArea& area, const TPlotSeries& series) {
  if (series.Points.empty()) return;
  const std::string base = C::Coordinate(area.Bottom());
  const std::string closing = C::Coordinate(area.X(series.Points.back().first)) + "," + base + " " +
                              C::Coordinate(area.X(series.Points.front().first)) + "," + base;
  svg.Empty("polygon", {{"points", PointList(area, series) + " " + closing},
                        {"fill", ResultColour},
                        {"fill-opacity", "0.15"},
                        {"stroke", "none"}});
}

void DrawSeries(TSvgWriter& svg, const TPanelArea& area, const TPlotSeries& series,
                std::size_t index, bool dimTerms) {
  if (series.IsResult) DrawResultArea(svg, area, series);
  TAttributes attributes{{"points", PointList(area, series)},
                         {"fill", "none"},
                         {"stroke", ColourOf(series, index)},
                         {"stroke-width", series.IsResult ? "3" : "2"},
                         {"stroke-linejoin", "round"}};
  if (dimTerms && !series.IsResult) attributes.push_back({"stroke-opacity", "0.55"});
  svg.Open("polyline", attributes);
  svg.Element("title", {}, series.Label);
  svg.Close();
}

void DrawLegend(TSvgWriter& svg, const TPanelArea& area) {
  const auto& series = area.Panel().Series;
  for (std::size_t i = 0; i < series.size(); ++i) {
    const double y = area.Top() + 8 + LegendRow * static_cast<double>(i);
    svg.Empty("line", {{"x1", C::Coordinate(LegendLeft)},
                       {"y1", C::Coordinate(y)},
                       {"x2", C::Coordinate(LegendLeft + 22)},
                       {"y2", C::Coordinate(y)},
                       {"stroke", ColourOf(series[i], i)},
                       {"stroke-width", series[i].IsResult ? "3" : "2"}});
    svg.Element("text", {{"x", C::Coordinate(LegendLeft + 30)}, {"y", C::Coordinate(y + 4)}},
                series[i].Label);
  }
}

void DrawMarker(TSvgWriter& svg, const TPanelArea& area) {
  const TPlotPanel& panel = area.Panel();
  if (!panel.Marker) return;
  const double x = area.X(*panel.Marker);
  svg.Empty("line", {{"x1", C::Coordinate(x)},
                     {"y1", C::Coordinate(area.Top() - 4)},
                     {"x2", C::Coordinate(x)},
                     {"y2", C::Coordinate(area.Bottom())},
                     {"stroke", ResultColour},
                     {"stroke-width", "1.5"},
                     {"stroke-dasharray", "5 3"}});
  svg.Element(
      "text",
      {{"x", C::Coordinate(x + 4)}, {"y", C::Coordinate(area.Top() - 6)}, {"font-weight", "bold"}},
      panel.MarkerLabel);
}

void DrawNote(TSvgWriter& svg, const TPanelArea& area) {
  if (area.Panel().Note.empty()) return;
  svg.Element("text",
              {{"x", C::Coordinate(PlotLeft + PlotWidth / 2)},
               {"y", C::Coordinate((area.Top() + area.Bottom()) / 2)},
               {"text-anchor", "middle"},
               {"fill", AxisColour}},
              area.Panel().Note);
}

void DrawPanel(TSvgWriter& svg, const TPlotPanel& panel, double top) {
  const TPanelArea area(panel, top);
  svg.Open("g", {{"class", "panel"}});
  svg.Element("text",
              {{"x", C::Coordinate(PlotLeft)},
               {"y", C::Coordinate(top + 22)},
               {"font-size", "15"},
               {"font-weight", "bold"}},
              panel.Title);
  DrawGrid(svg, area);
  DrawYAxis(svg, area);
  DrawXAxis(svg, area);
  const bool hasResult = std::any_of(panel.Series.begin(), panel.Series.end(),
                                     [](const TPlotSeries& s) { return s.IsResult; });
  for (std::size_t i = 0; i < panel.Series.size(); ++i) {
    DrawSeries(svg, area, panel.Series[i], i, hasResult);
  }
  DrawMarker(svg, area);
  DrawNote(svg, area);
  DrawLegend(svg, area);
  svg.Close();
}

}  // namespace

std::string RenderPlot(const std::string& title, const std::vector<TPlotPanel>& panels) {
  double height = 0;
  for (const TPlotPanel& panel : panels) height += PanelHeightOf(panel);
  TSvgWriter svg(Width, std::max(height, 1.0));
  svg.Element("title", {}, title);
  svg.Empty("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "white"}});
  double top = 0;
  for (const TPlotPanel& panel : panels) {
    DrawPanel(svg, panel, top);
    top += PanelHeightOf(panel);
  }
  return svg.Finish();
}

}  // namespace fuzzy::tool
