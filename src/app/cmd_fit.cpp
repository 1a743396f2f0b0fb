// kurvo32 fit: the Regression Lines dialog for the data sets of the files
// given: both equations, the fit quality of the chosen one, and R² in
// full.
#include <cstdio>
#include <cstdlib>

#include "analysis/regression.h"
#include "analysis_cli.h"
#include "commands.h"
#include "expr/encoding.h"
#include "expr/real_format.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "render_actions.h"

namespace kurvo::app {
namespace {

const char kHelp[] =
    "Usage: kurvo32 fit [--degree M] [--linear] FILE...\n"
    "Reads each FILE as \"&Open\" does (.csv, .txt and .sid by commas, .tsv by\n"
    "tabs, a .kvo's data sets) and prints the Regression Lines dialog for all\n"
    "their points together:\n"
    "  Linear:<TAB>the linear box (\"2x+-3\"; empty when every x is equal)\n"
    "  Polynomial:<TAB>the polynomial box (\"1+-2x+1x^2\"; empty when no fit succeeded)\n"
    "  Fit Quality:<TAB>the quality of the chosen equation, 2 decimals\n"
    "  Linear R2:<TAB>and Polynomial R2:<TAB>R\xC2\xB2 in 15 digits (empty when the fit failed)\n\n"
    "  --degree M     the polynomial's degree, 2 to 8 (default 2)\n"
    "  --linear       choose the linear equation (default: the polynomial)\n"
    "  -h, --help     show this text\n\n"
    "Numbers use \".\". Message boxes are printed on standard error.\n"
    "Exit status: 0 done, 1 a message was shown, 2 bad options or a file that\n"
    "cannot be read.\n";

int RunFit(int argc, char** argv) {
    ParsedArgs parsed;
    int status = 0;
    if (!ParseAnalysisArgs("fit", kHelp, argc, argv,
                           {QCommandLineOption("degree", "degree", "M"), QCommandLineOption("linear", "linear")},
                           parsed, status))
        return status;
    TRegression regression;
    std::vector<std::string> files;
    for (const OrderedArg& a : parsed.args) {
        if (a.option.isEmpty()) {
            files.push_back(a.value);
        } else if (a.option == "degree") {
            char* end = nullptr;
            const long m = std::strtol(a.value.c_str(), &end, 10);
            if (a.value.empty() || *end != 0 || m < 2 || m > 8)
                return AnalysisFail("fit", "--degree needs a degree from 2 to 8");
            regression.Degree = int(m);
        } else if (a.option == "linear") {
            regression.LinearChosen = true;
        }
    }
    return RunOnDataSets("fit", argv[0], RenderSetup(), files, nullptr, [&](RenderRun& run) {
        HeadlessHost& host = run.host;
        TGraphWindow& graph = run.graph;

        try {
            regression.Compute(graph.DataSets.DataSetLines);
        } catch (const std::exception& error) {
            host.ShowError(error.what());
            return 1;
        }
        auto r2 = [](bool ok, double quality) { return ok ? FormatReal(quality) : std::string(); };
        std::printf("Linear:\t%s\n", regression.LinearText.c_str());
        std::printf("Polynomial:\t%s\n", regression.PolynomialText.c_str());
        std::printf("Fit Quality:\t%s\n", regression.QualityText.c_str());
        std::printf("Linear R2:\t%s\n", r2(regression.LinearOk, regression.LinearQuality).c_str());
        std::printf("Polynomial R2:\t%s\n", r2(regression.PolynomialOk, regression.PolynomialQuality).c_str());
        return MessageStatus(host);
    });
}

const Registration registration({"fit", "the Regression Lines dialog's equations for data set files", RunFit});

}  // namespace
}  // namespace kurvo::app
