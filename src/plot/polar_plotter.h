#pragma once
// The polar plotter: r = f(t) from ctx.Parser, drawn at the angle t (in
// degrees while Settings.Degrees is set) from TMin to TMax. A formula with
// a logarithm ("LOG" or "LN" in its translated text) starts at t = 1e-6
// when TMin is exactly 0. Errors and Escape as in parametric_plotter.h.
#include "plot/parametric_plotter.h"

namespace kurvo {

PlotResult PlotPolar(const PlotContext& ctx);

// True when the translated formula holds a logarithm, which is undefined
// at t = 0.
bool HasLogarithm(const std::string& formula);

}  // namespace kurvo
