// Contouring on functions given in pixel coordinates: which sign changes
// count as roots, how saddles join, zeros without a sign change, undefined
// parts and Escape.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "plot/contour_cells.h"

namespace kurvo {
namespace {

struct Field : ContourField {
    std::function<double(double u, double v)> f;
    long stopAfter = -1;  // polls before Stop() says yes; -1 never
    explicit Field(std::function<double(double, double)> g) : f(std::move(g)) {}
    bool At(double u, double v, double& out) override {
        out = f(u, v);
        return std::isfinite(out);
    }
    bool Stop() override { return stopAfter >= 0 && stopAfter-- == 0; }
};

ContourLines Trace(const std::function<double(double, double)>& f, int width = 120, int height = 90) {
    Field field(f);
    ContourLines out;
    EXPECT_TRUE(TraceContour(field, width, height, out));
    return out;
}

size_t PointCount(const ContourLines& lines) {
    size_t n = lines.Dots.size();
    for (const auto& line : lines.Lines) n += line.size();
    return n;
}

// Along an edge from t = 0 to t = 1 (u = t): poles right next to a corner,
// in the middle, with offsets; jumps; and true roots, at a corner too.
TEST(EdgeRoot, RootsAreKeptAndPolesAndJumpsRejected) {
    const struct {
        const char* what;
        std::function<double(double)> f;
        bool root;
        double at;
    } rows[] = {
        {"pole 1e-9 past the start", [](double t) { return 1 / (t - 1e-9); }, false, 0},
        {"pole 1e-4 before the end", [](double t) { return 1 / (t - (1 - 1e-4)); }, false, 0},
        {"pole in the middle", [](double t) { return 1 / (t - 0.5); }, false, 0},
        {"pole at 0.3 with an offset", [](double t) { return 1 / (t - 0.3) + 0.5; }, false, 0},
        {"steep pole near the end", [](double t) { return -1e6 / (t - 0.999999); }, false, 0},
        {"tan across its pole", [](double t) { return std::tan(1.2 + 0.5 * t) - 1; }, false, 0},
        {"jump", [](double t) { return t < 0.4 ? 0.3 - 0.1 * t : -0.7; }, false, 0},
        {"line", [](double t) { return 2 * t - 0.5; }, true, 0.25},
        {"steep curve", [](double t) { return std::exp(8 * t) - 2; }, true, std::log(2.0) / 8},
        {"near a double root", [](double t) { return (t - 0.98) * (t + 0.02); }, true, 0.98},
        {"root at the corner", [](double t) { return -3 * t; }, true, 0},
        {"root and a pole beyond the edge", [](double t) { return std::tan(t) - 0.5; }, true, std::atan(0.5)},
    };
    for (const auto& row : rows) {
        Field field([&row](double u, double) { return row.f(u); });
        const double fa = row.f(0), fb = row.f(1);
        ASSERT_NE(fa < 0, fb < 0) << row.what;
        ContourPoint root;
        const bool found = EdgeRoot(field, {0, 5}, fa, {1, 5}, fb, root);
        EXPECT_EQ(found, row.root) << row.what;
        if (found && row.root) {
            EXPECT_NEAR(root.u, row.at, 0.06) << row.what;  // pixels
            EXPECT_EQ(root.v, 5) << row.what;
        }
    }
}

// 1/(u - p) - v/100 has no zero near its pole line u = p, whichever way p
// falls against the pixel columns; its true zero set lies far away.
TEST(TraceContour, NoLineAlongPolesNearCorners) {
    for (double p : {40.0 + 1e-9, 40.0 - 1e-9, 40.5, 40.999999, 41.0}) {
        const ContourLines lines = Trace([p](double u, double v) { return 1 / (u - p) - 1e-3 * (v + 1); });
        for (const auto& line : lines.Lines)
            for (const ContourPoint& q : line) EXPECT_GT(std::fabs(q.u - p), 2) << "pole at " << p;
        EXPECT_TRUE(lines.Dots.empty());
    }
}

// (u - a)(v - b) = e with the crossing inside one pixel cell: for e = 0 two
// crossing lines, otherwise two branches that stay in their own quadrants,
// as the value at the cell's centre says.
TEST(TraceContour, SaddlesFollowTheCentreValue) {
    const double a = 50.5, b = 40.5;
    for (double e : {0.01, -0.01, 0.0}) {
        const ContourLines lines = Trace([=](double u, double v) { return (u - a) * (v - b) - e; });
        ASSERT_FALSE(lines.Lines.empty()) << e;
        for (const auto& line : lines.Lines) {
            bool left = false, right = false, top = false, bottom = false;
            for (const ContourPoint& q : line) {
                left |= q.u < a - 2, right |= q.u > a + 2, top |= q.v < b - 2, bottom |= q.v > b + 2;
                EXPECT_LE(std::min(std::fabs(q.u - a), std::fabs(q.v - b)), 1.0) << e;
            }
            // Rows grow downwards: e > 0 keeps to top left and bottom right.
            if (e > 0) EXPECT_TRUE((left && top && !right && !bottom) || (right && bottom && !left && !top)) << e;
            if (e < 0) EXPECT_TRUE((right && top && !left && !bottom) || (left && bottom && !right && !top)) << e;
        }
        if (e != 0) EXPECT_EQ(lines.Lines.size(), 2u) << e;
    }
}

// F touching zero without a sign change: found along the whole line.
TEST(TraceContour, TouchingZerosAreDrawn) {
    for (double row : {30.0, 30.3, 30.5, 30.9}) {
        const ContourLines lines = Trace([row](double u, double v) { return 4 * (v - row) * (v - row); });
        std::vector<bool> covered(121, false);
        for (const auto& line : lines.Lines)
            for (const ContourPoint& q : line) {
                EXPECT_NEAR(q.v, row, 0.01) << row;
                if (q.u >= 0 && q.u <= 120) covered[size_t(std::lround(q.u))] = true;
            }
        for (int u = 1; u < 120; ++u) EXPECT_TRUE(covered[size_t(u)]) << "row " << row << " gap at " << u;
    }
}

// A closed curve far smaller than a pixel: one dot where it is.
TEST(TraceContour, ClosedCurveSmallerThanAPixelIsADot) {
    for (const ContourPoint c : {ContourPoint{60.5, 45.5}, ContourPoint{60.1, 45.9}, ContourPoint{63.7, 12.2}}) {
        const ContourLines lines =
            Trace([c](double u, double v) { return (u - c.u) * (u - c.u) + (v - c.v) * (v - c.v) - 0.01; });
        ASSERT_FALSE(lines.Dots.empty() && lines.Lines.empty()) << c.u << "," << c.v;
        for (const ContourPoint& d : lines.Dots) EXPECT_LT(std::hypot(d.u - c.u, d.v - c.v), 0.2);
    }
}

TEST(TraceContour, UndefinedPartsDrawNothingThere) {
    // Defined for u >= 30.5 only: the circle's arc in that half.
    const ContourLines half = Trace([](double u, double v) {
        return u < 30.5 ? NAN : (u - 40) * (u - 40) + (v - 45) * (v - 45) - 400;
    });
    ASSERT_GT(PointCount(half), 20u);
    for (const auto& line : half.Lines)
        for (const ContourPoint& q : line) {
            EXPECT_GE(q.u, 30.5);
            EXPECT_NEAR(std::hypot(q.u - 40, q.v - 45), 20, 0.05);
        }
    EXPECT_EQ(PointCount(Trace([](double, double) { return NAN; })), 0u);
    EXPECT_EQ(PointCount(Trace([](double, double) { return 0.0; })), 0u);
}

TEST(TraceContour, StopEndsTheTrace) {
    Field field([](double u, double v) { return u - v; });
    field.stopAfter = 3;
    ContourLines out;
    EXPECT_FALSE(TraceContour(field, 200, 200, out));
    ContourLines all;
    Field whole([](double u, double v) { return u - v; });
    EXPECT_TRUE(TraceContour(whole, 200, 200, all));
    EXPECT_LT(PointCount(out), PointCount(all));
}

}  // namespace
}  // namespace kurvo
