// The frame of a graph on a real picture: grid lines, ticks, numbers,
// solid and dashed axes, arrowheads and labels.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/axes.h"
#include "support/recording_canvas.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

using test::PlotScene;

struct Frame : ::testing::Test {
    PlotScene scene;
    QImageCanvas picture{400, 400, PlotScene::kBackground};
    Frame() {
        scene.ctx.Picture = &picture;
        auto& s = scene.settings;
        s.ShowAxes = s.ShowAxisMarkers = true;
    }
    void Draw(int width = 400, int height = 400) {
        picture.Resize(width, height, PlotScene::kBackground);
        DrawFrame(scene.ctx);
    }
    int CountIn(Colour colour, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int x = left; x < right; ++x)
            for (int y = top; y < bottom; ++y) n += picture.Pixel(x, y) == colour;
        return n;
    }
};

TEST_F(Frame, AxesArrowheadsTicksAndNumbersOfASymmetricView) {
    Draw();
    for (int x = 0; x < 390; ++x) EXPECT_EQ(picture.Pixel(x, 200), PlotScene::kAxes) << x;
    for (int y = 10; y < 400; ++y) EXPECT_EQ(picture.Pixel(200, y), PlotScene::kAxes) << y;
    EXPECT_EQ(picture.Pixel(200, 8), PlotScene::kAxes);  // arrowhead tip region
    EXPECT_EQ(picture.Pixel(393, 200), PlotScene::kAxes);
    EXPECT_EQ(picture.Pixel(399, 200), PlotScene::kBackground);
    // Major ticks 8 pixels either side of the axis at x = 2.
    EXPECT_EQ(picture.Pixel(240, 193), PlotScene::kAxes);
    EXPECT_EQ(picture.Pixel(240, 207), PlotScene::kAxes);
    EXPECT_EQ(picture.Pixel(240, 190), PlotScene::kBackground);
    // The number 2 below its tick, none at the origin.
    EXPECT_GT(CountIn(PlotScene::kFont, 232, 208, 249, 226), 5);
    EXPECT_EQ(CountIn(PlotScene::kFont, 194, 203, 206, 226), 0);
    // y = 4 is numbered left of the axis, level with its tick.
    EXPECT_GT(CountIn(PlotScene::kFont, 170, 112, 188, 128), 5);
    EXPECT_EQ(CountIn(PlotScene::kFont, 201, 112, 240, 128), 0);
    // No grid unless asked for.
    EXPECT_EQ(CountIn(PlotScene::kGrid, 0, 0, 400, 400), 0);
}

TEST_F(Frame, LargeAndSmallGrid) {
    scene.settings.ShowGrid = true;
    scene.settings.LargeGrid = true;
    Draw();
    EXPECT_EQ(picture.Pixel(40, 50), PlotScene::kGrid);
    EXPECT_EQ(picture.Pixel(50, 50), PlotScene::kBackground);
    EXPECT_EQ(picture.Pixel(70, 80), PlotScene::kGrid);  // horizontal grid line at y = 6
    EXPECT_EQ(picture.Pixel(70, 90), PlotScene::kBackground);

    scene.settings.LargeGrid = false;
    Draw();
    EXPECT_EQ(picture.Pixel(50, 53), PlotScene::kGrid);
    EXPECT_EQ(picture.Pixel(70, 90), PlotScene::kGrid);
    EXPECT_EQ(picture.Pixel(55, 53), PlotScene::kBackground);
}

TEST_F(Frame, AxesOutsideTheViewAreDashedNearTheEdge) {
    scene.SetView(1, 5, -10, 10, 400, 400);
    Draw();
    // The y axis stands in at column 10, dashed 18 on, 6 off.
    int on = 0, off = 0;
    for (int y = 20; y < 180; ++y) (picture.Pixel(10, y) == PlotScene::kAxes ? on : off)++;
    EXPECT_GT(off, 30);
    EXPECT_GT(on, 3 * off / 2);
    for (int x = 20; x < 380; ++x) EXPECT_EQ(picture.Pixel(x, 200), PlotScene::kAxes) << x;

    scene.SetView(-10, 10, -9, -1, 400, 400);
    Draw();
    on = off = 0;
    for (int x = 0; x < 380; ++x) (picture.Pixel(x, 10) == PlotScene::kAxes ? on : off)++;
    EXPECT_GT(off, 60);
    EXPECT_GT(on, 200);
}

TEST_F(Frame, NumbersMoveToTheOtherSideOfAnAxisNearTheEdge) {
    scene.SetView(1, 5, 2, 6, 400, 400);
    Draw();
    // The x axis is 10 pixels above the bottom: its numbers sit above it.
    EXPECT_EQ(CountIn(PlotScene::kFont, 0, 391, 400, 400), 0);
    EXPECT_GT(CountIn(PlotScene::kFont, 90, 370, 400, 390), 10);
}

TEST_F(Frame, NoGridLineRunsThroughANumber) {
    // Moved views put small-grid lines through the numbers' rows and
    // columns; every number's cell keeps only its own pixels.
    auto& s = scene.settings;
    s.ShowGrid = true;
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        const long double shift = k * 0.15L;
        scene.SetView(-10 + shift, 10 + shift, -10 + shift, 10 + shift, 400, 400);
        Draw();
        const PixelMapping& map = scene.ctx.Mapping;
        picture.SetFont(s.FontName, s.FontSize, s.FontColour);
        const int height = picture.TextHeight("8");
        int checked = 0;
        for (int t = -8; t <= 8; t += 2) {
            const long double c = map.XScale * t + map.XOffset;
            if (t == 0 || c < 20 || c > 380) continue;
            const std::string text = AxisNumberText(t, false);
            const int left = int(std::lround(double(c))) - picture.TextWidth(text) / 2;
            const int top = 400 - map.XAxisRow + 8;
            const int right = left + picture.TextWidth(text);
            EXPECT_EQ(CountIn(PlotScene::kGrid, left, top, right, top + height), 0) << text;
            EXPECT_GT(CountIn(PlotScene::kFont, left, top, right, top + height), 3) << text;
            ++checked;
        }
        EXPECT_GE(checked, 6);
    }
}

TEST_F(Frame, PiAxisNumbers) {
    scene.settings.PiAxis = true;
    scene.SetView(0, 7, -1, 1, 700, 200);
    test::RecordingCanvas record(700, 200);
    scene.ctx.Picture = &record;
    DrawFrame(scene.ctx);
    std::vector<std::string> texts = record.Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
              (std::vector<std::string>{"0.5pi", "1pi", "1.5pi", "2pi"}));
    scene.ctx.Picture = &picture;
    Draw(700, 200);
    // 0.5pi is centred under column round(pi / 2 x 100) = 157.
    EXPECT_GT(CountIn(PlotScene::kFont, 135, 110, 180, 130), 10);
}

TEST_F(Frame, LabelsUseTheLabelFont) {
    scene.settings.ShowAxisLabels = true;
    scene.settings.XAxisLabel = "t";
    scene.settings.YAxisLabel = "v";
    scene.settings.FontSize = 12;
    Draw();
    // "t" at left = 400 - 12 x 1 - 10, top = 200 - 45; "v" at (220, 5).
    EXPECT_GT(CountIn(PlotScene::kFont, 378, 155, 400, 175), 3);
    EXPECT_GT(CountIn(PlotScene::kFont, 220, 5, 235, 25), 3);
}

}  // namespace
}  // namespace kurvo
