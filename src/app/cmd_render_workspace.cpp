// kurvo32 render: workspace files. --open FILE is "&Open" on any file the
// window opens (a ".kvo" workspace or a data set file); a bare argument
// naming an existing ".kvo" file means the same; --save-workspace FILE is
// "Save as &KurvoFile" to FILE as named.
#include <QFileInfo>
#include <QString>
#include <memory>

#include "expr/errors.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "render_actions.h"
#include "workspace/data_sets.h"
#include "workspace/workspace_file.h"

namespace kurvo::app {
namespace {

// The window's data set commands and workspace file, made for the run's
// graph object on first use.
struct WorkspaceCommands {
    explicit WorkspaceCommands(RenderRun& run) : sets(run.graph), file(sets) {
        file.SettingsRestored = [&run] { run.host.FillControls(run.graph.Settings); };
    }
    TDataSets sets;
    TWorkspaceFile file;
};

WorkspaceCommands& CommandsOf(RenderRun& run) {
    static std::unique_ptr<WorkspaceCommands> commands;
    if (!commands || &commands->sets.Graph() != &run.graph) commands = std::make_unique<WorkspaceCommands>(run);
    return *commands;
}

QString PathOf(const std::string& value) { return QString::fromStdString(value); }

}  // namespace

TDataSets& RunDataSets(RenderRun& run) { return CommandsOf(run).sets; }

namespace {

std::string ParseOpen(RenderSetup& s, const std::string& v) {
    if (v.empty()) return "--open needs a file name";
    ++s.workspaceFiles;
    return {};
}
std::string RunOpen(RenderRun& run, const std::string& v) {
    CommandsOf(run).sets.OpenFile(PathOf(v));
    return {};
}

std::string ParseSaveWorkspace(RenderSetup& s, const std::string& v) {
    if (v.empty()) return "--save-workspace needs a file name";
    s.savesWorkspace = true;
    return {};
}
std::string RunSaveWorkspace(RenderRun& run, const std::string& v) {
    // The window values and the sampling step as the view fields give
    // them, also when nothing was plotted yet.
    try {
        run.graph.ReadViewFields();
    } catch (const Exception& error) {
        run.host.ShowError(error.what());
        return {};
    }
    CommandsOf(run).file.Save(PathOf(v));
    return {};
}

const RenderActionRegistration rows({
    {"--open", "FILE",
     "\"Open\" on FILE: a .kvo workspace replaces the graphs,\n"
     "data sets, settings and view; a .csv, .txt, .sid or .tsv\n"
     "file adds a data set. A bare FILE.kvo argument that\n"
     "exists means the same",
     30, ParseOpen, RunOpen},
    {"--save-workspace", "FILE",
     "\"Save as KurvoFile\": the workspace as it stands to FILE,\n"
     "named exactly (no extension added); -o is then optional",
     31, ParseSaveWorkspace, RunSaveWorkspace},
});

}  // namespace

bool IsWorkspaceArgument(const std::string& argument) {
    const QString path = PathOf(argument);
    return path.endsWith(".kvo") && QFileInfo(path).isFile();
}

void OpenWorkspaceArgument(RenderRun& run, const std::string& argument) {
    CommandsOf(run).sets.OpenFile(PathOf(argument));
}

}  // namespace kurvo::app
