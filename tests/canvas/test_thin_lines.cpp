// 1-pixel lines drawn straight into the image bits give exactly the pixels
// of the defining rule: per step along the longer direction, the other
// coordinate rounded, the dash pattern counted from MoveTo, not-xor.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <random>
#include <vector>

#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

// The rule, one pixel at a time, on a plain QImage.
struct ReferenceLines {
    QImage image;
    long long pattern = 0;
    void Line(int x1, int y1, int x2, int y2, QRgb pen, QRgb brush, PenStyle style, bool notXor, bool gaps) {
        const long long dx = (long long)x2 - x1, dy = (long long)y2 - y1;
        const long long adx = std::llabs(dx), ady = std::llabs(dy), n = std::max(adx, ady);
        const int on = style == PenStyle::Dash ? 18 : style == PenStyle::Dot ? 3 : 1;
        const int period = on + (style == PenStyle::Dash ? 6 : style == PenStyle::Dot ? 3 : 0);
        for (long long i = 0; i < n; ++i) {
            long long px, py;
            if (adx >= ady) {
                px = x1 + (dx < 0 ? -i : i);
                const long long m = (2 * i * ady + adx) / (2 * adx);
                py = y1 + (dy < 0 ? -m : m);
            } else {
                py = y1 + (dy < 0 ? -i : i);
                const long long m = (2 * i * adx + ady) / (2 * ady);
                px = x1 + (dx < 0 ? -m : m);
            }
            const bool isOn = (pattern + i) % period < on;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height() || (!isOn && !(gaps && period > on)))
                continue;
            QRgb& p = reinterpret_cast<QRgb*>(image.scanLine(int(py)))[px];
            const QRgb s = isOn ? pen : brush;
            p = notXor ? 0xFF000000u | (~(s ^ p) & 0x00FFFFFFu) : s;
        }
        pattern += n;
    }
};

TEST(QImageCanvasThinLines, EveryPixelFollowsTheRule) {
    std::mt19937 random(12);
    const int w = 97, h = 61;
    for (int run = 0; run < 200; ++run) {
        QImageCanvas canvas(w, h, 0xC0C0C0);
        ReferenceLines reference{canvas.image().copy()};
        const PenStyle style = PenStyle(random() % 3);
        const bool notXor = random() % 2, solidBrush = random() % 2;
        const Colour pen = random() & 0xFFFFFF, brush = random() & 0xFFFFFF;
        canvas.SetPenStyle(style);
        canvas.SetPenMode(notXor ? PenMode::NotXor : PenMode::Copy);
        canvas.SetBrushStyle(solidBrush ? BrushStyle::Solid : BrushStyle::Clear);
        canvas.SetPenColour(pen);
        canvas.SetBrushColour(brush);
        const QRgb penRgb = qRgb(pen & 0xFF, (pen >> 8) & 0xFF, pen >> 16);
        const QRgb brushRgb = qRgb(brush & 0xFF, (brush >> 8) & 0xFF, brush >> 16);
        // Near, on the edges and far away (up to a million pixels out).
        auto coordinate = [&](int size) {
            const int kind = int(random() % 4);
            return kind == 0 ? int(random() % 2000001) - 1000000 : int(random() % (size + 40)) - 20;
        };
        int x = coordinate(w), y = coordinate(h);
        canvas.MoveTo(x, y);
        for (int segment = 0; segment < 6; ++segment) {
            // Every fourth segment horizontal: rows have their own path.
            const int nx = coordinate(w), ny = random() % 4 == 0 ? y : coordinate(h);
            canvas.LineTo(nx, ny);
            reference.Line(x, y, nx, ny, penRgb, brushRgb, style, notXor, solidBrush);
            x = nx;
            y = ny;
        }
        ASSERT_EQ(canvas.image(), reference.image) << "run " << run;
    }
}

}  // namespace
}  // namespace kurvo
