// The complete implicit plotter against true curves computed here from
// parametrisations: every true point in the view is near a drawn pixel, and
// every drawn pixel is near the true curve.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/contour_plotter.h"
#include "plot/graph_slots.h"
#include "plot/view_mapping.h"
#include "support/test_support.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

constexpr Colour kBackground = 0xC0C0C0;
constexpr double kPi = 3.14159265358979323846;

struct Point {
    double x, y;
};
using Curve = std::function<Point(double)>;

struct View {
    double xMin, xMax, yMin, yMax;
    int width, height;
};

// A true curve: pieces t0..t1 of parametrisations, and where F is undefined.
struct Case {
    const char* typed;
    View view;
    std::vector<std::tuple<Curve, double, double>> pieces;
    std::function<bool(double x, double y)> undefined;  // null: nowhere
};

const View kView{-5, 5, -4, 4, 600, 480};  // 60 pixels per unit both ways

Curve Line(double x0, double y0, double dx, double dy) {
    return [=](double t) { return Point{x0 + t * dx, y0 + t * dy}; };
}

std::vector<Case> Cases() {
    std::vector<Case> cases = {
        {"x^2+y^2=9", kView, {{[](double t) { return Point{3 * std::cos(t), 3 * std::sin(t)}; }, 0, 2 * kPi}}},
        {"x^2/16+y^2/5=1", kView,
         {{[](double t) { return Point{4 * std::cos(t), std::sqrt(5.0) * std::sin(t)}; }, 0, 2 * kPi}}},
        {"x^2-y^2=1", kView,
         {{[](double s) { return Point{std::cosh(s), std::sinh(s)}; }, -3, 3},
          {[](double s) { return Point{-std::cosh(s), std::sinh(s)}; }, -3, 3}}},
        {"x^3+y^3=3xy", kView,
         {{[](double t) { return Point{3 * t / (1 + t * t * t), 3 * t * t / (1 + t * t * t)}; }, -1000, -1.0001},
          {[](double t) { return Point{3 * t / (1 + t * t * t), 3 * t * t / (1 + t * t * t)}; }, -0.9999, 1000}}},
        {"(x^2+y^2)^2=2(x^2-y^2)", kView,
         {{[](double t) {
               const double d = 1 + std::sin(t) * std::sin(t);
               return Point{std::sqrt(2.0) * std::cos(t) / d, std::sqrt(2.0) * std::sin(t) * std::cos(t) / d};
           },
           0, 2 * kPi}}},
        {"x^y=y^x", {0, 6, 0, 5, 600, 500},
         {{Line(0, 0, 1, 1), 0, 6},
          {[](double s) { return Point{std::pow(s, 1 / (s - 1)), std::pow(s, s / (s - 1))}; }, 0.001, 0.9999},
          {[](double s) { return Point{std::pow(s, 1 / (s - 1)), std::pow(s, s / (s - 1))}; }, 1.0001, 1000}},
         [](double x, double y) { return x <= 0 || y <= 0; }},
        {"(x^2+y^2-4)^2=0", kView, {{[](double t) { return Point{2 * std::cos(t), 2 * std::sin(t)}; }, 0, 2 * kPi}}},
        {"y^2=x^3-x", kView,
         {{[](double x) { return Point{x, std::sqrt(x * x * x - x)}; }, -1, 0},
          {[](double x) { return Point{x, -std::sqrt(x * x * x - x)}; }, -1, 0},
          {[](double x) { return Point{x, std::sqrt(x * x * x - x)}; }, 1, 4},
          {[](double x) { return Point{x, -std::sqrt(x * x * x - x)}; }, 1, 4}}},
        {"|x|+|y|=3", kView,
         {{Line(3, 0, -1, 1), 0, 3}, {Line(0, 3, -1, -1), 0, 3}, {Line(-3, 0, 1, -1), 0, 3}, {Line(0, -3, 1, 1), 0, 3}}},
    };
    Case lattice{"sin(x)=cos(y)", kView, {}};
    for (int k = -2; k <= 2; ++k) {
        lattice.pieces.push_back({Line(0, kPi / 2 + 2 * k * kPi, 1, -1), -12, 12});
        lattice.pieces.push_back({Line(0, -kPi / 2 + 2 * k * kPi, 1, 1), -12, 12});
    }
    cases.push_back(lattice);
    // tan(xy) = 1 on xy = pi/4 + k pi; poles on xy = pi/2 + k pi.
    // The poles lie several pixels from the curve everywhere in this view.
    Case tangent{"tan(xy)=1", kView, {}};
    for (int k = -8; k <= 8; ++k) {
        const double c = kPi / 4 + k * kPi;
        tangent.pieces.push_back({[c](double x) { return Point{x, c / x}; }, 0.01, 6});
        tangent.pieces.push_back({[c](double x) { return Point{x, c / x}; }, -6, -0.01});
    }
    cases.push_back(tangent);
    // A circle smaller than a pixel, its centre at several places against
    // the pixel grid (15 pixels per unit: a radius of 0.15 pixel).
    for (double shift : {0.0, 0.25, 0.5, 0.8}) {
        const double px = shift / 15;
        cases.push_back({"x^2+y^2=0.0001",
                         {-20 + px, 20 + px, -16 + px / 2, 16 + px / 2, 600, 480},
                         {{[](double t) { return Point{0.01 * std::cos(t), 0.01 * std::sin(t)}; }, 0, 2 * kPi}}});
    }
    return cases;
}

struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    QImageCanvas picture;
    TParser parser;
    TFormulaTrans translator;
    PlotContext ctx{s, view, mapping};
    View v;

    explicit Scene(const View& vw) : picture(vw.width + 1, vw.height + 1, kBackground), v(vw) {
        s.XMin = vw.xMin, s.XMax = vw.xMax, s.YMin = vw.yMin, s.YMax = vw.yMax;
        s.XStep = (s.XMax - s.XMin) / 1024;
        s.CartesianMode = false;
        s.ImplicitMode = true;
        s.ShowAsymptotes = false;
        view.PlotWidth = vw.width;
        view.PlotHeight = vw.height;
        RecomputeRanges(s, view);
        ctx.Picture = &picture;
        ctx.Parser = &parser;
    }
    PlotResult Draw(const std::string& typed) {
        const std::string text = test::cp1252(typed);
        return PlotImplicitComplete(ctx, text, ImplicitRelationCode(text), translator);
    }
    // Pixel coordinates of a graph point.
    double U(double x) const { return (x - v.xMin) * v.width / (v.xMax - v.xMin); }
    double V(double y) const { return v.height - (y - v.yMin) * v.height / (v.yMax - v.yMin); }
};

// Points of the true curve no more than 0.1 pixel apart (pixel units).
void Sample(const Scene& sc, const Curve& c, double t0, double t1, std::vector<Point>& out, int depth = 0) {
    const Point a = c(t0), b = c(t1);
    const double du = sc.U(b.x) - sc.U(a.x), dv = sc.V(b.y) - sc.V(a.y);
    const double u = sc.U(a.x), v = sc.V(a.y);
    const bool outside = std::max(u, u + du) < -4 || std::min(u, u + du) > sc.v.width + 4 ||
                         std::max(v, v + dv) < -4 || std::min(v, v + dv) > sc.v.height + 4;
    if (depth > 40 || (depth > 4 && du * du + dv * dv < 0.01) || (depth > 12 && outside)) {
        out.push_back({sc.U(a.x), sc.V(a.y)});
        return;
    }
    Sample(sc, c, t0, (t0 + t1) / 2, out, depth + 1);
    Sample(sc, c, (t0 + t1) / 2, t1, out, depth + 1);
}

TEST(ContourAccuracy, TrueCurveAndDrawnPixelsAgree) {
    const std::vector<Case> cases = Cases();
    for (size_t n = 0; n < cases.size(); ++n) {
        const Case& k = cases[n];
        Scene sc(k.view);
        ASSERT_EQ(sc.Draw(k.typed), PlotResult::Done) << k.typed;
        const Colour curve = sc.s.GraphColours[0];
        std::vector<Point> truth;
        for (const auto& [c, t0, t1] : k.pieces) Sample(sc, c, t0, t1, truth);
        std::map<std::pair<int, int>, std::vector<Point>> buckets;
        for (const Point& p : truth) buckets[{int(std::floor(p.x)), int(std::floor(p.y))}].push_back(p);

        // Each drawn pixel within 1.5 pixels of the true curve.
        int drawn = 0;
        for (int row = 0; row <= k.view.height; ++row)
            for (int col = 0; col <= k.view.width; ++col) {
                if (sc.picture.Pixel(col, row) != curve) continue;
                ++drawn;
                double best = 1e9;
                for (int i = -3; i <= 3; ++i)
                    for (int j = -3; j <= 3; ++j) {
                        const auto it = buckets.find({col + i, row + j});
                        if (it == buckets.end()) continue;
                        for (const Point& p : it->second) best = std::min(best, std::hypot(p.x - col, p.y - row));
                    }
                EXPECT_LE(best, 1.5) << k.typed << ": stray pixel " << col << "," << row;
            }
        EXPECT_GT(drawn, 0) << k.typed;

        // Each true point inside the view within 1 pixel of a drawn pixel.
        int missed = 0;
        for (const Point& p : truth) {
            if (p.x < 2 || p.y < 2 || p.x > k.view.width - 2 || p.y > k.view.height - 2) continue;
            const double x = k.view.xMin + p.x * (k.view.xMax - k.view.xMin) / k.view.width;
            const double y = k.view.yMin + (k.view.height - p.y) * (k.view.yMax - k.view.yMin) / k.view.height;
            const double px = (k.view.xMax - k.view.xMin) / k.view.width;
            if (k.undefined && (k.undefined(x - px, y) || k.undefined(x + px, y) || k.undefined(x, y - px) ||
                                k.undefined(x, y + px)))
                continue;
            bool near = false;
            for (int i = int(std::floor(p.x)) - 1; i <= int(std::ceil(p.x)) + 1 && !near; ++i)
                for (int j = int(std::floor(p.y)) - 1; j <= int(std::ceil(p.y)) + 1 && !near; ++j)
                    near = sc.picture.Pixel(i, j) == curve && std::hypot(p.x - i, p.y - j) <= 1.0;
            if (!near && ++missed <= 3) ADD_FAILURE() << k.typed << ": no pixel near " << p.x << "," << p.y;
        }
        EXPECT_EQ(missed, 0) << k.typed;
    }
}

class StopAfter : public PlotHost {
public:
    explicit StopAfter(long polls) : polls_(polls) {}
    bool EscapePressed() override { return --polls_ < 0; }

private:
    long polls_;
};

// Escape ends the plot; an F undefined everywhere draws nothing.
TEST(ContourPlotter, EscapeAndUndefinedRelations) {
    const struct {
        const char* typed;
        long polls;  // -1: no Escape
        PlotResult result;
        bool drawn;
    } rows[] = {
        {"x^2+y^2=9", -1, PlotResult::Done, true},
        {"x^2+y^2=9", 10, PlotResult::Stopped, false},
        {"sqrt(-1-x^2-y^2)=1", -1, PlotResult::Done, false},
        {"ln(-1-x^2)=y", -1, PlotResult::Done, false},
    };
    for (const auto& row : rows) {
        Scene sc(kView);
        StopAfter host(row.polls < 0 ? 1L << 40 : row.polls);
        sc.ctx.Host = &host;
        EXPECT_EQ(sc.Draw(row.typed), row.result) << row.typed;
        bool drawn = false;
        for (int y = 0; y <= kView.height && !drawn; ++y)
            for (int x = 0; x <= kView.width && !drawn; ++x) drawn = sc.picture.Pixel(x, y) != kBackground;
        EXPECT_EQ(drawn, row.drawn) << row.typed;
    }
}

}  // namespace
}  // namespace kurvo
