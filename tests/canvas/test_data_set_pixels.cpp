// Data sets on a real picture: the twelve marker shapes, outlines, joined
// points, the option entries per set, and the view fitting.
#include <gtest/gtest.h>

#include "expr/real_format.h"
#include "plot/data_set_plotter.h"
#include "support/recording_canvas.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

constexpr Colour kPaper = 0xFFFFFF;
constexpr Colour kMark = 0x0000FF;
constexpr Colour kBlack = 0x000000;

struct Box {
    int left, right, top, bottom;  // relative to the centre, inclusive
    int count;                     // coloured pixels
    bool centre;                   // the centre pixel is coloured
};

Box Marked(const QImageCanvas& c, int cx, int cy, Colour colour) {
    Box b{99, -99, 99, -99, 0, c.Pixel(cx, cy) == colour};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.Pixel(x, y) == colour) {
                b.left = std::min(b.left, x - cx);
                b.right = std::max(b.right, x - cx);
                b.top = std::min(b.top, y - cy);
                b.bottom = std::max(b.bottom, y - cy);
                ++b.count;
            }
    return b;
}

TEST(DataMarks, EachShapeCoversItsTableFootprint) {
    // Lines leave out their end point and rectangles their right and
    // bottom edges, as on the classic canvas the shapes were drawn for.
    const Box expected[kDataMarkShapeCount] = {
        {0, 0, 0, 0, 1, true},       {-5, 4, -5, 4, 19, true},   {-5, 5, -5, 5, 21, true},
        {-2, 1, -2, 1, 12, false},   {-5, 4, -5, 4, 36, false},  {-3, 3, -3, 3, 12, false},
        {-5, 5, -5, 5, 20, false},   {-2, 1, -2, 1, 16, true},   {-5, 4, -5, 4, 100, true},
        {-3, 3, -3, 3, 25, true},    {-5, 5, -5, 5, 61, true},   {-3, 2, -3, 2, 32, true}};
    for (int shape = 0; shape < kDataMarkShapeCount; ++shape) {
        QImageCanvas c(31, 31, kPaper);
        DrawDataMark(c, shape, 15, 15, kMark, false);
        const Box got = Marked(c, 15, 15, kMark);
        const Box& want = expected[shape];
        EXPECT_EQ(got.left, want.left) << shape;
        EXPECT_EQ(got.right, want.right) << shape;
        EXPECT_EQ(got.top, want.top) << shape;
        EXPECT_EQ(got.bottom, want.bottom) << shape;
        EXPECT_EQ(got.count, want.count) << shape;
        EXPECT_EQ(got.centre, want.centre) << shape;
        EXPECT_EQ(c.GetBrushStyle(), BrushStyle::Solid) << shape;
    }
}

TEST(DataMarks, OutlineDrawsShapesSixToTenWithABlackPen) {
    for (int shape = 0; shape < kDataMarkShapeCount; ++shape) {
        QImageCanvas c(31, 31, kPaper);
        DrawDataMark(c, shape, 15, 15, kMark, true);
        const bool black = shape >= 6 && shape <= 10;
        EXPECT_EQ(Marked(c, 15, 15, kBlack).count > 0, black) << shape;
        // The filled ones keep the mark colour inside the black edge.
        EXPECT_EQ(Marked(c, 15, 15, kMark).count > 0, shape != 6) << shape;
        EXPECT_EQ(c.PenColour(), kMark) << shape;
    }
    QImageCanvas c(31, 31, kPaper);
    DrawDataMark(c, 8, 15, 15, kMark, true);
    EXPECT_EQ(c.Pixel(10, 10), kBlack);
    EXPECT_EQ(c.Pixel(15, 15), kMark);
}

struct DataSetScene : ::testing::Test {
    test::PlotScene scene;
    QImageCanvas picture{100, 100, kPaper};
    DataSetList sets;
    void SetUp() override {
        SetDecimalSeparator('.');
        scene.ctx.Picture = &picture;
        auto& s = scene.settings;
        s.XMin = 0, s.XMax = 100, s.YMin = 0, s.YMax = 100;
        scene.view = {100, 100, 0, 100, 100};
        for (int k = 0; k < 5; ++k) {
            s.MarkColours[k] = Colour(0x10 * (k + 1));
            s.MarkTypes[k] = 0;
        }
    }
    PlotResult Draw(std::vector<std::string> lines) {
        sets.DataSetLines = std::move(lines);
        return DrawDataSets(scene.ctx, sets);
    }
};

TEST_F(DataSetScene, ConnectJoinsPointsWithinASetOnly) {
    scene.settings.MarkConnect[0] = true;
    scene.settings.MarkConnect[1] = true;
    ASSERT_EQ(Draw({"10,50", "30,50", "#", "60,50", "90,50", "#"}), PlotResult::Done);
    const Colour first = 0x10, second = 0x20;
    for (int x = 10; x <= 30; ++x) EXPECT_EQ(picture.Pixel(x, 50), first) << x;
    for (int x = 31; x < 60; ++x) EXPECT_EQ(picture.Pixel(x, 50), kPaper) << x;
    for (int x = 60; x <= 90; ++x) EXPECT_EQ(picture.Pixel(x, 50), second) << x;
}

TEST_F(DataSetScene, SetsBeyondTheFifthReuseTheEntries) {
    Draw({"10,10", "#", "20,10", "#", "30,10", "#", "40,10", "#", "50,10", "#", "60,10", "#"});
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(picture.Pixel(10 * (k + 1), 90), Colour(0x10 * (k % 5 + 1))) << k;
}

TEST_F(DataSetScene, TransformedDrawsOnlyTheNewestImageWithTheFirstEntry) {
    sets.DataSetTransformed = true;
    scene.settings.MarkTypes[0] = 7;
    Draw({"10,10", "#", "50,50", "#"});
    EXPECT_EQ(picture.Pixel(10, 90), kPaper);
    EXPECT_EQ(picture.Pixel(49, 49), Colour(0x10));  // filled square
}

TEST_F(DataSetScene, LinesChangedInPlaceAreDrawnWhereTheyNowLie) {
    // As a transformation rewrites the lines between two repaints.
    Draw({"10,10", "20,10", "#"});
    EXPECT_EQ(picture.Pixel(20, 90), Colour(0x10));
    picture.Resize(100, 100, kPaper);
    sets.DataSetLines[1] = "50,50";
    ASSERT_EQ(DrawDataSets(scene.ctx, sets), PlotResult::Done);
    EXPECT_EQ(picture.Pixel(10, 90), Colour(0x10));
    EXPECT_EQ(picture.Pixel(20, 90), kPaper);
    EXPECT_EQ(picture.Pixel(50, 50), Colour(0x10));
    sets.DataSetLines[1] = "x,1";
    EXPECT_THROW(DrawDataSets(scene.ctx, sets), std::exception);
}

TEST_F(DataSetScene, ABadLineThrowsAndEscapeStops) {
    EXPECT_THROW(Draw({"1,2", "a,b", "#"}), std::exception);
    EXPECT_THROW(Draw({"", "#"}), std::exception);  // a header-only file
    struct Stopper : PlotHost {
        bool EscapePressed() override { return true; }
    } stopper;
    scene.ctx.Host = &stopper;
    EXPECT_EQ(Draw({"1,2", "#"}), PlotResult::Stopped);
}

TEST_F(DataSetScene, FitCoversThePointsAndTheOrigin) {
    struct Case {
        std::vector<std::string> lines;
        long double xMin, xMax, yMin, yMax;
    };
    const Case cases[] = {
        {{"1,2", "3,4", "#"}, -0.24L, 3.6L, -0.32L, 4.8L},
        // All left of and below the origin.
        {{"-1,-2", "-3,-4", "#"}, -3.6L, 0, -4.8L, 0},
        // x is 0 everywhere: that axis keeps its view.
        {{"0,5", "0,7", "#"}, -1, 1, -0.56L, 8.4L},
        // Only the origin: nothing changes.
        {{"0,0", "#"}, -1, 1, -2, 2},
    };
    for (const Case& c : cases) {
        auto& s = scene.settings;
        s.XMin = -1, s.XMax = 1, s.YMin = -2, s.YMax = 2;
        s.XAxisLabel = s.YAxisLabel = "?";
        sets.AxisLabelsField = "t,h";
        sets.DataSetLines = c.lines;
        ASSERT_EQ(FitViewToDataSets(scene.ctx, sets), PlotResult::Done);
        EXPECT_NEAR(double(s.XMin), double(c.xMin), 1e-12) << c.lines[0];
        EXPECT_NEAR(double(s.XMax), double(c.xMax), 1e-12) << c.lines[0];
        EXPECT_NEAR(double(s.YMin), double(c.yMin), 1e-12) << c.lines[0];
        EXPECT_NEAR(double(s.YMax), double(c.yMax), 1e-12) << c.lines[0];
        EXPECT_EQ(s.XAxisLabel, c.lines[0] == "0,0" ? "?" : "t") << c.lines[0];
        EXPECT_NEAR(double(scene.view.XRange), double(s.XMax - s.XMin), 1e-12);
    }
}

}  // namespace
}  // namespace kurvo
