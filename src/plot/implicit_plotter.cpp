#include "plot/implicit_plotter.h"

#include <cmath>
#include <cstdlib>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "expr/text_helpers.h"
#include "plot/asymptotes.h"
#include "plot/parametric_plotter.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

constexpr int kMaxBisections = 200;
// Newton converges in a handful of steps from a good start and linearly
// near a double root; anything slower than this is not going to converge.
constexpr int kMaxNewtonSteps = 100;

// A domain edge: the midpoint of the last bisection interval (where the
// dotted line goes) and its defined end (where the curve ends).
struct DomainEdge {
    long double Mid = 0;
    long double Defined = 0;
};

// The domain edge between a sample known to be defined and one known to be
// undefined. The runs skip ten steps after an error, so the edge is looked
// for between the samples that bracket it, not in a window around the
// current position (which may already lie past it).
DomainEdge BisectDomainEdge(PlotContext& ctx, long double defined, long double undefined) {
    long double mid = (defined + undefined) / 2;
    for (int i = 0; i < kMaxBisections && std::fabs(defined - undefined) >= 1e-10L; ++i) {
        if (ctx.Escape()) throw PlotStopped{};
        long double y = 0;
        if (EvaluateCurve(ctx, mid, y))
            defined = mid;
        else
            undefined = mid;
        const long double next = (defined + undefined) / 2;
        if (next == mid) break;
        mid = next;
    }
    return {mid, defined};
}

// One branch: the Cartesian sampling loop with a ten-step skip after errors.
// Where the branch ends or begins at the edge of its domain, the curve is
// taken up to the edge, so the two branches of a circle meet.
PlotResult RunBranch(PlotContext& ctx) {
    const SettingsRecord& s = ctx.Settings;
    const long double step = s.XStep;
    const long long samples = SampleCount(s.XMin, s.XMax, step);
    if (samples == 0) return PlotResult::Done;
    const long long maxIterations = 4 * samples + 64;
    const long long height = ctx.View.PlotHeight;

    long double x = s.XMin;
    long double value = 0;
    EvaluateCurve(ctx, x, value);  // result ignored: only primes the engine

    const Colour colour = SetCurvePen(ctx);

    bool penUp = true;
    bool hasPrevious = false;  // a point was placed since the last error
    int prevRow = 0, prevColumn = 0;
    long double lastDefined = x, lastUndefined = x;
    bool asymptoteDrawn = false, afterError = false;
    long long dashLength = 0;
    bool haveStart = false;
    int startColumn = 0, startRow = 0;

    // Joins the previous point to (column, row); strict boundaries are
    // dashed 9 pixels on, 7 off by switching to the background colour.
    auto join = [&](int column, int row) {
        if (ctx.Strict) {
            const double dc = double(prevColumn) - column, dr = double(prevRow) - row;
            dashLength += std::llround(std::sqrt(dc * dc + dr * dr));
            const Colour pen = dashLength % 16 < 9 ? colour : s.BackgroundColour;
            ctx.OnBoth([&](Canvas& c) { c.SetPenColour(pen); });
        }
        ctx.OnBoth([&](Canvas& c) { c.LineTo(column, row); });
        prevRow = row;
        prevColumn = column;
    };

    for (long long n = 0; x <= s.XMax && n < maxIterations; ++n) {
        if (ctx.Escape()) return PlotResult::Stopped;
        long double at = x;
        if (EvaluateCurve(ctx, x, value)) {
            int column = ColumnOf(ctx, x);
            int row = RowOf(ctx, value);
            const long long jump = std::llabs((long long)row - prevRow);
            if (!penUp && jump <= 2 * height && !afterError) {
                join(column, row);
                lastDefined = at;
                x += step;
                asymptoteDrawn = false;
                continue;
            }
            // A jump needs a point to jump from.
            if (!penUp && jump > 2 * height && !asymptoteDrawn && s.ShowAsymptotes && !afterError) {
                if (auto pole = FindAsymptoteAfterJump(ctx, x)) {
                    x = *pole;
                    DrawAsymptote(ctx, x, false);
                    asymptoteDrawn = true;
                }
            }
            if (afterError) {
                const DomainEdge edge = BisectDomainEdge(ctx, at, lastUndefined);
                if (s.ShowAsymptotes && !asymptoteDrawn) {
                    DrawAsymptote(ctx, edge.Mid, false);
                    asymptoteDrawn = true;
                }
                // Begin at the edge and sample on from there: the skip may
                // have gone several steps into the domain.
                long double edgeValue = 0;
                if (edge.Defined < at && EvaluateCurve(ctx, edge.Defined, edgeValue)) {
                    at = x = edge.Defined;
                    column = ColumnOf(ctx, at);
                    row = RowOf(ctx, edgeValue);
                }
            }
            afterError = false;
            ctx.OnBoth([&](Canvas& c) { c.MoveTo(column, row); });
            if (!haveStart) {
                haveStart = true;
                startColumn = column;
                startRow = row;
            }
            lastDefined = at;
            x += step;
            penUp = false;
            hasPrevious = true;
            prevRow = row;
            prevColumn = column;
        } else {
            if (ctx.Escape()) return PlotResult::Stopped;
            lastUndefined = at;
            if (hasPrevious) {
                const DomainEdge edge = BisectDomainEdge(ctx, lastDefined, at);
                long double edgeValue = 0;
                if (edge.Defined > lastDefined && EvaluateCurve(ctx, edge.Defined, edgeValue)) {
                    const int column = ColumnOf(ctx, edge.Defined);
                    const int row = RowOf(ctx, edgeValue);
                    if (std::llabs((long long)row - prevRow) <= 2 * height) join(column, row);
                }
                if (s.ShowAsymptotes && !asymptoteDrawn) DrawAsymptote(ctx, edge.Mid, false);
            }
            x += 10 * step;
            afterError = true;
            x += step;
            hasPrevious = false;
            prevRow = prevColumn = 0;
        }
    }
    if (haveStart) ctx.OnBoth([&](Canvas& c) { c.MoveTo(startColumn, startRow); });
    return PlotResult::Done;
}

}  // namespace

bool UsesSingleFunctionPlotter(int yTermCount) { return yTermCount == 1; }

PlotResult PlotImplicitSingle(PlotContext& ctx, const std::string& secondBranch,
                              TFormulaTrans* translator) {
    if (!ctx.FormulaReady || (ctx.Parser == nullptr && !ctx.Function)) return PlotResult::Done;
    BusyCursorScope cursor(ctx.Host);
    try {
        if (RunBranch(ctx) == PlotResult::Stopped) return PlotResult::Stopped;
        if (!secondBranch.empty() && ctx.Parser != nullptr && !ctx.Function) {
            std::string text = secondBranch;
            if (translator != nullptr) {
                translator->Degrees = ctx.Settings.Degrees;
                translator->Instring = secondBranch;
                translator->Translate();
                text = translator->Outstring;
            }
            ctx.Parser->SetExpression(text);
            if (RunBranch(ctx) == PlotResult::Stopped) return PlotResult::Stopped;
        }
    } catch (const PlotStopped&) {
        return PlotResult::Stopped;
    } catch (const Exception&) {
        // A branch that does not translate or compile: what was drawn stays.
        return PlotResult::Done;
    }
    if (ctx.Settings.FamilyActive && ctx.Host && !ctx.FamilyAdvanceDeferred) ctx.Host->AdvanceFamily();
    return PlotResult::Done;
}

NewtonResult NewtonSolveX(TParser& parser, long double x0, long double y, PlotHost* host) {
    NewtonResult result;
    long double x = x0;
    long double d = 0;
    parser.Y = double(y);
    auto f = [&](long double at) {
        parser.X = double(at);
        double v = 0;
        if (!parser.TryValue(v) || !std::isfinite(v)) throw EEvaluationError();
        return (long double)v;
    };
    for (int i = 0; i < kMaxNewtonSteps; ++i) {
        if (host != nullptr && host->EscapePressed()) {
            result.Stopped = true;
            return result;
        }
        const long double previous = x;
        const long double v = f(x);
        d = (f(x + 1e-7L) - v) / 1e-7L;
        if (d == 0) d = 1e-6L;
        x = x - v / d;
        result.Derivative = d;
        if (!std::isfinite(x)) return result;
        if (std::fabs(v) < 1e-7L) {
            result.Success = true;
            result.X = x;
            return result;
        }
        if (std::fabs(x) - std::fabs(previous) > 10) return result;  // ran away
    }
    return result;  // did not settle
}

PlotResult PlotImplicitGeneral(PlotContext& ctx) {
    if (!ctx.FormulaReady || ctx.Parser == nullptr) return PlotResult::Done;
    const SettingsRecord& s = ctx.Settings;
    const long double rowStep = 8 * s.XStep;
    const long double startStep = 0.05L * ctx.View.XRange;
    if (!(rowStep > 0) || !std::isfinite(rowStep) || !(startStep > 0) || !std::isfinite(startStep))
        return PlotResult::Done;
    if (!((s.YMax - s.YMin) / rowStep < 1e9L)) return PlotResult::Done;

    BusyCursorScope cursor(ctx.Host);
    const Colour colour = SetCurvePen(ctx);
    int lastColumn = 0;
    long double lastDerivative = 0;
    TParser& parser = *ctx.Parser;

    for (long long k = 0;; ++k) {
        const long double y = s.YMin + (long double)k * rowStep;
        if (!(y < s.YMax)) break;
        for (int j = 0;; ++j) {
            const long double x0 = s.XMin + (long double)j * startStep;
            if (!(x0 < s.XMax) || j >= 20) break;
            if (ctx.Escape()) return PlotResult::Stopped;
            const long double previousDerivative = lastDerivative;
            const NewtonResult r = NewtonSolveX(parser, x0, y, ctx.Host);
            if (r.Stopped) return PlotResult::Stopped;
            lastDerivative = r.Derivative;
            if (!r.Success) continue;
            const int column = ColumnOf(ctx, r.X);
            const int row = RowOf(ctx, y);
            const bool join = std::abs(lastColumn - column) < 30 &&
                              NegativeMark(r.Derivative) == NegativeMark(previousDerivative);
            ctx.OnBoth([&](Canvas& c) {
                if (join)
                    c.LineTo(column, row);
                else
                    c.MoveTo(column, row);
                c.SetPixel(column, row, colour);
            });
            lastColumn = column;
        }
    }
    if (s.FamilyActive && ctx.Host && !ctx.FamilyAdvanceDeferred) ctx.Host->AdvanceFamily();
    return PlotResult::Done;
}

}  // namespace kurvo
