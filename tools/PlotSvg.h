// Plots of membership functions as SVG: one panel per variable, its X axis over the variable's
// range with its units, membership from 0 to 1 upwards, one coloured polyline per set and a
// legend of their names. An inference result is drawn bold over its variable's terms, with a
// marker at the crisp value.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fuzzy::tool {

struct TPlotSeries {
  std::string Label;
  std::vector<std::pair<double, double>> Points;  // (x, membership), ascending x
  bool IsResult = false;
};

struct TPlotPanel {
  std::string Title;
  std::string AxisLabel;
  double Minimum = 0.0;
  double Maximum = 1.0;
  std::vector<TPlotSeries> Series;
  std::optional<double> Marker;  // a crisp value, drawn as a vertical line
  std::string MarkerLabel;
  std::string Note;  // shown in the plot area, e.g. why there is no result
};

// The whole SVG document, panels stacked from top to bottom.
std::string RenderPlot(const std::string& title, const std::vector<TPlotPanel>& panels);

}  // namespace fuzzy::tool
