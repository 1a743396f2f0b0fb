// The graphs of a graph object as functions: constants, user functions,
// degrees and relations solved for y as the plot sees them.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/graph_curves.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"

namespace kurvo {
namespace {

double At(const GraphCurve& c, double x) {
    double y = NAN;
    return c.f(x, y) ? y : NAN;
}

TEST(GraphCurves, FormulasAsThePlotReadsThem) {
    test::FakeHost host;
    TGraphWindow graph(host);
    graph.Settings.Constants[0] = 4;  // a
    graph.CopyConstantsToParsers();
    graph.SetUserFunctionExpressions({"(X^2)", "()", "()", "()", "()", "()", "()"});
    for (const char* formula : {"x^2-a", "f(x)+1", "x^2+y^2=4"}) {
        host.formula = formula;
        graph.PlotCommand();
    }
    for (const std::string& error : host.errors) ADD_FAILURE() << error;
    GraphCurves curves(graph);
    ASSERT_EQ(curves.GraphCount(), 3);
    const auto& c = curves.Curves();
    ASSERT_EQ(c.size(), 3u) << "of the circle, the upper half the plot draws";
    EXPECT_EQ(At(c[0], 3), 5);
    EXPECT_EQ(At(c[1], 2), 5);
    EXPECT_EQ(c[2].graph, 3);
    EXPECT_EQ(At(c[2], 0), 2);
    EXPECT_TRUE(std::isnan(At(c[2], 3))) << "outside the circle";

    // A slider moved a: the curves follow once told.
    graph.Settings.Constants[0] = 9;
    curves.CopyConstants();
    EXPECT_EQ(At(c[0], 3), 0);
}

TEST(GraphCurves, DegreesOtherModesAndNumberFields) {
    test::FakeHost host;
    TGraphWindow graph(host);
    graph.Settings.Degrees = true;
    host.formula = "sin x";
    graph.PlotCommand();
    graph.Settings.CartesianMode = false;  // polar
    host.formula = "2";
    graph.PlotCommand();
    GraphCurves curves(graph);
    EXPECT_EQ(curves.GraphCount(), 1);
    EXPECT_EQ(curves.Skipped(), 1);
    EXPECT_NEAR(At(curves.Curves()[0], 90), 1, 1e-15);

    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {{"-2p", true, -6.283185308}, {"p/2", true, 1.570796327}, {"3", true, 3}, {"x+", false, 0},
                 {"1/0", false, 0}};
    for (const Case& k : cases) {
        double v = 0;
        EXPECT_EQ(EvaluateNumberText(graph, k.text, v), k.ok) << k.text;
        if (k.ok) {
            EXPECT_NEAR(v, k.value, 1e-12) << k.text;
        }
    }
}

}  // namespace
}  // namespace kurvo
