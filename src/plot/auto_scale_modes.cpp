#include "plot/auto_scale_modes.h"

#include <cmath>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/asymptotes.h"
#include "plot/auto_scale.h"
#include "plot/parametric_plotter.h"
#include "plot/polar_plotter.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

constexpr long double kDegreesToRadians = 0.017453292519943296L;
constexpr long double kParameterStep = 0.01L;

struct Extremes {
    long double Min = 0;
    long double Max = 0;

    void Add(long double value) {
        if (value > Max) Max = value;
        if (value < Min) Min = value;
    }
    void AddLimited(const SettingsRecord& s, long double value) {
        if (!s.AutoLimitsOn) return Add(value);
        if (value > Max && value < s.AutoLimitMax) Max = value;
        if (value < Min && value > s.AutoLimitMin) Min = value;
    }
    // The t rows keep a margin of 5% below an extreme that sits on the axis.
    void LowerZeroMinimumByMargin() {
        if (Min == 0) Min = Min - 0.05L * (Max - Min);
    }
};

double EvaluateOrThrow(TParser& parser) {
    double value = 0;
    if (!parser.TryValue(value) || !std::isfinite(value)) throw EEvaluationError();
    return value;
}

void Poll(const PlotContext& ctx) {
    if (ctx.Escape()) throw PlotStopped{};
}

void Finish(PlotContext& ctx) {
    RecomputeRanges(ctx.Settings, ctx.View);
    if (ctx.Host) ctx.Host->ViewFieldsChanged();
}

// The t-mode scan: `point(t, x, y)` gives the Cartesian point at t or
// false when the sample is to be skipped.
template <class Point>
void ScanParameter(PlotContext& ctx, long double start, Extremes& xs, Extremes& ys, Point&& point) {
    const long long count = SampleCount(start, ctx.Settings.TMax, kParameterStep);
    for (long long i = 0; i < count; ++i) {
        Poll(ctx);
        long double x = 0, y = 0;
        if (!point(start + (long double)i * kParameterStep, x, y)) continue;
        xs.Add(x);
        ys.Add(y);
    }
}

// Runs a scan with the busy cursor, turning Escape into Stopped.
template <class Scan>
AutoScaleOutcome Guarded(PlotContext& ctx, Scan&& scan) {
    BusyCursorScope cursor(ctx.Host);
    try {
        return scan();
    } catch (const PlotStopped&) {
        return AutoScaleOutcome::Stopped;
    }
}

void ScanBranch(PlotContext& ctx, Extremes& e) {
    const SettingsRecord& s = ctx.Settings;
    const long double step = (s.XMax - s.XMin) * 0.0078125L;
    for (int i = 0; i < 129;) {
        Poll(ctx);
        long double value = 0;
        if (!EvaluateCurve(ctx, s.XMin + i * step, value)) {
            i += 4;
            continue;
        }
        e.AddLimited(s, value);
        ++i;
    }
}

// The view becomes the extremes found, each widened by `factor`.
AutoScaleOutcome FitView(PlotContext& ctx, Extremes& xs, Extremes& ys, long double factor) {
    xs.LowerZeroMinimumByMargin();
    ys.LowerZeroMinimumByMargin();
    SettingsRecord& s = ctx.Settings;
    s.XMin = factor * xs.Min;
    s.XMax = factor * xs.Max;
    s.YMin = factor * ys.Min;
    s.YMax = factor * ys.Max;
    Finish(ctx);
    return AutoScaleOutcome::Done;
}

}  // namespace

AutoScaleOutcome AutoScaleParametricCartesian(PlotContext& ctx, TParser& second) {
    if (ctx.Parser == nullptr) return AutoScaleOutcome::Done;
    TParser& first = *ctx.Parser;
    return Guarded(ctx, [&] {
        Extremes xs, ys;
        ScanParameter(ctx, ctx.Settings.TMin, xs, ys, [&](long double t, long double& x, long double& y) {
            first.T = double(t);
            second.T = double(t);
            x = EvaluateOrThrow(first);
            y = EvaluateOrThrow(second);
            return true;
        });
        return FitView(ctx, xs, ys, 1);
    });
}

AutoScaleOutcome AutoScalePolar(PlotContext& ctx) {
    if (ctx.Parser == nullptr) return AutoScaleOutcome::Done;
    TParser& parser = *ctx.Parser;
    const bool degrees = ctx.Settings.Degrees;
    long double start = ctx.Settings.TMin;
    if (start == 0 && HasLogarithm(parser.Expression())) start = 1e-6L;
    return Guarded(ctx, [&] {
        Extremes xs, ys;
        ScanParameter(ctx, start, xs, ys, [&](long double t, long double& x, long double& y) {
            parser.T = double(t);
            double r = 0;
            if (!parser.TryValue(r) || !std::isfinite(r)) return false;
            const long double angle = degrees ? t * kDegreesToRadians : t;
            x = r * std::cos(angle);
            y = r * std::sin(angle);
            return true;
        });
        return FitView(ctx, xs, ys, 1.2L);
    });
}

AutoScaleOutcome AutoScaleParametricPolar(PlotContext& ctx, TParser& second) {
    if (ctx.Parser == nullptr) return AutoScaleOutcome::Done;
    TParser& first = *ctx.Parser;
    const bool degrees = ctx.Settings.Degrees;
    return Guarded(ctx, [&] {
        Extremes xs, ys;
        ScanParameter(ctx, ctx.Settings.TMin, xs, ys, [&](long double t, long double& x, long double& y) {
            first.T = double(t);
            second.T = double(t);
            const long double r = EvaluateOrThrow(first);
            long double angle = EvaluateOrThrow(second);
            if (degrees) angle *= kDegreesToRadians;
            x = r * std::cos(angle);
            y = r * std::sin(angle);
            return true;
        });
        return FitView(ctx, xs, ys, 1);
    });
}

AutoScaleOutcome AutoScaleImplicit(PlotContext& ctx, int yTermCount, const std::string& secondBranch,
                                   TFormulaTrans* translator) {
    if (yTermCount != 1) return AutoScaleOutcome::Done;
    if (ctx.Parser == nullptr && !ctx.Function) return AutoScaleOutcome::Done;
    return Guarded(ctx, [&] {
        Extremes e;
        ScanBranch(ctx, e);
        if (!secondBranch.empty() && ctx.Parser != nullptr && !ctx.Function) {
            TParser& parser = *ctx.Parser;
            const std::string first = parser.Expression();
            std::string text = secondBranch;
            try {
                if (translator != nullptr) {
                    translator->Degrees = ctx.Settings.Degrees;
                    translator->Instring = secondBranch;
                    translator->Translate();
                    text = translator->Outstring;
                }
                parser.SetExpression(text);
                ScanBranch(ctx, e);
            } catch (const Exception&) {
                // A second branch that does not compile adds no samples.
            } catch (const PlotStopped&) {
                parser.SetExpression(first);
                throw;
            }
            parser.SetExpression(first);
        }
        if (e.Max - e.Min == 0) return AutoScaleOutcome::NoPlotablePoints;
        if (e.Min == 0) e.Min = -0.1L * (e.Max - e.Min);
        SettingsRecord& s = ctx.Settings;
        s.YMin = 1.4L * e.Min;
        s.YMax = 1.4L * e.Max;
        Finish(ctx);
        return AutoScaleOutcome::Done;
    });
}

AutoScaleOutcome AutoScaleYModes(PlotContext& ctx, TParser* second, int yTermCount,
                                 const std::string& secondBranch, TFormulaTrans* translator) {
    const SettingsRecord& s = ctx.Settings;
    if (s.ImplicitMode) return AutoScaleImplicit(ctx, yTermCount, secondBranch, translator);
    if (s.CartesianMode) {
        if (!s.Parametric) {
            return AutoScaleY(ctx) == PlotResult::Stopped ? AutoScaleOutcome::Stopped
                                                          : AutoScaleOutcome::Done;
        }
        if (second == nullptr) return AutoScaleOutcome::Done;
        return AutoScaleParametricCartesian(ctx, *second);
    }
    if (!s.Parametric) return AutoScalePolar(ctx);
    if (second == nullptr) return AutoScaleOutcome::Done;
    return AutoScaleParametricPolar(ctx, *second);
}

}  // namespace kurvo
