// Polar, parametric and polar parametric curves drawn on a real picture.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "expr/errors.h"
#include "expr/parser.h"
#include "plot/parametric_plotter.h"
#include "plot/polar_plotter.h"
#include "plot/view_mapping.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

constexpr long double kTwoPi = 6.283185307179586476925L;

// Records the pen moves while drawing on a real picture.
class TracingCanvas : public QImageCanvas {
public:
    using QImageCanvas::QImageCanvas;
    void MoveTo(int x, int y) override {
        moves.push_back({x, y});
        QImageCanvas::MoveTo(x, y);
    }
    void LineTo(int x, int y) override {
        lines.push_back({x, y});
        QImageCanvas::LineTo(x, y);
    }
    std::vector<CanvasPoint> moves, lines;
};

class StopAfter : public PlotHost {
public:
    explicit StopAfter(int polls) : polls_(polls) {}
    bool EscapePressed() override { return --polls_ < 0; }
    void AdvanceFamily() override { ++families; }
    int families = 0;

private:
    int polls_;
};

// A square picture of -3..3 x -3..3 (50 pixels per unit) at plot step 256.
struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    TracingCanvas picture{301, 301, 0xC0C0C0};
    TParser first, second;
    PlotContext ctx{s, view, mapping};

    Scene(long double tMin, long double tMax) {
        s.XMin = s.YMin = -3;
        s.XMax = s.YMax = 3;
        s.TMin = tMin;
        s.TMax = tMax;
        s.XStep = (tMax - tMin) / 256 * 0.25L;
        s.CartesianMode = false;
        view.PlotWidth = view.PlotHeight = 300;  // 50 pixels per unit, origin at (150, 150)
        RecomputeRanges(s, view);
        ctx.Picture = &picture;
        ctx.Parser = &first;
        ctx.Slot = 0;
    }
    Colour curve() const { return s.GraphColours[0]; }
    int CountCurvePixels() const {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) n += picture.Pixel(x, y) == curve();
        return n;
    }
    // Largest distance, in pixels, of a curve pixel from the circle of
    // `radius` units about the origin (pixel (150, 150)).
    double WorstDistanceFromCircle(double radius) const {
        double worst = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.Pixel(x, y) == curve())
                    worst = std::max(worst, std::fabs(std::hypot(x - 150.0, y - 150.0) - radius * 50));
        return worst;
    }
    // Whether every 1-degree direction meets the curve near the circle.
    bool CircleIsComplete(double radius) const {
        for (int a = 0; a < 360; ++a) {
            const double rad = a * 3.14159265358979 / 180;
            bool hit = false;
            for (int dx = -1; dx <= 1 && !hit; ++dx)
                for (int dy = -1; dy <= 1 && !hit; ++dy) {
                    const int x = int(std::lround(150 + radius * 50 * std::cos(rad))) + dx;
                    const int y = int(std::lround(150 - radius * 50 * std::sin(rad))) + dy;
                    hit = picture.Pixel(x, y) == curve();
                }
            if (!hit) return false;
        }
        return true;
    }
};

TEST(PolarPlot, ConstantRadiusIsACircleInRadiansAndInDegrees) {
    Scene radians(0, kTwoPi);
    radians.first.SetExpression("(2)");
    EXPECT_EQ(PlotPolar(radians.ctx), PlotResult::Done);
    EXPECT_LE(radians.WorstDistanceFromCircle(2), 1.5);
    EXPECT_TRUE(radians.CircleIsComplete(2));
    EXPECT_EQ(radians.picture.lines.size(), 1025u);

    Scene degrees(0, 360);
    degrees.s.Degrees = true;
    degrees.first.SetExpression("(2)");
    EXPECT_EQ(PlotPolar(degrees.ctx), PlotResult::Done);
    EXPECT_LE(degrees.WorstDistanceFromCircle(2), 1.5);
    EXPECT_TRUE(degrees.CircleIsComplete(2));
    // The same angles: the same picture.
    int differ = 0;
    for (int y = 0; y < 301; ++y)
        for (int x = 0; x < 301; ++x)
            differ += radians.picture.Pixel(x, y) != degrees.picture.Pixel(x, y);
    EXPECT_LE(differ, 4);

    // Degrees ignored would wind the circle round many times at other angles
    // but stay on it; a missing conversion of a varying radius shows instead.
    Scene spiralDeg(0, 360), spiralRad(0, kTwoPi);
    spiralDeg.s.Degrees = true;
    spiralDeg.first.SetExpression("(T/360*2)");
    spiralRad.first.SetExpression("(T/6.283185307179586*2)");
    PlotPolar(spiralDeg.ctx);
    PlotPolar(spiralRad.ctx);
    ASSERT_EQ(spiralDeg.picture.lines.size(), spiralRad.picture.lines.size());
    for (size_t i = 0; i < spiralDeg.picture.lines.size(); i += 64) {
        EXPECT_NEAR(spiralDeg.picture.lines[i].x, spiralRad.picture.lines[i].x, 1) << i;
        EXPECT_NEAR(spiralDeg.picture.lines[i].y, spiralRad.picture.lines[i].y, 1) << i;
    }
}

TEST(PolarPlot, LogarithmStartsJustAfterZeroAndOtherFormulasAtZero) {
    Scene log(0, 2);
    log.s.XMin = -20;  // ln(1e-6) = -13.8 must be in view
    RecomputeRanges(log.s, log.view);
    log.first.SetExpression("(LN(T))");
    ASSERT_NO_THROW(PlotPolar(log.ctx));
    ASSERT_FALSE(log.picture.moves.empty());
    // r = ln(1e-6) at angle ~0: x = -13.8.
    EXPECT_EQ(log.picture.moves.front().x, ColumnOf(log.ctx, std::log(1e-6L)));

    Scene plain(0, 2);
    plain.first.SetExpression("(T+1)");
    PlotPolar(plain.ctx);
    ASSERT_FALSE(plain.picture.moves.empty());
    EXPECT_EQ(plain.picture.moves.front().x, ColumnOf(plain.ctx, 1));
    EXPECT_EQ(plain.picture.moves.front().y, RowOf(plain.ctx, 0));
}

TEST(PolarPlot, JumpsAreJoinedAcrossTheView) {
    // r = tan t runs off to infinity near pi/2: every sample is still joined
    // to the next, lines across the jump included.
    Scene s(0, kTwoPi);
    s.first.SetExpression("(TAN(T))");
    EXPECT_EQ(PlotPolar(s.ctx), PlotResult::Done);
    EXPECT_EQ(s.picture.moves.size(), 1u);
    EXPECT_EQ(s.picture.lines.size(), 1025u);
    // Near pi/2 the points lie far above and far below the view.
    int farAbove = 0, farBelow = 0;
    for (const CanvasPoint& p : s.picture.lines) {
        farAbove += p.y < -10000;
        farBelow += p.y > 10000;
    }
    EXPECT_GT(farAbove, 0);
    EXPECT_GT(farBelow, 0);
}

TEST(PolarPlot, EmptyOrReversedParameterRangeDrawsNothing) {
    Scene reversed(2, 1);
    reversed.s.XStep = 0.01L;
    reversed.first.SetExpression("(2)");
    EXPECT_EQ(PlotPolar(reversed.ctx), PlotResult::Done);
    EXPECT_EQ(reversed.CountCurvePixels(), 0);
    EXPECT_TRUE(reversed.picture.lines.empty());

    // A step that cannot advance must not hang.
    for (long double step : {0.0L, -0.1L, (long double)NAN}) {
        Scene stuck(0, 1);
        stuck.s.XStep = step;
        stuck.first.SetExpression("(2)");
        EXPECT_EQ(PlotPolar(stuck.ctx), PlotResult::Done);
        EXPECT_TRUE(stuck.picture.lines.empty());
    }
}

TEST(PolarPlot, UndefinedRadiusEndsThePlotWithAnErrorAndKeepsTheDrawing) {
    Scene s(0, kTwoPi);
    s.first.SetExpression("(SQRT(3-T))");
    try {
        PlotPolar(s.ctx);
        FAIL() << "no error raised";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    // t = 0 .. 3 was drawn before the error.
    EXPECT_NEAR(double(s.picture.lines.size()), 3 / double(s.s.XStep), 2);
    EXPECT_GT(s.CountCurvePixels(), 50);
}

TEST(PolarPlot, EscapeStopsAndFamiliesAdvanceOncePerMember) {
    Scene s(0, kTwoPi);
    s.first.SetExpression("(2)");
    StopAfter host(100);
    s.ctx.Host = &host;
    s.s.FamilyActive = true;
    EXPECT_EQ(PlotPolar(s.ctx), PlotResult::Stopped);
    EXPECT_EQ(s.picture.lines.size(), 100u);
    EXPECT_EQ(host.families, 0);

    Scene f(0, kTwoPi);
    f.first.SetExpression("(2)");
    StopAfter never(1 << 30);
    f.ctx.Host = &never;
    f.s.FamilyActive = true;
    EXPECT_EQ(PlotPolar(f.ctx), PlotResult::Done);
    EXPECT_EQ(never.families, 1);
}

TEST(PolarPlot, DrawsOnTheWindowOnlyWhileShowPlotIsSet) {
    for (bool show : {true, false}) {
        Scene s(0, kTwoPi);
        QImageCanvas window(301, 301, 0xC0C0C0);
        s.ctx.Window = &window;
        s.s.ShowPlot = show;
        s.first.SetExpression("(2)");
        PlotPolar(s.ctx);
        int onWindow = 0;
        for (int y = 0; y < 301; ++y)
            for (int x = 0; x < 301; ++x) onWindow += window.Pixel(x, y) == s.curve();
        EXPECT_EQ(onWindow > 0, show);
        EXPECT_GT(s.CountCurvePixels(), 0);
    }
}

TEST(ParametricPlot, UnitCircleClosesWithFourTimesPlotStepPlusOnePoints) {
    Scene s(0, kTwoPi);
    s.s.CartesianMode = true;
    s.s.Parametric = true;
    s.first.SetExpression("(COS(T))");
    s.second.SetExpression("(SIN(T))");
    EXPECT_EQ(PlotParametricCartesian(s.ctx, s.second), PlotResult::Done);
    ASSERT_EQ(s.picture.lines.size(), 4u * 256 + 1);
    ASSERT_EQ(s.picture.moves.size(), 1u);
    // Closed: the last point is the first.
    EXPECT_EQ(s.picture.lines.back().x, s.picture.moves.front().x);
    EXPECT_EQ(s.picture.lines.back().y, s.picture.moves.front().y);
    EXPECT_EQ(s.picture.moves.front().x, ColumnOf(s.ctx, 1));
    EXPECT_LE(s.WorstDistanceFromCircle(1), 1.5);
    EXPECT_TRUE(s.CircleIsComplete(1));

    // The field text of 2p is cut to 6.283185: still every sample.
    Scene cut(0, 6.283185L);
    cut.first.SetExpression("(COS(T))");
    cut.second.SetExpression("(SIN(T))");
    PlotParametricCartesian(cut.ctx, cut.second);
    EXPECT_EQ(cut.picture.lines.size(), 4u * 256 + 1);
}

TEST(ParametricPlot, SecondFunctionGivesYAndErrorsInEitherEndThePlot) {
    Scene s(-1, 1);
    s.first.SetExpression("(T)");
    s.second.SetExpression("(T^2)");
    PlotParametricCartesian(s.ctx, s.second);
    for (size_t i = 0; i < s.picture.lines.size(); i += 50) {
        const long double t = -1 + i * s.s.XStep;
        EXPECT_EQ(s.picture.lines[i].x, ColumnOf(s.ctx, t));
        EXPECT_EQ(s.picture.lines[i].y, RowOf(s.ctx, t * t));
    }

    Scene bad(-1, 1);
    bad.first.SetExpression("(T)");
    bad.second.SetExpression("(LN(T))");
    EXPECT_THROW(PlotParametricCartesian(bad.ctx, bad.second), EEvaluationError);
}

TEST(ParametricPolarPlot, AngleFunctionInDegreesGivesTheSameCircle) {
    Scene s(0, 360);
    s.s.Degrees = true;
    s.s.Parametric = true;
    s.first.SetExpression("(2)");
    s.second.SetExpression("(T)");
    EXPECT_EQ(PlotParametricPolar(s.ctx, s.second), PlotResult::Done);
    EXPECT_LE(s.WorstDistanceFromCircle(2), 1.5);
    EXPECT_TRUE(s.CircleIsComplete(2));

    // The angle comes from the second function, not from t: a constant
    // angle of 90 degrees puts every point on the positive y axis.
    Scene ray(0, 2);
    ray.s.Degrees = true;
    ray.first.SetExpression("(T)");
    ray.second.SetExpression("(90)");
    PlotParametricPolar(ray.ctx, ray.second);
    for (const CanvasPoint& p : ray.picture.lines) EXPECT_EQ(p.x, 150);
    EXPECT_EQ(ray.picture.lines.back().y, RowOf(ray.ctx, 2));
}

TEST(ParameterSamples, CountIncludesBothEndsDespiteRounding) {
    EXPECT_EQ(SampleCount(0, 1, 0.25L), 5);
    EXPECT_EQ(SampleCount(0, kTwoPi, kTwoPi / 1024), 1025);
    EXPECT_EQ(SampleCount(0, 6.283185L, 6.283185L / 1024), 1025);
    EXPECT_EQ(SampleCount(0.1L, 0.7L, 0.2L), 4);  // 0.6 / 0.2 rounds just below 3
    EXPECT_EQ(SampleCount(1, 0, 0.1L), 0);
    EXPECT_EQ(SampleCount(0, 0, 0.1L), 1);
    EXPECT_EQ(SampleCount(1e30L, 2e30L, 1), 0);  // cannot advance
    EXPECT_EQ(SampleCount(0, (long double)INFINITY, 1), 0);
}

}  // namespace
}  // namespace kurvo
