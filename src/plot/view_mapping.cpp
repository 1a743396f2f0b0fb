#include "plot/view_mapping.h"

#include <cmath>

namespace kurvo {

int RoundPixel(long double value) {
    constexpr long double kLimit = 268435456.0L;  // 2^28
    if (std::isnan(value)) return 0;
    if (value > kLimit) return int(kLimit);
    if (value < -kLimit) return -int(kLimit);
    // Halves to even, as nearbyint under the default rounding gives, without
    // its library call that saves and restores the floating-point state (a
    // hot spot of every repaint): adding 1.5 * 2^63 leaves no fraction bits
    // in the 64-bit mantissa, so the sum is rounded to an integer.
    constexpr long double kShift = 13835058055282163712.0L;  // 1.5 * 2^63
    return int((value + kShift) - kShift);
}

void RecomputeRanges(const SettingsRecord& settings, GraphView& view) {
    view.XRange = settings.XMax - settings.XMin;
    view.YRange = settings.YMax - settings.YMin;
    view.TRange = settings.TMax - settings.TMin;
}

void ComputeMapping(PlotContext& ctx) {
    const SettingsRecord& s = ctx.Settings;
    const GraphView& v = ctx.View;
    PixelMapping& m = ctx.Mapping;
    m.XScale = v.PlotWidth / v.XRange;
    m.XOffset = -s.XMin * m.XScale;
    m.YScale = v.PlotHeight / v.YRange;
    m.YOffset = -s.YMin * m.YScale;

    if (s.YMax >= 0)
        m.XAxisRow = s.YMin > 0 ? 10 : RoundPixel(-s.YMin * v.PlotHeight / v.YRange);
    else
        m.XAxisRow = v.PlotHeight - 10;

    if (s.XMax >= 0)
        m.YAxisColumn = s.XMin > 0 ? 10 : RoundPixel(-s.XMin * v.PlotWidth / v.XRange);
    else
        m.YAxisColumn = v.PlotWidth - 10;
}

int ColumnOf(const PlotContext& ctx, long double x) {
    return RoundPixel((x - ctx.Settings.XMin) * ctx.View.PlotWidth / ctx.View.XRange);
}

int RowOf(const PlotContext& ctx, long double y) {
    return ctx.View.PlotHeight -
           RoundPixel((y - ctx.Settings.YMin) * ctx.View.PlotHeight / ctx.View.YRange);
}

void SquareTheAxes(PlotContext& ctx) {
    SettingsRecord& s = ctx.Settings;
    GraphView& v = ctx.View;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0 || !(v.YRange != 0) || !(v.XRange != 0)) return;
    const long double f = -s.YMin / v.YRange;
    const long double uy = v.YRange / v.PlotHeight;
    const long double ux = v.XRange / v.PlotWidth;
    const long double range = v.YRange / (uy / ux);
    s.YMin = -range * f;
    s.YMax = (1 - f) * range;
    v.YRange = range;
    if (ctx.Host) ctx.Host->ViewFieldsChanged();
    if (ctx.ReplotAll) *ctx.ReplotAll = true;
}

}  // namespace kurvo
