#pragma once
// Graph units to pixels and back, and the squaring of the y range.
#include "plot/plot_context.h"

namespace kurvo {

// Nearest integer, halves to even, clamped to +-2^28 so that a point far
// outside the view still maps to a usable (off-canvas) pixel.
int RoundPixel(long double value);

// XRange, YRange and TRange from the settings record's edges.
void RecomputeRanges(const SettingsRecord& settings, GraphView& view);

// Fills ctx.Mapping from the view: scales, offsets and where the axes are
// drawn (10 pixels inside the edge when the axis lies outside the view).
void ComputeMapping(PlotContext& ctx);

// Canvas column of x and canvas row of y (rows grow downwards).
int ColumnOf(const PlotContext& ctx, long double x);
int RowOf(const PlotContext& ctx, long double y);

// Rescales the y range so that one y unit is as long as one x unit,
// keeping where y = 0 lies relative to the bottom edge. Rewrites the view
// fields (host) and sets ReplotAll. Does nothing on an empty view.
void SquareTheAxes(PlotContext& ctx);

}  // namespace kurvo
