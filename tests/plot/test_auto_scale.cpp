// Automatic y-scaling of Cartesian curves and of their running integral.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/auto_scale.h"
#include "support/recording_canvas.h"

namespace kurvo {
namespace {

using test::PlotScene;

struct CountingHost : PlotHost {
    int polls = 0;
    int stopAfter = -1;  // Escape at this poll (-1: never)
    int rewrites = 0;
    bool busy = false;
    bool EscapePressed() override { return ++polls == stopAfter; }
    void ViewFieldsChanged() override { ++rewrites; }
    void SetBusyCursor(bool b) override { busy = b; }
};

struct Scaling : ::testing::Test {
    PlotScene scene;
    CountingHost host;
    bool hasIntegralCall = false;
    bool inverseMode = false;
    Scaling() {
        scene.ctx.Host = &host;
        scene.ctx.HasIntegralCall = &hasIntegralCall;
        scene.ctx.InverseMode = &inverseMode;
        scene.settings.AutoYScale = true;
        scene.settings.CartesianMode = true;
    }
    void Curve(std::function<bool(double, double&)> f) { scene.ctx.Function = std::move(f); }
    double YMin() const { return double(scene.settings.YMin); }
    double YMax() const { return double(scene.settings.YMax); }
};

TEST_F(Scaling, ParabolaOpeningUpGetsTheZeroMinimumReplaced) {
    Curve([](double x, double& y) { return y = x * x, true; });
    ASSERT_EQ(AutoScaleY(scene.ctx), PlotResult::Done);
    EXPECT_NEAR(YMin(), -14.0, 1e-12);
    EXPECT_NEAR(YMax(), 140.0, 1e-12);
    EXPECT_NEAR(double(scene.view.YRange), 154.0, 1e-12);
    EXPECT_EQ(host.rewrites, 1);
    EXPECT_EQ(host.polls, 129);  // one poll per sample, 129 samples
    EXPECT_FALSE(host.busy);
}

TEST_F(Scaling, ParabolaOpeningDownKeepsAZeroMaximum) {
    Curve([](double x, double& y) { return y = -x * x, true; });
    AutoScaleY(scene.ctx);
    EXPECT_NEAR(YMin(), -140.0, 1e-12);
    EXPECT_EQ(YMax(), 0.0);
}

TEST_F(Scaling, LimitsIgnoreSamplesBeyondThem) {
    // Samples at -10 + k x 0.15625. x = 0 is undefined and skips to 0.625,
    // so the extremes are -1000 / 0.15625 and 1000 / 0.625.
    Curve([](double x, double& y) {
        if (x == 0) return false;
        y = 1000 / x;
        return true;
    });
    AutoScaleY(scene.ctx);
    EXPECT_NEAR(YMax(), 1.4 * 1000 / 0.625, 1e-9);
    EXPECT_NEAR(YMin(), -1.4 * 1000 / 0.15625, 1e-9);

    scene.settings.AutoLimitsOn = true;
    scene.settings.AutoLimitMin = -500;
    scene.settings.AutoLimitMax = 500;
    AutoScaleY(scene.ctx);
    // The sample nearest the axis that stays below 500 is x = 2.03125.
    EXPECT_NEAR(YMax(), 1.4 * 1000 / 2.03125, 1e-9);
    EXPECT_NEAR(YMin(), -1.4 * 1000 / 2.03125, 1e-9);
}

TEST_F(Scaling, UndefinedSamplesSkipFourSteps) {
    std::vector<double> sampled;
    Curve([&](double x, double& y) {
        sampled.push_back(x);
        if (x < -9.5) return false;
        y = x;
        return true;
    });
    AutoScaleY(scene.ctx);
    // -10 fails, then -10 + 4 x 0.15625 = -9.375 is defined.
    ASSERT_GE(sampled.size(), 2u);
    EXPECT_DOUBLE_EQ(sampled[0], -10.0);
    EXPECT_DOUBLE_EQ(sampled[1], -9.375);
    EXPECT_DOUBLE_EQ(sampled.back(), 10.0);
    EXPECT_NEAR(YMin(), 1.4 * -9.375, 1e-12);
    EXPECT_NEAR(YMax(), 14.0, 1e-12);
}

TEST_F(Scaling, IntegralWidensTheRangeWhenRequestedOrCalled) {
    // f = 1 on -10..10: the curve alone gives YMin = 1.4 x (-0.1), YMax =
    // 1.4; the running sum reaches 501 x 0.04 = 20.04.
    Curve([](double, double& y) { return y = 1, true; });
    AutoScaleY(scene.ctx);
    EXPECT_NEAR(YMin(), -0.14, 1e-12);
    EXPECT_NEAR(YMax(), 1.4, 1e-12);

    scene.SetView(-10, 10, -10, 10, 400, 400);
    scene.settings.PlotIntegral = true;
    AutoScaleY(scene.ctx);
    EXPECT_NEAR(YMax(), 1.1 * 20.04, 1e-9);
    EXPECT_NEAR(YMin(), 1.1 * -0.14, 1e-12);

    scene.SetView(-10, 10, -10, 10, 400, 400);
    scene.settings.PlotIntegral = false;
    hasIntegralCall = true;  // the formula calls INTEG
    AutoScaleY(scene.ctx);
    EXPECT_NEAR(YMax(), 1.1 * 20.04, 1e-9);
}

TEST_F(Scaling, InverseFormulaExchangesTheRanges) {
    Curve([&](double x, double& y) {
        inverseMode = true;  // what INV does when it is evaluated
        y = x * x;
        return true;
    });
    AutoScaleY(scene.ctx);
    EXPECT_NEAR(double(scene.settings.XMin), -14.0, 1e-12);
    EXPECT_NEAR(double(scene.settings.XMax), 140.0, 1e-12);
    EXPECT_EQ(YMin(), -10.0);
    EXPECT_EQ(YMax(), 10.0);
    EXPECT_NEAR(double(scene.view.XRange), 154.0, 1e-12);
}

TEST_F(Scaling, EscapeLeavesTheViewUnchanged) {
    Curve([](double x, double& y) { return y = x * x, true; });
    host.stopAfter = 50;
    EXPECT_EQ(AutoScaleY(scene.ctx), PlotResult::Stopped);
    EXPECT_EQ(YMin(), -10.0);
    EXPECT_EQ(YMax(), 10.0);
    EXPECT_EQ(host.rewrites, 0);
    EXPECT_FALSE(host.busy);
}

TEST_F(Scaling, NothingDefinedCollapsesTheRangeForTheCallerToRepair) {
    Curve([](double, double&) { return false; });
    EXPECT_EQ(AutoScaleY(scene.ctx), PlotResult::Done);
    EXPECT_EQ(YMin(), 0.0);
    EXPECT_EQ(YMax(), 0.0);
    EXPECT_LT(double(scene.view.YRange), 1e-5);
}

TEST_F(Scaling, OtherModesAreLeftAlone) {
    Curve([](double x, double& y) { return y = x * x, true; });
    scene.settings.CartesianMode = false;  // polar
    AutoScaleY(scene.ctx);
    EXPECT_EQ(YMax(), 10.0);
    scene.settings.CartesianMode = true;
    scene.settings.Parametric = true;
    AutoScaleY(scene.ctx);
    EXPECT_EQ(YMax(), 10.0);
}

}  // namespace
}  // namespace kurvo
