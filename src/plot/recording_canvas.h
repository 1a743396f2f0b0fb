#pragma once
// A canvas that draws on another (the raster picture) and keeps a list of
// what was drawn, so the same picture can be drawn again on any other
// canvas: a printer, an SVG or PDF page, a screen at another pixel ratio.
// The plotters never know: reads (Pixel, text metrics) go to the raster,
// which stays the picture the window shows. The list starts again when the
// whole picture is painted over or resized, so it holds what is visible;
// lines that go on in the same direction are recorded as one, and a list
// that outgrows its bound becomes the picture's pixels.
#include <memory>
#include <string>
#include <vector>

#include "plot/canvas.h"

namespace kurvo {

class RecordingCanvas : public Canvas {
public:
    // What the list may hold (or twice the picture's pixels, if more)
    // before the picture so far is kept as pixels instead.
    static constexpr size_t kMaxRecordedBytes = size_t(64) << 20;

    explicit RecordingCanvas(std::unique_ptr<Canvas> raster);

    Canvas& Raster() { return *raster_; }
    const Canvas& Raster() const { return *raster_; }

    // Draws everything recorded since the picture was last covered whole,
    // in order, on `target` (which starts from the state recorded then).
    void Replay(Canvas& target) const;
    size_t OperationCount() const { return ops_.size(); }

    int width() const override { return raster_->width(); }
    int height() const override { return raster_->height(); }

    void SetPenColour(Colour colour) override;
    void SetPenWidth(int width) override;
    void SetPenStyle(PenStyle style) override;
    void SetPenMode(PenMode mode) override;
    Colour PenColour() const override { return raster_->PenColour(); }
    int PenWidth() const override { return raster_->PenWidth(); }
    PenStyle GetPenStyle() const override { return raster_->GetPenStyle(); }
    PenMode GetPenMode() const override { return raster_->GetPenMode(); }

    void SetBrushColour(Colour colour) override;
    void SetBrushStyle(BrushStyle style) override;
    Colour BrushColour() const override { return raster_->BrushColour(); }
    BrushStyle GetBrushStyle() const override { return raster_->GetBrushStyle(); }

    void SetFont(const std::string& name, int sizePoints, Colour colour) override;
    int FontHeight() const override { return raster_->FontHeight(); }

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    CanvasPoint PenPosition() const override { return raster_->PenPosition(); }

    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(const std::vector<CanvasPoint>& points) override;

    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) const override { return raster_->TextWidth(text); }
    int TextHeight(const std::string& text) const override { return raster_->TextHeight(text); }

    Colour Pixel(int x, int y) const override { return raster_->Pixel(x, y); }
    void SetPixel(int x, int y, Colour colour) override;
    void CopyRect(const Canvas& source, int left, int top, int right, int bottom) override;

private:
    enum class Kind : unsigned char {
        PenColour, PenWidth, PenStyle, PenMode, BrushColour, BrushStyle, Font, MoveTo, LineTo,
        FillRect, Rectangle, Ellipse, Polygon, Text, Pixel, Block,
    };
    struct Op {
        Kind kind;
        int a = 0, b = 0, c = 0, d = 0;
        unsigned value = 0;
        int extra = -1;  // index into texts_ / points_ / blocks_
    };
    struct State {
        Colour pen = 0, brush = 0, font = 0;
        int penWidth = 1;
        PenStyle penStyle = PenStyle::Solid;
        PenMode penMode = PenMode::Copy;
        BrushStyle brushStyle = BrushStyle::Solid;
        std::string fontName;
        int fontSize = 8;
        CanvasPoint position;
    };
    struct Block {
        int left, top, right, bottom;
        std::vector<Colour> pixels;
    };

    void Add(const Op& op, size_t extraBytes = 0);
    // Replaces the list by the picture's pixels as they are now.
    void Flatten();
    // Folds a line from `from` into the last recorded line when it adds
    // nothing or goes on in the same direction; true when folded.
    bool MergeLine(CanvasPoint from, int x, int y);
    // The picture's size changed behind this canvas (a resize of the
    // raster): nothing recorded is visible any more. Checked where the
    // picture is covered whole, which every repaint after a resize does,
    // so drawing pays nothing for it.
    void CheckSize();
    void Restart();
    State Current() const;
    static void Apply(const State& state, Canvas& target);

    std::unique_ptr<Canvas> raster_;
    int recordedWidth_ = 0, recordedHeight_ = 0;
    State start_;
    std::vector<Op> ops_;
    size_t recordedBytes_ = 0;  // about what the lists hold
    CanvasPoint lineStart_;  // where the last recorded line starts
    std::vector<std::string> texts_;
    std::vector<std::vector<CanvasPoint>> points_;
    std::vector<Block> blocks_;
};

}  // namespace kurvo
