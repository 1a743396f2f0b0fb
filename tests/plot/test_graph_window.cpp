// The plot cycle of the graph object: plot command, repaint, slots, view
// fields and undo, observed through a host with plain-text controls and
// recording canvases.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "plot/fake_graph_host.h"
#include "support/recording_canvas.h"

namespace kurvo {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;
using test::FakeHost;

constexpr Colour kGraph[5] = {0x000011, 0x000022, 0x000033, 0x000044, 0x000055};

struct GraphFixture : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator('.');
        graph = std::make_unique<TGraphWindow>(host);
        for (int i = 0; i < 5; ++i) graph->Settings.GraphColours[i] = kGraph[i];
        graph->Settings.ShowAsymptotes = false;
    }
    void Plot(const std::string& formula) {
        host.formula = formula;
        graph->PlotCommand();
    }
    // Curve segments drawn in the colour of slot i since `from`.
    size_t CurveLines(int slotColour, size_t from = 0) {
        size_t n = 0;
        const auto& calls = host.picture().calls;
        for (size_t k = from; k < calls.size(); ++k)
            if (calls[k].kind == CanvasCall::Line && calls[k].colour == kGraph[slotColour]) ++n;
        return n;
    }
    FakeHost host;
    std::unique_ptr<TGraphWindow> graph;
};

// ---- slots and the plot command --------------------------------------------

TEST_F(GraphFixture, EachPlotTakesTheNextSlotAndDrawsOnlyIt) {
    Plot("2x+1");
    EXPECT_EQ(graph->Settings.LastGraph, 0);
    EXPECT_FALSE(graph->Slots.GraphFormula[0].empty());
    EXPECT_GT(CurveLines(0), 500u);  // 1025 samples, joined
    const size_t firstFills = host.picture().Of(CanvasCall::FillRect).size();
    EXPECT_GE(firstFills, 1u);  // the first repaint clears the picture

    const size_t before = host.picture().calls.size();
    const size_t pictures = host.pictures.size();
    Plot("x^2");
    EXPECT_EQ(graph->Settings.LastGraph, 1);
    EXPECT_EQ(host.pictures.size(), pictures) << "an incremental plot keeps the picture";
    EXPECT_EQ(CurveLines(0, before), 0u) << "slot 0 must not be drawn again";
    EXPECT_GT(CurveLines(1, before), 100u);
    EXPECT_EQ(host.picture().Of(CanvasCall::FillRect).size(), firstFills) << "no clearing";
    EXPECT_TRUE(host.errors.empty());
    EXPECT_TRUE(host.informations.empty());
}

TEST_F(GraphFixture, SlotColoursCycleByFive) {
    // Slot 5 is drawn in GraphColours[0] and slot 7 in GraphColours[2].
    std::vector<int> coloured;
    for (int i = 0; i < 8; ++i) {
        const size_t from = host.pictures.empty() ? 0 : host.picture().calls.size();
        Plot(std::to_string(i - 4));  // horizontal lines y = -4 .. 3
        int found = -1;
        for (int c = 0; c < 5; ++c)
            if (CurveLines(c, from) > 0) found = c;
        coloured.push_back(found);
    }
    EXPECT_EQ(coloured, (std::vector<int>{0, 1, 2, 3, 4, 0, 1, 2}));
}

TEST_F(GraphFixture, AutomaticYScalingReplacesSlotZero) {
    graph->Settings.AutoYScale = true;
    Plot("x^2");
    const size_t pictures = host.pictures.size();
    Plot("x");
    EXPECT_EQ(graph->Settings.LastGraph, 0);
    EXPECT_EQ(graph->Slots.GraphText[0], "x");
    EXPECT_TRUE(graph->Slots.GraphFormula[1].empty());
    // y = x on -10..10: extremes -10 and 10, times 1.4.
    EXPECT_NEAR(double(graph->Settings.YMin), -14, 1e-9);
    EXPECT_NEAR(double(graph->Settings.YMax), 14, 1e-9);
    EXPECT_EQ(host.field(ViewField::YMax), "14");
    EXPECT_EQ(host.pictures.size(), pictures + 1) << "each plot starts a new picture";
}

TEST_F(GraphFixture, EmptyFormulaBoxChangesOnlyTheUndoCopy) {
    Plot("x");
    graph->Settings.GridColour = 0x123456;  // a change since the last plot
    const SettingsRecord settings = graph->Settings;
    const size_t calls = host.picture().calls.size();
    const auto fields = host.fields;
    Plot("");
    EXPECT_EQ(graph->UndoRecord, settings);
    EXPECT_EQ(graph->Settings, settings);
    EXPECT_EQ(host.picture().calls.size(), calls);
    EXPECT_EQ(host.fields, fields);
    EXPECT_EQ(graph->Settings.LastGraph, 0);
}

TEST_F(GraphFixture, AliasesAreLookedUpInLowerCase) {
    graph->SetAliasLines({"", "sin x:wave", "x^2-3x+2:quad"});
    Plot("Quad");
    EXPECT_EQ(graph->Slots.GraphText[0], "x^2-3x+2");
    graph->Parser(1).X = 1;
    EXPECT_EQ(graph->Parser(1).Value(), 0);  // 1 - 3 + 2
    graph->Parser(1).X = 0;
    EXPECT_EQ(graph->Parser(1).Value(), 2);
}

TEST_F(GraphFixture, RelationCodesFromTheRelationBox) {
    struct Case {
        const char* relation;
        int code;
        bool strict;
    };
    const Case cases[] = {{"y>", 0, true},  {"y>=", 1, false}, {"y=>", 1, false}, {"y<", 2, true},
                          {"y<=", 3, false}, {"y=<", 3, false}, {"y=", 4, false}};
    int slot = 0;
    for (const Case& c : cases) {
        host.relation = c.relation;
        Plot("x");
        ASSERT_EQ(graph->Settings.LastGraph, slot);
        EXPECT_EQ(graph->Slots.GraphRelation[slot], c.code) << c.relation;
        EXPECT_EQ(graph->Slots.GraphStrict[slot], c.strict) << c.relation;
        EXPECT_EQ(graph->Slots.GraphRelationText[slot], c.relation);
        ++slot;
    }
}

TEST_F(GraphFixture, StrictRelationDrawsItsBoundaryDashed) {
    host.relation = "y>";
    Plot("0");
    // The 9-on, 7-off dashes switch the pen to the background colour.
    EXPECT_GT(host.picture().LinesIn(graph->Settings.BackgroundColour).size(), 10u);
    const size_t from = host.picture().calls.size();
    host.relation = "y=>";  // the solid spelling of >=
    Plot("1");
    size_t background = 0;
    for (size_t k = from; k < host.picture().calls.size(); ++k)
        if (host.picture().calls[k].colour == graph->Settings.BackgroundColour) ++background;
    EXPECT_LE(background, 2u);  // only the frame's edge line
}

TEST_F(GraphFixture, OnlyTheFourPlainInequalitiesAreShaded) {
    auto pixelsOf = [&](const char* relation, const char* formula) {
        host.relation = relation;
        const size_t from = host.pictures.empty() ? 0 : host.picture().calls.size();
        Plot(formula);
        size_t n = 0;
        for (size_t k = from; k < host.picture().calls.size(); ++k)
            if (host.picture().calls[k].kind == CanvasCall::Pixel) ++n;
        return n;
    };
    EXPECT_GT(pixelsOf("y>", "0"), 100u);
    EXPECT_GT(pixelsOf("y<=", "1"), 100u);
    EXPECT_EQ(pixelsOf("y=>", "2"), 0u);
    EXPECT_EQ(pixelsOf("y=<", "3"), 0u);
    EXPECT_EQ(pixelsOf("y=", "4"), 0u);
    EXPECT_EQ(graph->Slots.GraphRelation[2], kRelationGreaterEqual);
}

// Line ends of a slot's curve, as distances from the picture's centre.
std::vector<double> Radii(const RecordingCanvas& canvas, Colour colour, size_t from) {
    std::vector<double> radii;
    for (size_t k = from; k < canvas.calls.size(); ++k) {
        const CanvasCall& c = canvas.calls[k];
        if (c.kind == CanvasCall::Line && c.colour == colour)
            radii.push_back(std::hypot(c.x2 - 200.0, c.y2 - 200.0));
    }
    return radii;
}

TEST_F(GraphFixture, PolarSlotsGoToThePolarPlotter) {
    graph->Settings.CartesianMode = false;
    Plot("2");  // r = 2 over t = 0..2pi: 40 pixels on a 400-pixel view of 20 units
    const auto radii = Radii(host.picture(), kGraph[0], 0);
    ASSERT_GT(radii.size(), 1000u);
    for (double r : radii) ASSERT_NEAR(r, 40, 1.5);
}

TEST_F(GraphFixture, ParametricSlotsKeepTheirOwnSecondFunction) {
    graph->Settings.Parametric = true;
    Plot("cos(t),sin(t)");
    Plot("3cos(t),3sin(t)");
    graph->Flags.ReplotAll = true;
    graph->Flags.FullRepaint = true;
    const size_t from = host.picture().calls.size();
    graph->Repaint();
    // Slot 0 is redrawn as the unit circle, not with slot 1's y(t).
    const auto radii = Radii(host.picture(), kGraph[0], from);
    ASSERT_GT(radii.size(), 1000u);
    for (double r : radii) ASSERT_NEAR(r, 20, 1.5);
    for (double r : Radii(host.picture(), kGraph[1], from)) ASSERT_NEAR(r, 60, 1.5);
}

TEST_F(GraphFixture, CompileErrorIsReportedWithItsTextAndTheFormulaKept) {
    struct Case { bool parametric; const char* typed; const char* detail; const char* next; };
    // The engine's marker (CR) stands where the text stops making sense.
    for (const Case& c : {Case{false, "2x+", "\r(2\rX+)", "x"}, Case{true, "t+,t", "\r(T\r)", "t,t"},
                          Case{true, "t,2t*", "\r(2*T\r)", "t,t"}, Case{true, "t^2", "\r(T^2),\r()", "t,t"},
                          Case{true, "t, ", "\r(T),\r()", "t,t"}}) {
        SCOPED_TRACE(c.typed);
        graph->Settings.Parametric = c.parametric;
        host.errors.clear();
        Plot(c.typed);
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_EQ(host.errors[0], std::string("Error parsing expression:") + c.detail);
        EXPECT_EQ(host.formula, c.typed);
        // The next formula plots normally.
        Plot(c.next);
        EXPECT_EQ(host.errors.size(), 1u);
        EXPECT_FALSE(graph->Slots.GraphFormula[graph->Settings.LastGraph].empty());
    }
}

TEST_F(GraphFixture, AllHundredSlotsInUseRefusesAnotherGraph) {
    Plot("x");
    graph->Settings.LastGraph = 99;
    const size_t calls = host.picture().calls.size();
    Plot("x^2");
    EXPECT_EQ(graph->Settings.LastGraph, 99);
    EXPECT_EQ(host.informations.size(), 1u);
    EXPECT_EQ(host.picture().calls.size(), calls);
}

TEST_F(GraphFixture, ParametricTextIsSplitAtTheFirstComma) {
    graph->Settings.Parametric = true;
    graph->AddFormulaToSlot("cos(t),2sin(t)", 3);
    EXPECT_EQ(graph->Slots.GraphText[3], "cos(t),2sin(t)");
    graph->Parser(1).T = 0;
    graph->Parser(2).T = 1.5707963267948966;
    EXPECT_NEAR(double(graph->Parser(1).Value()), 1, 1e-12);
    EXPECT_NEAR(double(graph->Parser(2).Value()), 2, 1e-12);
    EXPECT_FALSE(graph->Slots.GraphSecondFormula[3].empty());
}

TEST_F(GraphFixture, ImplicitRelationIsReadFromTheFormula) {
    graph->Settings.CartesianMode = false;
    graph->Settings.ImplicitMode = true;
    host.relation = "";
    const std::pair<const char*, int> cases[] = {
        {"x^2+y^2=9", 4}, {"x^2+y^2>9", 0}, {"x^2+y^2<9", 2}, {"x^2+y^2>=9", 1}, {"x^2+y^2<=9", 3}};
    for (const auto& [text, code] : cases) {
        graph->AddFormulaToSlot(text, 0);
        EXPECT_EQ(graph->Slots.GraphRelation[0], code) << text;
    }
}

// ---- view fields -------------------------------------------------------------

TEST_F(GraphFixture, ViewFieldsAreFormulasAndAreRewrittenCut) {
    host.fields[size_t(ViewField::XMax)] = "2p";
    graph->ReadViewFields();
    EXPECT_EQ(graph->Settings.XMax, static_cast<long double>(2 * 3.141592654));
    EXPECT_EQ(host.field(ViewField::XMax), "6.283185");
    EXPECT_EQ(host.field(ViewField::XMin), "-10");
    graph->ReadViewFields();
    EXPECT_EQ(graph->Settings.XMax, static_cast<long double>(6.283185));
    EXPECT_EQ(graph->View.XRange, graph->Settings.XMax - graph->Settings.XMin);

    host.fields[size_t(ViewField::YMin)] = "-p/2";
    graph->ReadViewFields();
    EXPECT_NEAR(double(graph->Settings.YMin), -1.570796327, 1e-12);
}

TEST_F(GraphFixture, PlotStepSetsTheSamplingStep) {
    graph->ReadViewFields();
    EXPECT_EQ(graph->Settings.XStep, graph->View.XRange / 1024);
    host.step = "1,024";  // a thousands separator is dropped
    graph->ReadViewFields();
    EXPECT_EQ(graph->PlotStep(), 1024);
    EXPECT_EQ(graph->Settings.XStep, graph->View.XRange / 4096);
    host.stepField = false;  // then the settings' plot step counts
    graph->Settings.PlotStepText = "512";
    graph->ReadViewFields();
    EXPECT_EQ(graph->PlotStep(), 512);
    // Parameter modes step over t.
    graph->Settings.CartesianMode = false;
    graph->ReadViewFields();
    EXPECT_EQ(graph->Settings.XStep, (graph->Settings.TMax - graph->Settings.TMin) / 2048);
}

TEST_F(GraphFixture, PlotStepOfZeroCannotHangAPlot) {
    host.step = "0";
    Plot("x");
    EXPECT_EQ(graph->PlotStep(), 32);
    EXPECT_GT(CurveLines(0), 100u);
    host.step = "many";
    Plot("x");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], "'many' is not a valid integer value");
}

TEST(ViewFieldValueText, CutsOnlyWhereTheMagnitudeSurvives) {
    SetDecimalSeparator('.');
    EXPECT_EQ(TGraphWindow::ViewFieldValueText(6.283185308L), "6.283185");
    EXPECT_EQ(TGraphWindow::ViewFieldValueText(-10), "-10");
    EXPECT_EQ(TGraphWindow::ViewFieldValueText(0.5L), "0.5");
    // Cutting "123456789" to 8 characters would make it ten times smaller.
    const std::string big = TGraphWindow::ViewFieldValueText(123456789);
    EXPECT_LE(big.size(), 8u);
    EXPECT_NEAR(std::stod(big), 123456789, 1e5);
    const std::string tiny = TGraphWindow::ViewFieldValueText(1.23456789e-7L);
    EXPECT_LE(tiny.size(), 8u);
    EXPECT_NEAR(std::stod(tiny), 1.23456789e-7, 1e-10);
    EXPECT_EQ(TGraphWindow::ViewFieldValueText(1234567.89L), "1234567");
}

TEST_F(GraphFixture, CollapsedViewAfterAutoScalingReverts) {
    graph->Settings.AutoYScale = true;
    Plot("0");  // y = 0 everywhere: the fitted y range is empty
    EXPECT_EQ(graph->Settings.YMin, -10);
    EXPECT_EQ(graph->Settings.YMax, 10);
    EXPECT_EQ(host.field(ViewField::YMin), "-10");
    EXPECT_EQ(host.field(ViewField::YMax), "10");
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(GraphFixture, CollapsedTypedViewRevertsSilently) {
    struct Case { const char *xmin, *xmax, *ymin, *ymax; };
    for (const Case& c : {Case{"5", "5", "-10", "10"}, Case{"3", "1", "-10", "10"},
                          Case{"0", "0.000001", "-10", "10"}, Case{"-10", "10", "2", "2"},
                          Case{"-10", "10", "4", "-4"}}) {
        SCOPED_TRACE(std::string(c.xmin) + " " + c.xmax + " " + c.ymin + " " + c.ymax);
        host.fields = {"0", "6.283185", c.xmin, c.xmax, c.ymin, c.ymax};
        Plot("x");
        EXPECT_EQ(graph->Settings.XMin, -10);
        EXPECT_EQ(graph->Settings.XMax, 10);
        EXPECT_EQ(graph->Settings.YMin, -10);
        EXPECT_EQ(graph->Settings.YMax, 10);
        EXPECT_EQ(host.field(ViewField::XMax), "10");
        EXPECT_EQ(host.field(ViewField::YMin), "-10");
        EXPECT_GT(CurveLines(graph->Settings.LastGraph % 5), 0u);
        EXPECT_TRUE(host.errors.empty());
        EXPECT_TRUE(host.informations.empty());
    }
}

// ---- undo ----------------------------------------------------------------------

TEST_F(GraphFixture, UndoRestoresTheViewAndTheFormula) {
    Plot("x^2");
    // The user edits x max; the field's change event saves the view first.
    graph->SaveViewForUndo();
    host.fields[size_t(ViewField::XMax)] = "20";
    Plot("x^2");
    ASSERT_EQ(graph->Settings.XMax, 20);
    host.formula = "something else";

    graph->UndoLastAction();
    EXPECT_EQ(graph->Settings.XMax, 10);
    EXPECT_EQ(host.field(ViewField::XMax), "10");
    EXPECT_EQ(host.formula, "x^2");
    EXPECT_EQ(graph->Slots.GraphText[graph->Settings.LastGraph], "x^2");
    const SettingsRecord afterFirst = graph->Settings;
    const auto fields = host.fields;

    graph->UndoLastAction();  // the first undo's plot overwrote the undo copy
    EXPECT_EQ(graph->Settings, afterFirst);
    EXPECT_EQ(host.fields, fields);
}

TEST_F(GraphFixture, SaveViewForUndoRefusesACollapsedView) {
    graph->ReadViewFields();
    graph->Flags.ReplotAll = false;
    graph->SaveViewForUndo();
    EXPECT_TRUE(graph->Flags.ReplotAll);
    graph->Flags.ReplotAll = false;
    graph->View.XRange = 1e-6L;
    graph->SaveViewForUndo();
    EXPECT_FALSE(graph->Flags.ReplotAll);
    EXPECT_EQ(graph->PreviousView.XRange, 20);
}

// ---- repaint, constants, families ----------------------------------------------

TEST_F(GraphFixture, RepaintWithoutFullRepaintOnlyCopiesThePicture) {
    Plot("x");
    const size_t calls = host.picture().calls.size();
    graph->Repaint();
    // Just the frame's edge line in the background colour.
    ASSERT_EQ(host.picture().calls.size(), calls + 2);
    EXPECT_EQ(host.picture().calls.back().colour, graph->Settings.BackgroundColour);
}

TEST_F(GraphFixture, HalfTypedViewFieldIsReportedByThePlotNotByPainting) {
    Plot("x");
    host.fields[size_t(ViewField::XMax)] = "2*";
    graph->Repaint();  // a paint event
    EXPECT_TRUE(host.errors.empty());
    Plot("x");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.field(ViewField::XMax), "2*") << "the field keeps what was typed";
}

TEST_F(GraphFixture, ReplotAllRedrawsEverySlotFromZero) {
    Plot("1");
    Plot("2");
    Plot("3");
    graph->Flags.ReplotAll = true;
    graph->Flags.FullRepaint = true;
    const size_t from = host.picture().calls.size();
    graph->Repaint();
    for (int c = 0; c < 3; ++c) EXPECT_GT(CurveLines(c, from), 100u) << "slot " << c;
    EXPECT_FALSE(graph->Flags.ReplotAll);
}

TEST_F(GraphFixture, ConstantsReachTheParsersAndFamiliesStepThem) {
    graph->Settings.Constants[0] = 3;  // a
    graph->Settings.FamilySteps[0] = 0.5;
    Plot("a");
    EXPECT_EQ(graph->Parser(1).A, 3);
    EXPECT_NEAR(graph->Parser(1).P, 3.141592654, 1e-15);
    graph->AdvanceFamily();
    EXPECT_EQ(graph->Parser(1).A, 3.5);
    EXPECT_EQ(graph->Parser(2).A, 3) << "parser 2 only steps in parametric modes";
}

TEST_F(GraphFixture, FamilyMembersAreDrawnWithSteppedConstants) {
    // Three members of y = a, a stepping by 1 from 0: rows 200, 180, 160.
    for (int i = 0; i < 3; ++i) graph->AddFormulaToSlot("a", i);
    host.formula = "a";
    graph->Settings.LastGraph = 2;
    graph->Settings.FamilyActive = true;
    graph->Settings.FamilyCount = 3;
    graph->Settings.FamilySteps[0] = 1;
    graph->Flags.FullRepaint = true;
    const size_t from = host.picture().calls.size();
    graph->Repaint();
    for (int i = 0; i < 3; ++i) {
        std::vector<int> rows;
        for (size_t k = from; k < host.picture().calls.size(); ++k) {
            const CanvasCall& c = host.picture().calls[k];
            if (c.kind == CanvasCall::Line && c.colour == kGraph[i]) rows.push_back(c.y2);
        }
        ASSERT_FALSE(rows.empty()) << "member " << i;
        for (int row : rows) EXPECT_EQ(row, 200 - 20 * i) << "member " << i;
    }
}

TEST_F(GraphFixture, DerivativeCallFlagsAreClearedAfterTheSlot) {
    Plot("diff(x^2)");
    EXPECT_FALSE(graph->Flags.HasDerivativeCall);
    EXPECT_FALSE(graph->Flags.HasIntegralCall);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(GraphFixture, UserFunctionsAreCalledThroughTheirParsers) {
    std::array<std::string, 7> functions = {"(X*2)", "()", "", "", "", "", ""};
    graph->SetUserFunctionExpressions(functions);
    graph->AddFormulaToSlot("f(x)+g(x)", 0);
    graph->Parser(1).X = 5;
    EXPECT_EQ(graph->Parser(1).Value(), 11);  // 2*5 + 1
}

}  // namespace
}  // namespace kurvo

namespace kurvo {
namespace {

// With "Complete implicit curves" on, relations the translator cannot solve
// for y make a slot too, every relation is drawn by contouring (line ends
// on the true curve: |x|+|y| or the radius, 20 pixels per unit), strict
// boundaries are dashed and inequalities still shaded.
TEST(CompleteImplicit, EveryRelationIsDrawnAsTyped) {
    const struct {
        const char* formula;
        bool complete;
        bool plotted;
        bool diamond;  // |x|+|y| = 3, else x^2+y^2 = 9
        bool dashed;
    } rows[] = {
        {"|x|+|y|=3", false, false, true, false},
        {"|x|+|y|=3", true, true, true, false},
        {"x^2+y^2=9", true, true, false, false},
        {"x^2+y^2<9", true, true, false, true},
    };
    for (const auto& row : rows) {
        struct Fresh : GraphFixture {
            void TestBody() override {}
        } f;
        f.SetUp();
        FakeHost& host = f.host;
        auto& graph = f.graph;
        graph->Settings.CartesianMode = false;
        graph->Settings.ImplicitMode = true;
        graph->Settings.CompleteImplicit() = row.complete;
        f.Plot(row.formula);
        EXPECT_EQ(host.errors.empty(), row.plotted) << row.formula;
        if (!row.plotted) continue;
        size_t ends = 0;
        for (const CanvasCall& c : host.picture().calls) {
            if (c.kind != CanvasCall::Line || c.colour != kGraph[0]) continue;
            ++ends;
            const double dx = c.x2 - 200.0, dy = c.y2 - 200.0;
            EXPECT_NEAR(row.diamond ? std::fabs(dx) + std::fabs(dy) : std::hypot(dx, dy), 60, 1.5) << row.formula;
        }
        EXPECT_GT(ends, 100u) << row.formula;
        EXPECT_EQ(host.picture().LinesIn(graph->Settings.BackgroundColour).size() > 10, row.dashed) << row.formula;
        size_t shaded = 0;
        for (const CanvasCall& c : host.picture().calls) shaded += c.kind == CanvasCall::Pixel;
        EXPECT_EQ(shaded > 100, row.dashed) << row.formula;
    }
}

}  // namespace
}  // namespace kurvo
