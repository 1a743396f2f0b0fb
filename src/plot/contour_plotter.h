#pragma once
// "Complete implicit curves": every implicit relation (an equation, or the
// boundary of an inequality) drawn by contouring F(x, y) = left - right over
// the whole view, pixel by pixel, instead of by the single-function and the
// row-scanning plotters. Off by default (CompleteImplicit, kept in the
// settings record's byte Reserved2). The graph window dispatches here.
//
// Cells are refined down to one pixel of the canvas (its logical pixels:
// the canvas takes whole pixel coordinates, so a finer device never sees
// finer cells).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/plot_context.h"

namespace kurvo {

class TFormulaTrans;

// Draws F = 0 for F loaded in ctx.Parser (X and Y are set per sample), in
// the slot's pen; strict boundaries (ctx.Strict) dashed 9 pixels on, 7 off
// along each joined line. Undefined samples draw nothing; never throws for
// them. Escape ends it (what was drawn stays).
PlotResult PlotImplicitContour(PlotContext& ctx);

// The slot's relation as typed: F is built as the shading builds it
// (ImplicitFunctionEquation, simple sort), loaded into ctx.Parser, and
// drawn with PlotImplicitContour. A text that does not translate or compile
// draws nothing (like the single-function plotter, it reports nothing).
PlotResult PlotImplicitComplete(PlotContext& ctx, const std::string& typedText, uint8_t relation,
                                TFormulaTrans& translator,
                                const std::vector<std::string>& aliasLines = {});

// Translates a relation typed while the option is on, as the slot will hold
// it: the usual translation when `compile` accepts it, else F itself (the
// simple sort of the relation), so relations the translator cannot solve
// for y (|x|+|y|=3) still make a slot; the translator then reports no
// second branch and a y-term count of 2. `compile` throws for a text the
// engine rejects; an F it rejects too propagates that error.
void TranslateForContour(TFormulaTrans& translator, const std::string& text, uint8_t relation, bool degrees,
                         const std::function<void(const std::string&)>& compile);

}  // namespace kurvo
