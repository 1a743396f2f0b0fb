#pragma once
// y = f(x) of one graph slot, sampled at XStep across the view and drawn
// as a polyline that is broken at jumps and where f is undefined, with
// dotted asymptotes at poles and domain edges.
#include "plot/plot_context.h"

namespace kurvo {

// Draws the curve of ctx (the slot's formula in ctx.Parser, or
// ctx.Function). derivativePass draws the forward-difference derivative
// (f(x + 1e-8) - f(x)) x 1e8, integralPass the running sum of f(x) x XStep
// from the left edge; neither draws f itself.
//
// When the formula called INV (ctx.InverseMode set, also by the first
// evaluation of this run), y is sampled from YMin to YMax with as many
// samples as across x, and the point (f(y), y) is drawn. InverseMode is
// cleared at the end of every run.
//
// Returns PlotResult::Stopped when the host reported Escape: the caller
// shows "Plot stopped"; what was drawn stays. The busy cursor is set while
// sampling and reset on every return. After a completed run of a family
// member, the host's AdvanceFamily() is called.
PlotResult PlotCartesian(PlotContext& ctx, bool derivativePass, bool integralPass);

}  // namespace kurvo
