#include "plot/auto_scale.h"

#include <utility>

#include "plot/asymptotes.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

struct Extremes {
    long double Min = 0;
    long double Max = 0;

    void Add(const SettingsRecord& s, long double value) {
        if (s.AutoLimitsOn) {
            if (value > Max && value < s.AutoLimitMax) Max = value;
            if (value < Min && value > s.AutoLimitMin) Min = value;
        } else {
            if (value > Max) Max = value;
            if (value < Min) Min = value;
        }
    }
    // A minimum of exactly 0 is moved below the axis.
    void LowerZeroMinimum() {
        if (Min == 0) Min = -0.1L * (Max - Min);
    }
};

// `count` samples from `start` at `step`; an undefined sample moves on by
// `skip` steps. `integrate` adds the running sum of f x step instead of f.
void Scan(PlotContext& ctx, Extremes& e, long double start, long double step, int count, int skip,
          bool integrate) {
    long double sum = 0;
    for (int i = 0; i < count;) {
        if (ctx.Escape()) throw PlotStopped{};
        long double value = 0;
        if (!EvaluateCurve(ctx, start + i * step, value)) {
            i += skip;
            continue;
        }
        if (integrate) {
            sum = value * step + sum;
            value = sum;
        }
        e.Add(ctx.Settings, value);
        ++i;
    }
}

}  // namespace

PlotResult AutoScaleY(PlotContext& ctx) {
    const SettingsRecord& s = ctx.Settings;
    if (s.CartesianMode && !s.Parametric && !s.ImplicitMode) return AutoScaleCartesianY(ctx);
    return PlotResult::Done;
}

PlotResult AutoScaleCartesianY(PlotContext& ctx) {
    SettingsRecord& s = ctx.Settings;
    if (!ctx.Function && !ctx.Parser) return PlotResult::Done;
    const long double xRange = s.XMax - s.XMin;
    if (ctx.Host) ctx.Host->SetBusyCursor(true);
    long double yMin, yMax;
    try {
        Extremes e;
        Scan(ctx, e, s.XMin, xRange * 0.0078125L, 129, 4, false);
        e.LowerZeroMinimum();
        yMin = 1.4L * e.Min;
        yMax = 1.4L * e.Max;

        const bool integral = s.PlotIntegral || (ctx.HasIntegralCall && *ctx.HasIntegralCall);
        if (integral) {
            Extremes i{yMin, yMax};
            Scan(ctx, i, s.XMin, xRange * 0.002L, 501, 1, true);
            i.LowerZeroMinimum();
            yMin = 1.1L * i.Min;
            yMax = 1.1L * i.Max;
        }
    } catch (const PlotStopped&) {
        if (ctx.Host) ctx.Host->SetBusyCursor(false);
        return PlotResult::Stopped;
    }
    if (ctx.Host) ctx.Host->SetBusyCursor(false);

    s.YMin = yMin;
    s.YMax = yMax;
    if (ctx.Inverse()) {
        std::swap(s.XMin, s.YMin);
        std::swap(s.XMax, s.YMax);
    }
    RecomputeRanges(s, ctx.View);
    if (ctx.Host) ctx.Host->ViewFieldsChanged();
    return PlotResult::Done;
}

}  // namespace kurvo
