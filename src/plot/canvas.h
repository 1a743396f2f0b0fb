#pragma once
// The drawing surface every plotter draws on: the off-screen picture and
// the window are both Canvases. The operations are those of a classic
// raster canvas: a current pen (colour, width, style, raster mode), a
// current brush, a current font and a current pen position.
//
// Geometry follows the raster conventions the plotting algorithms are
// written for: the origin is the top-left pixel, rows grow downwards,
// LineTo(x, y) draws from the pen position up to but excluding (x, y),
// and rectangles given as (left, top, right, bottom) cover the columns
// left..right-1 and the rows top..bottom-1.
#include <cstdint>
#include <string>
#include <vector>

namespace kurvo {

// 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour RgbColour(int red, int green, int blue) {
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return int(c & 0xFF); }
constexpr int GreenOf(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return int((c >> 16) & 0xFF); }

// A colour with the top bit set is a system colour code (its low byte the
// index of the element, as in settings written on the original platform):
// it resolves to that element's classic colour, grey when unknown.
inline Colour ResolveColour(Colour c) {
    if ((c & 0x80000000u) == 0) return c & 0x00FFFFFFu;
    static constexpr Colour kSystem[] = {
        0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000,
        0x000000, 0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000,
        0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080, 0x000000, 0xC0C0C0, 0xFFFFFF,
        0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF};
    const unsigned index = c & 0xFFu;
    return index < sizeof kSystem / sizeof kSystem[0] ? kSystem[index] : 0x808080;
}

enum class PenStyle { Solid, Dash, Dot };
// Copy paints the pen colour; NotXor paints NOT(pen XOR destination), so
// drawing the same line twice restores what was there (rubber bands, the
// moving tangent and cross-hair).
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear };

struct CanvasPoint {
    int x = 0;
    int y = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Pen: colour, width in pixels (at least 1), style and raster mode.
    // Dashed and dotted styles apply to 1-pixel pens (dash 18 on, 6 off;
    // dot 3 on, 3 off, counted from the last MoveTo); wider pens draw solid.
    // Colours may be system colour codes (ResolveColour).
    virtual void SetPenColour(Colour colour) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetPenMode(PenMode mode) = 0;
    virtual Colour PenColour() const = 0;
    virtual int PenWidth() const = 0;
    virtual PenStyle GetPenStyle() const = 0;
    virtual PenMode GetPenMode() const = 0;

    // Brush: fills rectangles, ellipses and polygons, and the gaps of
    // dashed and dotted lines when its style is Solid.
    virtual void SetBrushColour(Colour colour) = 0;
    virtual void SetBrushStyle(BrushStyle style) = 0;
    virtual Colour BrushColour() const = 0;
    virtual BrushStyle GetBrushStyle() const = 0;

    // Font of TextOut, TextWidth and TextHeight. The name is 8-bit
    // (Windows-1252); a font that is not installed falls back to a sans
    // font. The size is in points.
    virtual void SetFont(const std::string& name, int sizePoints, Colour colour) = 0;
    // The font height as a classic canvas reports it for a size in points:
    // negative, -(size x 96 / 72) pixels rounded.
    virtual int FontHeight() const = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual CanvasPoint PenPosition() const = 0;

    // Fills left..right-1 x top..bottom-1 with the brush colour (no outline).
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // Outline with the pen, inside filled with the brush (unless Clear).
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Polygon(const std::vector<CanvasPoint>& points) = 0;

    // Text (8-bit, Windows-1252) with its top-left corner at (x, y), in the
    // font colour; the background behind the glyphs is filled with the
    // brush colour when the brush style is Solid.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;

    // Pixels outside the canvas read as 0 and are not written.
    virtual Colour Pixel(int x, int y) const = 0;
    virtual void SetPixel(int x, int y, Colour colour) = 0;

    // Copies the rectangle (left, top, right, bottom) of `source` to the
    // same place on this canvas. The default goes pixel by pixel.
    virtual void CopyRect(const Canvas& source, int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) SetPixel(x, y, source.Pixel(x, y));
    }
};

}  // namespace kurvo
