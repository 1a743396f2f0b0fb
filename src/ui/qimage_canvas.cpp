#include "ui/qimage_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "expr/encoding.h"

namespace kurvo {

namespace {

constexpr const char* kFallbackFont = "DejaVu Sans";

QRgb ToRgb(Colour c) {
    c = ResolveColour(c);
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

Colour FromRgb(QRgb p) { return RgbColour(qRed(p), qGreen(p), qBlue(p)); }

QString ToQString(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

// Classic rounding of a multiply-divide: size in points to pixels at 96 dpi.
// Computed in doubles so that any int (INT_MIN too) is safe; kept within a
// size a font can take.
int PointsToPixels(int points) {
    return int(std::lround(std::min(std::fabs(double(points)), 10000.0) * 96.0 / 72.0));
}

// Dash patterns of 1-pixel pens: lengths of on, off, on, off, ...
struct Pattern {
    int on;
    int off;
};
Pattern PatternOf(PenStyle style) {
    switch (style) {
        case PenStyle::Dash: return {18, 6};
        case PenStyle::Dot: return {3, 3};
        case PenStyle::Solid: break;
    }
    return {1, 0};
}

// Cohen-Sutherland-free parametric clip of a segment to a rectangle, in
// doubles; false when nothing of it is inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

}  // namespace

QColor ToQColor(Colour colour) { return QColor(ToRgb(colour)); }

QImageCanvas::QImageCanvas(int width, int height, Colour background) {
    Resize(width, height, background);
    SetFont("", 8, 0);
}

QImageCanvas::QImageCanvas(const QImage& image)
    : image_(image.convertToFormat(QImage::Format_RGB32)) {
    SetFont("", 8, 0);
}

void QImageCanvas::Resize(int width, int height, Colour background) {
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image_.fill(ToRgb(background));
}

void QImageCanvas::SetFont(const std::string& name, int sizePoints, Colour colour) {
    fontColour_ = colour;
    if (name == fontName_ && sizePoints == fontSize_ && !font_.family().isEmpty()) return;
    fontName_ = name;
    fontSize_ = sizePoints;
    font_ = CanvasFont(name, sizePoints);
    font_.setStyleStrategy(QFont::NoAntialias);
}

QFont CanvasFont(const std::string& name, int sizePoints) {
    QString family = ToQString(name);
    if (family.isEmpty() || !QFontDatabase::hasFamily(family)) family = kFallbackFont;
    QFont font(family);
    font.setPixelSize(std::max(1, PointsToPixels(sizePoints)));
    return font;
}

int QImageCanvas::FontHeight() const { return -PointsToPixels(fontSize_); }

void QImageCanvas::MoveTo(int x, int y) {
    position_ = {x, y};
    patternPosition_ = 0;
}

void QImageCanvas::LineTo(int x, int y) {
    if (penWidth_ <= 1)
        ThinLine(position_.x, position_.y, x, y);
    else
        WideLine(position_.x, position_.y, x, y);
    position_ = {x, y};
}

// Pixels from (x1, y1) up to but excluding (x2, y2): along the longer
// direction one pixel per step, the other coordinate rounded. Only the
// steps that fall on the image are visited, so far-away end points cost
// nothing.
void QImageCanvas::ThinLine(int x1, int y1, int x2, int y2) {
    if (y1 == y2 && penStyle_ == PenStyle::Solid && penMode_ == PenMode::Copy) {
        // A solid horizontal run (marker rows, fills): one span of the row,
        // the pixels x1 up to but excluding x2.
        const long long n = std::llabs((long long)x2 - x1);
        if (n > 0 && y1 >= 0 && y1 < image_.height()) {
            const long long a = x2 > x1 ? x1 : (long long)x2 + 1, b = a + n;  // [a, b)
            const long long from = std::max(0LL, a), to = std::min<long long>(image_.width(), b);
            if (from < to)
                std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y1)) + from, to - from, ToRgb(penColour_));
        }
        patternPosition_ += n;
        return;
    }
    constexpr int kFar = 1 << 28;
    if (std::abs(x1) > kFar || std::abs(y1) > kFar || std::abs(x2) > kFar || std::abs(y2) > kFar) {
        // Keep the step arithmetic within 64 bits: only the part near the
        // image can show.
        double ax = x1, ay = y1, bx = x2, by = y2;
        const double box = 1 << 20;
        const long long n = std::max(std::llabs((long long)x2 - x1), std::llabs((long long)y2 - y1));
        if (ClipSegment(ax, ay, bx, by, -box, -box, box + image_.width(), box + image_.height())) {
            const long long saved = patternPosition_;
            ThinLine(int(std::lround(ax)), int(std::lround(ay)), int(std::lround(bx)), int(std::lround(by)));
            patternPosition_ = saved;
        }
        patternPosition_ += n;
        return;
    }
    const long long dx = (long long)x2 - x1, dy = (long long)y2 - y1;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    const long long n = std::max(adx, ady);
    if (n == 0) return;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const long long major1 = xMajor ? x1 : y1;
    const int majorSign = xMajor ? sx : sy;
    const long long limit = xMajor ? image_.width() : image_.height();

    // Steps i in [first, last] keep the major coordinate inside 0..limit-1.
    long long first = 0, last = n - 1;
    if (majorSign > 0) {
        first = std::max(first, -major1);
        last = std::min(last, limit - 1 - major1);
    } else {
        first = std::max(first, major1 - (limit - 1));
        last = std::min(last, major1);
    }

    if (first > last) {
        patternPosition_ += n;
        return;
    }

    // The repaint's hot path: the bits are fetched (and detached) once per
    // line, the minor coordinate advances by an exact running remainder
    // instead of a division per pixel; the pixels are the same as
    // round((2 i d_minor + d_major) / (2 d_major)) gives.
    const int w = image_.width(), h = image_.height();
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const QRgb pen = ToRgb(penColour_), brush = ToRgb(brushColour_);
    const bool notXor = penMode_ == PenMode::NotXor;
    const Pattern pattern = PatternOf(penStyle_);
    const long long period = pattern.on + pattern.off;
    const bool gaps = pattern.off > 0 && brushStyle_ == BrushStyle::Solid;
    const long long dMajor = xMajor ? adx : ady, dMinor = xMajor ? ady : adx;
    const long long denominator = 2 * dMajor;
    const long long numerator = 2 * first * dMinor + dMajor;
    long long minorStep = numerator / denominator, remainder = numerator % denominator;
    long long phase = period > 1 ? (patternPosition_ + first) % period : 0;
    for (long long i = first; i <= last; ++i) {
        const long long px = xMajor ? x1 + sx * i : x1 + sx * minorStep;
        const long long py = xMajor ? y1 + sy * minorStep : y1 + sy * i;
        if (py >= 0 && px >= 0 && px < w && py < h) {
            const bool on = phase < pattern.on;
            if (on || gaps) {
                QRgb& pixel = reinterpret_cast<QRgb*>(bits + py * stride)[px];
                const QRgb source = on ? pen : brush;
                pixel = notXor ? 0xFF000000u | (~(source ^ pixel) & 0x00FFFFFFu) : source;
            }
        }
        remainder += 2 * dMinor;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++minorStep;
        }
        if (period > 1 && ++phase == period) phase = 0;
    }
    patternPosition_ += n;
}

void QImageCanvas::WideLine(int x1, int y1, int x2, int y2) {
    double ax = x1, ay = y1, bx = x2, by = y2;
    const double margin = penWidth_ + 2;
    if (!ClipSegment(ax, ay, bx, by, -margin, -margin, image_.width() + margin, image_.height() + margin))
        return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (penMode_ == PenMode::NotXor) p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(QPen(ToQColor(penColour_), penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(ax, ay), QPointF(bx, by));
}

void QImageCanvas::FillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    QPainter p(&image_);
    p.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(brushColour_));
}

void QImageCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    if (brushStyle_ == BrushStyle::Solid) {
        QPainter p(&image_);
        if (penMode_ == PenMode::NotXor) p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), ToQColor(brushColour_));
    }
    const CanvasPoint saved = position_;
    const long long savedPattern = patternPosition_;
    MoveTo(left, top);
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
    position_ = saved;
    patternPosition_ = savedPattern;
}

void QImageCanvas::SetUpOutline(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, false);
    if (penMode_ == PenMode::NotXor) p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(QPen(ToQColor(penColour_), penWidth_ <= 1 ? 0 : penWidth_));
    if (brushStyle_ == BrushStyle::Solid)
        p.setBrush(ToQColor(brushColour_));
    else
        p.setBrush(Qt::NoBrush);
}

void QImageCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    QPainter p(&image_);
    SetUpOutline(p);
    p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QImageCanvas::Polygon(const std::vector<CanvasPoint>& points) {
    if (points.empty()) return;
    QPolygon polygon;
    for (const CanvasPoint& pt : points) polygon << QPoint(pt.x, pt.y);
    QPainter p(&image_);
    SetUpOutline(p);
    p.drawPolygon(polygon);
}

void QImageCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const QString s = ToQString(text);
    const QFontMetrics metrics(font_);
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    if (brushStyle_ == BrushStyle::Solid)
        p.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(brushColour_));
    p.setFont(font_);
    p.setPen(ToQColor(fontColour_));
    p.drawText(QPoint(x, y + metrics.ascent()), s);
}

int QImageCanvas::TextWidth(const std::string& text) const {
    return QFontMetrics(font_).horizontalAdvance(ToQString(text));
}

int QImageCanvas::TextHeight(const std::string& text) const { return QFontMetrics(font_).height(); }

Colour QImageCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return 0;
    return FromRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void QImageCanvas::SetPixel(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = ToRgb(colour);
}

void QImageCanvas::CopyRect(const Canvas& source, int left, int top, int right, int bottom) {
    if (const auto* picture = dynamic_cast<const QImageCanvas*>(&source)) {
        const QRect r = QRect(left, top, right - left, bottom - top).intersected(picture->image_.rect());
        if (r.isEmpty()) return;
        QPainter p(&image_);
        p.drawImage(r.topLeft(), picture->image_, r);
        return;
    }
    Canvas::CopyRect(source, left, top, right, bottom);
}

}  // namespace kurvo
