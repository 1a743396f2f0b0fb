#include "analysis/points_of_interest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "expr/real_format.h"

namespace kurvo {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

bool Value(const RealFunction& f, double x, double& y) { return f(x, y) && std::isfinite(y); }

struct Sample {
    double x = 0, y = 0;
    bool ok = false;
};

// The samples of [a, b] and one step beyond each edge.
struct Scan {
    double a = 0, b = 0, dx = 0;
    std::vector<Sample> s;
    double zero = 0;  // |f| below this is zero to working precision
};

Scan Sampled(const RealFunction& f, double a, double b, int samples) {
    samples = std::max(samples, 2);
    Scan scan{a, b, (b - a) / samples, {}, 0};
    scan.s.reserve(static_cast<size_t>(samples) + 3);
    double largest = 0;
    for (int i = -1; i <= samples + 1; ++i) {
        Sample p;
        // Computed afresh, so that both edges are sampled exactly.
        p.x = i == samples ? b : a + i * scan.dx;
        p.ok = Value(f, p.x, p.y);
        if (p.ok && i >= 0 && i <= samples) largest = std::max(largest, std::abs(p.y));
        scan.s.push_back(p);
    }
    scan.zero = 1e-10 * largest;
    return scan;
}

// Brent's method on [a, b] where fa and fb have opposite signs; NaN when
// f is undefined at a point it tries.
double BrentRoot(const RealFunction& f, double a, double fa, double b, double fb) {
    double c = b, fc = fb, d = b - a, e = d;
    for (int iteration = 0; iteration < 300; ++iteration) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b, b = c, c = a;
            fa = fb, fb = fc, fc = fa;
        }
        const double tol = 2 * kEps * std::abs(b) + 1e-300;
        const double m = 0.5 * (c - b);
        if (std::abs(m) <= tol || fb == 0) return b;
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double r = fb / fc;
                q = fa / fc;
                p = s * (2 * m * q * (q - r) - (b - a) * (r - 1));
                q = (q - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::abs(p);
            if (2 * p < std::min(3 * m * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : (m > 0 ? tol : -tol);
        if (!Value(f, b, fb)) return NAN;
    }
    return b;
}

// Minimum of f on [l, r] by golden section.
double GoldenMinimum(const RealFunction& f, double l, double r) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    double x1 = r - g * (r - l), x2 = l + g * (r - l), f1, f2;
    if (!Value(f, x1, f1) || !Value(f, x2, f2)) return NAN;
    for (int i = 0; i < 200 && r - l > 4 * kEps * std::abs(x1) + 1e-300; ++i) {
        if (f1 <= f2) {
            r = x2, x2 = x1, f2 = f1;
            x1 = r - g * (r - l);
            if (!Value(f, x1, f1)) return NAN;
        } else {
            l = x1, x1 = x2, f1 = f2;
            x2 = l + g * (r - l);
            if (!Value(f, x2, f2)) return NAN;
        }
    }
    return f1 <= f2 ? x1 : x2;
}

// The slope by the five-point central difference: its error is of order
// h^4, so h can be large against the rounding of f, which places an
// extremum far closer than a search on the values of f could.
RealFunction SlopeOf(const RealFunction& f, double h) {
    return [&f, h](double x, double& s) {
        double y[4];
        const double at[4] = {x - 2 * h, x - h, x + h, x + 2 * h};
        for (int i = 0; i < 4; ++i)
            if (!Value(f, at[i], y[i])) return false;
        s = (y[0] - 8 * y[1] + 8 * y[2] - y[3]) / (12 * h);
        return true;
    };
}

// The shortest decimal near x where the slope is still zero within the
// rounding of f: 90 rather than 90.0000000001 for sin x in degrees.
double ShortestAtZeroSlope(const RealFunction& slope, double x, double noise) {
    for (int digits = 1; digits < 17; ++digits) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*g", digits, x);
        const double near = std::strtod(text, nullptr);
        double s;
        if (std::abs(near - x) <= 1e-6 * std::abs(x) && slope(near, s) && std::abs(s) <= noise) return near;
    }
    return x;
}

// A root of f bracketed by samples p and q, kept only where f is small:
// at a jump or a pole the bracket closes on a point where it is not.
bool RefineRoot(const RealFunction& f, const Sample& p, const Sample& q, double zero, double& root) {
    root = BrentRoot(f, p.x, p.y, q.x, q.y);
    double y;
    if (!std::isfinite(root) || !Value(f, root, y)) return false;
    return std::abs(y) <= std::max(zero, 1e-7 * std::max(std::abs(p.y), std::abs(q.y)));
}

// Where f stops being defined between a defined sample and an undefined
// one; a root when f is zero there (sqrt x at 0). Beside an edge at 2,
// sqrt(4 - x^2) is only as small as the root of the last bit of x, so f
// counts as zero when it is tiny against the sample inside.
bool DomainEdgeRoot(const RealFunction& f, const Sample& in, double outside, double zero, double& root) {
    double inside = in.x;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (inside + outside);
        if (mid == inside || mid == outside) break;
        double y;
        (Value(f, mid, y) ? inside : outside) = mid;
    }
    double y;
    root = inside;
    return Value(f, inside, y) && std::abs(y) <= std::max(zero, 1e-6 * std::abs(in.y));
}

struct Extremum {
    double x = 0, y = 0;
    bool maximum = false;
};

// Refines the extremum bracketed by samples l, m, r (m the highest or
// lowest); false at a pole or a jump, where f is not close to continuous.
bool RefineExtremum(const RealFunction& f, const Sample& l, const Sample& m, const Sample& r, double dx,
                    double zero, bool maximum, Extremum& out) {
    const double sign = maximum ? -1 : 1;
    const RealFunction g = [&f, sign](double x, double& y) {
        const bool ok = Value(f, x, y);
        y *= sign;
        return ok;
    };
    const double h = std::max(0.1 * dx, 1e-6 * std::abs(m.x));
    const RealFunction slope = SlopeOf(g, h);
    double x = NAN, sl, sr, y;
    if (slope(l.x, sl) && slope(r.x, sr) && sl < 0 && sr > 0) {
        x = BrentRoot(slope, l.x, sl, r.x, sr);
        if (std::isfinite(x)) x = ShortestAtZeroSlope(slope, x, 16 * kEps * (std::abs(m.y) + zero) / h);
    }
    if (!std::isfinite(x) || !Value(g, x, y) || y > sign * m.y) x = GoldenMinimum(g, l.x, r.x);
    if (!std::isfinite(x) || !Value(g, x, y) || y > sign * m.y) x = m.x;
    if (!Value(f, x, y)) return false;
    const double spread = std::abs(m.y - l.y) + std::abs(m.y - r.y);
    if (std::abs(y - m.y) > 4 * spread + zero) return false;
    // Continuity at the point: a smooth extremum or a corner (|x|) changes
    // little within a millionth of a step, a jump does not.
    const double delta = 1e-6 * dx;
    for (const double side : {x - delta, x + delta}) {
        double ys;
        if (!Value(f, side, ys) || std::abs(ys - y) > 1e-3 * spread + zero) return false;
    }
    out = {x, y, maximum};
    return true;
}

// Extrema from runs of one or two equal samples higher (lower) than both
// neighbours; longer runs are flat pieces, not extrema.
std::vector<Extremum> ScanExtrema(const RealFunction& f, const Scan& scan) {
    std::vector<Extremum> found;
    const auto& s = scan.s;
    for (size_t i = 1; i + 1 < s.size(); ++i) {
        if (!s[i - 1].ok || !s[i].ok || s[i].y == s[i - 1].y) continue;
        size_t j = i;
        while (j + 1 < s.size() && s[j + 1].ok && s[j + 1].y == s[i].y && j - i < 2) ++j;
        if (j - i > 1 || j + 1 >= s.size() || !s[j + 1].ok) continue;
        const bool maximum = s[i].y > s[i - 1].y && s[i].y > s[j + 1].y;
        const bool minimum = s[i].y < s[i - 1].y && s[i].y < s[j + 1].y;
        Extremum e;
        if ((maximum || minimum) && RefineExtremum(f, s[i - 1], s[i], s[j + 1], scan.dx, scan.zero, maximum, e))
            found.push_back(e);
    }
    return found;
}

// A sample that is exactly zero between non-zero ones, with f small just
// beside it: not a piece where f is 0, nor a jump through 0 (sign x).
bool IsolatedZero(const RealFunction& f, const Sample& before, const Sample& p, const Sample& after, double dx,
                  double zero) {
    if (!before.ok || before.y == 0 || after.y == 0) return false;
    const double bound = 1e-3 * std::max(std::abs(before.y), std::abs(after.y)) + zero;
    for (const double side : {p.x - 1e-6 * dx, p.x + 1e-6 * dx}) {
        double y;
        if (!Value(f, side, y) || std::abs(y) > bound) return false;
    }
    return true;
}

// Roots from exact zeros, sign changes, domain edges and tangential zeros
// (extrema where f is zero to working precision).
std::vector<double> ScanRoots(const RealFunction& f, const Scan& scan, const std::vector<Extremum>& extrema) {
    std::vector<double> roots;
    const auto& s = scan.s;
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        const Sample &p = s[i], &q = s[i + 1];
        double root;
        if (p.ok && q.ok) {
            if (p.y == 0 && i > 0 && IsolatedZero(f, s[i - 1], p, q, scan.dx, scan.zero)) roots.push_back(p.x);
            if ((p.y < 0 && q.y > 0) || (p.y > 0 && q.y < 0))
                if (RefineRoot(f, p, q, scan.zero, root)) roots.push_back(root);
        } else if (p.ok != q.ok) {
            if (DomainEdgeRoot(f, p.ok ? p : q, p.ok ? q.x : p.x, scan.zero, root)) roots.push_back(root);
        }
    }
    for (const Extremum& e : extrema)
        if (std::abs(e.y) <= scan.zero) roots.push_back(e.x);
    return roots;
}

struct Range {
    double a, b, dx;
    // x nearly 0 is 0; a point just outside an edge is on it; false when
    // the point lies outside the range.
    bool Place(double& x, double zeroSnap) const {
        const double width = b - a;
        if (std::abs(x) <= zeroSnap * width) x = 0;
        if (x < a && a - x <= 1e-9 * width) x = a;
        if (x > b && x - b <= 1e-9 * width) x = b;
        return x >= a && x <= b;
    }
};

constexpr double kRootSnap = 1e-13, kExtremumSnap = 1e-9;

void AddRoots(const RealFunction& f, const Scan& scan, const std::vector<Extremum>& extrema, const Range& range,
              PointKind kind, int graph, int other, const RealFunction& yOf, std::vector<PointOfInterest>& out) {
    for (double x : ScanRoots(f, scan, extrema)) {
        double y = 0;
        if (!range.Place(x, kRootSnap)) continue;
        if (kind == PointKind::Intersection && !Value(yOf, x, y)) continue;
        out.push_back({kind, graph, other, x, y});
    }
}

void AddExtrema(const RealFunction& f, const std::vector<Extremum>& extrema, const Scan& scan, const Range& range,
                int graph, std::vector<PointOfInterest>& out) {
    for (Extremum e : extrema) {
        const double before = e.x;
        if (!range.Place(e.x, kExtremumSnap)) continue;
        if (e.x != before && !Value(f, e.x, e.y)) continue;
        if (std::abs(e.y) <= scan.zero) e.y = 0;
        out.push_back({e.maximum ? PointKind::Maximum : PointKind::Minimum, graph, 0, e.x, e.y});
    }
}

// One point per kind and graph: points of one kind closer than a
// millionth of a sample step are the same point found twice.
void SortAndMerge(std::vector<PointOfInterest>& points, double dx) {
    const auto key = [](const PointOfInterest& p) { return std::make_tuple(p.kind, p.graph, p.other, p.x, p.y); };
    std::stable_sort(points.begin(), points.end(), [&](const auto& p, const auto& q) { return key(p) < key(q); });
    std::vector<PointOfInterest> kept;
    for (const PointOfInterest& p : points) {
        if (!kept.empty()) {
            const PointOfInterest& k = kept.back();
            if (k.kind == p.kind && k.graph == p.graph && k.other == p.other &&
                std::abs(k.x - p.x) <= 1e-6 * dx + 4 * kEps * std::abs(p.x) &&
                std::abs(k.y - p.y) <= 1e-9 * std::max(1.0, std::abs(p.y)))
                continue;
        }
        kept.push_back(p);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const auto& p, const auto& q) {
        return std::make_tuple(p.x, p.kind, p.graph, p.other, p.y) < std::make_tuple(q.x, q.kind, q.graph, q.other, q.y);
    });
    points = std::move(kept);
}

}  // namespace

const char* PointKindName(PointKind kind) {
    switch (kind) {
        case PointKind::Root: return "root";
        case PointKind::Minimum: return "minimum";
        case PointKind::Maximum: return "maximum";
        case PointKind::YIntercept: return "y-intercept";
        case PointKind::Intersection: return "intersection";
    }
    return "";
}

std::string PointOfInterestText(const PointOfInterest& p) {
    const auto number = [](double v) { return FormatReal(v == 0 ? 0.0 : v, 12); };
    const std::string x = "x=" + number(p.x), y = "y=" + number(p.y);
    const std::string head = std::string(PointKindName(p.kind)) + " " + std::to_string(p.graph) + " ";
    switch (p.kind) {
        case PointKind::Root: return head + x;
        case PointKind::YIntercept: return head + y;
        case PointKind::Intersection: return head + std::to_string(p.other) + " " + x + " " + y;
        default: return head + x + " " + y;
    }
}

std::vector<double> FindRoots(const RealFunction& f, double a, double b, int samples) {
    std::vector<PointOfInterest> points;
    const Scan scan = Sampled(f, a, b, samples);
    const Range range{a, b, scan.dx};
    AddRoots(f, scan, ScanExtrema(f, scan), range, PointKind::Root, 0, 0, f, points);
    SortAndMerge(points, scan.dx);
    std::vector<double> roots;
    for (const auto& p : points) roots.push_back(p.x);
    return roots;
}

std::vector<PointOfInterest> FindPointsOfInterest(const std::vector<GraphCurve>& curves, double xmin,
                                                  double xmax, int samples) {
    std::vector<PointOfInterest> points;
    if (!(xmin < xmax)) return points;
    std::vector<Scan> scans;
    for (const GraphCurve& c : curves) {
        scans.push_back(Sampled(c.f, xmin, xmax, samples));
        const Scan& scan = scans.back();
        const Range range{xmin, xmax, scan.dx};
        const std::vector<Extremum> extrema = ScanExtrema(c.f, scan);
        AddRoots(c.f, scan, extrema, range, PointKind::Root, c.graph, 0, c.f, points);
        AddExtrema(c.f, extrema, scan, range, c.graph, points);
        double y;
        if (xmin <= 0 && xmax >= 0 && Value(c.f, 0, y)) points.push_back({PointKind::YIntercept, c.graph, 0, 0, y});
    }
    for (size_t i = 0; i < curves.size(); ++i) {
        for (size_t j = i + 1; j < curves.size(); ++j) {
            if (curves[i].graph == curves[j].graph) continue;
            const RealFunction& f = curves[i].f;
            const RealFunction& g = curves[j].f;
            const RealFunction difference = [&f, &g](double x, double& d) {
                double fy, gy;
                if (!Value(f, x, fy) || !Value(g, x, gy)) return false;
                d = fy - gy;
                return true;
            };
            Scan scan = Sampled(difference, xmin, xmax, samples);
            // Zero is judged against the size of the curves, not of their difference.
            scan.zero = std::max(scans[i].zero, scans[j].zero);
            const Range range{xmin, xmax, scan.dx};
            const int a = std::min(curves[i].graph, curves[j].graph), b = std::max(curves[i].graph, curves[j].graph);
            AddRoots(difference, scan, ScanExtrema(difference, scan), range, PointKind::Intersection, a, b, f,
                     points);
        }
    }
    SortAndMerge(points, (xmax - xmin) / std::max(samples, 2));
    return points;
}

}  // namespace kurvo
