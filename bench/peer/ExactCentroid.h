// The reference answer of the tipping benchmark, computed apart from both libraries: the exact
// centre of gravity of the largest of several triangles, each cut at its rule's strength.
#pragma once

#include <span>

namespace peer {

// A triangle (Left, Peak, Right) cut at Height: min(Height, triangle(x)).
struct TClippedTriangle {
  double Left;
  double Peak;
  double Right;
  double Height;
};

// The membership of a triangle or trapezoid at x, with the corners given in order (vertical
// sides allowed). A triangle is a trapezoid whose two shoulders meet.
double TrapezoidMembership(double a, double b, double c, double d, double x);
double TriangleMembership(double a, double b, double c, double x);

// The X of the centroid of x -> max over `pieces` of their clipped triangles, integrated in
// closed form between the breakpoints of that function; NaN when the area is zero.
double ExactCentroid(std::span<const TClippedTriangle> pieces);

}  // namespace peer
