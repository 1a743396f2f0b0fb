// The QImage canvas puts pixels exactly where a classic raster canvas
// would: end points excluded, dash patterns, not-xor, fills and text.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <chrono>

#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kGrey = 0x808080;

int CountColour(const QImageCanvas& c, Colour colour) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) n += c.Pixel(x, y) == colour;
    return n;
}

TEST(QImageCanvasLines, EndPointIsExcludedInEveryDirection) {
    QImageCanvas c(20, 20, kWhite);
    c.SetPenColour(kRed);
    c.MoveTo(2, 5);
    c.LineTo(12, 5);
    for (int x = 2; x < 12; ++x) EXPECT_EQ(c.Pixel(x, 5), kRed) << x;
    EXPECT_EQ(c.Pixel(12, 5), kWhite);
    EXPECT_EQ(c.Pixel(1, 5), kWhite);
    EXPECT_EQ(c.PenPosition().x, 12);

    QImageCanvas v(20, 20, kWhite);
    v.SetPenColour(kRed);
    v.MoveTo(3, 15);
    v.LineTo(3, 4);  // upwards
    for (int y = 5; y <= 15; ++y) EXPECT_EQ(v.Pixel(3, y), kRed) << y;
    EXPECT_EQ(v.Pixel(3, 4), kWhite);
    EXPECT_EQ(CountColour(v, kRed), 11);

    QImageCanvas d(20, 20, kWhite);
    d.SetPenColour(kRed);
    d.MoveTo(0, 0);
    d.LineTo(10, 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(d.Pixel(i, i), kRed) << i;
    EXPECT_EQ(d.Pixel(10, 10), kWhite);
    EXPECT_EQ(CountColour(d, kRed), 10);
}

TEST(QImageCanvasLines, ShallowLineHasOnePixelPerColumnNearTheIdealLine) {
    QImageCanvas c(40, 20, kWhite);
    c.SetPenColour(kRed);
    c.MoveTo(0, 0);
    c.LineTo(30, 10);
    for (int x = 0; x < 30; ++x) {
        int hits = 0;
        for (int y = 0; y < 20; ++y)
            if (c.Pixel(x, y) == kRed) {
                ++hits;
                EXPECT_LE(std::abs(3 * y - x), 2) << x << "," << y;
            }
        EXPECT_EQ(hits, 1) << x;
    }
    // Consecutive LineTo calls join without gaps or doubled pixels.
    QImageCanvas p(20, 20, kWhite);
    p.SetPenColour(kRed);
    p.MoveTo(0, 0);
    p.LineTo(5, 0);
    p.LineTo(5, 5);
    p.LineTo(0, 5);
    EXPECT_EQ(CountColour(p, kRed), 15);
}

TEST(QImageCanvasLines, DotAndDashPatternsWithBrushColouredGaps) {
    QImageCanvas c(40, 3, kWhite);
    c.SetPenColour(kRed);
    c.SetPenStyle(PenStyle::Dot);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColour(kGrey);
    c.MoveTo(0, 1);
    c.LineTo(40, 1);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(c.Pixel(x, 1), (x % 6) < 3 ? kRed : kGrey) << x;

    c.SetBrushStyle(BrushStyle::Clear);  // gaps keep what was there
    c.SetPenStyle(PenStyle::Dash);
    c.MoveTo(0, 0);
    c.LineTo(40, 0);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(c.Pixel(x, 0), (x % 24) < 18 ? kRed : kWhite) << x;

    // Wide pens draw solid whatever the style.
    QImageCanvas w(40, 9, kWhite);
    w.SetPenColour(kRed);
    w.SetPenStyle(PenStyle::Dot);
    w.SetPenWidth(3);
    w.MoveTo(2, 4);
    w.LineTo(37, 4);
    for (int x = 3; x < 36; ++x) {
        EXPECT_EQ(w.Pixel(x, 3), kRed) << x;
        EXPECT_EQ(w.Pixel(x, 4), kRed) << x;
        EXPECT_EQ(w.Pixel(x, 5), kRed) << x;
    }
    EXPECT_EQ(w.Pixel(20, 1), kWhite);
}

TEST(QImageCanvasLines, NotXorTwiceRestoresThePicture) {
    QImageCanvas c(30, 30, kWhite);
    c.SetBrushColour(kBlue);
    c.FillRect(0, 0, 15, 30);
    const QImage before = c.image().copy();
    c.SetPenMode(PenMode::NotXor);
    c.SetPenColour(0xFFFF00);  // aqua
    for (int width : {1, 3}) {
        c.SetPenWidth(width);
        c.MoveTo(0, 10);
        c.LineTo(29, 20);
        EXPECT_NE(c.image(), before);
        // not(aqua xor white) = aqua; not(aqua xor blue) = not(green) = magenta-ish.
        c.MoveTo(0, 10);
        c.LineTo(29, 20);
        EXPECT_EQ(c.image(), before) << width;
    }
    c.SetPenWidth(1);
    c.MoveTo(20, 0);
    c.LineTo(20, 5);
    EXPECT_EQ(c.Pixel(20, 2), 0xFFFF00);  // over white
    c.MoveTo(5, 0);
    c.LineTo(5, 5);
    EXPECT_EQ(c.Pixel(5, 2), Colour(~(0xFFFF00u ^ kBlue) & 0xFFFFFF));
}

TEST(QImageCanvasLines, FarAwayEndPointsDrawOnlyTheVisiblePartQuickly) {
    QImageCanvas c(100, 100, kWhite);
    c.SetPenColour(kRed);
    const auto start = std::chrono::steady_clock::now();
    c.MoveTo(50, -2000000000);
    c.LineTo(50, 2000000000);
    c.MoveTo(-268435456, 40);
    c.LineTo(268435456, 40);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 0.5);
    for (int y = 0; y < 100; ++y) EXPECT_EQ(c.Pixel(50, y), kRed) << y;
    for (int x = 0; x < 100; ++x) EXPECT_EQ(c.Pixel(x, 40), kRed) << x;
    c.SetPenWidth(4);
    c.MoveTo(-2000000000, 70);
    c.LineTo(2000000000, 70);
    EXPECT_EQ(c.Pixel(10, 70), kRed);
}

TEST(QImageCanvasShapes, FillsAndOutlinesCoverTheirRectangle) {
    QImageCanvas c(20, 20, kWhite);
    c.SetBrushColour(kBlue);
    c.FillRect(2, 3, 6, 5);
    EXPECT_EQ(CountColour(c, kBlue), 8);
    EXPECT_EQ(c.Pixel(5, 4), kBlue);
    EXPECT_EQ(c.Pixel(6, 4), kWhite);
    EXPECT_EQ(c.Pixel(5, 5), kWhite);

    QImageCanvas r(20, 20, kWhite);
    r.SetPenColour(kRed);
    r.SetBrushColour(kBlue);
    r.MoveTo(1, 1);
    r.Rectangle(5, 5, 10, 10);
    EXPECT_EQ(r.Pixel(5, 5), kRed);
    EXPECT_EQ(r.Pixel(9, 9), kRed);
    EXPECT_EQ(r.Pixel(10, 10), kWhite);
    EXPECT_EQ(r.Pixel(7, 7), kBlue);
    EXPECT_EQ(CountColour(r, kRed), 16);
    EXPECT_EQ(CountColour(r, kBlue), 9);
    EXPECT_EQ(r.PenPosition().x, 1);  // shapes leave the pen where it was

    QImageCanvas p(20, 20, kWhite);
    p.SetPenColour(kRed);
    p.SetBrushColour(kBlue);
    p.Polygon({{2, 2}, {16, 2}, {16, 16}});
    EXPECT_EQ(p.Pixel(14, 5), kBlue);
    EXPECT_EQ(p.Pixel(4, 14), kWhite);
    EXPECT_EQ(p.Pixel(16, 10), kRed);

    QImageCanvas e(20, 20, kWhite);
    e.SetPenColour(kRed);
    e.SetBrushColour(kBlue);
    e.Ellipse(2, 2, 18, 18);
    EXPECT_EQ(e.Pixel(10, 10), kBlue);
    EXPECT_EQ(e.Pixel(2, 2), kWhite);
    EXPECT_GT(CountColour(e, kRed), 20);
}

TEST(QImageCanvasText, FontColourSizeAndFallback) {
    QImageCanvas c(200, 60, kWhite);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFont("No Such Font Family", 10, kRed);
    EXPECT_EQ(c.FontFamily(), "DejaVu Sans");
    EXPECT_EQ(c.FontHeight(), -13);
    const int w1 = c.TextWidth("8");
    const int w3 = c.TextWidth("888");
    EXPECT_GT(w1, 0);
    EXPECT_GT(w3, 2 * w1);
    EXPECT_GE(c.TextHeight("8"), 13);
    c.TextOut(10, 10, "888");
    int red = 0, left = 1000, right = -1, top = 1000, bottom = -1;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Colour p = c.Pixel(x, y);
            EXPECT_TRUE(p == kRed || p == kWhite) << x << "," << y;  // no antialiasing
            if (p == kRed) {
                ++red;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    EXPECT_GT(red, 20);
    EXPECT_GE(left, 10);
    EXPECT_LE(right, 10 + w3);
    EXPECT_GE(top, 10);
    EXPECT_LE(bottom, 10 + c.TextHeight("888"));

    // A larger size gives wider text; an opaque brush fills behind it.
    c.SetFont("No Such Font Family", 20, kRed);
    EXPECT_GT(c.TextWidth("888"), w3);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColour(kGrey);
    c.TextOut(100, 5, "1");
    EXPECT_EQ(c.Pixel(100, 5), kGrey);
}

TEST(QImageCanvasText, Windows1252TextIsDrawn) {
    QImageCanvas c(100, 40, kWhite);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFont("DejaVu Sans", 12, kRed);
    // x followed by the superscript two (0xB2) is wider than x alone.
    EXPECT_GT(c.TextWidth("x\xB2"), c.TextWidth("x"));
    c.TextOut(5, 5, "\xB2");
    EXPECT_GT(CountColour(c, kRed), 3);
}

TEST(QImageCanvasPixels, GetSetAndOutsidePixels) {
    QImageCanvas c(10, 10, kWhite);
    c.SetPixel(3, 4, 0x123456);
    EXPECT_EQ(c.Pixel(3, 4), 0x123456u);
    EXPECT_EQ(RedOf(c.Pixel(3, 4)), 0x56);
    EXPECT_EQ(BlueOf(c.Pixel(3, 4)), 0x12);
    c.SetPixel(-1, 0, kRed);
    c.SetPixel(10, 0, kRed);
    EXPECT_EQ(c.Pixel(-1, 0), 0u);
    EXPECT_EQ(c.Pixel(0, 10), 0u);
    EXPECT_EQ(CountColour(c, kRed), 0);
    // The image stores the colour the Qt way round.
    EXPECT_EQ(c.image().pixelColor(3, 4), QColor(0x56, 0x34, 0x12));
    // System colour codes resolve to fixed colours (window = white).
    c.SetPixel(0, 0, 0x80000005u);
    EXPECT_EQ(c.Pixel(0, 0), kWhite);
    c.SetPixel(0, 0, 0x8000000Fu);  // button face
    EXPECT_EQ(c.Pixel(0, 0), 0xC0C0C0u);
}

TEST(QImageCanvasPixels, CopyRectFromAnotherCanvas) {
    QImageCanvas picture(20, 20, kBlue);
    QImageCanvas window(20, 20, kWhite);
    window.CopyRect(picture, 0, 0, 10, 5);
    EXPECT_EQ(CountColour(window, kBlue), 50);
    EXPECT_EQ(window.Pixel(9, 4), kBlue);
    EXPECT_EQ(window.Pixel(10, 4), kWhite);
    window.CopyRect(picture, 15, 15, 40, 40);  // clipped to the images
    EXPECT_EQ(window.Pixel(19, 19), kBlue);
}

}  // namespace
}  // namespace kurvo
