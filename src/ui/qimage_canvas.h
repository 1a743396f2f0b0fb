#pragma once
// A Canvas on a QImage: the off-screen picture, and any surface the graph
// is drawn on before it is shown, printed or saved. Drawing is aliased and
// pixel exact: 1-pixel lines are placed by the program itself (end point
// excluded, dash and dot patterns, not-xor), wider lines, fills and text
// go through QPainter without antialiasing. Uses QtGui only.
#include <QFont>
#include <QImage>

#include "plot/canvas.h"

class QPainter;

namespace kurvo {

class QImageCanvas : public Canvas {
public:
    // A picture of width x height pixels filled with `background`.
    QImageCanvas(int width, int height, Colour background = 0xFFFFFF);
    // Draws on an existing image (converted to 32-bit RGB if needed).
    explicit QImageCanvas(const QImage& image);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // Starts again with a new size, filled with `background`; the pen, brush
    // and font are kept.
    void Resize(int width, int height, Colour background);

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }

    void SetPenColour(Colour colour) override { penColour_ = colour; }
    // Wider than the picture draws nothing more and would overflow the clip.
    void SetPenWidth(int width) override { penWidth_ = width < 1 ? 1 : width > 10000 ? 10000 : width; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void SetPenMode(PenMode mode) override { penMode_ = mode; }
    Colour PenColour() const override { return penColour_; }
    int PenWidth() const override { return penWidth_; }
    PenStyle GetPenStyle() const override { return penStyle_; }
    PenMode GetPenMode() const override { return penMode_; }

    void SetBrushColour(Colour colour) override { brushColour_ = colour; }
    void SetBrushStyle(BrushStyle style) override { brushStyle_ = style; }
    Colour BrushColour() const override { return brushColour_; }
    BrushStyle GetBrushStyle() const override { return brushStyle_; }

    void SetFont(const std::string& name, int sizePoints, Colour colour) override;
    int FontHeight() const override;
    // The family actually used (the named one, or the fallback).
    QString FontFamily() const { return font_.family(); }

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

    Colour Pixel(int x, int y) const override;
    void SetPixel(int x, int y, Colour colour) override;
    void CopyRect(const Canvas& source, int left, int top, int right, int bottom) override;

private:
    // Pen, raster mode and brush of ellipses and polygons, unsmoothed.
    void SetUpOutline(QPainter& p) const;
    void ThinLine(int x1, int y1, int x2, int y2);
    void WideLine(int x1, int y1, int x2, int y2);

    QImage image_;
    Colour penColour_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    Colour brushColour_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    std::string fontName_;
    int fontSize_ = 8;
    Colour fontColour_ = 0;
    CanvasPoint position_;
    long long patternPosition_ = 0;  // pixels of the dash pattern used since MoveTo
};

// The font of a canvas font name (8-bit) and size in points, at 96
// pixels per inch; a font that is not installed falls back to a sans font.
QFont CanvasFont(const std::string& name, int sizePoints);

// The QColor of a canvas colour (system colour codes resolved).
QColor ToQColor(Colour colour);

}  // namespace kurvo
