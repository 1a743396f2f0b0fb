#pragma once
// Curves sampled over the parameter t: the polar curve r = f(t), the
// parametric curve x = x(t), y = y(t) and the polar parametric curve
// r = r(t), angle = a(t). All three share one loop that joins every sample
// to the next; they detect no discontinuities and draw no asymptotes.
//
// Evaluation errors end the curve: what was drawn so far stays, and the
// EEvaluationError (kurvo::Exception, message "Invalid floating point
// operation") propagates to the caller, which shows its message in an error
// box. Escape ends the curve with PlotResult::Stopped.
#include "plot/plot_context.h"

namespace kurvo {

enum class ParameterCurve {
    Polar,                // r from ctx.Parser, angle t
    ParametricCartesian,  // x from ctx.Parser, y from the second parser
    ParametricPolar,      // r from ctx.Parser, angle from the second parser
};

// The common loop. t runs from Settings.TMin to Settings.TMax in steps of
// Settings.XStep; startAtTiny starts at 1e-6 instead of an exact 0 (for
// logarithms). `second` is required for the parametric kinds. Angles are
// taken in degrees while Settings.Degrees is set.
PlotResult PlotParameterCurve(const PlotContext& ctx, ParameterCurve kind, TParser* second,
                              bool startAtTiny);

// x = value of ctx.Parser, y = value of `second` (parser 2), both at t.
PlotResult PlotParametricCartesian(const PlotContext& ctx, TParser& second);
// r = value of ctx.Parser, angle = value of `second` (parser 2).
PlotResult PlotParametricPolar(const PlotContext& ctx, TParser& second);

// Number of samples of a run from `from` to `to` (inclusive) in steps of
// `step`: 0 when from > to or the step is not a positive finite number or
// is too small to advance at all. A last sample that lies within a
// rounding error beyond `to` still counts, so a closed curve closes.
long long SampleCount(long double from, long double to, long double step);

// Hourglass for the lifetime of the scope, the normal cursor on every way
// out (an evaluation error included).
class BusyCursorScope {
public:
    explicit BusyCursorScope(PlotHost* host) : host_(host) {
        if (host_) host_->SetBusyCursor(true);
    }
    ~BusyCursorScope() {
        if (host_) host_->SetBusyCursor(false);
    }
    BusyCursorScope(const BusyCursorScope&) = delete;
    BusyCursorScope& operator=(const BusyCursorScope&) = delete;

private:
    PlotHost* host_;
};

}  // namespace kurvo
