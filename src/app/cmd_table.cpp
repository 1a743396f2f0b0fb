// kurvo32 table: a table of values of the graphs, x from A to B in steps
// of H, tab separated.
#include <cmath>
#include <cstdio>

#include "analysis/graph_curves.h"
#include "analysis/value_table.h"
#include "commands.h"
#include "explore_cli.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 table --from A --to B --step H [--degrees] [--data DIR]\n"
    "                     [render options] FORMULA...\n"
    "Prints a table of values: a header line \"x\" and the formulas as typed, then\n"
    "one row for each x = A + k*H up to B, tab separated, values with 15\n"
    "significant digits and \"undefined\" where a formula has no value.\n"
    "A, B and H may be formulas (p/6). H must be greater than 0 and the table may\n"
    "have at most 100,000 rows.\n\n";

std::string texts[3];

template <int N>
std::string Keep(RenderSetup&, const std::string& v) {
    texts[N] = v;
    return {};
}

std::string CheckTexts(const RenderSetup&) {
    return texts[0].empty() || texts[1].empty() || texts[2].empty() ? "--from A, --to B and --step H are required"
                                                                    : std::string();
}

int PrintTable(RenderRun& run, int status) {
    const auto curves = ExploredCurves(run, status);
    if (!curves) return 2;
    static const char* const names[3] = {"--from", "--to", "--step"};
    double values[3];
    for (int i = 0; i < 3; ++i)
        if (!EvaluateFieldFormula(run.graph, texts[i], values[i]))
            return RenderFail(std::string(names[i]) + ": '" + texts[i] + "' is not a finite number");
    const ValueTableRange range{values[0], values[1], values[2]};
    if (const std::string problem = CheckValueTable(range); !problem.empty()) return RenderFail(problem);

    std::string header = "x";
    for (const std::string& formula : run.formulaTexts) header += "\t" + formula;
    std::printf("%s\n", header.c_str());
    for (const auto& row : ValueTable(range, curves->FirstBranches())) std::printf("%s\n", row.c_str());
    return 0;
}

int RunTable(int argc, char** argv) {
    const RenderFinish finish{"table",
                        kUsage,
                        {
                            {"--from", "A", "the first x", 11, Keep<0>, nullptr},
                            {"--to", "B", "the last x (rows while x <= B + H/2)", 12, Keep<1>, nullptr},
                            {"--step", "H", "the step from one x to the next", 13, Keep<2>, nullptr},
                        },
                        CheckTexts,
                        PrintTable,
                        std::string(kExploreTail) + " or a step or size of table\nthat is refused.\n"};
    return RunRenderCommand(argc, argv, finish);
}

const Registration registration({"table", "table of values: kurvo32 table --from A --to B --step H FORMULA...",
                                 RunTable});

}  // namespace
}  // namespace kurvo::app
