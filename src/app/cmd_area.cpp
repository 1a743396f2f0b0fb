// kurvo32 area: the integral of a graph (or of the difference of two)
// between two x values, and the area between it and the x axis.
#include <cstdio>

#include "analysis/graph_curves.h"
#include "analysis/integral.h"
#include "commands.h"
#include "explore_cli.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 area --from A --to B [--view ...] [--degrees] [--data DIR]\n"
    "                    [render options] FORMULA [FORMULA2]\n"
    "Plots the formulas as kurvo32 render does and prints the integral of FORMULA\n"
    "(or of FORMULA - FORMULA2) from A to B and the area, the integral of its\n"
    "absolute value, as \"integral=V\" and \"area=V\" (12 significant digits).\n"
    "A and B may be formulas (p/2). Where the function is not defined somewhere\n"
    "between A and B (a pole), a message is printed instead and the status is 1.\n\n";

std::string fromText, toText;

std::string ParseFrom(RenderSetup&, const std::string& v) {
    fromText = v;
    return {};
}
std::string ParseTo(RenderSetup&, const std::string& v) {
    toText = v;
    return {};
}
std::string CheckBounds(const RenderSetup&) {
    return fromText.empty() || toText.empty() ? "--from A and --to B are required" : std::string();
}

int PrintArea(RenderRun& run, int status) {
    const auto curves = ExploredCurves(run, status);
    if (!curves) return 2;
    const auto graphs = curves->FirstBranches();
    if (graphs.size() > 2) return RenderFail("give one formula, or two for the area between them");
    double a, b;
    if (!EvaluateFieldFormula(run.graph, fromText, a)) return RenderFail("--from: '" + fromText + "' is not a finite number");
    if (!EvaluateFieldFormula(run.graph, toText, b)) return RenderFail("--to: '" + toText + "' is not a finite number");
    RealFunction f = graphs[0].f;
    if (graphs.size() == 2) {
        f = [&graphs](double x, double& y) {
            double g;
            if (!graphs[0].f(x, y) || !graphs[1].f(x, g)) return false;
            y -= g;
            return true;
        };
    }
    const auto result = IntegrateWithArea(f, a, b);
    if (!result) {
        std::fprintf(stderr, "The function is not defined everywhere between %s and %s.\n", fromText.c_str(),
                     toText.c_str());
        return 1;
    }
    std::printf("integral=%s\narea=%s\n", NumberText(result->integral, 12).c_str(),
                NumberText(result->area, 12).c_str());
    return 0;
}

int RunArea(int argc, char** argv) {
    const RenderFinish finish{"area",
                        kUsage,
                        {
                            {"--from", "A", "where the integral starts", 11, ParseFrom, nullptr},
                            {"--to", "B", "where the integral ends", 12, ParseTo, nullptr},
                        },
                        CheckBounds,
                        PrintArea,
                        std::string(kExploreTail) + ", 1 the function is not defined\neverywhere between A and B.\n"};
    return RunRenderCommand(argc, argv, finish);
}

const Registration registration({"area", "integral and area: kurvo32 area --from A --to B FORMULA [FORMULA2]",
                                 RunArea});

}  // namespace
}  // namespace kurvo::app
