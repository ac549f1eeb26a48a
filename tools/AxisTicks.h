// Tick positions for a plot axis: round steps of 1, 2 or 5 times a power of ten, about five of
// them over the axis.
#pragma once

#include <vector>

namespace fuzzy::tool {

// The ticks within [minimum, maximum], both ends included when they fall on a step. A range
// without width gets the single tick at its value.
std::vector<double> AxisTicks(double minimum, double maximum);

}  // namespace fuzzy::tool
