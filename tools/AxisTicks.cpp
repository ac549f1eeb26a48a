#include "tools/AxisTicks.h"

#include <cmath>

namespace fuzzy::tool {

namespace {

constexpr int WantedTicks = 5;

double NiceStep(double span) {
  const double rough = span / WantedTicks;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  const double fraction = rough / magnitude;
  if (fraction < 1.5) return magnitude;
  if (fraction < 3.5) return 2.0 * magnitude;
  if (fraction < 7.5) return 5.0 * magnitude;
  return 10.0 * magnitude;
}

}  // namespace

std::vector<double> AxisTicks(double minimum, double maximum) {
  if (!(maximum > minimum)) return {minimum};
  const double step = NiceStep(maximum - minimum);
  const double tolerance = step * 1e-9;
  std::vector<double> ticks;
  for (double index = std::ceil((minimum - tolerance) / step);; index += 1.0) {
    const double tick = index * step;
    if (tick > maximum + tolerance) break;
    ticks.push_back(std::fabs(tick) < tolerance ? 0.0 : tick);
  }
  return ticks;
}

}  // namespace fuzzy::tool
