// Pixel mapping, division steps and the placement of grid lines, ticks,
// numbers and axes (recorded, not rasterised).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "plot/axes.h"
#include "plot/view_mapping.h"
#include "support/recording_canvas.h"

namespace kurvo {
namespace {

using test::CanvasCall;
using test::PlotScene;
using test::RecordingCanvas;

constexpr long double kPi = std::numbers::pi_v<long double>;

TEST(ViewMapping, AxisPositionsInsideAndOutsideTheView) {
    PlotScene scene;
    scene.SetView(-10, 10, -10, 10, 400, 400);
    EXPECT_EQ(scene.mapping.XAxisRow, 200);
    EXPECT_EQ(scene.mapping.YAxisColumn, 200);
    EXPECT_DOUBLE_EQ(double(scene.mapping.XScale), 20.0);
    EXPECT_DOUBLE_EQ(double(scene.mapping.XOffset), 200.0);

    scene.SetView(1, 5, 2, 6, 400, 300);  // both axes below / left of the view
    EXPECT_EQ(scene.mapping.XAxisRow, 10);
    EXPECT_EQ(scene.mapping.YAxisColumn, 10);

    scene.SetView(-9, -1, -8, -2, 400, 300);  // both axes above / right of the view
    EXPECT_EQ(scene.mapping.XAxisRow, 290);
    EXPECT_EQ(scene.mapping.YAxisColumn, 390);

    scene.SetView(-1, 3, -3, 1, 400, 400);
    EXPECT_EQ(scene.mapping.XAxisRow, 300);
    EXPECT_EQ(scene.mapping.YAxisColumn, 100);
}

TEST(ViewMapping, PointsRoundHalvesToEvenAndFarPointsStayUsable) {
    PlotScene scene;
    scene.SetView(0, 400, 0, 400, 400, 400);  // one unit per pixel
    EXPECT_EQ(ColumnOf(scene.ctx, 2.5L), 2);
    EXPECT_EQ(ColumnOf(scene.ctx, 3.5L), 4);
    EXPECT_EQ(ColumnOf(scene.ctx, -0.5L), 0);
    EXPECT_EQ(RowOf(scene.ctx, 0), 400);
    EXPECT_EQ(RowOf(scene.ctx, 400), 0);
    EXPECT_EQ(RowOf(scene.ctx, 100.5L), 300);
    // A value far off the view maps to a far (but finite) row, far enough
    // for the jump test and small enough for integer arithmetic.
    EXPECT_LT(RowOf(scene.ctx, 1e300L), -1000000);
    EXPECT_GT(RowOf(scene.ctx, -1e300L), 1000000);
    EXPECT_EQ(RoundPixel(std::nanl("")), 0);
}

TEST(ViewMapping, SquareTheAxesKeepsTheZeroLineAndSetsReplotAll) {
    struct Host : PlotHost {
        int rewrites = 0;
        void ViewFieldsChanged() override { ++rewrites; }
    } host;
    PlotScene scene;
    bool replotAll = false;
    scene.ctx.Host = &host;
    scene.ctx.ReplotAll = &replotAll;
    scene.SetView(-10, 10, -1, 3, 400, 200);  // y = 0 a quarter up
    SquareTheAxes(scene.ctx);
    EXPECT_DOUBLE_EQ(double(scene.view.YRange), 10.0);
    EXPECT_DOUBLE_EQ(double(scene.settings.YMin), -2.5);
    EXPECT_DOUBLE_EQ(double(scene.settings.YMax), 7.5);
    EXPECT_DOUBLE_EQ(double(scene.settings.XMin), -10.0);
    EXPECT_TRUE(replotAll);
    EXPECT_EQ(host.rewrites, 1);
    ComputeMapping(scene.ctx);
    EXPECT_DOUBLE_EQ(double(scene.mapping.XScale), double(scene.mapping.YScale));
    EXPECT_TRUE(AxesAreSquare(scene.ctx));

    // An empty area leaves everything alone.
    replotAll = false;
    scene.view.PlotWidth = 0;
    SquareTheAxes(scene.ctx);
    EXPECT_FALSE(replotAll);
    EXPECT_DOUBLE_EQ(double(scene.settings.YMin), -2.5);
}

TEST(DivisionSteps, DecimalAndPiSteps) {
    DivisionSteps d = ChooseDivisionSteps(-10, 10, false);
    EXPECT_EQ(d.Exponent, 0);
    EXPECT_DOUBLE_EQ(double(d.Major), 2.0);
    EXPECT_DOUBLE_EQ(double(d.Minor), 0.5);
    EXPECT_DOUBLE_EQ(double(d.First), -12.0);

    d = ChooseDivisionSteps(0, 1, false);
    EXPECT_EQ(d.Exponent, -1);
    EXPECT_NEAR(double(d.Major), 0.1, 1e-15);
    EXPECT_NEAR(double(d.Minor), 0.02, 1e-15);

    d = ChooseDivisionSteps(-10, 10, true);
    EXPECT_NEAR(double(d.Major), double(kPi / 2), 1e-15);
    EXPECT_NEAR(double(d.Minor), double(kPi / 10), 1e-15);

    d = ChooseDivisionSteps(0, 100, false);  // q = 25, r = 2.5: step 10
    EXPECT_DOUBLE_EQ(double(d.Major), 10.0);
    EXPECT_DOUBLE_EQ(double(d.Minor), 2.0);
    d = ChooseDivisionSteps(0, 30, false);  // q = 7.5: step 2 with quarter minors
    EXPECT_DOUBLE_EQ(double(d.Major), 2.0);
    EXPECT_DOUBLE_EQ(double(d.Minor), 0.5);
    d = ChooseDivisionSteps(-0.001L, 0.001L, false);  // q = 5E-4: exponent -4, r = 5
    EXPECT_EQ(d.Exponent, -4);
    EXPECT_NEAR(double(d.Major), 0.0002, 1e-18);
}

TEST(DivisionSteps, FirstDivisionIsAMultipleAtOrOneStepBelowTheEdge) {
    for (long double lo : {-10.0L, -9.3L, 0.0L, 0.7L, 3.0L, 1234.5L, -0.004L}) {
        const DivisionSteps d = ChooseDivisionSteps(lo, lo + 20, false);
        const long double k = d.First / d.Major;
        EXPECT_NEAR(double(k), std::round(double(k)), 1e-9) << double(lo);
        EXPECT_LE(d.First, lo) << double(lo);
        EXPECT_GE(d.First, lo - 2 * d.Major - 1e-12L) << double(lo);
    }
    EXPECT_TRUE(ChooseDivisionSteps(5, 5, false).Major == 0);  // empty range: no steps
}

TEST(AxisNumbers, DecimalAndPiTexts) {
    EXPECT_EQ(AxisNumberText(kPi / 2, true), "0.5pi");
    EXPECT_EQ(AxisNumberText(kPi, true), "1pi");
    EXPECT_EQ(AxisNumberText(3 * kPi / 2, true), "1.5pi");
    EXPECT_EQ(AxisNumberText(-kPi / 2, true), "-0.5pi");
    EXPECT_EQ(AxisNumberText(4, false), "4");
    EXPECT_EQ(AxisNumberText(-0.25L, false), "-0.25");
    EXPECT_EQ(AxisNumberText(1e-6L, false), "1E-6");
}

struct Frame {
    PlotScene scene;
    RecordingCanvas canvas{400, 400};
    Frame() {
        scene.ctx.Picture = &canvas;
        scene.settings.ShowAxes = scene.settings.ShowAxisMarkers = true;
    }
    void Draw(int direction) {
        canvas.calls.clear();
        ComputeMapping(scene.ctx);
        DrawDivisions(scene.ctx, direction);
    }
    // Columns (x) or rows (y) of the lines drawn in `colour` that span
    // the whole area (grid lines).
    std::set<int> GridPositions(bool vertical) const {
        std::set<int> out;
        for (const CanvasCall& c : canvas.LinesIn(PlotScene::kGrid)) {
            const bool onCanvas = vertical ? c.x1 >= 0 && c.x1 < 400 : c.y1 >= 0 && c.y1 < 400;
            if (!onCanvas) continue;
            if (vertical && c.x1 == c.x2 && std::abs(c.y1 - c.y2) >= 400) out.insert(c.x1);
            if (!vertical && c.y1 == c.y2 && std::abs(c.x1 - c.x2) >= 400) out.insert(c.y1);
        }
        return out;
    }
};

TEST(Divisions, NumbersOnASymmetricViewSkipTheOriginAndTheEdges) {
    Frame f;
    f.Draw(1);
    EXPECT_EQ(f.canvas.Texts(), (std::vector<std::string>{"-8", "-6", "-4", "-2", "2", "4", "6", "8"}));
    // Numbers are centred under their tick, just below the axis.
    for (const CanvasCall& c : f.canvas.Of(CanvasCall::Text)) {
        const int column = 200 + 20 * std::stoi(c.text);
        EXPECT_EQ(c.x1, column - 6 * int(c.text.size()) / 2) << c.text;
        EXPECT_EQ(c.y1, 208) << c.text;
        EXPECT_EQ(c.colour, PlotScene::kFont);
    }
    // Major ticks (16 pixels across the axis) at every division inside the
    // area, none at the edges -10 and 10.
    std::set<int> ticks;
    for (const CanvasCall& c : f.canvas.LinesIn(PlotScene::kAxes))
        if (c.x1 == c.x2 && c.y1 == 208 && c.y2 == 192) ticks.insert(c.x1);
    EXPECT_EQ(ticks, (std::set<int>{40, 80, 120, 160, 200, 240, 280, 320, 360}));

    f.Draw(2);
    EXPECT_EQ(f.canvas.Texts(), (std::vector<std::string>{"-8", "-6", "-4", "-2", "2", "4", "6", "8"}));
    for (const CanvasCall& c : f.canvas.Of(CanvasCall::Text)) {
        const int row = 200 - 20 * std::stoi(c.text);
        EXPECT_EQ(c.y1, row + f.canvas.FontHeight() / 2) << c.text;
        EXPECT_EQ(c.x1, 200 - 6 * int(c.text.size()) - 12) << c.text;  // left of the axis
    }
}

TEST(Divisions, MinorTicksEveryHalfUnitOnlyWhenSwitchedOn) {
    Frame f;
    f.Draw(1);
    auto minorTicks = [&] {
        std::set<int> out;
        for (const CanvasCall& c : f.canvas.LinesIn(PlotScene::kAxes))
            if (c.x1 == c.x2 && c.y1 == 204 && c.y2 == 196) out.insert(c.x1);
        return out;
    };
    EXPECT_TRUE(minorTicks().empty());
    f.scene.settings.ShowMinorDivisions = true;
    f.Draw(1);
    const std::set<int> ticks = minorTicks();
    for (int column = 0; column < 400; column += 10) EXPECT_TRUE(ticks.count(column)) << column;
    EXPECT_FALSE(ticks.count(5));
}

TEST(Divisions, LargeGridOnlyAtMajorDivisionsSmallGridAtEveryMinor) {
    Frame f;
    f.scene.settings.ShowGrid = true;
    f.scene.settings.LargeGrid = true;
    f.Draw(1);
    EXPECT_EQ(f.GridPositions(true), (std::set<int>{40, 80, 120, 160, 200, 240, 280, 320, 360}));
    f.Draw(2);
    EXPECT_EQ(f.GridPositions(false), (std::set<int>{40, 80, 120, 160, 200, 240, 280, 320, 360}));

    f.scene.settings.LargeGrid = false;
    f.Draw(1);
    std::set<int> expected;
    for (int column = 0; column < 400; column += 10) expected.insert(column);
    EXPECT_EQ(f.GridPositions(true), expected);
}

TEST(Divisions, PiAxisNumbersInMultiplesOfPi) {
    Frame f;
    f.scene.settings.PiAxis = true;
    f.scene.SetView(0, 7, -1, 1, 700, 200);
    f.Draw(1);
    EXPECT_EQ(f.canvas.Texts(), (std::vector<std::string>{"0.5pi", "1pi", "1.5pi", "2pi"}));
    // The y direction never uses pi.
    f.Draw(2);
    for (const std::string& t : f.canvas.Texts()) EXPECT_EQ(t.find("pi"), std::string::npos) << t;
}

TEST(Divisions, NumbersMoveAcrossAnAxisNearTheEdge) {
    Frame f;
    f.scene.SetView(1, 5, 2, 6, 400, 400);  // axes drawn 10 pixels from the edges
    f.Draw(1);
    ASSERT_FALSE(f.canvas.Texts().empty());
    for (const CanvasCall& c : f.canvas.Of(CanvasCall::Text)) EXPECT_EQ(c.y1, 400 - 10 - 8 - 12) << c.text;
    f.Draw(2);
    ASSERT_FALSE(f.canvas.Texts().empty());
    for (const CanvasCall& c : f.canvas.Of(CanvasCall::Text))
        EXPECT_EQ(c.x1, 10 + 6 * int(c.text.size())) << c.text;  // right of the axis
}

TEST(Divisions, SquareLargeViewStaysBounded) {
    Frame f;
    f.scene.SetView(-5000, 5000, -5000, 5000, 400, 400);
    ASSERT_TRUE(AxesAreSquare(f.scene.ctx));
    f.scene.settings.ShowGrid = true;
    f.scene.settings.LargeGrid = true;
    f.Draw(2);
    // The x direction's step (1000) is used: a handful of divisions.
    EXPECT_EQ(f.canvas.Texts(), (std::vector<std::string>{"-4000", "-3000", "-2000", "-1000", "1000",
                                                           "2000", "3000", "4000"}));
    EXPECT_LT(f.canvas.calls.size(), 100u);
}

TEST(Divisions, FarAwayViewTerminates) {
    Frame f;
    f.scene.SetView(1e20L, 1e20L + 1, 1e20L, 1e20L + 1, 400, 400);
    f.scene.settings.ShowMinorDivisions = true;
    f.Draw(1);
    f.Draw(2);
    EXPECT_LT(f.canvas.calls.size(), 20000u);
}

TEST(Axes, SolidInsideDashedWhenTheAxisIsOutsideTheView) {
    Frame f;
    auto axisLines = [&] {
        ComputeMapping(f.scene.ctx);
        f.canvas.calls.clear();
        DrawAxes(f.scene.ctx);
        std::vector<CanvasCall> out;
        for (const CanvasCall& c : f.canvas.LinesIn(PlotScene::kAxes)) out.push_back(c);
        return out;
    };
    std::vector<CanvasCall> lines = axisLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].style, PenStyle::Solid);
    EXPECT_EQ(lines[0].y1, 200);
    EXPECT_EQ(lines[0].x2, 390);
    EXPECT_EQ(lines[1].style, PenStyle::Solid);
    EXPECT_EQ(lines[1].x1, 200);

    f.scene.SetView(1, 5, -10, 10, 400, 400);
    lines = axisLines();
    EXPECT_EQ(lines[0].style, PenStyle::Solid);
    EXPECT_EQ(lines[1].style, PenStyle::Dash);
    EXPECT_EQ(lines[1].x1, 10);

    f.scene.SetView(-10, 10, -9, -1, 400, 400);
    lines = axisLines();
    EXPECT_EQ(lines[0].style, PenStyle::Dash);
    EXPECT_EQ(lines[0].y1, 10);
    // Two filled arrowheads in the axes colour, at the ends of the axes.
    const auto polygons = f.canvas.Of(CanvasCall::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].brush, PlotScene::kAxes);
    EXPECT_EQ(polygons[0].points[2].x, 395);
    EXPECT_EQ(polygons[0].points[2].y, 10);
    // The pen is solid again afterwards.
    EXPECT_EQ(f.canvas.GetPenStyle(), PenStyle::Solid);
}

TEST(Axes, LabelsAndArrowheadsReachTheWindowEvenWithoutShowPlot) {
    Frame f;
    RecordingCanvas window;
    f.scene.ctx.Window = &window;
    f.scene.settings.ShowAxisLabels = true;
    f.scene.settings.XAxisLabel = "time";
    ComputeMapping(f.scene.ctx);
    DrawAxes(f.scene.ctx);
    EXPECT_TRUE(window.LinesIn(PlotScene::kAxes).empty());  // ShowPlot is off
    EXPECT_EQ(window.Of(CanvasCall::Polygon).size(), 2u);
    EXPECT_EQ(window.Texts(), (std::vector<std::string>{"time", "y"}));
    const auto texts = f.canvas.Of(CanvasCall::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x1, 400 - 8 * 4 - 10);
    EXPECT_EQ(texts[0].y1, 200 - 45);
    EXPECT_EQ(texts[1].x1, 220);
    EXPECT_EQ(texts[1].y1, 5);
}

TEST(Axes, FrameIsSkippedForCollapsedRanges) {
    Frame f;
    f.scene.SetView(0, 1e-8L, -1, 1, 400, 400);
    DrawFrame(f.scene.ctx);
    EXPECT_TRUE(f.canvas.calls.empty());
    f.scene.SetView(-1, 1, -1, 1, 400, 400);
    DrawFrame(f.scene.ctx);
    EXPECT_FALSE(f.canvas.calls.empty());
}

}  // namespace
}  // namespace kurvo
