// The finder and the integrals against values worked out by hand or in
// closed form: poles and jumps, tangential roots, edges, corners.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/integral.h"
#include "analysis/points_of_interest.h"
#include "analysis/value_table.h"

namespace kurvo {
namespace {

constexpr double kPi = 3.14159265358979323846;
using K = PointKind;

RealFunction F(double (*f)(double)) {
    return [f](double x, double& y) {
        y = f(x);
        return std::isfinite(y);
    };
}

struct Expected {
    K kind;
    int graph, other;
    double x, y;
};

struct FinderCase {
    const char* name;
    double a, b;
    std::vector<GraphCurve> curves;
    std::vector<Expected> points;
};

double Tolerance(K kind, double v) {
    // Roots and intersections to 1e-12 relative; extrema as the slope allows.
    const bool extremum = kind == K::Minimum || kind == K::Maximum;
    return (extremum ? 1e-8 : 1e-12) * std::max(1.0, std::abs(v));
}

TEST(PointsOfInterest, ClosedFormCases) {
    const auto sq = F([](double x) { return x * x - 2; });
    const auto touch = F([](double x) { return (x - 1) * (x - 1); });
    const auto cube = F([](double x) { return x * x * x; });
    const auto corner = F([](double x) { return std::abs(x) - 1; });
    const auto recip = F([](double x) { return 1 / x; });
    const auto tangent = F([](double x) { return std::tan(x); });
    const auto root = F([](double x) { return x < 0 ? NAN : std::sqrt(x); });
    const auto step = F([](double x) { return std::floor(x); });
    const auto sign = F([](double x) { return double((x > 0) - (x < 0)); });
    const auto upper = F([](double x) { return std::sqrt(4 - x * x); });
    const auto lower = F([](double x) { return -std::sqrt(4 - x * x); });
    const auto edge = F([](double x) { return x * x - 25; });
    const double r2 = std::sqrt(2.0);
    const std::vector<FinderCase> cases = {
        {"parabola", -3, 3, {{1, sq}},
         {{K::Root, 1, 0, -r2, 0}, {K::Minimum, 1, 0, 0, -2}, {K::YIntercept, 1, 0, 0, -2}, {K::Root, 1, 0, r2, 0}}},
        {"tangential root is a root and a minimum", -3, 4, {{1, touch}},
         {{K::YIntercept, 1, 0, 0, 1}, {K::Root, 1, 0, 1, 0}, {K::Minimum, 1, 0, 1, 0}}},
        {"inflection is no extremum", -2, 3, {{1, cube}}, {{K::Root, 1, 0, 0, 0}, {K::YIntercept, 1, 0, 0, 0}}},
        {"corner", -2, 2, {{1, corner}},
         {{K::Root, 1, 0, -1, 0}, {K::Minimum, 1, 0, 0, -1}, {K::YIntercept, 1, 0, 0, -1}, {K::Root, 1, 0, 1, 0}}},
        {"pole of 1/x", -5, 5, {{1, recip}}, {}},
        {"poles of tan x", -2, 2, {{1, tangent}}, {{K::Root, 1, 0, 0, 0}, {K::YIntercept, 1, 0, 0, 0}}},
        {"domain edge of sqrt x", -1, 4, {{1, root}}, {{K::Root, 1, 0, 0, 0}, {K::YIntercept, 1, 0, 0, 0}}},
        {"steps are no roots or extrema", -2.5, 2.5, {{1, step}}, {{K::YIntercept, 1, 0, 0, 0}}},
        {"a jump through zero is no root", -1.7, 2.2, {{1, sign}}, {{K::YIntercept, 1, 0, 0, 0}}},
        {"roots on both edges", -5, 5, {{1, edge}},
         {{K::Root, 1, 0, -5, 0}, {K::Minimum, 1, 0, 0, -25}, {K::YIntercept, 1, 0, 0, -25}, {K::Root, 1, 0, 5, 0}}},
        {"two branches of one graph", -3, 3, {{1, upper}, {1, lower}},
         {{K::Root, 1, 0, -2, 0}, {K::Minimum, 1, 0, 0, -2}, {K::Maximum, 1, 0, 0, 2}, {K::YIntercept, 1, 0, 0, -2},
          {K::YIntercept, 1, 0, 0, 2}, {K::Root, 1, 0, 2, 0}}},
        {"cos x: extrema on the edges", 0, 2 * kPi, {{1, F([](double x) { return std::cos(x); })}},
         {{K::Maximum, 1, 0, 0, 1}, {K::YIntercept, 1, 0, 0, 1}, {K::Root, 1, 0, kPi / 2, 0},
          {K::Minimum, 1, 0, kPi, -1}, {K::Root, 1, 0, 3 * kPi / 2, 0}, {K::Maximum, 1, 0, 2 * kPi, 1}}},
    };
    for (const FinderCase& c : cases) {
        const auto found = FindPointsOfInterest(c.curves, c.a, c.b, 1600);
        ASSERT_EQ(found.size(), c.points.size()) << c.name;
        for (size_t i = 0; i < found.size(); ++i) {
            const Expected& e = c.points[i];
            const PointOfInterest& p = found[i];
            EXPECT_EQ(p.kind, e.kind) << c.name << " #" << i;
            EXPECT_EQ(p.graph, e.graph) << c.name << " #" << i;
            EXPECT_EQ(p.other, e.other) << c.name << " #" << i;
            EXPECT_NEAR(p.x, e.x, Tolerance(p.kind, e.x)) << c.name << " #" << i;
            EXPECT_NEAR(p.y, e.y, 1e-12 * std::max(1.0, std::abs(e.y))) << c.name << " #" << i;
        }
    }
}

TEST(PointsOfInterest, SineRootsAndExtremaToFullPrecision) {
    const auto found = FindPointsOfInterest({{1, F([](double x) { return std::sin(x); })}}, -10, 10, 800);
    std::vector<double> roots, maxima, minima;
    for (const auto& p : found) {
        if (p.kind == K::Root) roots.push_back(p.x);
        if (p.kind == K::Maximum) maxima.push_back(p.x);
        if (p.kind == K::Minimum) minima.push_back(p.x);
    }
    ASSERT_EQ(roots.size(), 7u);
    for (int k = -3; k <= 3; ++k) EXPECT_NEAR(roots[size_t(k + 3)], k * kPi, 1e-12 * std::max(1.0, std::abs(k * kPi)));
    ASSERT_EQ(maxima.size(), 3u);
    ASSERT_EQ(minima.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(maxima[size_t(k)], -1.5 * kPi + 2 * kPi * k, 1e-8);
        EXPECT_NEAR(minima[size_t(k)], -2.5 * kPi + 2 * kPi * k, 1e-8);
    }
}

TEST(PointsOfInterest, Intersections) {
    const auto parabola = F([](double x) { return x * x; });
    const auto line = F([](double x) { return x + 2; });
    const auto touching = F([](double x) { return 2 * x - 1; });
    const auto recip = F([](double x) { return 1 / x; });
    const auto negRecip = F([](double x) { return -1 / x; });
    struct Case {
        const char* name;
        std::vector<GraphCurve> curves;
        std::vector<std::pair<double, double>> meetings;  // x, y
    } cases[] = {
        {"a line across a parabola", {{1, parabola}, {2, line}}, {{-1, 1}, {2, 4}}},
        {"a tangent touching it", {{1, parabola}, {2, touching}}, {{1, 1}}},
        {"a pole between them is no meeting", {{1, recip}, {2, negRecip}}, {}},
    };
    for (const Case& c : cases) {
        std::vector<PointOfInterest> meetings;
        for (const auto& p : FindPointsOfInterest(c.curves, -5, 5, 1000))
            if (p.kind == K::Intersection) meetings.push_back(p);
        ASSERT_EQ(meetings.size(), c.meetings.size()) << c.name;
        for (size_t i = 0; i < meetings.size(); ++i) {
            EXPECT_EQ(meetings[i].graph, 1);
            EXPECT_EQ(meetings[i].other, 2);
            EXPECT_NEAR(meetings[i].x, c.meetings[i].first, 1e-9) << c.name;
            EXPECT_NEAR(meetings[i].y, c.meetings[i].second, 1e-8) << c.name;
        }
    }
}

TEST(Integral, ClosedForms) {
    const double e = std::exp(1.0);
    struct Case {
        const char* name;
        RealFunction f;
        double a, b;
        bool defined;
        double integral, area;
    } cases[] = {
        {"x^2 on 0..3", F([](double x) { return x * x; }), 0, 3, true, 9, 9},
        {"reversed bounds", F([](double x) { return x * x; }), 3, 0, true, -9, 9},
        {"sin over a period", F([](double x) { return std::sin(x); }), 0, 2 * kPi, true, 0, 4},
        {"x on -1..2", F([](double x) { return x; }), -1, 2, true, 1.5, 2.5},
        {"exp on 0..1", F([](double x) { return std::exp(x); }), 0, 1, true, e - 1, e - 1},
        {"1/x on 1..e", F([](double x) { return 1 / x; }), 1, e, true, 1, 1},
        {"steps", F([](double x) { return std::floor(x); }), -1, 2.5, true, 1, 3},
        {"x - x^2 between two graphs", F([](double x) { return x - x * x; }), 0, 1, true, 1.0 / 6, 1.0 / 6},
        {"pole of 1/x inside", F([](double x) { return 1 / x; }), -1, 1, false, 0, 0},
        {"pole of 1/x off the samples", F([](double x) { return 1 / (x - 0.1234567); }), -1, 2, false, 0, 0},
        {"pole of tan x", F([](double x) { return std::tan(x); }), 0, 2, false, 0, 0},
        {"sqrt x left of 0", F([](double x) { return std::sqrt(x); }), -1, 1, false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto r = IntegrateWithArea(c.f, c.a, c.b);
        ASSERT_EQ(r.has_value(), c.defined) << c.name;
        if (!r) continue;
        EXPECT_NEAR(r->integral, c.integral, 1e-10 * std::max(1.0, std::abs(c.integral))) << c.name;
        EXPECT_NEAR(r->area, c.area, 1e-10 * std::max(1.0, c.area)) << c.name;
    }
}

TEST(ValueTable, RowsAndRefusals) {
    struct Case {
        double from, to, step;
        long rows;
    } cases[] = {
        {0, 1, 0.1, 11}, {0, 1, 0.3, 4}, {0, 1, 0.25, 5}, {1, 0, 0.1, 0}, {0, 0, 1, 1},
        {0, 1, 0, -1},   {0, 1, -1, -1}, {0, 99999, 1, 100000}, {0, 100000, 1, -1}, {0, 1, 1e-300, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueTableRows({c.from, c.to, c.step}), c.rows) << c.from << " " << c.to << " " << c.step;
    const auto half = F([](double x) { return 1 / (x - 0.5); });
    EXPECT_EQ(ValueTable({0, 1, 0.25}, {{1, half}}),
              (std::vector<std::string>{"0\t-2", "0.25\t-4", "0.5\tundefined", "0.75\t4", "1\t2"}));
    // Ten steps of 0.1 added up give 0.9999999999999999; each x is computed afresh.
    EXPECT_EQ(ValueTable({0, 1, 0.1}, {{1, F([](double x) { return x == 1.0 ? 1.0 : 0.0; })}}).back(), "1\t1");
}

}  // namespace
}  // namespace kurvo
