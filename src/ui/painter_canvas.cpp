#include "ui/painter_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>

#include "expr/encoding.h"
#include "ui/qimage_canvas.h"

namespace kurvo {

namespace {
QString ToQString(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height)
    : p_(painter), width_(width), height_(height) {
    p_.setRenderHint(QPainter::Antialiasing, true);
    SetFont("", fontSize_, 0);
}

PainterCanvas::~PainterCanvas() { Flush(); }

void PainterCanvas::SetFont(const std::string& name, int sizePoints, Colour colour) {
    Flush();
    fontColour_ = colour;
    fontSize_ = sizePoints;
    font_ = CanvasFont(name, sizePoints);
}

int PainterCanvas::FontHeight() const { return -font_.pixelSize(); }

QPen PainterCanvas::OutlinePen() const {
    QPen pen(ToQColor(pen_), penWidth_, Qt::SolidLine, penWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap,
             Qt::RoundJoin);
    // Dash patterns belong to 1-pixel pens, in pixels: dash 18 on 6 off,
    // dot 3 on 3 off.
    if (penWidth_ <= 1 && penStyle_ == PenStyle::Dash) pen.setDashPattern({18, 6});
    if (penWidth_ <= 1 && penStyle_ == PenStyle::Dot) pen.setDashPattern({3, 3});
    if (penWidth_ <= 1) pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PainterCanvas::SetBrushOf(QPainter& p) const {
    if (brushStyle_ == BrushStyle::Solid)
        p.setBrush(ToQColor(brush_));
    else
        p.setBrush(Qt::NoBrush);
}

void PainterCanvas::Flush() {
    if (!pathOpen_) return;
    pathOpen_ = false;
    // Not-xor drawing marks and unmarks; on a device without raster
    // operations it would only leave the mark, so it is left out there.
    const bool notXor = penMode_ == PenMode::NotXor;
    if (notXor && !p_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        path_.clear();
        return;
    }
    p_.save();
    if (notXor) p_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p_.setBrush(Qt::NoBrush);
    if (penWidth_ <= 1 && penStyle_ != PenStyle::Solid && brushStyle_ == BrushStyle::Solid) {
        // The gaps of a broken line show the brush.
        QPen gaps(ToQColor(brush_), 1);
        gaps.setCapStyle(Qt::FlatCap);
        p_.setPen(gaps);
        p_.drawPath(path_);
    }
    p_.setPen(OutlinePen());
    p_.drawPath(path_);
    p_.restore();
    path_.clear();
}

// Pixel coordinates name pixels; the vector picture draws through their
// centres.
static QPointF Centre(int x, int y) { return {x + 0.5, y + 0.5}; }

void PainterCanvas::MoveTo(int x, int y) {
    Flush();
    position_ = {x, y};
}

void PainterCanvas::LineTo(int x, int y) {
    if (!pathOpen_) {
        path_.moveTo(Centre(position_.x, position_.y));
        pathOpen_ = true;
    }
    path_.lineTo(Centre(x, y));
    position_ = {x, y};
}

void PainterCanvas::FillRect(int left, int top, int right, int bottom) {
    Flush();
    if (right <= left || bottom <= top) return;
    p_.fillRect(QRectF(left, top, right - left, bottom - top), ToQColor(brush_));
}

void PainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    Flush();
    if (right <= left || bottom <= top) return;
    p_.save();
    p_.setPen(OutlinePen());
    SetBrushOf(p_);
    p_.drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    p_.restore();
}

void PainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    Flush();
    if (right <= left || bottom <= top) return;
    p_.save();
    p_.setPen(OutlinePen());
    SetBrushOf(p_);
    p_.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    p_.restore();
}

void PainterCanvas::Polygon(const std::vector<CanvasPoint>& points) {
    Flush();
    if (points.empty()) return;
    QPolygonF polygon;
    for (const CanvasPoint& pt : points) polygon << Centre(pt.x, pt.y);
    p_.save();
    p_.setPen(OutlinePen());
    SetBrushOf(p_);
    p_.drawPolygon(polygon);
    p_.restore();
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
    Flush();
    if (text.empty()) return;
    const QString s = ToQString(text);
    const QFontMetrics metrics(font_);
    p_.save();
    if (brushStyle_ == BrushStyle::Solid)
        p_.fillRect(QRectF(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(brush_));
    p_.setFont(font_);
    p_.setPen(ToQColor(fontColour_));
    p_.drawText(QPointF(x, y + metrics.ascent()), s);
    p_.restore();
}

int PainterCanvas::TextWidth(const std::string& text) const {
    return QFontMetrics(font_).horizontalAdvance(ToQString(text));
}

int PainterCanvas::TextHeight(const std::string&) const { return QFontMetrics(font_).height(); }

void PainterCanvas::SetPixel(int x, int y, Colour colour) {
    Flush();
    p_.fillRect(QRectF(x, y, 1, 1), ToQColor(colour));
}

}  // namespace kurvo
