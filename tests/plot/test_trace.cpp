// The read-out under the mouse, the tangent and the direction field, on a
// 400 x 400 area over -10..10 x -10..10 (20 pixels per unit).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "expr/real_format.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"
#include "plot/trace.h"

namespace kurvo {
namespace {

using test::CanvasCall;
using test::FakeHost;

constexpr long double kPi = 3.14159265358979323846L;

int Column(long double x) { return static_cast<int>(std::lround((x + 10) * 20)); }
int Row(long double y) { return static_cast<int>(400 - std::lround((y + 10) * 20)); }

struct TraceFixture : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator('.');
        graph = std::make_unique<TGraphWindow>(host);
        graph->Settings.ShowAsymptotes = false;
        graph->Settings.SigFigs = 6;
        trace = std::make_unique<TGraphTrace>(*graph);
    }
    void Plot(const std::string& formula, const std::string& relation = "y=") {
        host.formula = formula;
        host.relation = relation;
        graph->PlotCommand();
    }
    FakeHost host;
    std::unique_ptr<TGraphWindow> graph;
    std::unique_ptr<TGraphTrace> trace;
};

TEST(PolarAngle, QuadrantsAxesAndDegrees) {
    EXPECT_NEAR(PolarAngle(1, 1, false), kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(-1, 1, false), 3 * kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(-1, -1, false), -3 * kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(1, -1, false), -kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(-1, 0, false), kPi, 1e-15);
    EXPECT_NEAR(PolarAngle(0, 1, false), kPi / 2, 1e-15);
    EXPECT_NEAR(PolarAngle(0, -1, false), -kPi / 2, 1e-15);
    EXPECT_EQ(PolarAngle(3, 0, false), 0);
    EXPECT_EQ(PolarAngle(0, 0, false), 0);
    EXPECT_NEAR(PolarAngle(-1, 0, true), 180, 1e-12);
    EXPECT_NEAR(PolarAngle(0, -2, true), -90, 1e-12);
}

TEST_F(TraceFixture, OnCurveReadsTheCurveAndItsSlope) {
    Plot("x^2");
    graph->Settings.SnapToGraph = true;
    ASSERT_EQ(trace->PickTracedSlot(Column(1), Row(1)), 0);
    const TraceMarks m = trace->TraceOnCurve(Column(1), Row(7));
    EXPECT_EQ(m.Panels[0], "x= 1");
    EXPECT_EQ(m.Panels[1], "y= 1");
    EXPECT_EQ(m.Panels[2], "r= 1.41421");
    EXPECT_EQ(m.Panels[3], "t= 0.785398");
    EXPECT_EQ(m.Panels[4], "dy/dx= 2.00001");
    // The horizontal line follows the curve, not the pointer.
    ASSERT_TRUE(m.CrossHair);
    EXPECT_EQ(*m.CrossHair, (TracePixel{Column(1), Row(1)}));
    EXPECT_FALSE(m.Tangent);

    graph->Settings.Degrees = true;
    EXPECT_EQ(trace->TraceOnCurve(Column(-1), 0).Panels[3], "t= 135");
}

TEST_F(TraceFixture, TangentThroughTheCurvePoint) {
    Plot("x^2");
    graph->Settings.ShowTangent = true;
    trace->PickTracedSlot(Column(2), Row(4));
    const TraceMarks m = trace->TraceOnCurve(Column(2), Row(4));
    EXPECT_EQ(m.Panels[4], "dy/dx= 4.00001");
    ASSERT_TRUE(m.Tangent);
    // y = 4.00001 (x - 2) + 4 from the left edge to the right edge.
    const auto& t = *m.Tangent;
    EXPECT_EQ(t[0].Column, 0);
    EXPECT_EQ(t[1].Column, 400);
    EXPECT_NEAR(t[0].Row, Row(4.00001L * -12 + 4), 1);
    EXPECT_NEAR(t[1].Row, Row(4.00001L * 8 + 4), 1);

    // Negative numbers in the tangent's text ("+-1") still translate.
    EXPECT_EQ(TGraphTrace::TangentText(0.5, 2, 1), "0.5*(X-(2))+1");
    Plot("x^3");
    trace->PickTracedSlot(Column(-1), Row(-1));
    const TraceMarks cube = trace->TraceOnCurve(Column(-1), Row(-1));
    ASSERT_TRUE(cube.Tangent);
    EXPECT_NEAR((*cube.Tangent)[0].Row, Row(3 * -9 - 1), 1);
    EXPECT_NEAR((*cube.Tangent)[1].Row, Row(3 * 11 - 1), 1);
}

TEST_F(TraceFixture, UndefinedPointsAndTheFreeReadOut) {
    Plot("sqrt(x)");
    trace->PickTracedSlot(Column(4), Row(2));
    const TraceMarks m = trace->TraceOnCurve(Column(-4), Row(3));
    EXPECT_EQ(m.Panels[0], "x= -4");
    EXPECT_EQ(m.Panels[1], "y= Undefined");
    EXPECT_EQ(m.Panels[2], "r= Undefined");
    EXPECT_EQ(m.Panels[3], "t= Undefined");
    EXPECT_EQ(m.Panels[4], "dy/dx= Undefined");
    ASSERT_TRUE(m.CrossHair);
    EXPECT_EQ(*m.CrossHair, (TracePixel{Column(-4), Row(3)}));

    const TraceMarks free = trace->TraceFree(Column(-3), Row(4));
    EXPECT_EQ(free.Panels[0], "x= -3");
    EXPECT_EQ(free.Panels[1], "y= 4");
    EXPECT_EQ(free.Panels[2], "r= 5");
    EXPECT_EQ(free.Panels[3], "t= 2.2143");
    EXPECT_EQ(free.Panels[4], "dy/dx= Undefined");
    EXPECT_EQ(*free.CrossHair, (TracePixel{Column(-3), Row(4)}));
}

TEST_F(TraceFixture, PicksTheNearestGraph) {
    Plot("sqrt(x)");
    Plot("x+5", "y>=");
    Plot("x-5");
    // Near y = x + 5; the first graph is undefined there and is passed over.
    EXPECT_EQ(trace->PickTracedSlot(Column(-4), Row(1.5)), 1);
    EXPECT_EQ(host.formula, "x+5");
    EXPECT_EQ(host.relationIndex, 2);
    graph->Settings.SnapToGraph = true;
    EXPECT_EQ(trace->TraceOnCurve(Column(-4), 0).Panels[1], "y= 1");

    EXPECT_EQ(trace->PickTracedSlot(Column(4), Row(-0.5)), 2);
    EXPECT_EQ(host.formula, "x-5");
    EXPECT_EQ(host.relationIndex, 0);
    EXPECT_EQ(trace->PickTracedSlot(Column(4), Row(2.2)), 0);
    // Automatic y-scaling draws the first slot only, so it is the one traced.
    graph->Settings.AutoYScale = true;
    trace->PickTracedSlot(Column(4), Row(-1));
    EXPECT_EQ(trace->TraceOnCurve(Column(4), 0).Panels[1], "y= 2");
    EXPECT_EQ(host.formula, "sqrt(x)");
}

TEST_F(TraceFixture, ImplicitSecondBranch) {
    graph->Settings.CartesianMode = false;
    graph->Settings.ImplicitMode = true;
    Plot("x^2+y^2=25");
    ASSERT_FALSE(graph->Slots.GraphSecondFormula[0].empty());
    trace->PickTracedSlot(Column(0), Row(-4.5));
    EXPECT_TRUE(trace->TracedSecondBranch());
    EXPECT_EQ(trace->TraceOnCurve(Column(0), 0).Panels[1], "y= -5");
    trace->PickTracedSlot(Column(0), Row(4.5));
    EXPECT_FALSE(trace->TracedSecondBranch());
    EXPECT_EQ(trace->TraceOnCurve(Column(0), 0).Panels[1], "y= 5");

    // A relation not solved for y has no curve point to follow.
    graph->Settings.ShowTangent = true;
    Plot("x*y+y=1");
    ASSERT_EQ(graph->Slots.YTermCount[1], 2);
    ASSERT_EQ(trace->PickTracedSlot(Column(1), Row(0.5)), 1);
    const TraceMarks free = trace->TraceOnCurve(Column(1), Row(3));
    EXPECT_EQ(free.Panels[1], "y= 3");
    EXPECT_EQ(free.Panels[4], "dy/dx= Undefined");
    EXPECT_FALSE(free.Tangent);
}

TEST_F(TraceFixture, DirectionFieldMarks) {
    graph->Settings.IntegralColour = 0x00ABCD;
    Plot("x");
    size_t before = host.picture().calls.size();
    graph->DirectionClick();
    const auto& calls = host.picture().calls;
    size_t marks = 0, level = 0;
    for (size_t k = before; k < calls.size(); ++k) {
        const CanvasCall& c = calls[k];
        if (c.kind != CanvasCall::Line || c.colour != 0x00ABCD) continue;
        ++marks;
        // At x = 0 the slope is 0: the marks there are level.
        if (std::abs((c.x1 + c.x2) / 2 - 200) <= 1) {
            ++level;
            EXPECT_EQ(c.y1, c.y2);
        }
    }
    EXPECT_EQ(marks, 31u * 21u);
    EXPECT_EQ(level, 21u);

    // Where f is undefined a column gets no marks.
    Plot("sqrt(x-0.1)");
    before = host.picture().calls.size();
    graph->DirectionClick();
    marks = 0;
    const auto& again = host.picture().calls;
    for (size_t k = before; k < again.size(); ++k)
        if (again[k].kind == CanvasCall::Line && again[k].colour == 0x00ABCD) ++marks;
    EXPECT_EQ(marks, 15u * 21u);
}

}  // namespace
}  // namespace kurvo
