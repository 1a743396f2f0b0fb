#pragma once
// A Canvas that draws nothing and records every drawing call with the pen,
// brush and font in force, so tests can ask what was drawn where.
#include <algorithm>
#include <string>
#include <vector>

#include "plot/canvas.h"

namespace kurvo::test {

struct CanvasCall {
    enum Kind { Line, Text, Polygon, FillRect, Rectangle, Ellipse, Pixel } kind = Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, text origin, rectangle
    Colour colour = 0;                   // pen colour (font colour for text)
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    Colour brush = 0;
    BrushStyle brushStyle = BrushStyle::Solid;
    std::string text;
    std::vector<CanvasPoint> points;
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int width = 400, int height = 400) : width_(width), height_(height) {}

    std::vector<CanvasCall> calls;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void SetPenColour(Colour c) override { pen_ = c; }
    void SetPenWidth(int w) override { penWidth_ = w; }
    void SetPenStyle(PenStyle s) override { style_ = s; }
    void SetPenMode(PenMode m) override { mode_ = m; }
    Colour PenColour() const override { return pen_; }
    int PenWidth() const override { return penWidth_; }
    PenStyle GetPenStyle() const override { return style_; }
    PenMode GetPenMode() const override { return mode_; }
    void SetBrushColour(Colour c) override { brush_ = c; }
    void SetBrushStyle(BrushStyle s) override { brushStyle_ = s; }
    Colour BrushColour() const override { return brush_; }
    BrushStyle GetBrushStyle() const override { return brushStyle_; }
    void SetFont(const std::string& name, int size, Colour colour) override {
        fontName_ = name;
        fontSize_ = size;
        fontColour_ = colour;
    }
    // A fixed-pitch stand-in: every character is 6 pixels wide.
    int FontHeight() const override { return -(fontSize_ * 96 + 36) / 72; }
    void MoveTo(int x, int y) override { pos_ = {x, y}; }
    void LineTo(int x, int y) override {
        calls.push_back(Make(CanvasCall::Line, pos_.x, pos_.y, x, y));
        pos_ = {x, y};
    }
    CanvasPoint PenPosition() const override { return pos_; }
    void FillRect(int l, int t, int r, int b) override { calls.push_back(Make(CanvasCall::FillRect, l, t, r, b)); }
    void Rectangle(int l, int t, int r, int b) override { calls.push_back(Make(CanvasCall::Rectangle, l, t, r, b)); }
    void Ellipse(int l, int t, int r, int b) override { calls.push_back(Make(CanvasCall::Ellipse, l, t, r, b)); }
    void Polygon(const std::vector<CanvasPoint>& points) override {
        CanvasCall call = Make(CanvasCall::Polygon, 0, 0, 0, 0);
        call.points = points;
        calls.push_back(call);
    }
    void TextOut(int x, int y, const std::string& text) override {
        CanvasCall call = Make(CanvasCall::Text, x, y, x, y);
        call.colour = fontColour_;
        call.text = text;
        calls.push_back(call);
    }
    int TextWidth(const std::string& text) const override { return 6 * int(text.size()); }
    int TextHeight(const std::string&) const override { return -FontHeight() + 3; }
    Colour Pixel(int, int) const override { return 0; }
    void SetPixel(int x, int y, Colour c) override {
        CanvasCall call = Make(CanvasCall::Pixel, x, y, x, y);
        call.colour = c;
        calls.push_back(call);
    }

    // Calls of one kind, optionally only those drawn in `colour`.
    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const {
        std::vector<CanvasCall> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [&](const CanvasCall& c) { return c.kind == kind; });
        return out;
    }
    std::vector<CanvasCall> LinesIn(Colour colour) const {
        std::vector<CanvasCall> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [&](const CanvasCall& c) { return c.kind == CanvasCall::Line && c.colour == colour; });
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const CanvasCall& c : calls)
            if (c.kind == CanvasCall::Text) out.push_back(c.text);
        return out;
    }

private:
    CanvasCall Make(CanvasCall::Kind kind, int x1, int y1, int x2, int y2) const {
        CanvasCall c;
        c.kind = kind;
        c.x1 = x1;
        c.y1 = y1;
        c.x2 = x2;
        c.y2 = y2;
        c.colour = pen_;
        c.width = penWidth_;
        c.style = style_;
        c.mode = mode_;
        c.brush = brush_;
        c.brushStyle = brushStyle_;
        return c;
    }

    int width_, height_;
    Colour pen_ = 0, brush_ = 0xFFFFFF, fontColour_ = 0;
    int penWidth_ = 1, fontSize_ = 8;
    PenStyle style_ = PenStyle::Solid;
    PenMode mode_ = PenMode::Copy;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    std::string fontName_;
    CanvasPoint pos_;
};

}  // namespace kurvo::test

#include "plot/plot_context.h"
#include "plot/view_mapping.h"

namespace kurvo::test {

// Settings, view and mapping of one graph area, with distinct colours so
// that a test can tell every element apart by its colour.
struct PlotScene {
    static constexpr Colour kBackground = 0xC0C0C0;
    static constexpr Colour kAxes = 0x000000;
    static constexpr Colour kAsymptote = 0x800000;
    static constexpr Colour kDerivative = 0x0000FF;
    static constexpr Colour kIntegral = 0x00FF00;
    static constexpr Colour kGrid = 0x808080;
    static constexpr Colour kFont = 0x404040;
    static constexpr Colour kGraph[5] = {0x008000, 0x800080, 0x008080, 0x000080, 0x808000};

    SettingsRecord settings;
    GraphView view;
    PixelMapping mapping;
    PlotContext ctx{settings, view, mapping};

    PlotScene() {
        settings.BackgroundColour = kBackground;
        settings.AxesColour = kAxes;
        settings.AsymptoteColour = kAsymptote;
        settings.DerivativeColour = kDerivative;
        settings.IntegralColour = kIntegral;
        settings.GridColour = kGrid;
        settings.FontColour = kFont;
        for (int i = 0; i < 5; ++i) settings.GraphColours[i] = kGraph[i];
        settings.FontName = "DejaVu Sans";
        settings.FontSize = 8;
        settings.GraphLineWidth = settings.AxisLineWidth = settings.GridLineWidth = 1;
        settings.ShowPlot = false;
        settings.XAxisLabel = "x";
        settings.YAxisLabel = "y";
        SetView(-10, 10, -10, 10, 400, 400);
    }

    // The view edges, the area size and XStep = XRange / plotStep / 4.
    void SetView(long double xMin, long double xMax, long double yMin, long double yMax, int width,
                 int height, int plotStep = 256) {
        settings.XMin = xMin;
        settings.XMax = xMax;
        settings.YMin = yMin;
        settings.YMax = yMax;
        view.PlotWidth = width;
        view.PlotHeight = height;
        RecomputeRanges(settings, view);
        settings.XStep = view.XRange / plotStep * 0.25L;
        ComputeMapping(ctx);
    }
};

}  // namespace kurvo::test
