// kurvo32 stats: the Statistics dialog's fourteen boxes for the data sets
// of the files given, pooled as the dialog pools every set of the list.
#include <cstdio>
#include <cstdlib>

#include "analysis/statistics.h"
#include "analysis_cli.h"
#include "commands.h"
#include "expr/encoding.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "render_actions.h"

namespace kurvo::app {
namespace {

const char kHelp[] =
    "Usage: kurvo32 stats [--digits N] FILE...\n"
    "Reads each FILE as \"&Open\" does (.csv, .txt and .sid by commas, .tsv by\n"
    "tabs, a .kvo's data sets) and prints the Statistics dialog's boxes for all\n"
    "their points together, one line each: LABEL<TAB>TEXT. TEXT is as the box\n"
    "shows it: 8 significant digits, \"*********\" when too wide for the box.\n\n"
    "  --digits N     print N significant digits (1 to 17), never asterisks\n"
    "  -h, --help     show this text\n\n"
    "Numbers use \".\". Message boxes are printed on standard error.\n"
    "Exit status: 0 done, 1 a message was shown, 2 bad options or a file that\n"
    "cannot be read.\n";

int RunStats(int argc, char** argv) {
    ParsedArgs parsed;
    int status = 0;
    if (!ParseAnalysisArgs("stats", kHelp, argc, argv, {QCommandLineOption("digits", "digits", "N")}, parsed,
                           status))
        return status;
    int digits = 0;
    std::vector<std::string> files;
    for (const OrderedArg& a : parsed.args) {
        if (a.option.isEmpty()) {
            files.push_back(a.value);
        } else if (a.option == "digits") {
            char* end = nullptr;
            const long n = std::strtol(a.value.c_str(), &end, 10);
            if (a.value.empty() || *end != 0 || n < 1 || n > 17)
                return AnalysisFail("stats", "--digits needs a number of digits from 1 to 17");
            digits = int(n);
        }
    }
    return RunOnDataSets("stats", argv[0], RenderSetup(), files, nullptr, [&](RenderRun& run) {
        HeadlessHost& host = run.host;
        TGraphWindow& graph = run.graph;

        TCurveFit fit;
        try {
            AddDataSetPoints(graph.DataSets.DataSetLines, fit);
        } catch (const std::exception& error) {
            // The dialog's boxes keep what they showed: nothing is printed.
            host.ShowError(error.what());
            return 1;
        }
        const auto values = StatisticsValues(fit);
        for (int i = 0; i < kStatisticsBoxCount; ++i)
            std::printf("%s\t%s\n", Cp1252ToUtf8(StatisticsBoxes()[size_t(i)].label).c_str(),
                        StatisticsBoxText(i, values[size_t(i)], digits).c_str());
        return MessageStatus(host);
    });
}

const Registration registration({"stats", "the Statistics dialog's boxes for data set files", RunStats});

}  // namespace
}  // namespace kurvo::app
