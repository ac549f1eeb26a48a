// The control surface of one output over two inputs as an SVG heat map: one cell per grid
// point, a colour scale, labelled axes, and a hatched mark on cells where no rule fired.
#pragma once

#include <string>
#include <vector>

namespace fuzzy::tool {

struct TSurfaceAxis {
  std::string Label;  // "service (points)"
  double Minimum = 0.0;
  double Maximum = 1.0;
};

struct TSurface {
  std::string Title;
  TSurfaceAxis X;
  TSurfaceAxis Y;
  std::string ValueLabel;  // the output, "tip (percent)"
  int Steps = 0;           // cells per axis
  // Steps * Steps values, row after row from the lowest Y up, NaN where no rule fired.
  std::vector<double> Values;
};

// The centre of cell `index` of `steps` over the axis.
double CellCentre(const TSurfaceAxis& axis, int steps, int index);

std::string RenderSurface(const TSurface& surface);

}  // namespace fuzzy::tool
