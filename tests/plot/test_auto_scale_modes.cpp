// Automatic scaling in the t modes and in implicit mode, and the relation
// box contents per mode.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/auto_scale_modes.h"
#include "plot/relation_box.h"
#include "plot/view_mapping.h"
#include "support/test_support.h"

namespace kurvo {
namespace {

constexpr long double kPi = 3.14159265358979323846L;

struct Host : PlotHost {
    long stopAfter = -1;  // polls before Escape; -1: never
    int fieldRewrites = 0;
    bool EscapePressed() override { return stopAfter >= 0 && --stopAfter < 0; }
    void ViewFieldsChanged() override { ++fieldRewrites; }
};

struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    TParser first, second;
    TFormulaTrans translator;
    Host host;
    PlotContext ctx{s, view, mapping};

    Scene() {
        view.PlotWidth = view.PlotHeight = 400;
        RecomputeRanges(s, view);
        ctx.Parser = &first;
        ctx.Host = &host;
    }
    void Polar(long double tMin, long double tMax, bool parametric = false) {
        s.CartesianMode = false;
        s.Parametric = parametric;
        s.TMin = tMin;
        s.TMax = tMax;
    }
    void ExpectView(long double xMin, long double xMax, long double yMin, long double yMax,
                    double tolerance) const {
        EXPECT_NEAR(double(s.XMin), double(xMin), tolerance);
        EXPECT_NEAR(double(s.XMax), double(xMax), tolerance);
        EXPECT_NEAR(double(s.YMin), double(yMin), tolerance);
        EXPECT_NEAR(double(s.YMax), double(yMax), tolerance);
        EXPECT_EQ(view.XRange, s.XMax - s.XMin);
        EXPECT_EQ(view.YRange, s.YMax - s.YMin);
    }
};

TEST(AutoScalePolar, FullTurnGivesAllFourEdgesAtOnePointTwoTimesTheRadius) {
    Scene sc;
    sc.Polar(0, 2 * kPi);
    sc.first.SetExpression("(2)");
    EXPECT_EQ(AutoScaleYModes(sc.ctx, nullptr), AutoScaleOutcome::Done);
    sc.ExpectView(-2.4, 2.4, -2.4, 2.4, 1e-4);
    EXPECT_EQ(sc.host.fieldRewrites, 1);

    // Degrees: 0..80 degrees scales as 0..80 pi / 180 in radians. Minima
    // left at 0 (no sample below the axes) are moved down by 5% of the
    // extent before the 1.2 margin.
    Scene deg, rad;
    deg.Polar(0, 80);
    deg.s.Degrees = true;
    rad.Polar(0, 80 * kPi / 180);
    deg.first.SetExpression("(2)");
    rad.first.SetExpression("(2)");
    AutoScalePolar(deg.ctx);
    AutoScalePolar(rad.ctx);
    const double top = 2 * std::sin(80 * 3.141592653589793 / 180);
    deg.ExpectView(-0.12, 2.4, -1.2 * 0.05 * top, 1.2 * top, 5e-3);
    rad.ExpectView(-0.12, 2.4, -1.2 * 0.05 * top, 1.2 * top, 5e-3);
}

TEST(AutoScalePolar, LogarithmStartsAtOneMillionthAndErrorsAreSkipped) {
    Scene sc;
    sc.Polar(0, 1);
    sc.first.SetExpression("(LN(T))");
    AutoScalePolar(sc.ctx);
    // r(1e-6) = -13.8 at angle 1e-6: x = -13.8.
    EXPECT_NEAR(double(sc.s.XMin), double(1.2L * std::log(1e-6L)), 1e-3);

    // Undefined samples are skipped: sqrt(1 - t) is defined up to t = 1 only.
    Scene skip;
    skip.Polar(0, 2 * kPi);
    skip.first.SetExpression("(SQRT(1-T))");
    EXPECT_EQ(AutoScalePolar(skip.ctx), AutoScaleOutcome::Done);
    EXPECT_NEAR(double(skip.s.XMax), 1.2, 1e-6);        // r = 1 at t = 0
    EXPECT_NEAR(double(skip.s.YMax), double(1.2L * 0.4), 0.05);  // max of sqrt(1-t) sin t
}

TEST(AutoScaleParametric, ViewIsTheExtremesAndErrorsPropagate) {
    Scene sc;
    sc.s.Parametric = true;
    sc.s.TMin = -1;
    sc.s.TMax = 2;
    sc.first.SetExpression("(T)");
    sc.second.SetExpression("(T^2)");
    EXPECT_EQ(AutoScaleYModes(sc.ctx, &sc.second), AutoScaleOutcome::Done);
    // x: -1..2 as sampled; y: 0..4, its 0 minimum moved down by 5% of 4.
    sc.ExpectView(-1, 2, -0.2, 4, 1e-9);

    // The extremes start at 0: a curve away from the origin keeps it in view.
    Scene far;
    far.s.Parametric = true;
    far.s.TMin = 0;
    far.s.TMax = 1;
    far.first.SetExpression("(T+5)");
    far.second.SetExpression("(T+5)");
    AutoScaleParametricCartesian(far.ctx, far.second);
    far.ExpectView(-0.3, 6, -0.3, 6, 1e-9);

    Scene bad;
    bad.s.Parametric = true;
    bad.s.TMin = -1;
    bad.s.TMax = 1;
    const SettingsRecord before = bad.s;
    bad.first.SetExpression("(T)");
    bad.second.SetExpression("(SQRT(T))");
    EXPECT_THROW(AutoScaleParametricCartesian(bad.ctx, bad.second), EEvaluationError);
    EXPECT_EQ(bad.s, before);
    EXPECT_EQ(bad.host.fieldRewrites, 0);
}

TEST(AutoScaleParametricPolar, AngleFromTheSecondFunction) {
    Scene sc;
    sc.Polar(0, 1, true);
    sc.s.Degrees = true;
    sc.first.SetExpression("(3)");
    sc.second.SetExpression("(90)");  // straight up
    EXPECT_EQ(AutoScaleYModes(sc.ctx, &sc.second), AutoScaleOutcome::Done);
    EXPECT_NEAR(double(sc.s.YMax), 3, 1e-9);
    EXPECT_NEAR(double(sc.s.YMin), -0.15, 1e-9);
    EXPECT_NEAR(double(sc.s.XMax), 0, 1e-9);
}

TEST(AutoScaleImplicit, BothBranchesOfACircle) {
    Scene sc;
    sc.s.CartesianMode = false;
    sc.s.ImplicitMode = true;
    sc.translator.Instring = test::cp1252("x²+y²=9");
    sc.translator.Translate();
    sc.first.SetExpression(sc.translator.Outstring);
    const std::string firstBranch = sc.first.Expression();
    EXPECT_EQ(AutoScaleYModes(sc.ctx, nullptr, 1, sc.translator.SecondFn, &sc.translator),
              AutoScaleOutcome::Done);
    // x = 0 is sampled (-10 + 64 x 20/128): y = ±3, times 1.4.
    EXPECT_NEAR(double(sc.s.YMax), 4.2, 1e-9);
    EXPECT_NEAR(double(sc.s.YMin), -4.2, 1e-9);
    EXPECT_EQ(sc.s.XMin, -10);
    EXPECT_EQ(sc.first.Expression(), firstBranch);  // parser 1 keeps the slot's formula

    // With only the upper branch the minimum stays at 0 and is replaced.
    Scene one;
    one.s.ImplicitMode = true;
    one.first.SetExpression(firstBranch);
    AutoScaleImplicit(one.ctx, 1, {}, nullptr);
    EXPECT_NEAR(double(one.s.YMin), -0.1 * 3 * 1.4, 1e-9);
}

TEST(AutoScaleImplicit, LimitsAndNoPlotablePoints) {
    Scene lim;
    lim.s.ImplicitMode = true;
    lim.s.AutoLimitsOn = true;
    lim.s.AutoLimitMin = -50;
    lim.s.AutoLimitMax = 50;
    lim.s.XMin = -1;
    lim.s.XMax = 1.03125L;  // a sample lands near 0 but not on it
    lim.first.SetExpression("(1/x)");
    AutoScaleImplicit(lim.ctx, 1, {}, nullptr);
    EXPECT_LT(lim.s.YMax, 1.4 * 50);
    EXPECT_GT(lim.s.YMin, -1.4 * 50);
    EXPECT_GT(lim.s.YMax, 1.4 * 10);

    Scene none;
    none.s.ImplicitMode = true;
    const SettingsRecord before = none.s;
    none.first.SetExpression("(SQRT(0-1-x^2))");
    EXPECT_EQ(AutoScaleImplicit(none.ctx, 1, {}, nullptr), AutoScaleOutcome::NoPlotablePoints);
    EXPECT_EQ(none.s, before);
    EXPECT_STREQ(kNoPlotablePointsQuestion,
                 "There are no plotable points in this domain.  Click on Yes to try a wider domain.");

    // y more than once: no solved y(x) to sample, the view stays.
    Scene general;
    general.s.ImplicitMode = true;
    const SettingsRecord unchanged = general.s;
    general.first.SetExpression("(x*y+y-(1))");
    EXPECT_EQ(AutoScaleYModes(general.ctx, nullptr, 2), AutoScaleOutcome::Done);
    EXPECT_EQ(general.s, unchanged);
}

TEST(AutoScaleModes, EscapeLeavesTheViewAlone) {
    Scene polar;
    polar.Polar(0, 2 * kPi);
    polar.first.SetExpression("(2)");
    polar.host.stopAfter = 20;
    const SettingsRecord before = polar.s;
    EXPECT_EQ(AutoScalePolar(polar.ctx), AutoScaleOutcome::Stopped);
    EXPECT_EQ(polar.s, before);

    Scene implicit;
    implicit.s.ImplicitMode = true;
    implicit.first.SetExpression("(x)");
    implicit.host.stopAfter = 20;
    EXPECT_EQ(AutoScaleImplicit(implicit.ctx, 1, "(0-x)", nullptr), AutoScaleOutcome::Stopped);
    EXPECT_EQ(implicit.first.Expression(), "(x)");
}

TEST(RelationBox, ItemsPerMode) {
    const std::vector<std::string> lines = SplitRelationLines("y=\r\ny>\r\ny<\r\ny>=\r\ny<=\r\ny=>\ny=<\r\n");
    ASSERT_EQ(lines, (std::vector<std::string>{"y=", "y>", "y<", "y>=", "y<=", "y=>", "y=<"}));
    EXPECT_EQ(SplitRelationLines("y=\r\ny>"), (std::vector<std::string>{"y=", "y>"}));
    EXPECT_EQ(SplitRelationLines(std::string(300, 'a')).front().size(), 255u);
    EXPECT_TRUE(SplitRelationLines("").empty());

    SettingsRecord s = DefaultSettings();
    s.CartesianMode = true;
    s.Parametric = false;
    s.ImplicitMode = false;
    EXPECT_EQ(RelationBoxItems(s, lines), lines);
    s.Parametric = true;
    EXPECT_EQ(RelationBoxItems(s, lines), std::vector<std::string>{"x,y="});
    s.CartesianMode = false;
    EXPECT_EQ(RelationBoxItems(s, lines), std::vector<std::string>{"r,\xF8="});
    s.Parametric = false;
    EXPECT_EQ(RelationBoxItems(s, lines), std::vector<std::string>{"r="});
    s.ImplicitMode = true;
    s.Parametric = true;  // ignored in implicit mode
    EXPECT_TRUE(RelationBoxItems(s, lines).empty());

    EXPECT_TRUE(LoadRelationLines("/nonexistent/Carttyp.txt").empty());
    // A FIFO is not waited on (the alarm fails the test if it is).
    const std::string fifo = ::testing::TempDir() + "relation_fifo";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ::alarm(20);
    EXPECT_TRUE(LoadRelationLines(fifo).empty());
    ::alarm(0);
    ::unlink(fifo.c_str());
}

}  // namespace
}  // namespace kurvo
