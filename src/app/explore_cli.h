#pragma once
// What kurvo32 points, area and table share: they plot their formulas as
// render does, then question the graphs (analysis/graph_curves.h).
#include <memory>
#include <string>

#include "render_actions.h"

namespace kurvo {
class GraphCurves;
}

namespace kurvo::app {

// The exit statuses of the three commands, for their --help.
extern const char* const kExploreTail;

// The graphs of the run, or nothing after printing why (a formula that
// did not compile was reported while plotting; graphs in another mode
// than y = f(x); no formula).
std::unique_ptr<GraphCurves> ExploredCurves(RenderRun& run, int status);

// A number in the program's format with `digits` significant digits; -0 is 0.
std::string NumberText(double value, int digits);

// Samples across the view for the finder: several per pixel column.
int FinderSamples(const RenderRun& run);

}  // namespace kurvo::app
