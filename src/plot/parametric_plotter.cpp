#include "plot/parametric_plotter.h"

#include <cmath>

#include "expr/errors.h"
#include "expr/parser.h"
#include "plot/asymptotes.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

constexpr long double kDegreesToRadians = 0.017453292519943296L;

double Evaluate(TParser& parser) {
    double value = 0;
    if (!parser.TryValue(value) || !std::isfinite(value)) throw EEvaluationError();
    return value;
}

}  // namespace

long long SampleCount(long double from, long double to, long double step) {
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) return 0;
    if (step <= 0 || from > to || from + step == from) return 0;
    long double steps = (to - from) / step;
    // A run of 1024 steps over a full turn must not lose its closing
    // sample to the rounding of the step.
    steps = std::floor(steps + 1e-7L);
    constexpr long double kMaxSteps = 1e12L;
    if (steps > kMaxSteps) steps = kMaxSteps;
    return (long long)steps + 1;
}

PlotResult PlotParameterCurve(const PlotContext& ctx, ParameterCurve kind, TParser* second,
                              bool startAtTiny) {
    if (!ctx.FormulaReady || ctx.Parser == nullptr) return PlotResult::Done;
    if (kind != ParameterCurve::Polar && second == nullptr) return PlotResult::Done;
    const SettingsRecord& s = ctx.Settings;
    TParser& first = *ctx.Parser;

    SetCurvePen(ctx);

    long double start = s.TMin;
    if (startAtTiny && start == 0) start = 1e-6L;
    const long long count = SampleCount(start, s.TMax, s.XStep);
    const bool degrees = s.Degrees;

    BusyCursorScope cursor(ctx.Host);
    for (long long i = 0; i < count; ++i) {
        if (ctx.Escape()) return PlotResult::Stopped;
        const long double t = start + (long double)i * s.XStep;

        first.T = double(t);
        const long double a = Evaluate(first);
        long double x = 0, y = 0;
        if (kind == ParameterCurve::ParametricCartesian) {
            second->T = double(t);
            x = a;
            y = Evaluate(*second);
        } else {
            long double angle = t;
            if (kind == ParameterCurve::ParametricPolar) {
                second->T = double(t);
                angle = Evaluate(*second);
            }
            if (degrees) angle *= kDegreesToRadians;
            x = a * std::cos(angle);
            y = a * std::sin(angle);
        }

        const int column = ColumnOf(ctx, x);
        const int row = RowOf(ctx, y);
        ctx.OnBoth([&](Canvas& c) {
            if (i == 0) c.MoveTo(column, row);
            c.LineTo(column, row);
        });
    }
    if (s.FamilyActive && ctx.Host) ctx.Host->AdvanceFamily();
    return PlotResult::Done;
}

PlotResult PlotParametricCartesian(const PlotContext& ctx, TParser& second) {
    return PlotParameterCurve(ctx, ParameterCurve::ParametricCartesian, &second, false);
}

PlotResult PlotParametricPolar(const PlotContext& ctx, TParser& second) {
    return PlotParameterCurve(ctx, ParameterCurve::ParametricPolar, &second, false);
}

}  // namespace kurvo
