#pragma once
// Points of interest of Cartesian graphs y = f(x) over an x range: roots
// (sign changes and tangential zeros), local minima and maxima, the
// y-intercept and the intersections of pairs of graphs. Used by
// `kurvo32 points`, `kurvo32 area` (which splits at roots) and the
// window's points-of-interest dots and read-out jumps.
//
// The range is scanned at `samples` equal steps (one more on each side, so
// that an extremum on an edge is seen); each bracket is refined: roots and
// intersections with Brent's method to the last bits, extrema with Brent's
// method on the slope (golden section where the slope gives no bracket).
// A refined point is kept only when the function is small there (roots)
// or close to its neighbouring samples (extrema), so poles and jumps are
// never reported.
#include <functional>
#include <string>
#include <vector>

namespace kurvo {

// y = f(x); false where f is undefined.
using RealFunction = std::function<bool(double x, double& y)>;

// In the order points at one x are listed.
enum class PointKind { Root, Minimum, Maximum, YIntercept, Intersection };

struct PointOfInterest {
    PointKind kind = PointKind::Root;
    int graph = 0;  // as the caller numbers the curves
    int other = 0;  // the second graph of an intersection
    double x = 0, y = 0;
};

// One branch of a graph; a graph with two branches gives two curves with
// the same number.
struct GraphCurve {
    int graph = 0;
    RealFunction f;
};

// "root", "minimum", "maximum", "y-intercept", "intersection".
const char* PointKindName(PointKind kind);
// The point as `kurvo32 points` prints it: "root 1 x=2", "maximum 1 x=0
// y=1", "y-intercept 1 y=4", "intersection 1 2 x=-1 y=1", numbers with 12
// significant digits in the program's number format.
std::string PointOfInterestText(const PointOfInterest& point);

// The roots of f in [a, b] (a < b), ascending, each once.
std::vector<double> FindRoots(const RealFunction& f, double a, double b, int samples);

// Every point of interest of the curves in [xmin, xmax], sorted by x, then
// kind, then graph numbers; each point once per kind and graph.
std::vector<PointOfInterest> FindPointsOfInterest(const std::vector<GraphCurve>& curves, double xmin,
                                                  double xmax, int samples);

}  // namespace kurvo
