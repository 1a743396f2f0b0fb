// Relations drawn by the single-function and the general implicit plotter.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/implicit_plotter.h"
#include "plot/view_mapping.h"
#include "support/test_support.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

constexpr Colour kBackground = 0xC0C0C0;

class StopAfter : public PlotHost {
public:
    explicit StopAfter(long polls) : polls_(polls) {}
    bool EscapePressed() override { return --polls_ < 0; }
    void AdvanceFamily() override { ++families; }
    int families = 0;

private:
    long polls_;
};

// -5..5 x -5..5 on 400 x 400 pixels (40 per unit) at plot step 256.
struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    QImageCanvas picture{401, 401, kBackground};
    TParser parser;
    TFormulaTrans translator;
    PlotContext ctx{s, view, mapping};
    std::string secondBranch;
    int yTerms = 0;

    Scene() {
        s.XMin = s.YMin = -5;
        s.XMax = s.YMax = 5;
        s.XStep = (s.XMax - s.XMin) / 256 * 0.25L;
        s.CartesianMode = false;
        s.ImplicitMode = true;
        s.ShowAsymptotes = false;
        view.PlotWidth = view.PlotHeight = 400;
        RecomputeRanges(s, view);
        ctx.Picture = &picture;
        ctx.Parser = &parser;
    }
    // Translates a relation as typed and loads it, keeping what the slot
    // needs: the y-term count and the second branch.
    void Load(const std::string& typed) {
        translator.Root = false;
        translator.Instring = test::cp1252(typed);
        translator.Translate();
        parser.SetExpression(translator.Outstring);
        yTerms = translator.ycount;
        secondBranch = translator.Root ? translator.SecondFn : std::string();
    }
    PlotResult Draw() {
        return UsesSingleFunctionPlotter(yTerms) ? PlotImplicitSingle(ctx, secondBranch, &translator)
                                                 : PlotImplicitGeneral(ctx);
    }
    Colour curve() const { return s.GraphColours[ctx.Slot % 5]; }
    long double GraphX(int column) const { return s.XMin + column * view.XRange / view.PlotWidth; }
    long double GraphY(int row) const { return s.YMin + (view.PlotHeight - row) * view.YRange / view.PlotHeight; }
    std::vector<CanvasPoint> Pixels(Colour colour) const {
        std::vector<CanvasPoint> out;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.Pixel(x, y) == colour) out.push_back({x, y});
        return out;
    }
    bool AnyNear(int x, int y, Colour colour, int radius = 1) const {
        for (int dx = -radius; dx <= radius; ++dx)
            for (int dy = -radius; dy <= radius; ++dy)
                if (picture.Pixel(x + dx, y + dy) == colour) return true;
        return false;
    }
};

TEST(ImplicitSingle, CircleWithOneYIsDrawnAsTwoBranches) {
    Scene sc;
    sc.Load("x²+y²=9");
    ASSERT_EQ(sc.yTerms, 1);
    ASSERT_FALSE(sc.secondBranch.empty());
    EXPECT_EQ(sc.Draw(), PlotResult::Done);

    const auto pixels = sc.Pixels(sc.curve());
    ASSERT_GT(pixels.size(), 300u);
    int upper = 0, lower = 0;
    for (const CanvasPoint& p : pixels) {
        const long double r = std::hypot(sc.GraphX(p.x), sc.GraphY(p.y));
        EXPECT_NEAR(double(r), 3.0, 0.06) << p.x << "," << p.y;
        (p.y < 200 ? upper : lower)++;
    }
    // Both halves, about equally long.
    EXPECT_GT(upper, 150);
    EXPECT_GT(lower, 150);
    EXPECT_NEAR(upper, lower, upper / 5);
    // Top and bottom of the circle.
    EXPECT_TRUE(sc.AnyNear(200, 80, sc.curve()));
    EXPECT_TRUE(sc.AnyNear(200, 320, sc.curve()));
    // No asymptote lines while asymptotes are off.
    EXPECT_TRUE(sc.Pixels(sc.s.AsymptoteColour).empty());
    // The halves meet at (-3, 0) and (3, 0), although the run skips ten
    // steps after each undefined sample.
    for (int column : {80, 320}) {
        int run = 0;
        for (int row = 190; row <= 210; ++row) run += sc.AnyNear(column, row, sc.curve());
        EXPECT_EQ(run, 21) << "gap at column " << column;
    }
}

TEST(ImplicitSingle, BranchEndsGetDomainEdgeLinesWhenAsymptotesAreOn) {
    Scene sc;
    sc.s.ShowAsymptotes = true;
    sc.Load("x²+y²=9");
    sc.Draw();
    const auto dots = sc.Pixels(sc.s.AsymptoteColour);
    ASSERT_FALSE(dots.empty());
    // Every dotted line stands at x = -3 or x = 3 (columns 80 and 320).
    std::vector<int> columns;
    for (const CanvasPoint& p : dots) {
        EXPECT_TRUE(std::abs(p.x - 80) <= 1 || std::abs(p.x - 320) <= 1) << p.x;
        columns.push_back(p.x);
    }
    bool left = false, right = false;
    for (int c : columns) {
        left |= std::abs(c - 80) <= 1;
        right |= std::abs(c - 320) <= 1;
    }
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);
    // The lines are dotted over the full height.
    int onLine = 0;
    for (int y = 0; y < 400; ++y) onLine += sc.picture.Pixel(ColumnOf(sc.ctx, 3), y) == sc.s.AsymptoteColour;
    EXPECT_GT(onLine, 100);
    EXPECT_LT(onLine, 400);
}

TEST(ImplicitSingle, EachSlotKeepsItsOwnSecondBranch) {
    // The circle's slot is redrawn after another relation was translated:
    // its own second branch still gives the lower half.
    Scene sc;
    sc.Load("x²+y²=9");
    const std::string circle = sc.parser.Expression();
    const std::string circleSecond = sc.secondBranch;
    const int circleYTerms = sc.yTerms;
    sc.Load("x*y+y=1");  // leaves the translator with ycount 2, no Root

    sc.parser.SetExpression(circle);
    ASSERT_TRUE(UsesSingleFunctionPlotter(circleYTerms));
    EXPECT_EQ(PlotImplicitSingle(sc.ctx, circleSecond, &sc.translator), PlotResult::Done);
    EXPECT_TRUE(sc.AnyNear(200, 320, sc.curve()));  // (0, -3)
    EXPECT_TRUE(sc.AnyNear(200, 80, sc.curve()));   // (0, 3)
}

TEST(ImplicitSingle, StrictBoundaryIsDashedAndNonStrictSolid) {
    for (bool strict : {true, false}) {
        Scene sc;
        sc.Load(strict ? "y>x" : "y>=x");
        sc.ctx.Strict = strict;
        sc.Draw();
        // Walk the diagonal y = x: column c, row 400 - c.
        int on = 0, off = 0, longestGap = 0, gap = 0;
        for (int c = 20; c < 380; ++c) {
            if (sc.AnyNear(c, 400 - c, sc.curve(), 0)) {
                ++on;
                gap = 0;
            } else {
                ++off;
                longestGap = std::max(longestGap, ++gap);
            }
        }
        if (strict) {
            // Along the diagonal each pixel step counts as one pixel of
            // length: 9 columns drawn, 7 left out.
            EXPECT_NEAR(double(off) / (on + off), 7.0 / 16, 0.06);
            EXPECT_GE(longestGap, 6);
            EXPECT_LE(longestGap, 8);
        } else {
            EXPECT_EQ(off, 0);
        }
    }
}

TEST(ImplicitSingle, UndefinedStretchesAreSkippedAndNothingJoinsAcrossThem) {
    // y = sqrt(1 - x²) ... only the upper half, on -1..1: nothing left of
    // x = -1 or right of x = 1, in particular no line along the bottom.
    Scene sc;
    sc.parser.SetExpression("((1-x^2)^(1/2))");
    sc.yTerms = 1;
    EXPECT_EQ(sc.Draw(), PlotResult::Done);
    for (const CanvasPoint& p : sc.Pixels(sc.curve())) {
        EXPECT_LE(std::fabs(double(sc.GraphX(p.x))), 1.03);
        EXPECT_GE(sc.GraphY(p.y), -0.03);
    }
    EXPECT_TRUE(sc.AnyNear(200, 160, sc.curve()));  // (0, 1)
}

TEST(ImplicitSingle, AfterAnErrorTheRunSkipsTenSteps) {
    // Undefined left of 0: the run samples the undefined half about once
    // every eleven steps (the edge search looks only between the last two
    // samples), and begins the curve right at the edge.
    Scene sc;
    int undefinedCalls = 0;
    long double firstDefined = 100;
    sc.ctx.Function = [&](double x, double& y) {
        if (x < 0) {
            if (x < -0.2) ++undefinedCalls;
            return false;
        }
        firstDefined = std::min(firstDefined, (long double)x);
        y = x;
        return true;
    };
    sc.yTerms = 1;
    EXPECT_EQ(sc.Draw(), PlotResult::Done);
    const double stepsInUndefinedPart = 4.8 / double(sc.s.XStep);
    EXPECT_NEAR(undefinedCalls, stepsInUndefinedPart / 11, 3);
    EXPECT_LT(firstDefined, 1e-9);
    EXPECT_TRUE(sc.AnyNear(ColumnOf(sc.ctx, 0), RowOf(sc.ctx, 0), sc.curve(), 0));
    EXPECT_TRUE(sc.AnyNear(ColumnOf(sc.ctx, 4), RowOf(sc.ctx, 4), sc.curve()));
    EXPECT_EQ(sc.picture.Pixel(ColumnOf(sc.ctx, -2), RowOf(sc.ctx, -2)), kBackground);
}

TEST(ImplicitSingle, StopsOnEscapeAndAdvancesFamiliesAfterBothBranches) {
    Scene sc;
    sc.Load("x²+y²=9");
    StopAfter stop(10);
    sc.ctx.Host = &stop;
    sc.s.FamilyActive = true;
    EXPECT_EQ(sc.Draw(), PlotResult::Stopped);
    EXPECT_EQ(stop.families, 0);

    Scene all;
    all.Load("x²+y²=9");
    StopAfter never(1L << 40);
    all.ctx.Host = &never;
    all.s.FamilyActive = true;
    EXPECT_EQ(all.Draw(), PlotResult::Done);
    EXPECT_EQ(never.families, 1);
}

TEST(ImplicitSingle, SecondBranchThatDoesNotCompileEndsQuietly) {
    Scene sc;
    sc.parser.SetExpression("(x)");
    EXPECT_NO_THROW(PlotImplicitSingle(sc.ctx, "((", nullptr));
    EXPECT_FALSE(sc.Pixels(sc.curve()).empty());  // the first branch stays
}

TEST(ImplicitGeneral, RelationWithYTwiceLiesOnItsCurve) {
    Scene sc;
    sc.Load("x*y+y=1");
    ASSERT_EQ(sc.yTerms, 2);
    EXPECT_EQ(sc.Draw(), PlotResult::Done);
    const auto pixels = sc.Pixels(sc.curve());
    ASSERT_GT(pixels.size(), 100u);
    int leftBranch = 0, rightBranch = 0;
    for (const CanvasPoint& p : pixels) {
        // On y = 1/(x+1), to within a pixel or two in x.
        const long double y = sc.GraphY(p.y);
        if (std::fabs(y) < 0.05) continue;  // rows near y = 0 have their root far away
        const long double x = 1 / y - 1;
        const int column = ColumnOf(sc.ctx, x);
        if (std::abs(column - p.x) > 2) {
            // Pieces joined inside a row band: the curve passes between the rows.
            EXPECT_NEAR(double(sc.GraphY(p.y) * (sc.GraphX(p.x) + 1)), 1.0, 0.35)
                << p.x << "," << p.y;
        }
        (sc.GraphX(p.x) < -1 ? leftBranch : rightBranch)++;
    }
    EXPECT_GT(leftBranch, 20);
    EXPECT_GT(rightBranch, 20);
    // Every row of the scan has its root marked.
    for (long double y = -5; y < 5; y += 8 * sc.s.XStep) {
        if (std::fabs(y) < 0.25L) continue;  // root beyond the view
        const long double x = 1 / y - 1;
        if (x < -5 || x > 5) continue;
        EXPECT_TRUE(sc.AnyNear(ColumnOf(sc.ctx, x), RowOf(sc.ctx, y), sc.curve())) << double(y);
    }
}

TEST(ImplicitGeneral, RootsFarApartInARowAreNotJoined) {
    // F = x² - 16 (+ 0y): vertical lines at x = -4 and x = 4 only.
    Scene sc;
    sc.parser.SetExpression("(x^2-16+0*y)");
    EXPECT_EQ(PlotImplicitGeneral(sc.ctx), PlotResult::Done);
    for (const CanvasPoint& p : sc.Pixels(sc.curve()))
        EXPECT_TRUE(std::abs(p.x - 40) <= 1 || std::abs(p.x - 360) <= 1) << p.x << "," << p.y;
    EXPECT_TRUE(sc.AnyNear(40, 200, sc.curve(), 3));
    EXPECT_TRUE(sc.AnyNear(360, 200, sc.curve(), 3));
}

TEST(ImplicitGeneral, RowsWithoutRootsContributeNothing) {
    Scene sc;
    sc.parser.SetExpression("(x^2+y^2+1)");  // no zero anywhere
    EXPECT_EQ(PlotImplicitGeneral(sc.ctx), PlotResult::Done);
    EXPECT_TRUE(sc.Pixels(sc.curve()).empty());
}

TEST(ImplicitGeneral, EvaluationErrorEndsThePlotWithAnError) {
    Scene sc;
    sc.parser.SetExpression("(LN(x)+y*y-1)");  // undefined at the first start x = -5
    EXPECT_THROW(PlotImplicitGeneral(sc.ctx), EEvaluationError);
}

TEST(ImplicitGeneral, EscapeStopsTheScan) {
    Scene sc;
    sc.Load("x*y+y=1");
    StopAfter stop(50);
    sc.ctx.Host = &stop;
    EXPECT_EQ(sc.Draw(), PlotResult::Stopped);
}

TEST(NewtonSolve, ConvergesRunsAwayOrGivesUpButAlwaysEnds) {
    TParser p;
    p.SetExpression("(x^2-y)");
    NewtonResult r = NewtonSolveX(p, 3, 4);
    ASSERT_TRUE(r.Success);
    EXPECT_NEAR(double(r.X), 2.0, 1e-6);
    EXPECT_NEAR(double(r.Derivative), 4.0, 1e-3);  // dF/dx at the root
    r = NewtonSolveX(p, -3, 4);
    ASSERT_TRUE(r.Success);
    EXPECT_NEAR(double(r.X), -2.0, 1e-6);
    EXPECT_LT(r.Derivative, 0);

    // A constant has no root: the zero slope is replaced and x runs away.
    p.SetExpression("(1+0*x)");
    r = NewtonSolveX(p, 0.5, 0);
    EXPECT_FALSE(r.Success);

    // x² + 1 has no real root and Newton's map wanders without running
    // away: the step bound ends it.
    p.SetExpression("(x^2+1)");
    r = NewtonSolveX(p, 0.3, 0);
    EXPECT_FALSE(r.Success);

    // Escape inside the solve.
    StopAfter stop(0);
    p.SetExpression("(x^2-y)");
    r = NewtonSolveX(p, 3, 4, &stop);
    EXPECT_TRUE(r.Stopped);
    EXPECT_FALSE(r.Success);

    p.SetExpression("(SQRT(x)-y)");
    EXPECT_THROW(NewtonSolveX(p, -1, 0), EEvaluationError);
}

}  // namespace
}  // namespace kurvo
