#pragma once
// Automatic y-scaling: the y range is fitted to the curve before it is
// drawn (and the x range too in the t modes).
#include "plot/plot_context.h"

namespace kurvo {

// The Cartesian (non-parametric) mode; in the other modes the view is left
// unchanged here (their rows are AutoScaleYModes, auto_scale_modes.h).
PlotResult AutoScaleY(PlotContext& ctx);

// Cartesian mode: 129 samples of f across XMin..XMax (an undefined sample
// skips four steps); YMin and YMax become 1.4 x the extremes, with the
// extremes starting at 0. When PlotIntegral is set or the formula called
// INTEG, the running integral (501 samples from the left edge, an
// undefined sample skips a step) widens that range, and the result is 1.1
// x the combined extremes. A minimum of exactly 0 is replaced by
// -0.1 x (max - min) in both rows, so a curve that stays above the axis
// still shows it. With AutoLimitsOn, samples at or beyond AutoLimitMin /
// AutoLimitMax are ignored. When the formula called INV, the x and y
// ranges are exchanged afterwards. The ranges are recomputed and the host
// rewrites the view fields. A stopped run leaves the view unchanged.
PlotResult AutoScaleCartesianY(PlotContext& ctx);

}  // namespace kurvo
