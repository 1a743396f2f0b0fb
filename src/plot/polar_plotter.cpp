#include "plot/polar_plotter.h"

#include "expr/parser.h"

namespace kurvo {

bool HasLogarithm(const std::string& formula) {
    return formula.find("LOG") != std::string::npos || formula.find("LN") != std::string::npos;
}

PlotResult PlotPolar(const PlotContext& ctx) {
    if (!ctx.FormulaReady || ctx.Parser == nullptr) return PlotResult::Done;
    return PlotParameterCurve(ctx, ParameterCurve::Polar, nullptr,
                              HasLogarithm(ctx.Parser->Expression()));
}

}  // namespace kurvo
