#pragma once
// The direction field of y' = f(x): short slope marks on a grid whose
// solution curves are the integrals of the curve's function.
#include "plot/plot_context.h"

namespace kurvo {

// Draws on ctx.Picture with ctx.Parser (the curve), in IntegralColour:
// 31 columns from XMin to XMax, marks every twentieth of the y range.
// Columns where f is undefined get no marks. Needs ComputeMapping first.
void DrawDirectionField(PlotContext& ctx);

}  // namespace kurvo
