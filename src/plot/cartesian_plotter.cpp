#include "plot/cartesian_plotter.h"

#include <cmath>

#include "plot/asymptotes.h"
#include "plot/settings_checks.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

class CartesianRun {
public:
    CartesianRun(PlotContext& ctx, bool derivativePass, bool integralPass)
        : ctx_(ctx), s_(ctx.Settings), derivative_(derivativePass), integral_(integralPass) {}

    PlotResult Run();

private:
    bool Sample(long double u, long double& value);
    void Plot();

    PlotContext& ctx_;
    SettingsRecord& s_;
    const bool derivative_;
    const bool integral_;
    bool inverse_ = false;
    long double step_ = 0;
    long double integralSum_ = 0;
    bool firstPlaced_ = false;
    int firstColumn_ = 0;
    int firstRow_ = 0;
};

bool CartesianRun::Sample(long double u, long double& value) {
    if (derivative_) {
        long double ahead = 0, here = 0;
        if (!EvaluateCurve(ctx_, u + 1e-8L, ahead) || !EvaluateCurve(ctx_, u, here)) return false;
        value = (ahead - here) * 1e8L;
    } else if (integral_) {
        long double here = 0;
        if (!EvaluateCurve(ctx_, u, here)) return false;
        integralSum_ = here * step_ + integralSum_;
        value = integralSum_;
    } else if (!EvaluateCurve(ctx_, u, value)) {
        return false;
    }
    return std::isfinite(value);
}

void CartesianRun::Plot() {
    const GraphView& v = ctx_.View;
    long double u = inverse_ ? s_.YMin : s_.XMin;
    const long double uEnd = inverse_ ? s_.YMax : s_.XMax;
    bool penUp = true;
    bool hasPrevious = false;  // a point was placed since the last error
    int prevRow = 0, prevColumn = 0;
    bool asymptoteDrawn = false;
    bool afterError = false;
    long double lastError = u;  // the last sample that raised an error
    long long dashLength = 0;
    const Colour colour = CurveColour(ctx_, derivative_, integral_);
    // Poles and domain edges are searched along x; in inverse mode the
    // curve is only broken.
    const bool searches = s_.ShowAsymptotes && !inverse_;
    const int jumpLimit = inverse_ ? 2 * v.PlotWidth : 2 * v.PlotHeight;

    // The edge searches may move u back by a few steps; this bound only
    // matters for curves whose domain flickers between samples.
    const long double samples = std::ceil((uEnd - u) / step_);
    const long long maxIterations =
        samples > 1e8L ? 1600000000LL : 16 * (long long)(samples > 0 ? samples : 0) + 64;

    for (long long iteration = 0; u <= uEnd && iteration < maxIterations; ++iteration) {
        if (ctx_.Escape()) throw PlotStopped{};
        long double value = 0;
        if (!Sample(u, value)) {
            lastError = u;
            u += step_;
            afterError = true;
            if (hasPrevious && searches && !asymptoteDrawn) {
                u = FindDomainEdge(ctx_, true, u, lastError);
                DrawAsymptote(ctx_, u, derivative_, integral_);
            }
            u += step_;  // an error skips one extra step
            hasPrevious = false;
            prevRow = prevColumn = 0;
            continue;
        }

        int column, row;
        if (inverse_) {
            column = ColumnOf(ctx_, value);
            row = RowOf(ctx_, u);
        } else {
            column = ColumnOf(ctx_, u);
            row = RowOf(ctx_, value);
        }
        const long long jump = inverse_ ? std::llabs((long long)column - prevColumn)
                                        : std::llabs((long long)row - prevRow);

        if (!penUp && hasPrevious && jump <= jumpLimit && !afterError) {
            Colour pen = colour;
            if (ctx_.Strict) {
                const double dx = prevColumn - column, dy = prevRow - row;
                dashLength += std::llround(std::sqrt(dx * dx + dy * dy));
                // Dashes of 9 pixels on, 7 off.
                pen = dashLength % 16 < 9 ? colour : s_.BackgroundColour;
            }
            ctx_.OnBoth([&](Canvas& c) {
                if (ctx_.Strict) c.SetPenColour(pen);
                c.LineTo(column, row);
            });
            u += step_;
            prevRow = row;
            prevColumn = column;
            asymptoteDrawn = false;
            continue;
        }

        if (hasPrevious && jump > jumpLimit && !asymptoteDrawn && !derivative_ && searches &&
            !afterError) {
            if (auto pole = FindAsymptoteAfterJump(ctx_, u)) {
                u = *pole;
                DrawAsymptote(ctx_, u, derivative_, integral_);
            }
            asymptoteDrawn = true;
        }
        if (afterError && searches && !asymptoteDrawn && !derivative_) {
            u = FindDomainEdge(ctx_, false, u, lastError);
            DrawAsymptote(ctx_, u, derivative_, integral_);
            u += step_;
            asymptoteDrawn = true;
        }
        afterError = false;
        ctx_.OnBoth([&](Canvas& c) { c.MoveTo(column, row); });
        if (!firstPlaced_) {
            firstPlaced_ = true;
            firstColumn_ = column;
            firstRow_ = row;
        }
        u += step_;
        penUp = false;
        hasPrevious = true;
        prevRow = row;
        prevColumn = column;
    }
}

PlotResult CartesianRun::Run() {
    const GraphView& v = ctx_.View;
    if (!ctx_.FormulaReady || (!ctx_.Function && !ctx_.Parser)) return PlotResult::Done;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0 || !(v.XRange > 0) || !(v.YRange > 0) ||
        !(s_.XStep > 0)) {
        if (ctx_.InverseMode) *ctx_.InverseMode = false;
        return PlotResult::Done;
    }

    // INV raises InverseMode when it is evaluated: one look at the left
    // edge lets the very first run of such a formula sample y.
    if (ctx_.InverseMode && !*ctx_.InverseMode) {
        long double ignored = 0;
        EvaluateCurve(ctx_, s_.XMin, ignored);
    }
    inverse_ = ctx_.Inverse();
    step_ = inverse_ ? s_.XStep * v.YRange / v.XRange : s_.XStep;

    const Colour colour = CurveColour(ctx_, derivative_, integral_);
    ctx_.OnBoth([&](Canvas& c) {
        c.SetPenMode(PenMode::Copy);
        c.SetPenStyle(PenStyle::Solid);
        c.SetPenWidth(UsableLineWidth(s_.GraphLineWidth));
        c.SetPenColour(colour);
    });

    if (ctx_.Host) ctx_.Host->SetBusyCursor(true);
    bool stopped = false;
    try {
        Plot();
    } catch (const PlotStopped&) {
        stopped = true;
    }
    if (ctx_.Host) ctx_.Host->SetBusyCursor(false);
    if (firstPlaced_) ctx_.OnBoth([&](Canvas& c) { c.MoveTo(firstColumn_, firstRow_); });
    if (ctx_.InverseMode) *ctx_.InverseMode = false;
    if (stopped) return PlotResult::Stopped;
    if (s_.FamilyActive && ctx_.Host && !ctx_.FamilyAdvanceDeferred) ctx_.Host->AdvanceFamily();
    return PlotResult::Done;
}

}  // namespace

PlotResult PlotCartesian(PlotContext& ctx, bool derivativePass, bool integralPass) {
    return CartesianRun(ctx, derivativePass, integralPass).Run();
}

}  // namespace kurvo
