// Inequality shading: the mesh of dots on one side of the boundary.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/implicit_plotter.h"
#include "plot/shading.h"
#include "plot/view_mapping.h"
#include "support/test_support.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

constexpr Colour kBackground = 0xC0C0C0;

// -10..10 x -10..10 on 200 x 200: mesh point (10i, 10j) is the graph
// point (i - 10, 10 - j), so the mesh sits on whole numbers.
struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    QImageCanvas picture{201, 201, kBackground};
    TParser parser;
    TFormulaTrans translator;
    PlotContext ctx{s, view, mapping};

    Scene() {
        s.XMin = s.YMin = -10;
        s.XMax = s.YMax = 10;
        s.XStep = 20.0L / 1024;
        view.PlotWidth = view.PlotHeight = 200;
        RecomputeRanges(s, view);
        ctx.Picture = &picture;
        ctx.Parser = &parser;
        ctx.Slot = 3;  // GraphColours[3]
    }
    Colour colour() const { return s.GraphColours[3]; }
    bool Marked(int x, int y) const { return picture.Pixel(int(10 * (x + 10)), int(10 * (10 - y))) == colour(); }
    // Every mesh point is marked exactly where `expected` holds; every
    // other pixel is untouched.
    void ExpectMesh(const std::function<bool(int, int)>& expected) const {
        for (int row = 0; row <= 200; ++row)
            for (int column = 0; column <= 200; ++column) {
                const Colour c = picture.Pixel(column, row);
                if (column % 10 || row % 10) {
                    ASSERT_EQ(c, kBackground) << column << "," << row;
                    continue;
                }
                const int x = column / 10 - 10, y = 10 - row / 10;
                ASSERT_EQ(c == colour(), expected(x, y)) << "(" << x << ", " << y << ")";
            }
    }
};

TEST(CartesianShading, RelationBoxTextAndOptionChooseTheSide) {
    EXPECT_EQ(CartesianShadeSide("y>", true), ShadeSide::Above);
    EXPECT_EQ(CartesianShadeSide("y>=", true), ShadeSide::Above);
    EXPECT_EQ(CartesianShadeSide("y>", false), ShadeSide::Below);
    EXPECT_EQ(CartesianShadeSide("y<", true), ShadeSide::Below);
    EXPECT_EQ(CartesianShadeSide("y<=", false), ShadeSide::Above);
    EXPECT_FALSE(CartesianShadeSide("y=", true));
    EXPECT_FALSE(CartesianShadeSide("y=>", true));  // code 1, but not shaded
    EXPECT_FALSE(CartesianShadeSide("y=<", false));
}

TEST(CartesianShading, DotsAboveOrBelowTheLineForBothOptions) {
    {
        Scene sc;
        sc.parser.SetExpression("(x)");
        sc.s.ShadeDefinedSide = true;
        EXPECT_EQ(ShadeCartesian(sc.ctx, "y>"), PlotResult::Done);
        sc.ExpectMesh([](int x, int y) { return y > x; });
    }
    {
        Scene sc;
        sc.parser.SetExpression("(x)");
        sc.s.ShadeDefinedSide = false;
        ShadeCartesian(sc.ctx, "y>=");
        sc.ExpectMesh([](int x, int y) { return y < x; });
    }
    {
        Scene sc;
        sc.parser.SetExpression("(x)");
        sc.s.ShadeDefinedSide = true;
        ShadeCartesian(sc.ctx, "y=>");
        sc.ExpectMesh([](int, int) { return false; });
    }
}

TEST(CartesianShading, UndefinedMeshPointsStayBlank) {
    Scene sc;
    sc.parser.SetExpression("(LN(x))");
    sc.s.ShadeDefinedSide = true;
    ShadeAbove(sc.ctx);
    sc.ExpectMesh([](int x, int y) { return x > 0 && y > std::log(double(x)); });
}

TEST(CartesianShading, WindowGetsTheDotsOnlyWhileShowPlotIsSet) {
    for (bool show : {true, false}) {
        Scene sc;
        QImageCanvas window(201, 201, kBackground);
        sc.ctx.Window = &window;
        sc.s.ShowPlot = show;
        sc.parser.SetExpression("(0)");
        ShadeBelow(sc.ctx);
        EXPECT_EQ(window.Pixel(0, 200) == sc.colour(), show);
        EXPECT_TRUE(sc.Marked(0, -10));
    }
}

TEST(ImplicitShading, CircleInsideOrOutsideAndNeverOnTheBoundary) {
    for (bool defined : {true, false}) {
        Scene sc;
        sc.s.ShadeDefinedSide = defined;
        EXPECT_EQ(ShadeImplicit(sc.ctx, "x^2+y^2<25", 2, sc.translator), PlotResult::Done);
        sc.ExpectMesh([&](int x, int y) {
            const int f = x * x + y * y - 25;
            return defined ? f < 0 : f > 0;
        });
        // (3, 4) and (5, 0) lie on the circle: F = 0 is never marked.
        EXPECT_FALSE(sc.Marked(3, 4));
        EXPECT_FALSE(sc.Marked(-5, 0));
    }
}

TEST(ImplicitShading, GreaterRelationsAndTheirNonStrictForms) {
    // y >= x² - 4 with the defined side: above the parabola (F = y - x² + 4 > 0).
    Scene sc;
    sc.s.ShadeDefinedSide = true;
    ShadeImplicit(sc.ctx, "y>=x^2-4", 1, sc.translator);
    sc.ExpectMesh([](int x, int y) { return y - (x * x - 4) > 0; });

    Scene other;
    other.s.ShadeDefinedSide = false;
    ShadeImplicit(other.ctx, "y>x^2-4", 0, other.translator);
    other.ExpectMesh([](int x, int y) { return y - (x * x - 4) < 0; });
}

TEST(ImplicitShading, UndefinedPointsBlankAndEqualitiesUnshaded) {
    Scene sc;
    sc.s.ShadeDefinedSide = true;
    ShadeImplicit(sc.ctx, "y<ln(x)", 2, sc.translator);
    sc.ExpectMesh([](int x, int y) { return x > 0 && y < std::log(double(x)); });

    Scene eq;
    ShadeImplicit(eq.ctx, "x^2+y^2=25", 4, eq.translator);
    eq.ExpectMesh([](int, int) { return false; });
}

TEST(ImplicitShading, LeavesTheTranslatorsReportAndLoadsF) {
    Scene sc;
    sc.translator.Instring = test::cp1252("x²+y²<25");
    sc.translator.Translate();
    ASSERT_TRUE(sc.translator.Root);
    const std::string second = sc.translator.SecondFn;
    ShadeImplicit(sc.ctx, test::cp1252("x²+y²<25"), 2, sc.translator);
    EXPECT_TRUE(sc.translator.Root);
    EXPECT_EQ(sc.translator.SecondFn, second);
    EXPECT_EQ(sc.translator.ycount, 1);
    EXPECT_FALSE(sc.translator.Implicit_simple_sort);
    // Parser 1 holds F = x² + y² - 25 now, not the boundary.
    sc.parser.X = 3;
    sc.parser.Y = 1;
    double f = 0;
    ASSERT_TRUE(sc.parser.TryValue(f));
    EXPECT_DOUBLE_EQ(f, -15);
}

TEST(ImplicitShading, AliasesAndRelationSignsBuildTheEquation) {
    const std::vector<std::string> aliases = {"x^2+y^2<9:Disc", "", "no colon here", "disc:ring",
                                              "x^2+y^2>4:ring"};
    // One walk through the lines: a line before the match is not looked at
    // again, later lines see the replaced text.
    EXPECT_EQ(ApplyFunctionAliases("RING", aliases), "disc");
    EXPECT_EQ(ApplyFunctionAliases("ring", {"disc:ring", "x^2+y^2<9:DISC"}), "x^2+y^2<9");
    EXPECT_EQ(ApplyFunctionAliases("Disc", aliases), "x^2+y^2<9");
    EXPECT_EQ(ApplyFunctionAliases("x+y", aliases), "x+y");
    EXPECT_EQ(ApplyFunctionAliases("", aliases), "");

    EXPECT_EQ(ImplicitShadingEquation("x^2+y^2>=4", 1, {}), "x^2+y^2=4");
    EXPECT_EQ(ImplicitShadingEquation("y=<x", 3, {}), "y=x");
    EXPECT_EQ(ImplicitShadingEquation("y<x", 2, {}), "y=x");
    EXPECT_EQ(ImplicitShadingEquation("y=x", 4, {}), "");
    EXPECT_EQ(ImplicitShadingEquation("y+x", 2, {}), "");  // no sign to compare with
    // The "=" characters go before the alias walk.
    EXPECT_EQ(ImplicitShadingEquation("DISC", 2, aliases), "x^2+y^2=9");

    // A slot typed through an alias shades the aliased relation.
    Scene sc;
    sc.s.ShadeDefinedSide = true;
    ShadeImplicit(sc.ctx, "disc", 2, sc.translator, {"x^2+y^2<9:disc"});
    EXPECT_TRUE(sc.Marked(0, 0));
    EXPECT_TRUE(sc.Marked(2, 2));
    EXPECT_FALSE(sc.Marked(3, 0));
    EXPECT_FALSE(sc.Marked(5, 5));
}

TEST(ImplicitShading, BoundaryAndShadingTogether) {
    // x² + y² < 25 as the window draws it: dashed boundary by the
    // single-function plotter, dots inside.
    Scene sc;
    sc.s.ShadeDefinedSide = true;
    sc.s.ShowAsymptotes = false;
    sc.translator.Instring = "x^2+y^2<25";
    sc.translator.Translate();
    sc.parser.SetExpression(sc.translator.Outstring);
    sc.ctx.Strict = true;
    PlotImplicitSingle(sc.ctx, sc.translator.SecondFn, &sc.translator);
    int boundary = 0, gaps = 0;
    for (int a = 0; a < 360; ++a) {
        const double t = a * 3.14159265358979 / 180;
        const int column = 100 + int(std::lround(50 * std::cos(t)));
        const int row = 100 - int(std::lround(50 * std::sin(t)));
        bool hit = false;
        for (int d = -1; d <= 1; ++d) hit |= sc.picture.Pixel(column + d, row) == sc.colour() ||
                                             sc.picture.Pixel(column, row + d) == sc.colour();
        (hit ? boundary : gaps)++;
    }
    EXPECT_GT(boundary, 150);
    EXPECT_GT(gaps, 60);  // dashed
    ShadeImplicit(sc.ctx, "x^2+y^2<25", 2, sc.translator);
    EXPECT_TRUE(sc.Marked(0, 0));
    EXPECT_TRUE(sc.Marked(4, 2));
    EXPECT_FALSE(sc.Marked(4, 4));
}

TEST(Shading, EscapeStopsTheMesh) {
    struct Stop : PlotHost {
        int polls = 0;
        bool EscapePressed() override { return ++polls > 30; }
    } stop;
    Scene sc;
    sc.ctx.Host = &stop;
    sc.parser.SetExpression("(0)");
    EXPECT_EQ(ShadeBelow(sc.ctx), PlotResult::Stopped);
    EXPECT_EQ(stop.polls, 31);
}

}  // namespace
}  // namespace kurvo
