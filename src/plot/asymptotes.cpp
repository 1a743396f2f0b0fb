#include "plot/asymptotes.h"

#include <cmath>

#include "expr/parser.h"
#include "plot/settings_checks.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

// Bisections halve an interval of at most a view's width; 1e-10 is reached
// long before this unless the numbers are so large that the ends cannot get
// that close, which must not hang.
constexpr int kMaxBisections = 200;

void Poll(const PlotContext& ctx) {
    if (ctx.Escape()) throw PlotStopped{};
}

}  // namespace

bool EvaluateCurve(const PlotContext& ctx, long double x, long double& y) {
    double out = 0;
    bool ok;
    if (ctx.Function) {
        ok = ctx.Function(double(x), out);
    } else if (ctx.Parser) {
        ctx.Parser->X = double(x);
        ok = ctx.Parser->TryValue(out);
    } else {
        return false;
    }
    if (!ok || !std::isfinite(out)) return false;
    y = out;
    return true;
}

Colour CurveColour(const PlotContext& ctx, bool derivativePass, bool integralPass) {
    const SettingsRecord& s = ctx.Settings;
    if (derivativePass && s.PlotDerivative) return s.DerivativeColour;
    if (integralPass && s.PlotIntegral) return s.IntegralColour;
    const int slot = ctx.Slot < 0 ? 0 : ctx.Slot;
    return s.GraphColours[slot % 5];
}

void DrawAsymptote(PlotContext& ctx, long double x, bool derivativePass, bool integralPass) {
    const SettingsRecord& s = ctx.Settings;
    const int c = ColumnOf(ctx, x);
    const int H = ctx.View.PlotHeight;
    if (s.AsymptoteBeep && ctx.Host) ctx.Host->Beep();
    auto draw = [&](Canvas& canvas) {
        canvas.SetPenMode(PenMode::Copy);
        canvas.SetPenStyle(PenStyle::Dot);
        canvas.SetPenWidth(1);
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColour(s.BackgroundColour);
        canvas.SetPenColour(s.AsymptoteColour);
        canvas.MoveTo(c, 0);
        canvas.LineTo(c, 3 * H);
    };
    if (ctx.Window && c != 0) draw(*ctx.Window);
    if (ctx.Picture) draw(*ctx.Picture);
    const Colour colour = CurveColour(ctx, derivativePass, integralPass);
    ctx.OnBoth(
        [&](Canvas& canvas) {
            canvas.SetPenStyle(PenStyle::Solid);
            canvas.SetPenWidth(UsableLineWidth(s.GraphLineWidth));
            canvas.SetPenColour(colour);
        },
        true);
}

Colour SetCurvePen(const PlotContext& ctx) {
    const Colour colour = CurveColour(ctx, false, false);
    const int width = UsableLineWidth(ctx.Settings.GraphLineWidth);
    ctx.OnBoth([&](Canvas& c) {
        c.SetPenMode(PenMode::Copy);
        c.SetPenStyle(PenStyle::Solid);
        c.SetPenWidth(width);
        c.SetPenColour(colour);
    });
    return colour;
}

std::optional<long double> FindAsymptoteAfterJump(PlotContext& ctx, long double x0) {
    const SettingsRecord& s = ctx.Settings;
    const long double step = s.XStep;
    long double f0 = 0;
    if (!(step > 0) || !EvaluateCurve(ctx, x0, f0)) return std::nullopt;

    // 1. Forward to the first point back inside the view, or the right edge.
    long double x = x0;
    long double fx = f0;
    bool defined = true;
    while (!(defined && s.YMin <= fx && fx <= s.YMax) && x < s.XMax) {
        Poll(ctx);
        const long double next = x + 4 * step;
        if (!(next > x)) break;
        x = next;
        defined = EvaluateCurve(ctx, x, fx);
    }

    if (defined && fx * f0 > 0) {
        // 2. No sign change (a double pole): the first x where |f| decreases.
        long double previous = std::fabs(f0);
        const long double end = x > x0 ? x : s.XMax;
        const long double increment = 0.1L * step;
        for (long double p = x0 + increment; p <= end; p += increment) {
            Poll(ctx);
            if (!(p + increment > p)) break;  // too far out for the step to move x
            long double fp = 0;
            if (!EvaluateCurve(ctx, p, fp)) continue;  // the pole itself
            if (std::fabs(fp) < previous) return p;
            previous = std::fabs(fp);
        }
        return std::nullopt;
    }

    // 3. Bisection on the sign change between x0 and x.
    long double a = x0, b = x;
    long double fa = f0;
    long double mid = (a + b) / 2;
    for (int i = 0; i < kMaxBisections && std::fabs(a - b) >= 1e-10L; ++i) {
        Poll(ctx);
        mid = (a + b) / 2;
        if (mid == a || mid == b) break;
        long double fm = 0;
        if (!EvaluateCurve(ctx, mid, fm)) return mid;  // undefined right at the pole
        if (fa * fm >= 0) {
            a = mid;
            fa = fm;
        } else {
            b = mid;
        }
    }
    return mid;
}

long double FindDomainEdge(PlotContext& ctx, bool leftIsDefined, long double x0,
                           std::optional<long double> undefinedAt) {
    const long double step = ctx.Settings.XStep;
    long double d = leftIsDefined ? x0 - 8 * step : x0 + 8 * step;
    long double u = leftIsDefined ? x0 + 8 * step : x0 - 8 * step;
    long double far = 0;
    if (undefinedAt && EvaluateCurve(ctx, u, far)) u = *undefinedAt;
    long double mid = (d + u) / 2;
    for (int i = 0; i < kMaxBisections; ++i) {
        Poll(ctx);
        long double y = 0;
        if (EvaluateCurve(ctx, mid, y))
            d = mid;
        else
            u = mid;
        const long double next = (d + u) / 2;
        const bool stuck = next == mid;
        mid = next;
        if (std::fabs(d - u) < 1e-10L || stuck) break;
    }
    return mid;
}

}  // namespace kurvo
