// Every clipped triangle is made of at most three straight pieces (rising side, top, falling
// side) plus the zero line outside. Their maximum is straight between any two X where the
// straight pieces meet, so after collecting the corners, the cut points and every crossing of
// two pieces' lines, each gap between consecutive breakpoints is integrated exactly from its two
// end values.
#include "bench/peer/ExactCentroid.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace peer {

namespace {

// y = Slope * x + Offset.
struct TLine {
  long double Slope;
  long double Offset;
};

TLine Through(long double x1, long double y1, long double x2, long double y2) {
  const long double slope = (y2 - y1) / (x2 - x1);
  return {slope, y1 - slope * x1};
}

// The lines that can bound the function's pieces: the top and whichever sides have a width.
std::vector<TLine> LinesOf(const TClippedTriangle& t) {
  std::vector<TLine> lines{{0.0L, t.Height}};
  if (t.Peak > t.Left) lines.push_back(Through(t.Left, 0.0L, t.Peak, 1.0L));
  if (t.Right > t.Peak) lines.push_back(Through(t.Peak, 1.0L, t.Right, 0.0L));
  return lines;
}

std::vector<long double> Breakpoints(std::span<const TClippedTriangle> pieces) {
  std::vector<long double> xs;
  std::vector<TLine> lines{{0.0L, 0.0L}};
  for (const TClippedTriangle& t : pieces) {
    xs.insert(xs.end(), {t.Left, t.Peak, t.Right});
    const std::vector<TLine> own = LinesOf(t);
    lines.insert(lines.end(), own.begin(), own.end());
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      const long double dSlope = lines[i].Slope - lines[j].Slope;
      if (dSlope != 0.0L) xs.push_back((lines[j].Offset - lines[i].Offset) / dSlope);
    }
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  return xs;
}

long double TrapezoidAt(long double a, long double b, long double c, long double d, long double x) {
  if (x < a || x > d) return 0.0L;
  if (x < b) return (x - a) / (b - a);
  if (x <= c) return 1.0L;
  return (d - x) / (d - c);
}

long double ValueAt(std::span<const TClippedTriangle> pieces, long double x) {
  long double y = 0.0L;
  for (const TClippedTriangle& t : pieces) {
    y = std::max(y,
                 std::min<long double>(TrapezoidAt(t.Left, t.Peak, t.Peak, t.Right, x), t.Height));
  }
  return y;
}

}  // namespace

double TrapezoidMembership(double a, double b, double c, double d, double x) {
  return static_cast<double>(TrapezoidAt(a, b, c, d, x));
}

double TriangleMembership(double a, double b, double c, double x) {
  return TrapezoidMembership(a, b, b, c, x);
}

double ExactCentroid(std::span<const TClippedTriangle> pieces) {
  const std::vector<long double> xs = Breakpoints(pieces);
  long double area = 0.0L;
  long double moment = 0.0L;
  for (std::size_t k = 1; k < xs.size(); ++k) {
    const long double a = xs[k - 1];
    const long double b = xs[k];
    // The function may jump at a breakpoint (a vertical side), so its straight course inside
    // the gap is read at two inner points and carried out to the ends.
    const long double inner1 = ValueAt(pieces, (2.0L * a + b) / 3.0L);
    const long double inner2 = ValueAt(pieces, (a + 2.0L * b) / 3.0L);
    const long double fa = 2.0L * inner1 - inner2;
    const long double fb = 2.0L * inner2 - inner1;
    // The integrals of f and of x f for f straight from (a, fa) to (b, fb).
    area += (b - a) * (fa + fb) / 2.0L;
    moment += (b - a) * (fa * (2.0L * a + b) + fb * (a + 2.0L * b)) / 6.0L;
  }
  if (area == 0.0L) return std::numeric_limits<double>::quiet_NaN();
  return static_cast<double>(moment / area);
}

}  // namespace peer
