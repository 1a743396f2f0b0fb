#pragma once
// Relations between x and y. When y occurs once the translator solves for
// y (possibly as two branches) and the single-function plotter draws each
// branch like a Cartesian curve; otherwise the general plotter finds the
// zero set of F(x, y) row by row with Newton's method.
//
// Which plotter a slot needs, and its second branch, belong to the slot
// (the translator only remembers its last formula): the caller passes the
// slot's own y-term count and second formula.
#include <string>

#include "plot/plot_context.h"

namespace kurvo {

class TFormulaTrans;

// Single-function plotter for a slot whose y-term count is 1.
bool UsesSingleFunctionPlotter(int yTermCount);

// Draws y = f(x) from ctx.Parser (or ctx.Function), then, when
// `secondBranch` is not empty, the second branch: it is translated with
// `translator` (Degrees from the settings) and loaded into ctx.Parser, so
// afterwards the parser holds the second branch. With no translator the
// text is taken as already translated. Undefined points, asymptotes,
// strict dashes and domain-edge lines follow the Cartesian rules, but a
// run skips ten steps after an evaluation error. A branch is drawn right
// up to the edges of its domain (found by bisection between the samples
// around them), so the halves of a closed curve meet. Never throws: a second
// branch that does not compile just ends the plot (the window ignores
// errors of this plotter).
PlotResult PlotImplicitSingle(PlotContext& ctx, const std::string& secondBranch = {},
                              TFormulaTrans* translator = nullptr);

// Draws the zero set of F(x, y) from ctx.Parser: rows 8 x XStep apart from
// YMin, 20 Newton starts per row; roots of one row closer than 30 pixels
// whose derivatives have the same sign are joined. An evaluation error
// ends the plot: EEvaluationError propagates (the caller shows it).
PlotResult PlotImplicitGeneral(PlotContext& ctx);

struct NewtonResult {
    bool Success = false;
    bool Stopped = false;        // Escape was pressed during the solve
    long double X = 0;           // the root (valid when Success)
    long double Derivative = 0;  // dF/dx of the last step
};

// Solves F(x, y) = 0 for x from x0 with the y given, F from `parser`
// (its X and Y are set). Converged when |F| < 1e-7; fails when an
// iteration moves |x| outwards by more than 10 (it ran away), when x stops
// being a finite number, or when it has not converged within a bounded
// number of steps. Evaluation errors throw EEvaluationError.
NewtonResult NewtonSolveX(TParser& parser, long double x0, long double y, PlotHost* host = nullptr);

}  // namespace kurvo
