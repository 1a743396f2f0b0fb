#include "explore_cli.h"

#include <algorithm>

#include "analysis/graph_curves.h"
#include "expr/errors.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"

namespace kurvo::app {

const char* const kExploreTail =
    "\nA FORMULA may start with \"-\" (-x); after \"--\" every argument is a formula.\n"
    "Text is UTF-8 (x\xC2\xB2 works); numbers use \".\" as the decimal separator.\n"
    "Exit status: 0 done, 2 bad options or a formula that does not compile (its\n"
    "message on standard error)";

std::unique_ptr<GraphCurves> ExploredCurves(RenderRun& run, int status) {
    if (status != 0) return nullptr;  // the message box is on standard error
    std::unique_ptr<GraphCurves> curves;
    try {
        curves = std::make_unique<GraphCurves>(run.graph);
    } catch (const Exception& e) {
        RenderFail(e.what());
        return nullptr;
    }
    if (curves->Skipped() > 0) {
        RenderFail("only graphs y = f(x) in Cartesian mode can be explored");
        return nullptr;
    }
    if (curves->GraphCount() == 0) {
        RenderFail("no FORMULA given");
        return nullptr;
    }
    return curves;
}

std::string NumberText(double value, int digits) { return FormatReal(value == 0 ? 0.0 : value, digits); }

int FinderSamples(const RenderRun& run) { return std::max(4 * run.graph.View.PlotWidth, 2000); }

}  // namespace kurvo::app
