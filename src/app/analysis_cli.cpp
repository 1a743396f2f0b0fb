#include "analysis_cli.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "expr/real_format.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "workspace/data_sets.h"
#include "workspace/workspace_file.h"

namespace kurvo::app {

int AnalysisFail(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "kurvo32 %s: %s\n", command.c_str(), message.c_str());
    return 2;
}

bool ParseAnalysisArgs(const std::string& command, const std::string& help, int argc, char** argv,
                       QList<QCommandLineOption> options, ParsedArgs& parsed, int& status) {
    // Numbers on the command line and in the files use ".".
    SetDecimalSeparator('.');
    options << QCommandLineOption({"h", "help"}, "show this text");
    parsed = ParseInOrder(argc, argv, options, {"h"});
    if (!parsed.error.empty()) {
        status = AnalysisFail(command, parsed.error + " (see kurvo32 " + command + " --help)");
        return false;
    }
    if (parsed.Has("h")) {
        std::printf("%s", help.c_str());
        status = 0;
        return false;
    }
    return true;
}

bool OpenDataSetFiles(TDataSets& sets, TWorkspaceFile& workspace, const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        const QString path = QFile::decodeName(file.c_str());
        // "&Open" hands a workspace to its reader without asking how it
        // went; the reader itself says whether the file could be read.
        const bool workspaceFile = QFileInfo(path).suffix().toLower() == "kvo";
        if (!(workspaceFile ? workspace.Open(path) : sets.OpenFile(path))) return false;
    }
    return true;
}

int RunOnDataSets(const std::string& command, char* argv0, const RenderSetup& setup,
                  const std::vector<std::string>& files, const std::function<std::string(RenderRun&)>& beforeLoading,
                  const std::function<int(RenderRun&)>& body) {
    if (files.empty()) return AnalysisFail(command, "no data set file given");
    const auto app = StartHeadlessGui(argv0);
    HeadlessHost host(setup.width, setup.height);
    TGraphWindow graph(host);
    if (const std::string problem = StartRenderGraph(setup, host, graph); !problem.empty())
        return AnalysisFail(command, problem);
    RenderRun run{setup, host, graph};
    if (beforeLoading)
        if (const std::string problem = beforeLoading(run); !problem.empty()) return AnalysisFail(command, problem);
    TDataSets sets(graph);
    TWorkspaceFile workspace(sets);
    workspace.SettingsRestored = [&host, &graph] { host.FillControls(graph.Settings); };
    if (!OpenDataSetFiles(sets, workspace, files)) return 2;
    return body(run);
}

int MessageStatus(const HeadlessHost& host) {
    return host.Informations + host.Errors + host.Questions > 0 ? 1 : 0;
}

}  // namespace kurvo::app
