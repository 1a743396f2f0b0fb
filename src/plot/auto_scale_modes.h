#pragma once
// Automatic y-scaling in the t modes (the x range is fitted too) and in
// implicit mode. The Cartesian row is in auto_scale.h.
//
// Every scan samples at a fixed step whatever the plot step, polls Escape
// once per sample and leaves the view unchanged when stopped. On success
// the ranges are recomputed and the host rewrites the view fields.
#include <string>

#include "plot/plot_context.h"

namespace kurvo {

class TFormulaTrans;

inline constexpr const char kNoPlotablePointsQuestion[] =
    "There are no plotable points in this domain.  Click on Yes to try a wider domain.";

enum class AutoScaleOutcome {
    Done,
    Stopped,           // Escape: the caller shows "Plot stopped"
    NoPlotablePoints,  // implicit: ask kNoPlotablePointsQuestion (Yes/No); Yes zooms out
};

// The one call for every mode other than Cartesian (non-parametric), which
// goes on to AutoScaleY. `second` is parser 2 (parametric modes);
// yTermCount and secondBranch are the slot's (implicit mode).
AutoScaleOutcome AutoScaleYModes(PlotContext& ctx, TParser* second, int yTermCount = 1,
                                 const std::string& secondBranch = {},
                                 TFormulaTrans* translator = nullptr);

// x = ctx.Parser, y = second at t from TMin in steps of 0.01,
// (TMax - TMin) / 0.01 samples; the view becomes the extremes (which start
// at 0, so the origin stays in view). An evaluation error is not absorbed:
// EEvaluationError propagates and the view is left unchanged.
AutoScaleOutcome AutoScaleParametricCartesian(PlotContext& ctx, TParser& second);

// x = r cos t, y = r sin t of r = ctx.Parser (t in degrees while Degrees
// is set; from 1e-6 instead of an exact 0 for a logarithm); undefined
// samples are skipped; all four view edges become 1.2 x the extremes.
AutoScaleOutcome AutoScalePolar(PlotContext& ctx);

// x = r cos a, y = r sin a with r = ctx.Parser and a = second; errors
// propagate as for the Cartesian parametric row; the view becomes the
// extremes.
AutoScaleOutcome AutoScaleParametricPolar(PlotContext& ctx, TParser& second);

// The solved y(x) of each branch (the second translated with `translator`,
// Degrees from the settings, and evaluated in ctx.Parser, which gets its
// own formula back afterwards): 129 samples across the view, an undefined
// sample skips four steps, limits as in the Cartesian row, YMin and YMax =
// 1.4 x the extremes. When no value range is found the view is left
// unchanged and NoPlotablePoints is returned. A relation with y more than
// once has no solved y(x) to sample: the view is left unchanged.
AutoScaleOutcome AutoScaleImplicit(PlotContext& ctx, int yTermCount, const std::string& secondBranch,
                                   TFormulaTrans* translator);

}  // namespace kurvo
