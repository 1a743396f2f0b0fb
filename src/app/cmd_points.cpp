// kurvo32 points: the points of interest of the graphs in the view's x
// range (roots, extrema, y-intercepts, intersections), one a line.
#include <cstdio>

#include "analysis/graph_curves.h"
#include "analysis/points_of_interest.h"
#include "commands.h"
#include "explore_cli.h"
#include "plot/graph_window.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 points [--view XMIN,XMAX,YMIN,YMAX] [--degrees] [--data DIR]\n"
    "                      [render options] FORMULA...\n"
    "Plots each FORMULA as kurvo32 render does and prints the points of interest\n"
    "in the view's x range, edges included, sorted by x then kind:\n"
    "  root G x=X                 minimum G x=X y=Y        maximum G x=X y=Y\n"
    "  y-intercept G y=Y          intersection G H x=X y=Y\n"
    "G and H are graph numbers in command-line order; numbers have 12 significant\n"
    "digits. A root where the graph only touches the axis is also a minimum or a\n"
    "maximum; poles and jumps are never reported.\n\n";

int PrintPoints(RenderRun& run, int status) {
    const auto curves = ExploredCurves(run, status);
    if (!curves) return 2;
    const auto& s = run.graph.Settings;
    const auto points = FindPointsOfInterest(curves->Curves(), static_cast<double>(s.XMin),
                                             static_cast<double>(s.XMax), FinderSamples(run));
    for (const PointOfInterest& p : points) std::printf("%s\n", PointOfInterestText(p).c_str());
    return 0;
}

int RunPoints(int argc, char** argv) {
    const RenderFinish finish{"points", kUsage, {}, [](const RenderSetup&) { return std::string(); }, PrintPoints,
                              std::string(kExploreTail) + ".\n"};
    return RunRenderCommand(argc, argv, finish);
}

const Registration registration({"points",
                                 "print roots, extrema and intersections: kurvo32 points [--view ...] FORMULA...",
                                 RunPoints});

}  // namespace
}  // namespace kurvo::app
