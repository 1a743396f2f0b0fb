// Families defined as the families dialog's OK does: which rows each member
// is drawn at, what is refused, and that the constants come back.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "expr/real_format.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"
#include "support/recording_canvas.h"

namespace kurvo {
namespace {

using test::CanvasCall;
using test::FakeHost;

constexpr Colour kGraph[5] = {0x000011, 0x000022, 0x000033, 0x000044, 0x000055};
constexpr size_t kA = 0, kC = 2, kD = 3;

using Steps = std::array<std::string, 16>;

struct FamilyFixture : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator('.');
        graph.reset();
        host = FakeHost{};
        graph = std::make_unique<TGraphWindow>(host);
        for (int i = 0; i < 5; ++i) graph->Settings.GraphColours[i] = kGraph[i];
        graph->Settings.ShowAsymptotes = false;
        graph->Settings.ShowAxes = false;
    }
    bool Define(const std::string& formula, const std::string& count, const Steps& steps) {
        host.formula = formula;
        from = host.pictures.empty() ? 0 : host.picture().calls.size();
        return graph->DefineFamily(count, steps);
    }
    // Per member (slot colour), the farthest a line end lies from the
    // picture's centre row (horizontal lines) or from its centre (circles).
    std::map<int, double> Extent(bool radial) const {
        std::map<int, double> extent;
        const auto& calls = host.pictures.back()->calls;
        for (size_t k = from; k < calls.size(); ++k)
            for (int m = 0; m < 5; ++m)
                if (calls[k].kind == CanvasCall::Line && calls[k].colour == kGraph[m]) {
                    const double d = radial ? std::hypot(calls[k].x2 - 200.0, calls[k].y2 - 200.0)
                                            : 200.0 - calls[k].y2;
                    extent[m] = std::max(extent.count(m) ? extent[m] : -1e9, d);
                }
        return extent;
    }
    FakeHost host;
    std::unique_ptr<TGraphWindow> graph;
    size_t from = 0;
};

TEST_F(FamilyFixture, MembersAreDrawnWithSavedConstantsPlusStepMultiples) {
    // 400 pixels for 20 units: one unit is 20 pixels.
    struct Case {
        const char* what;
        bool cartesian, parametric;
        const char* formula;
        const char* count;
        std::map<size_t, const char*> steps;
        std::map<int, double> pixels;  // member -> row above the centre, or radius
        bool derived = false;          // derivative and integral shown too
    };
    const Case cases[] = {
        {"a steps by 1", true, false, "a", "4", {{kA, "1"}}, {{0, 20}, {1, 40}, {2, 60}, {3, 80}}},
        {"only d's step, c empty", true, false, "c+d", "3", {{kD, "2"}}, {{0, 40}, {1, 80}, {2, 120}}},
        {"all steps empty", true, false, "a+1", "3", {}, {{0, 40}, {1, 40}, {2, 40}}},
        {"negative real step", true, false, "a", "2", {{kA, "-0.5"}}, {{0, 20}, {1, 10}}},
        {"parametric: y(t) steps too", true, true, "t,a", "2", {{kA, "2"}}, {{0, 20}, {1, 60}}},
        {"polar radii", false, false, "a", "3", {{kA, "1"}}, {{0, 20}, {1, 40}, {2, 60}}},
        {"derived curves: one step a member", true, false, "a", "3", {{kA, "1"}}, {{0, 20}, {1, 40}, {2, 60}},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        graph->Settings.CartesianMode = c.cartesian;
        graph->Settings.Parametric = c.parametric;
        graph->Settings.PlotDerivative = graph->Settings.PlotIntegral = c.derived;
        graph->Settings.Constants[kA] = 1;
        graph->Settings.Constants[kC] = 1;
        graph->Settings.Constants[kD] = 1;
        Steps steps;
        for (const auto& [k, text] : c.steps) steps[k] = text;
        ASSERT_TRUE(Define(c.formula, c.count, steps));
        EXPECT_TRUE(host.errors.empty()) << host.errors.front();
        EXPECT_TRUE(graph->Settings.FamilyActive);
        const auto extent = Extent(!c.cartesian);
        ASSERT_EQ(extent.size(), c.pixels.size());
        for (const auto& [member, px] : c.pixels) EXPECT_NEAR(extent.at(member), px, 1.0) << "member " << member;
        // Drawing moved only the parsers' constants.
        EXPECT_EQ(graph->Settings.Constants[kA], 1);
        EXPECT_EQ(graph->Settings.SavedConstants[kA], 1);
    }
}

TEST_F(FamilyFixture, RefusalsAndConversionErrors) {
    struct Case {
        const char* count;
        Steps steps;
        bool hides;
        const char* message;
    };
    const Case cases[] = {
        {"", {}, false, "Please fill in the number of graphs field."},
        {"0", {}, false, "The number of graphs must be from 1 to 99."},
        {"-3", {}, false, "The number of graphs must be from 1 to 99."},
        {"4x", {}, true, "'4x' is not a valid integer value"},
        {"2", {"1", "", "q"}, true, "'q' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        SetUp();
        graph->Settings.FamilyCount = 7;
        EXPECT_EQ(Define("a", c.count, c.steps), c.hides);
        const auto& shown = c.hides ? host.errors : host.informations;
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], c.message);
        EXPECT_FALSE(graph->Settings.FamilyActive);
        EXPECT_EQ(graph->Slots.GraphFormula[0], "");
    }
    // The fields before the failing one were taken.
    EXPECT_EQ(graph->Settings.FamilyCount, 2);
    EXPECT_EQ(graph->Settings.FamilySteps[0], 1);
}

TEST_F(FamilyFixture, LaterPlotsFollowTheMembersWithPlainConstants) {
    graph->Settings.Constants[kA] = 1;
    host.formula = "9";
    graph->PlotCommand();  // replaced by the family
    ASSERT_TRUE(Define("a", "3", {"1"}));
    EXPECT_EQ(graph->Slots.GraphFormula[2], graph->Slots.GraphFormula[0]);
    EXPECT_EQ(graph->Settings.LastGraph, 2);
    for (const char* formula : {"a+4", "-5"}) {
        host.formula = formula;
        graph->PlotCommand();
    }
    EXPECT_TRUE(graph->Settings.FamilyActive);
    EXPECT_EQ(graph->Settings.LastGraph, 4);
    EXPECT_EQ(graph->Slots.GraphText[3], "a+4");
    // Every repaint draws the members at a = 1, 2, 3 and the later graphs
    // with a = 1 (20 pixels a unit).
    for (int repaint = 0; repaint < 2; ++repaint) {
        from = host.picture().calls.size();
        graph->RedrawFamily();
        const std::map<int, double> rows = {{0, 20}, {1, 40}, {2, 60}, {3, 100}, {4, -100}};
        EXPECT_EQ(Extent(false), rows) << "repaint " << repaint;
    }
    // A plot that starts the slots afresh ends the family and empties them.
    graph->Flags.ReplotAll = true;
    host.formula = "5";
    graph->PlotCommand();
    EXPECT_FALSE(graph->Settings.FamilyActive);
    EXPECT_EQ(graph->Settings.LastGraph, 0);
    EXPECT_TRUE(graph->Slots.GraphText[1].empty());
}

}  // namespace
}  // namespace kurvo
