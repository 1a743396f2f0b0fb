#pragma once
// A Canvas on any QPainter: SVG and PDF pages, printers, and pictures at
// a screen's pixel ratio. A recorded picture (plot/recording_canvas.h) is
// replayed on it, so lines, markers and fills become vector paths and text
// stays text. Runs of LineTo become one polyline. Nothing is read back:
// Pixel() is 0, text metrics are the raster canvas's.
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "plot/canvas.h"

namespace kurvo {

class PainterCanvas : public Canvas {
public:
    // Draws on `painter` in a picture of width x height units.
    PainterCanvas(QPainter& painter, int width, int height);
    ~PainterCanvas() override;

    int width() const override { return width_; }
    int height() const override { return height_; }

    void SetPenColour(Colour colour) override { Flush(); pen_ = colour; }
    void SetPenWidth(int width) override { Flush(); penWidth_ = width < 1 ? 1 : width; }
    void SetPenStyle(PenStyle style) override { Flush(); penStyle_ = style; }
    void SetPenMode(PenMode mode) override { Flush(); penMode_ = mode; }
    Colour PenColour() const override { return pen_; }
    int PenWidth() const override { return penWidth_; }
    PenStyle GetPenStyle() const override { return penStyle_; }
    PenMode GetPenMode() const override { return penMode_; }

    void SetBrushColour(Colour colour) override { Flush(); brush_ = colour; }
    void SetBrushStyle(BrushStyle style) override { Flush(); brushStyle_ = style; }
    Colour BrushColour() const override { return brush_; }
    BrushStyle GetBrushStyle() const override { return brushStyle_; }

    void SetFont(const std::string& name, int sizePoints, Colour colour) override;
    int FontHeight() const override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    CanvasPoint PenPosition() const override { return position_; }

    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(const std::vector<CanvasPoint>& points) override;

    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;

    Colour Pixel(int, int) const override { return 0; }
    void SetPixel(int x, int y, Colour colour) override;

private:
    void Flush();
    QPen OutlinePen() const;
    void SetBrushOf(QPainter& p) const;

    QPainter& p_;
    int width_, height_;
    Colour pen_ = 0, brush_ = 0xFFFFFF, fontColour_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    int fontSize_ = 8;
    CanvasPoint position_;
    QPainterPath path_;  // the polyline being drawn
    bool pathOpen_ = false;
};

}  // namespace kurvo
