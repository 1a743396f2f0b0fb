// Cartesian curves on a real picture: where the pixels land, where the
// polyline breaks, where the dotted asymptotes go, dashed strict
// boundaries, the derived passes, inverse mode and stopping.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <set>

#include "expr/parser.h"
#include "plot/asymptotes.h"
#include "plot/cartesian_plotter.h"
#include "support/recording_canvas.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

using test::CanvasCall;
using test::PlotScene;
using test::RecordingCanvas;

constexpr Colour kPaper = 0xFFFFFF;  // the picture, unlike BackgroundColour
constexpr double kPi = std::numbers::pi;

struct Host : PlotHost {
    int polls = 0;
    int stopAt = -1;
    int beeps = 0;
    int families = 0;
    bool busy = false;
    bool EscapePressed() override { return ++polls == stopAt; }
    void Beep() override { ++beeps; }
    void SetBusyCursor(bool b) override { busy = b; }
    void AdvanceFamily() override { ++families; }
};

struct Plot : ::testing::Test {
    PlotScene scene;
    QImageCanvas picture{400, 400, kPaper};
    Host host;
    bool inverseMode = false;
    Plot() {
        scene.ctx.Picture = &picture;
        scene.ctx.Host = &host;
        scene.ctx.InverseMode = &inverseMode;
    }
    void Curve(std::function<bool(double, double&)> f) { scene.ctx.Function = std::move(f); }
    PlotResult Draw(bool derivative = false, bool integral = false) {
        return PlotCartesian(scene.ctx, derivative, integral);
    }
    // Columns holding at least one pixel of `colour`.
    std::set<int> ColumnsWith(Colour colour) const {
        std::set<int> out;
        for (int x = 0; x < picture.width(); ++x)
            for (int y = 0; y < picture.height(); ++y)
                if (picture.Pixel(x, y) == colour) {
                    out.insert(x);
                    break;
                }
        return out;
    }
    int CountIn(Colour colour, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int x = left; x < right; ++x)
            for (int y = top; y < bottom; ++y) n += picture.Pixel(x, y) == colour;
        return n;
    }
};

TEST_F(Plot, StraightLinesLandOnTheirPixels) {
    Curve([](double x, double& y) { return y = x, true; });
    ASSERT_EQ(Draw(), PlotResult::Done);
    const Colour green = PlotScene::kGraph[0];
    // y = x maps to row = 400 - column; the last point (400, 0) lies off the
    // picture and (0, 400) just below it.
    for (int c = 1; c < 400; ++c) EXPECT_EQ(picture.Pixel(c, 400 - c), green) << c;
    EXPECT_EQ(CountIn(green, 0, 0, 400, 400), 399);

    QImageCanvas second(400, 400, kPaper);
    scene.ctx.Picture = &second;
    scene.ctx.Slot = 7;  // GraphColours[7 mod 5]
    Curve([](double x, double& y) { return y = 0.5 * x + 1, true; });
    Draw();
    const Colour colour = PlotScene::kGraph[2];
    for (int c = 1; c < 400; ++c) {
        const double ideal = 400 - ((0.5 * ((c / 20.0) - 10) + 1) + 10) * 20;
        bool found = false;
        for (int r = 0; r < 400; ++r)
            if (second.Pixel(c, r) == colour) {
                found = true;
                EXPECT_LE(std::abs(r - ideal), 1.0) << c << "," << r;
            }
        EXPECT_TRUE(found) << c;
    }
    // The pen is left at the first point, GraphLineWidth wide.
    EXPECT_EQ(second.PenPosition().x, 0);
    EXPECT_EQ(second.PenPosition().y, 400 - 120);  // y(-10) = -4
    EXPECT_EQ(second.PenWidth(), 1);
}

TEST_F(Plot, ReciprocalGetsOneDottedAsymptoteAndSeparateBranches) {
    scene.settings.ShowAsymptotes = true;
    scene.SetView(-10.1L, 10, -10, 10, 400, 400);
    Curve([](double x, double& y) {
        if (x == 0) return false;
        y = 1 / x;
        return true;
    });
    ASSERT_EQ(Draw(), PlotResult::Done);
    const int pole = 201;  // round(10.1 x 400 / 20.1)
    EXPECT_EQ(ColumnsWith(PlotScene::kAsymptote), std::set<int>{pole});
    // Dotted: 3 on, 3 off, the gaps in the background colour.
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(picture.Pixel(pole, y), y % 6 < 3 ? PlotScene::kAsymptote : PlotScene::kBackground) << y;
    // Within |x| < 0.5, |1/x| > 2: no curve pixel across the middle rows.
    EXPECT_EQ(CountIn(PlotScene::kGraph[0], pole - 10, 170, pole + 11, 231), 0);
    // Both branches are drawn.
    EXPECT_GT(CountIn(PlotScene::kGraph[0], 0, 200, 200, 400), 100);
    EXPECT_GT(CountIn(PlotScene::kGraph[0], 202, 0, 400, 200), 100);
    // The pen is solid, GraphLineWidth and the curve colour afterwards.
    EXPECT_EQ(picture.GetPenStyle(), PenStyle::Solid);
    EXPECT_EQ(picture.PenColour(), PlotScene::kGraph[0]);
    EXPECT_FALSE(host.busy);
}

// The recorded polyline of a curve, to see which points were joined.
struct Recorded : Plot {
    RecordingCanvas canvas{400, 400};
    Recorded() { scene.ctx.Picture = &canvas; }
    // Curve segments that cross column `c` (strictly between their ends).
    int SegmentsAcross(int c) const {
        int n = 0;
        for (const CanvasCall& l : canvas.LinesIn(PlotScene::kGraph[0]))
            n += std::min(l.x1, l.x2) < c && c < std::max(l.x1, l.x2);
        return n;
    }
    std::vector<CanvasCall> Asymptotes() const { return canvas.LinesIn(PlotScene::kAsymptote); }
};

TEST_F(Recorded, DoublePoleIsPlacedWhereTheMagnitudeStartsToFall) {
    scene.settings.ShowAsymptotes = true;
    scene.settings.AsymptoteBeep = true;
    scene.SetView(-10.1L, 10, -10, 10, 400, 400);
    Curve([](double x, double& y) {
        if (x == 0) return false;
        y = 1 / (x * x);
        return true;
    });
    Draw();
    const auto lines = Asymptotes();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].x1, 201, 1);
    EXPECT_EQ(lines[0].style, PenStyle::Dot);
    EXPECT_EQ(lines[0].y1, 0);
    EXPECT_EQ(lines[0].y2, 1200);
    EXPECT_EQ(host.beeps, 1);
    // No segment joins the two branches over the pole.
    for (const CanvasCall& l : canvas.LinesIn(PlotScene::kGraph[0]))
        EXPECT_FALSE(l.x1 <= 200 && l.x2 >= 202) << l.x1 << "-" << l.x2;
}

TEST_F(Recorded, LogarithmGetsItsDomainEdgeAtZero) {
    scene.settings.ShowAsymptotes = true;
    Curve([](double x, double& y) {
        if (x <= 0) return false;
        y = std::log(x);
        return true;
    });
    Draw();
    const auto lines = Asymptotes();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 200);
    for (const CanvasCall& l : canvas.LinesIn(PlotScene::kGraph[0])) EXPECT_GE(std::min(l.x1, l.x2), 200);
    EXPECT_GT(canvas.LinesIn(PlotScene::kGraph[0]).size(), 400u);

    // A right-hand domain edge: sqrt(1 - x) ends at x = 1.
    canvas.calls.clear();
    Curve([](double x, double& y) {
        if (x > 1) return false;
        y = std::sqrt(1 - x);
        return true;
    });
    Draw();
    ASSERT_EQ(Asymptotes().size(), 1u);
    EXPECT_EQ(Asymptotes()[0].x1, 220);
}

TEST_F(Recorded, TangentBreaksAtJumpsWithoutAsymptotes) {
    scene.settings.ShowAsymptotes = false;
    scene.SetView(-5, 5, -5, 5, 400, 400);
    Curve([](double x, double& y) { return y = std::tan(x), true; });
    Draw();
    EXPECT_TRUE(Asymptotes().empty());
    for (const CanvasCall& l : canvas.LinesIn(PlotScene::kGraph[0]))
        EXPECT_LE(std::abs(l.y1 - l.y2), 800) << l.x1;
    for (double pole : {-3 * kPi / 2, -kPi / 2, kPi / 2, 3 * kPi / 2}) {
        const int c = int(std::lround((pole + 5) * 40));
        EXPECT_EQ(SegmentsAcross(c), 0) << pole;
    }
    // The branches themselves are complete.
    EXPECT_GT(canvas.LinesIn(PlotScene::kGraph[0]).size(), 900u);
}

TEST_F(Plot, TangentPixelsStayOffThePoles) {
    scene.SetView(-5, 5, -5, 5, 400, 400);
    Curve([](double x, double& y) { return y = std::tan(x), true; });
    Draw();
    EXPECT_TRUE(ColumnsWith(PlotScene::kAsymptote).empty());
    for (double pole : {-kPi / 2, kPi / 2}) {
        const int c = int(std::lround((pole + 5) * 40));
        EXPECT_EQ(CountIn(PlotScene::kGraph[0], c - 1, 0, c + 2, 400), 0) << pole;
    }
}

TEST_F(Plot, StrictBoundaryIsDashedNineOnSevenOff) {
    scene.ctx.Strict = true;
    Curve([](double, double& y) { return y = 1, true; });
    Draw();
    const int row = 180;
    std::vector<std::pair<Colour, int>> runs;
    for (int x = 0; x < 400; ++x) {
        const Colour p = picture.Pixel(x, row);
        if (runs.empty() || runs.back().first != p)
            runs.push_back({p, 1});
        else
            ++runs.back().second;
    }
    ASSERT_GT(runs.size(), 40u);
    for (size_t i = 1; i + 1 < runs.size(); ++i) {
        if (runs[i].first == PlotScene::kGraph[0])
            EXPECT_EQ(runs[i].second, 9) << i;
        else
            EXPECT_EQ(runs[i].second, 7) << i;
        EXPECT_TRUE(runs[i].first == PlotScene::kGraph[0] || runs[i].first == PlotScene::kBackground);
    }
}

TEST_F(Plot, DerivativeAndIntegralPasses) {
    Curve([](double x, double& y) { return y = x * x / 4, true; });
    scene.settings.PlotDerivative = true;
    Draw(true, false);
    // f' = x / 2: at x = 4 the value 2 lies on row 160.
    EXPECT_GT(CountIn(PlotScene::kDerivative, 279, 158, 282, 163), 0);
    EXPECT_EQ(CountIn(PlotScene::kGraph[0], 0, 0, 400, 400), 0);  // f itself is not drawn

    QImageCanvas second(400, 400, kPaper);
    scene.ctx.Picture = &second;
    scene.SetView(-10, 10, 0, 25, 400, 400);
    scene.settings.PlotIntegral = true;
    Curve([](double, double& y) { return y = 1, true; });
    Draw(false, true);
    // The running sum at x = 0 is 513 x XStep = 10.02: row 400 - 160.
    bool found = false;
    for (int r = 237; r <= 243; ++r) found |= second.Pixel(200, r) == PlotScene::kIntegral;
    EXPECT_TRUE(found);

    // A formula that calls INTEG itself draws in the graph colour.
    QImageCanvas third(400, 400, kPaper);
    scene.ctx.Picture = &third;
    scene.settings.PlotIntegral = false;
    Draw(false, true);
    bool graph = false;
    for (int r = 237; r <= 243; ++r) graph |= third.Pixel(200, r) == PlotScene::kGraph[0];
    EXPECT_TRUE(graph);
}

TEST_F(Recorded, IntegralKeepsItsColourAfterADomainEdge) {
    scene.settings.ShowAsymptotes = true;
    scene.settings.PlotIntegral = true;
    scene.SetView(-10, 10, -20, 20, 400, 400);
    Curve([](double x, double& y) {
        if (x <= 0) return false;
        y = std::log(x);
        return true;
    });
    Draw(false, true);
    ASSERT_EQ(Asymptotes().size(), 1u);
    EXPECT_TRUE(canvas.LinesIn(PlotScene::kGraph[0]).empty());
    EXPECT_GT(canvas.LinesIn(PlotScene::kIntegral).size(), 400u);
}

TEST_F(Plot, InverseModeSamplesYAndPlotsTheMirrorImage) {
    // What INV does: the flag is raised by the first evaluation.
    Curve([&](double x, double& y) {
        inverseMode = true;
        y = x * x;
        return true;
    });
    Draw();
    EXPECT_FALSE(inverseMode);  // cleared at the end of the run
    // x = y^2: (4, 2) and (4, -2) are on it, (2, 4) is not.
    EXPECT_GT(CountIn(PlotScene::kGraph[0], 279, 159, 282, 162), 0);
    EXPECT_GT(CountIn(PlotScene::kGraph[0], 279, 239, 282, 242), 0);
    EXPECT_EQ(CountIn(PlotScene::kGraph[0], 235, 115, 246, 126), 0);
}

TEST_F(Plot, EscapeStopsAndKeepsWhatWasDrawn) {
    Curve([](double x, double& y) { return y = x, true; });
    scene.settings.FamilyActive = true;
    host.stopAt = 200;
    inverseMode = false;
    EXPECT_EQ(Draw(), PlotResult::Stopped);
    const int drawn = CountIn(PlotScene::kGraph[0], 0, 0, 400, 400);
    EXPECT_GT(drawn, 50);
    EXPECT_LT(drawn, 100);
    EXPECT_FALSE(host.busy);
    EXPECT_EQ(host.families, 0);

    host.stopAt = -1;
    EXPECT_EQ(Draw(), PlotResult::Done);
    EXPECT_EQ(host.families, 1);  // the next member of the family
    EXPECT_EQ(host.polls, 200 + 1025);  // one poll per sample
}

TEST_F(Plot, EscapeStopsAnAsymptoteSearch) {
    scene.settings.ShowAsymptotes = true;
    scene.SetView(-10.1L, 10, -10, 10, 400, 400);
    int calls = 0;
    Curve([&](double x, double& y) {
        ++calls;
        if (calls > 600) host.stopAt = host.polls + 1;  // inside the search
        y = 1 / x;
        return x != 0;
    });
    EXPECT_EQ(Draw(), PlotResult::Stopped);
}

TEST_F(Plot, WindowGetsTheSameCurveWhileShowPlotIsSet) {
    QImageCanvas window(400, 400, kPaper);
    scene.ctx.Window = &window;
    scene.settings.ShowAsymptotes = true;
    Curve([](double x, double& y) {
        if (x <= 0) return false;
        y = std::log(x);
        return true;
    });
    scene.settings.ShowPlot = false;
    Draw();
    EXPECT_EQ(CountIn(PlotScene::kGraph[0], 0, 0, 400, 400), [&] {
        int n = 0;
        for (int x = 0; x < 400; ++x)
            for (int y = 0; y < 400; ++y) n += picture.Pixel(x, y) == PlotScene::kGraph[0];
        return n;
    }());
    int onWindow = 0;
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 400; ++y) onWindow += window.Pixel(x, y) == PlotScene::kGraph[0];
    EXPECT_EQ(onWindow, 0);

    scene.settings.ShowPlot = true;
    picture.image().fill(qRgb(255, 255, 255));
    window.image().fill(qRgb(255, 255, 255));
    Draw();
    EXPECT_EQ(window.image(), picture.image());
}

TEST_F(Plot, NothingIsDrawnWithoutAFormulaOrOnAnEmptyView) {
    Curve([](double x, double& y) { return y = x, true; });
    scene.ctx.FormulaReady = false;
    Draw();
    EXPECT_EQ(CountIn(PlotScene::kGraph[0], 0, 0, 400, 400), 0);
    scene.ctx.FormulaReady = true;
    scene.settings.XStep = 0;  // would never advance
    inverseMode = true;
    EXPECT_EQ(Draw(), PlotResult::Done);
    EXPECT_FALSE(inverseMode);
    EXPECT_EQ(CountIn(PlotScene::kGraph[0], 0, 0, 400, 400), 0);
}

TEST_F(Recorded, SearchesEndOnCurvesWithoutPoles) {
    scene.settings.ShowAsymptotes = true;
    // A step far out of view that never changes sign nor falls again, and a
    // curve that grows too fast for joining: no asymptote, no hang.
    Curve([](double x, double& y) { return y = x < 0 ? 0 : 1e6, true; });
    const auto start = std::chrono::steady_clock::now();
    Draw();
    EXPECT_TRUE(Asymptotes().empty());
    Curve([](double x, double& y) { return y = std::exp(3 * x), true; });
    Draw();
    EXPECT_TRUE(Asymptotes().empty());
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 2.0);
}

TEST_F(Recorded, SearchFunctionsTerminateFarFromTheOrigin) {
    // Near 1e15 the ends of a bisection can never come within 1e-10.
    scene.SetView(1e15L, 1e15L + 1000, -10, 10, 400, 400);
    const double pole = 1e15 + 500;
    Curve([&](double x, double& y) {
        if (x == pole) return false;
        y = 1 / (x - pole);
        return true;
    });
    const auto found = FindAsymptoteAfterJump(scene.ctx, pole - 1);
    ASSERT_TRUE(found.has_value());
    EXPECT_NEAR(double(*found), pole, 2.0);
    Curve([&](double x, double& y) { return y = 0, x < pole; });
    EXPECT_NEAR(double(FindDomainEdge(scene.ctx, true, pole)), pole, 2.0);
    // A double pole so far out that a tenth of a step no longer moves x.
    scene.SetView(1e19L, 1e19L + 1000, -10, 10, 400, 400);
    Curve([](double x, double& y) { return y = 1e6 + std::fmod(x, 7.0), true; });
    const auto start = std::chrono::steady_clock::now();
    FindAsymptoteAfterJump(scene.ctx, 1e19L + 10);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
    // Defined everywhere or nowhere: the search ends at one end.
    Curve([](double, double& y) { return y = 1, true; });
    scene.SetView(-10, 10, -10, 10, 400, 400);
    EXPECT_NEAR(double(FindDomainEdge(scene.ctx, true, 0)), double(8 * scene.settings.XStep), 1e-9);
    Curve([](double, double&) { return false; });
    EXPECT_NEAR(double(FindDomainEdge(scene.ctx, true, 0)), double(-8 * scene.settings.XStep), 1e-9);
}

// The same curves through the formula engine: undefined points come back
// from TryValue, INV raises the window's flag through the parser's host.
struct EngineCurves : Recorded {
    struct Flags : ParserHost {
        bool* inverse = nullptr;
        void InverseCalled() override { *inverse = true; }
    } flags;
    TParser parser;
    EngineCurves() {
        flags.inverse = &inverseMode;
        parser.SetHost(&flags);
        scene.ctx.Parser = &parser;
        scene.settings.ShowAsymptotes = true;
    }
};

TEST_F(EngineCurves, LogarithmAndReciprocalFromFormulas) {
    parser.SetExpression("LN(X)");
    ASSERT_EQ(Draw(), PlotResult::Done);
    ASSERT_EQ(Asymptotes().size(), 1u);
    EXPECT_EQ(Asymptotes()[0].x1, 200);

    canvas.calls.clear();
    scene.SetView(-10.1L, 10, -10, 10, 400, 400);
    parser.SetExpression("1/X");
    Draw();
    ASSERT_EQ(Asymptotes().size(), 1u);
    EXPECT_EQ(Asymptotes()[0].x1, 201);
    for (const CanvasCall& l : canvas.LinesIn(PlotScene::kGraph[0]))
        EXPECT_FALSE(l.x1 <= 200 && l.x2 >= 202) << l.x1 << "-" << l.x2;
}

TEST_F(EngineCurves, PolesGetTheirLineWhetherOrNotAStepLandsOnThem) {
    // On -8..8 the step is 1/64, so x = 0 and x = 1 are sampled exactly and
    // raise errors; on -10.1..10 they are stepped over.
    const struct {
        const char* formula;
        std::vector<double> poles;
    } cases[] = {{"1/X", {0}},
                 {"1/(X-1)", {1}},
                 {"TAN(X)", {-5 * kPi / 2, -3 * kPi / 2, -kPi / 2, kPi / 2, 3 * kPi / 2, 5 * kPi / 2}}};
    for (const auto& [xMin, xMax] : {std::pair{-8.0L, 8.0L}, std::pair{-10.1L, 10.0L}}) {
        scene.SetView(xMin, xMax, -10, 10, 400, 400);
        for (const auto& c : cases) {
            canvas.calls.clear();
            parser.SetExpression(c.formula);
            ASSERT_EQ(Draw(), PlotResult::Done);
            auto column = [&](double x) { return double((x - xMin) / (xMax - xMin) * 400); };
            const auto lines = Asymptotes();
            for (const CanvasCall& l : lines) {
                bool atPole = false;
                for (double pole : c.poles) atPole |= std::abs(l.x1 - column(pole)) <= 1.5;
                EXPECT_TRUE(atPole) << c.formula << " view from " << double(xMin) << ": line at " << l.x1;
            }
            for (double pole : c.poles) {
                if (pole <= double(xMin) || pole >= double(xMax)) continue;
                bool drawn = false;
                for (const CanvasCall& l : lines) drawn |= std::abs(l.x1 - column(pole)) <= 1.5;
                EXPECT_TRUE(drawn) << c.formula << " pole " << pole << " view from " << double(xMin);
            }
        }
    }
}

TEST_F(EngineCurves, InvSwapsTheRolesOfXAndY) {
    parser.SetExpression("INV(X*X)");
    Draw();
    EXPECT_FALSE(inverseMode);
    // Sampled along y: the points run from the bottom row to the top.
    const auto lines = canvas.LinesIn(PlotScene::kGraph[0]);
    ASSERT_GT(lines.size(), 500u);
    EXPECT_GT(lines.front().y1, 390);
    EXPECT_LT(lines.back().y2, 10);
    for (const CanvasCall& l : lines) EXPECT_GE(std::min(l.x1, l.x2), 199);  // x = y^2 >= 0
}

}  // namespace
}  // namespace kurvo
