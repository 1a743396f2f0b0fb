// The descriptive and matrix transformations on the graph object's data
// set list: the rewritten lines, the image count, the messages and the
// mirror line, and the Apply button's loop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/transformations.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"

namespace kurvo {
namespace {

using test::CanvasCall;
using test::FakeHost;

struct TransformFixture : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator('.');
        graph = std::make_unique<TGraphWindow>(host);
        graph->Flags.FullRepaint = true;
        graph->Repaint();  // the picture, view -10..10 on 400x400
    }
    void Load(std::vector<std::string> lines) {
        graph->DataSets.DataSetLines = std::move(lines);
        graph->DataSets.DataSetImageCount = 1;
    }
    const std::vector<std::string>& Lines() const { return graph->DataSets.DataSetLines; }
    FakeHost host;
    std::unique_ptr<TGraphWindow> graph;
};

TEST_F(TransformFixture, DescriptiveKindsMoveTheFirstSetOnly) {
    struct Case {
        uint8_t kind;
        std::vector<std::string> fields;  // in the order of the kind's fields
        std::string in, out;
    } cases[] = {
        {kEnlargement, {"1,1", "2"}, "2,3", "3,5"},
        {kStretch, {"1,1", "2", "-1"}, "2,3", "3,-1"},
        {kRotation, {"1,1", "p/2"}, "2,3", "-1,2"},  // p is 3.141592654
        {kReflectInLine, {"x"}, "1,2", "2,1"},
        {kReflectInLine, {"2x"}, "1,0", "-0.6,0.8"},
        {kReflectInLine, {"x-3"}, "0,0", "3,-3"},
        {kReflectInLine, {"3"}, "1,1", "1,5"},       // the horizontal line y = 3
        {kReflectInLine, {"-x+2"}, "0,0", "2,2"},    // m = -1, c = 2
        {kReflectInX, {"2"}, "1,5", "3,5"},
        {kTranslation, {"0.5", "-2"}, "1,5", "1.5,3"},
        {kTranslation, {"0", "0"}, "1,5", "1,5"},    // unchanged, still an image
    };
    for (const Case& c : cases) {
        Load({c.in, "#", "7,8", "#"});
        TDescriptiveTransformation t(*graph);
        t.TransformationKind = c.kind;
        const auto& f = c.fields;
        switch (c.kind) {
            case kRotation: t.RotationCentre = f[0], t.Angle = f[1]; break;
            case kEnlargement: t.ScaleCentre = f[0], t.ScaleX = f[1]; break;
            case kStretch: t.ScaleCentre = f[0], t.ScaleX = f[1], t.ScaleY = f[2]; break;
            case kReflectInLine: t.LineText = f[0]; break;
            case kReflectInX: t.XLine = f[0]; break;
            default: t.ShiftX = f[0], t.ShiftY = f[1]; break;
        }
        ASSERT_TRUE(t.CheckFields()) << c.in;
        ASSERT_EQ(t.ApplyOnce(), ApplyResult::Applied) << c.kind << " " << f[0];
        const long double x = ParseReal(BeforeComma(Lines()[0])), y = ParseReal(AfterComma(Lines()[0]));
        EXPECT_NEAR(double(x), double(ParseReal(BeforeComma(c.out))), 1e-9) << c.kind << " " << f[0];
        EXPECT_NEAR(double(y), double(ParseReal(AfterComma(c.out))), 1e-9) << c.kind << " " << f[0];
        EXPECT_EQ(Lines()[2], "7,8");
        EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);
        EXPECT_TRUE(graph->DataSets.DataSetTransformed);
    }
}

TEST_F(TransformFixture, QuarterTurnInDegreesLeavesATinyX) {
    graph->Settings.Degrees = true;
    Load({"1,0", "#"});
    TDescriptiveTransformation t(*graph);
    t.RotationCentre = "0,0";
    t.Angle = "90";
    ASSERT_EQ(t.ApplyOnce(), ApplyResult::Applied);
    const std::string x = BeforeComma(Lines()[0]);
    EXPECT_NE(x.find("E-"), std::string::npos) << x;
    EXPECT_EQ(AfterComma(Lines()[0]), "1");
}

TEST_F(TransformFixture, FailuresChangeNothing) {
    struct Case {
        std::vector<std::string> lines;
        std::string centre;
        bool autoY;
        ApplyResult result;
    } cases[] = {
        {{"1,2", "a,4", "#"}, "0,0", false, ApplyResult::Failed},  // a bad point after a good one
        {{"1,2", "#"}, "0;0", false, ApplyResult::Failed},         // centre not a number pair
        {{"1,2", "#"}, "0,0", true, ApplyResult::Refused},         // automatic y-scaling
    };
    for (const Case& c : cases) {
        Load(c.lines);
        host.informations.clear();
        host.errors.clear();
        graph->Settings.AutoYScale = c.autoY;
        TDescriptiveTransformation t(*graph);
        t.TransformationKind = kEnlargement;
        t.ScaleCentre = c.centre;
        t.ScaleX = "2";
        EXPECT_EQ(t.ApplyOnce(), c.result);
        EXPECT_EQ(Lines(), c.lines);
        EXPECT_EQ(graph->DataSets.DataSetImageCount, 1);
        if (c.autoY) {
            EXPECT_EQ(host.informations, std::vector<std::string>{kAutoScalingMessage});
        } else {
            EXPECT_EQ(host.errors.size(), 1u);
        }
    }
    // An empty first set is not changed but still counts an image.
    graph->Settings.AutoYScale = false;
    Load({"#", "1,2", "#"});
    TMatrixTransformation m(*graph);
    EXPECT_EQ(m.ApplyOnce(), ApplyResult::Applied);
    EXPECT_EQ(Lines()[1], "1,2");
    EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);
}

TEST_F(TransformFixture, MatrixFieldsAreFormulas) {
    graph->Settings.Constants[0] = 2;  // a
    Load({"1,2", "3,-1", "#"});
    TMatrixTransformation m(*graph);
    m.A = "cos(p)";
    m.B = "a";
    m.C = "0";
    m.D = "1/a";
    ASSERT_EQ(m.ApplyOnce(), ApplyResult::Applied);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"3,1", "-5,-0.5", "#"}));
    m.D = "(";
    EXPECT_EQ(m.ApplyOnce(), ApplyResult::Failed);
    EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);
}

TEST_F(TransformFixture, ReflectionsDrawTheirMirrorLineDottedRed) {
    struct Case {
        uint8_t kind;
        std::string text;
        std::vector<int> line;  // x1, y1 -> x2, y2 in pixels
    } cases[] = {
        {kReflectInLine, "x", {0, 400, 400, 0}},
        {kReflectInLine, "5", {0, 100, 400, 100}},
        {kReflectInX, "-5", {100, 400, 100, 0}},
    };
    for (const Case& c : cases) {
        Load({"1,2", "#"});
        const size_t before = host.picture().calls.size();
        TDescriptiveTransformation t(*graph);
        t.TransformationKind = c.kind;
        t.LineText = t.XLine = c.text;
        ASSERT_EQ(t.ApplyOnce(), ApplyResult::Applied);
        const auto& calls = host.picture().calls;
        std::vector<CanvasCall> red;
        for (size_t i = before; i < calls.size(); ++i)
            if (calls[i].kind == CanvasCall::Line && calls[i].colour == 255) red.push_back(calls[i]);
        ASSERT_EQ(red.size(), 1u) << c.text;
        EXPECT_EQ(red[0].style, PenStyle::Dot);
        EXPECT_EQ(red[0].brush, graph->Settings.BackgroundColour);
        EXPECT_EQ(std::vector<int>({red[0].x1, red[0].y1, red[0].x2, red[0].y2}), c.line) << c.text;
    }
}

TEST(ApplyLoop, PressesAndRuns) {
    ApplyLoop loop;
    int applied = 0;
    auto once = [&] { return ++applied, ApplyResult::Applied; };
    EXPECT_STREQ(loop.Press(), "Apply");
    loop.Run(once, [] { return true; });
    EXPECT_EQ(applied, 1);
    EXPECT_FALSE(loop.Running);

    loop.Continuous = true;
    EXPECT_STREQ(loop.Press(), "Stop");
    int pumps = 0;
    // The third pump stands for the second press arriving.
    loop.Run(once, [&] { return ++pumps < 3; });
    EXPECT_EQ(applied, 4);
    EXPECT_FALSE(loop.Running);
    EXPECT_STREQ(loop.Press(), "Stop");
    EXPECT_STREQ(loop.Press(), "Apply");

    // A refused application ends a continuous run.
    loop.Press();
    loop.Run([] { return ApplyResult::Refused; }, [] { return true; });
    EXPECT_FALSE(loop.Running);
}

TEST(DescriptiveFields, EachKindNeedsItsOwnFields) {
    test::FakeHost host;
    TGraphWindow graph(host);
    TDescriptiveTransformation t(graph);
    t.RotationCentre = "0,0";
    t.ScaleCentre = "0,0";
    t.ScaleX = "2";
    const bool expected[] = {false, true, false, false, false, true};
    for (uint8_t kind = 0; kind < 6; ++kind) {
        t.TransformationKind = kind;
        EXPECT_EQ(t.CheckFields(), expected[kind]) << int(kind);
    }
    t.ShiftY.clear();
    EXPECT_FALSE(t.CheckFields());
}

}  // namespace
}  // namespace kurvo
