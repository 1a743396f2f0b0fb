#pragma once
// Dotted vertical lines at the poles and domain edges of a Cartesian
// curve, and the searches that place them.
#include <optional>

#include "plot/plot_context.h"

namespace kurvo {

// Thrown by the searches when the host reports Escape; the plotting entry
// points turn it into PlotResult::Stopped.
struct PlotStopped {};

// The curve of ctx at x: ctx.Function when set, else Parser with X = x.
// False where it is undefined (an evaluation error or a value that is not
// finite). Never throws.
bool EvaluateCurve(const PlotContext& ctx, long double x, long double& y);

// The colour of the curve of a pass: DerivativeColour / IntegralColour for
// the derived passes when PlotDerivative / PlotIntegral is set, otherwise
// GraphColours[Slot % 5].
Colour CurveColour(const PlotContext& ctx, bool derivativePass, bool integralPass);

// The pen of a slot's own curve on both canvases: copy mode, solid,
// GraphLineWidth wide, in the slot's colour, which it returns.
Colour SetCurvePen(const PlotContext& ctx);

// A dotted line in AsymptoteColour over the full height at x (the gaps in
// BackgroundColour), with a beep when AsymptoteBeep is set. Afterwards the
// pen is solid again, GraphLineWidth wide, in the pass's curve colour.
void DrawAsymptote(PlotContext& ctx, long double x, bool derivativePass, bool integralPass = false);

// Where the pole lies after the curve jumped at x0 (the sample after the
// jump): bisection on the sign change between x0 and the first point back
// in view, or, when the sign does not change (as at 1/x^2), the first x
// after x0 where |f| decreases. Empty when the sign does not change and |f|
// never decreases before the curve is back in view or at the right edge
// (no pole, only a steep curve). Throws PlotStopped.
std::optional<long double> FindAsymptoteAfterJump(PlotContext& ctx, long double x0);

// Edge of the domain near x0 by bisection between x0 - 8 XStep and
// x0 + 8 XStep; the defined end is the left one when leftIsDefined. When
// the far end is defined too (a single undefined point such as the pole of
// 1/x sampled exactly), `undefinedAt`, a sample known to be undefined,
// closes the bracket instead, so the edge is that point.
// Throws PlotStopped.
long double FindDomainEdge(PlotContext& ctx, bool leftIsDefined, long double x0,
                           std::optional<long double> undefinedAt = std::nullopt);

}  // namespace kurvo
