#include "plot/recording_canvas.h"

#include <algorithm>

namespace kurvo {

RecordingCanvas::RecordingCanvas(std::unique_ptr<Canvas> raster) : raster_(std::move(raster)) { Restart(); }

RecordingCanvas::State RecordingCanvas::Current() const {
    State s;
    s.pen = raster_->PenColour();
    s.brush = raster_->BrushColour();
    s.penWidth = raster_->PenWidth();
    s.penStyle = raster_->GetPenStyle();
    s.penMode = raster_->GetPenMode();
    s.brushStyle = raster_->GetBrushStyle();
    s.position = raster_->PenPosition();
    // Font name, size and colour cannot be read back from a canvas: they
    // are carried over from the last SetFont seen.
    s.fontName = start_.fontName;
    s.fontSize = start_.fontSize;
    s.font = start_.font;
    return s;
}

void RecordingCanvas::Restart() {
    const State s = Current();
    ops_.clear();
    texts_.clear();
    points_.clear();
    blocks_.clear();
    recordedBytes_ = 0;
    start_ = s;
    recordedWidth_ = raster_->width();
    recordedHeight_ = raster_->height();
}

void RecordingCanvas::CheckSize() {
    if (raster_->width() != recordedWidth_ || raster_->height() != recordedHeight_) Restart();
}

void RecordingCanvas::Add(const Op& op, size_t extraBytes) {
    ops_.push_back(op);
    recordedBytes_ += sizeof(Op) + extraBytes;
    // A picture drawn over and over without being covered whole (the
    // images of a continuous transformation) would make the list grow with
    // the work. Past the bound the picture so far is kept as its pixels.
    const size_t pictureBytes = size_t(std::max(width(), 0)) * size_t(std::max(height(), 0)) * sizeof(Colour);
    if (recordedBytes_ > std::max(kMaxRecordedBytes, 2 * pictureBytes)) Flatten();
}

void RecordingCanvas::Flatten() {
    Restart();
    Block block{0, 0, width(), height(), {}};
    block.pixels.reserve(size_t(width()) * size_t(height()));
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) block.pixels.push_back(raster_->Pixel(x, y));
    recordedBytes_ = sizeof(Op) + block.pixels.size() * sizeof(Colour);
    blocks_.push_back(std::move(block));
    ops_.push_back({Kind::Block, 0, 0, 0, 0, 0, 0});
}

// A state that does not change is neither set nor recorded: the markers of
// a data set set the same pen and brush for every point.
void RecordingCanvas::SetPenColour(Colour colour) {
    if (raster_->PenColour() == colour) return;
    raster_->SetPenColour(colour);
    Add({Kind::PenColour, 0, 0, 0, 0, colour});
}
void RecordingCanvas::SetPenWidth(int width) {
    if (raster_->PenWidth() == width) return;
    raster_->SetPenWidth(width);
    Add({Kind::PenWidth, width});
}
void RecordingCanvas::SetPenStyle(PenStyle style) {
    if (raster_->GetPenStyle() == style) return;
    raster_->SetPenStyle(style);
    Add({Kind::PenStyle, static_cast<int>(style)});
}
void RecordingCanvas::SetPenMode(PenMode mode) {
    if (raster_->GetPenMode() == mode) return;
    raster_->SetPenMode(mode);
    Add({Kind::PenMode, static_cast<int>(mode)});
}
void RecordingCanvas::SetBrushColour(Colour colour) {
    if (raster_->BrushColour() == colour) return;
    raster_->SetBrushColour(colour);
    Add({Kind::BrushColour, 0, 0, 0, 0, colour});
}
void RecordingCanvas::SetBrushStyle(BrushStyle style) {
    if (raster_->GetBrushStyle() == style) return;
    raster_->SetBrushStyle(style);
    Add({Kind::BrushStyle, static_cast<int>(style)});
}
void RecordingCanvas::SetFont(const std::string& name, int sizePoints, Colour colour) {
    raster_->SetFont(name, sizePoints, colour);
    texts_.push_back(name);
    Add({Kind::Font, sizePoints, 0, 0, 0, colour, static_cast<int>(texts_.size() - 1)}, name.size());
    // Kept for a restart, which cannot read the font back.
    start_.fontName = name;
    start_.fontSize = sizePoints;
    start_.font = colour;
}
void RecordingCanvas::MoveTo(int x, int y) {
    raster_->MoveTo(x, y);
    // The pen is there already, as the last line or move left it.
    if (!ops_.empty() && (ops_.back().kind == Kind::LineTo || ops_.back().kind == Kind::MoveTo) &&
        ops_.back().a == x && ops_.back().b == y)
        return;
    Add({Kind::MoveTo, x, y});
}
void RecordingCanvas::LineTo(int x, int y) {
    const CanvasPoint from = raster_->PenPosition();
    raster_->LineTo(x, y);
    if (MergeLine(from, x, y)) return;
    lineStart_ = from;
    Add({Kind::LineTo, x, y});
}

// A curve sampled far finer than the pixels gives long runs of lines that
// end where they start or go on in the same direction; a solid line drawn
// in one piece looks the same, so the recording grows with the picture,
// not with the number of samples.
bool RecordingCanvas::MergeLine(CanvasPoint from, int x, int y) {
    if (ops_.empty() || ops_.back().kind != Kind::LineTo) return false;
    Op& last = ops_.back();
    if (last.a != from.x || last.b != from.y) return false;
    if (x == from.x && y == from.y) return true;  // nothing more is covered
    // A dash pattern starts again with each line: only solid ones join.
    if (raster_->GetPenStyle() != PenStyle::Solid || (lineStart_.x == from.x && lineStart_.y == from.y)) return false;
    const long long dx1 = from.x - lineStart_.x, dy1 = from.y - lineStart_.y;
    const long long dx2 = x - from.x, dy2 = y - from.y;
    if (dx1 * dy2 != dy1 * dx2 || dx1 * dx2 + dy1 * dy2 <= 0) return false;
    last.a = x;
    last.b = y;
    return true;
}
void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
    raster_->FillRect(left, top, right, bottom);
    CheckSize();
    // Everything before is painted over; the fill itself stays.
    if (left <= 0 && top <= 0 && right >= width() && bottom >= height()) Restart();
    Add({Kind::FillRect, left, top, right, bottom});
}
void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
    raster_->Rectangle(left, top, right, bottom);
    Add({Kind::Rectangle, left, top, right, bottom});
}
void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    raster_->Ellipse(left, top, right, bottom);
    Add({Kind::Ellipse, left, top, right, bottom});
}
void RecordingCanvas::Polygon(const std::vector<CanvasPoint>& points) {
    raster_->Polygon(points);
    points_.push_back(points);
    Add({Kind::Polygon, 0, 0, 0, 0, 0, static_cast<int>(points_.size() - 1)}, points.size() * sizeof(CanvasPoint));
}
void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    raster_->TextOut(x, y, text);
    texts_.push_back(text);
    Add({Kind::Text, x, y, 0, 0, 0, static_cast<int>(texts_.size() - 1)}, text.size());
}
void RecordingCanvas::SetPixel(int x, int y, Colour colour) {
    raster_->SetPixel(x, y, colour);
    Add({Kind::Pixel, x, y, 0, 0, colour});
}
void RecordingCanvas::CopyRect(const Canvas& source, int left, int top, int right, int bottom) {
    raster_->CopyRect(source, left, top, right, bottom);
    Block block{left, top, right, bottom, {}};
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) block.pixels.push_back(source.Pixel(x, y));
    const size_t bytes = block.pixels.size() * sizeof(Colour);
    blocks_.push_back(std::move(block));
    Add({Kind::Block, 0, 0, 0, 0, 0, static_cast<int>(blocks_.size() - 1)}, bytes);
}

void RecordingCanvas::Apply(const State& s, Canvas& target) {
    target.SetPenColour(s.pen);
    target.SetPenWidth(s.penWidth);
    target.SetPenStyle(s.penStyle);
    target.SetPenMode(s.penMode);
    target.SetBrushColour(s.brush);
    target.SetBrushStyle(s.brushStyle);
    target.SetFont(s.fontName, s.fontSize, s.font);
    target.MoveTo(s.position.x, s.position.y);
}

void RecordingCanvas::Replay(Canvas& target) const {
    Apply(start_, target);
    for (const Op& op : ops_) {
        switch (op.kind) {
            case Kind::PenColour: target.SetPenColour(op.value); break;
            case Kind::PenWidth: target.SetPenWidth(op.a); break;
            case Kind::PenStyle: target.SetPenStyle(static_cast<PenStyle>(op.a)); break;
            case Kind::PenMode: target.SetPenMode(static_cast<PenMode>(op.a)); break;
            case Kind::BrushColour: target.SetBrushColour(op.value); break;
            case Kind::BrushStyle: target.SetBrushStyle(static_cast<BrushStyle>(op.a)); break;
            case Kind::Font: target.SetFont(texts_[static_cast<size_t>(op.extra)], op.a, op.value); break;
            case Kind::MoveTo: target.MoveTo(op.a, op.b); break;
            case Kind::LineTo: target.LineTo(op.a, op.b); break;
            case Kind::FillRect: target.FillRect(op.a, op.b, op.c, op.d); break;
            case Kind::Rectangle: target.Rectangle(op.a, op.b, op.c, op.d); break;
            case Kind::Ellipse: target.Ellipse(op.a, op.b, op.c, op.d); break;
            case Kind::Polygon: target.Polygon(points_[static_cast<size_t>(op.extra)]); break;
            case Kind::Text: target.TextOut(op.a, op.b, texts_[static_cast<size_t>(op.extra)]); break;
            case Kind::Pixel: target.SetPixel(op.a, op.b, op.value); break;
            case Kind::Block: {
                const Block& b = blocks_[static_cast<size_t>(op.extra)];
                size_t i = 0;
                for (int y = b.top; y < b.bottom; ++y)
                    for (int x = b.left; x < b.right; ++x) target.SetPixel(x, y, b.pixels[i++]);
                break;
            }
        }
    }
}

}  // namespace kurvo
