#include "data_folder.h"

#include <QFileInfo>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "expr/encoding.h"
#include "expr/errors.h"
#include "plot/graph_window.h"
#include "plot/settings_checks.h"
#include "plot/settings_record.h"
#include "workspace/data_files.h"
#include "workspace/folders.h"
#include "workspace/mode_files.h"

namespace kurvo::app {

std::string ReadDataFolder(const std::string& dir, TGraphWindow& graph,
                           const std::function<void(SettingsRecord&)>& adjust) {
    const QString folder = QString::fromStdString(dir);
    if (!QFileInfo(folder).isDir()) return "--data: '" + dir + "' is not a folder";

    std::vector<uint8_t> record;
    const QString settingsPath = FindInFolder(folder, "sett.dat");
    if (QFileInfo::exists(settingsPath)) {
        const FileResult r = ReadRecord(settingsPath, kSettingsRecordSize, record);
        if (!r.ok()) return "sett.dat: " + r.message;
        graph.Settings = Deserialize(record.data());
        // As the window does: reported once, the defaults serve this run.
        if (const std::string damage = SettingsDamage(graph.Settings); !damage.empty()) {
            std::fprintf(stderr, "%s\n%s\n", Cp1252ToUtf8(SettingsDamageReport(damage)).c_str(),
                         settingsPath.toStdString().c_str());
            graph.Settings = DefaultSettings();
        }
    }
    // As at start-up: no graphs, no family, the axis names reset.
    graph.Settings.LastGraph = -1;
    graph.Settings.FamilyActive = false;
    graph.Settings.XAxisLabel = "x";
    graph.Settings.YAxisLabel = "y";
    if (adjust) adjust(graph.Settings);

    const GraphMode mode{graph.Settings.CartesianMode, graph.Settings.ImplicitMode,
                         graph.Settings.Parametric};
    std::vector<std::string> lines;
    const QString functions =
        FindInFolder(folder, QString::fromStdString(TranslatedUserFunctionFile(mode.cartesian)));
    if (QFileInfo::exists(functions)) {
        const FileResult r = ReadTextLines(functions, lines, 255, 7);  // f..l
        if (!r.ok()) return QFileInfo(functions).fileName().toStdString() + ": " + r.message;
        try {
            graph.SetUserFunctionExpressions(UserFunctionExpressions(lines));
        } catch (const Exception& e) {
            return "user functions: " + Cp1252ToUtf8(e.what());
        }
    }
    lines.clear();
    const QString aliases = DataFilePath(folder, QString::fromStdString(AliasListFile(mode)));
    if (QFileInfo::exists(aliases)) {
        const FileResult r = ReadTextLines(aliases, lines);
        if (!r.ok()) return QFileInfo(aliases).fileName().toStdString() + ": " + r.message;
        graph.SetAliasLines(lines);
    }
    return {};
}

}  // namespace kurvo::app
