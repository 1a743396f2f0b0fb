#pragma once
// What the view mapping, the axes and the Cartesian plotter need from the
// graph window: the settings record (view edges, options, colours), the
// derived view values, the pixel mapping, the two canvases, the curve's
// parser, the slot being drawn, the window's flags and a host for the
// message-queue polling, the beep and the cursor.
//
// The plotting functions never own any of this; the graph window fills a
// PlotContext once and passes it to every call.
#include <functional>

#include "plot/canvas.h"
#include "plot/settings_record.h"

namespace kurvo {

class TParser;

// View values derived from the settings record's edges before each repaint.
struct GraphView {
    long double XRange = 0;  // XMax - XMin
    long double YRange = 0;  // YMax - YMin
    long double TRange = 0;  // TMax - TMin
    int PlotWidth = 0;       // graph area in pixels
    int PlotHeight = 0;
};

// The pixel mapping filled by ComputeMapping (view_mapping.h).
struct PixelMapping {
    long double XScale = 0;   // pixels per x unit
    long double XOffset = 0;  // -XMin * XScale
    long double YScale = 0;   // pixels per y unit
    long double YOffset = 0;  // -YMin * YScale
    int XAxisRow = 0;         // drawn x axis, pixels above the bottom edge
    int YAxisColumn = 0;      // drawn y axis, pixel column
};

// How a plotting run ended. Stopped means the user pressed Escape: what
// was drawn so far stays, and the caller shows "Plot stopped" (the
// plotters never show messages themselves).
enum class PlotResult { Done, Stopped };

// Implemented by the graph window.
class PlotHost {
public:
    virtual ~PlotHost() = default;
    // Called once per sample by every long loop (and inside every search):
    // it dispatches pending events and reports whether Escape was pressed
    // since the last call. It must be cheap; an implementation may look at
    // the event queue only every few milliseconds and return false between.
    virtual bool EscapePressed() { return false; }
    virtual void Beep() {}
    // Hourglass while sampling (true), normal cursor afterwards (false).
    virtual void SetBusyCursor(bool busy) {}
    // The view edges in the settings record were changed (automatic
    // y-scaling, squared axes): rewrite the view fields from them.
    virtual void ViewFieldsChanged() {}
    // After each drawn member of a family (settings FamilyActive).
    virtual void AdvanceFamily() {}
};

struct PlotContext {
    SettingsRecord& Settings;  // XMin..YMax, XStep, options, colours
    GraphView& View;
    PixelMapping& Mapping;

    Canvas* Picture = nullptr;  // the off-screen picture; always drawn on
    Canvas* Window = nullptr;   // the window; null when there is none
    PlotHost* Host = nullptr;   // null: never stopped, no beep

    TParser* Parser = nullptr;  // parser 1, loaded with the slot's formula
    // When set, the curve is this function instead of Parser (x in, value
    // out; false where it is undefined), e.g. a solved branch.
    std::function<bool(double x, double& y)> Function;

    // The slot being drawn: its colour is GraphColours[Slot % 5]; Strict
    // (GraphStrict, refreshed from the relation by the caller) draws the
    // curve dashed.
    int Slot = 0;
    bool Strict = false;
    // False while the formula box is empty or nothing has been translated
    // yet (FormulaReady): the plotter then draws nothing.
    bool FormulaReady = true;

    // The window's flags (null when the caller has none). The engine sets
    // them while it evaluates DIFF, INTEG and INV; the plotter reads
    // InverseMode and clears it at the end of every run.
    bool* HasDerivativeCall = nullptr;
    bool* HasIntegralCall = nullptr;
    bool* InverseMode = nullptr;
    bool* ReplotAll = nullptr;  // set by SquareTheAxes
    // Set while one family member is drawn in several passes (its curve,
    // derivative, integral, shading): the caller then advances the
    // family once, after the last pass, instead of the plotter.
    bool FamilyAdvanceDeferred = false;

    PlotContext(SettingsRecord& settings, GraphView& view, PixelMapping& mapping)
        : Settings(settings), View(view), Mapping(mapping) {}

    // True when drawing goes to the window as well as to the picture.
    bool DrawsOnWindow() const { return Window != nullptr && Settings.ShowPlot; }

    // Runs `draw(canvas)` on the picture, and on the window while ShowPlot
    // is set (alwaysOnWindow: regardless of ShowPlot).
    template <class Draw>
    void OnBoth(Draw&& draw, bool alwaysOnWindow = false) const {
        if (Picture) draw(*Picture);
        if (Window && (alwaysOnWindow || Settings.ShowPlot)) draw(*Window);
    }

    bool Escape() const { return Host != nullptr && Host->EscapePressed(); }
    bool Inverse() const { return InverseMode != nullptr && *InverseMode; }
};

}  // namespace kurvo
