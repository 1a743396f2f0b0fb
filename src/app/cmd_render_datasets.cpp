// kurvo32 render: the data set dialogs in command-line order (the
// coordinates dialog, the delete dialog, "Save As &Dataset") and the
// print-outs of the state they leave.
#include <QString>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "expr/encoding.h"
#include "expr/real_format.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "plot/settings_fields.h"
#include "render_actions.h"
#include "workspace/data_sets.h"

namespace kurvo::app {
namespace {

constexpr std::pair<const char*, DeleteChoice> kDeleteChoices[] = {
    {"last-graph", DeleteChoice::LastGraph},     {"all-graphs", DeleteChoice::AllGraphs},
    {"last-dataset", DeleteChoice::LastDataSet}, {"all-datasets", DeleteChoice::AllDataSets},
    {"all", DeleteChoice::All},
};

// The save dialog's three fields for the next --export only.
std::optional<std::vector<std::string>> exportRange;

void Print(const std::string& line) { std::printf("%s\n", Cp1252ToUtf8(line).c_str()); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::string RunAxisLabels(RenderRun& r, const std::string& v) {
    r.graph.DataSets.AxisLabelsField = Utf8ToCp1252(v);
    return {};
}

// The text box's lines, as the dialog splits them; a CR before a line
// end is dropped.
std::string RunCoords(RenderRun& r, const std::string& v) {
    RunDataSets(r).CoordinatesOK(SplitLines(Utf8ToCp1252(v)));
    return {};
}

std::string CheckDelete(RenderSetup&, const std::string& v) {
    for (const auto& [name, choice] : kDeleteChoices)
        if (v == name) return {};
    return "--delete needs last-graph, all-graphs, last-dataset, all-datasets or all";
}
std::string RunDelete(RenderRun& r, const std::string& v) {
    TDataSets& sets = RunDataSets(r);
    for (const auto& [name, choice] : kDeleteChoices)
        if (v == name) sets.Choice = choice;
    sets.DeleteGraphs();
    return {};
}

std::string CheckExportRange(RenderSetup&, const std::string& v) {
    return SplitCommas(v).size() == 3 ? std::string() : "--export-range needs START,END,STEP";
}
std::string RunExportRange(RenderRun&, const std::string& v) {
    exportRange = SplitCommas(Utf8ToCp1252(v));
    return {};
}

std::string CheckExport(RenderSetup& s, const std::string& v) {
    if (v.empty()) return "--export needs a file name";
    s.pictureOptional = true;
    return {};
}
std::string RunExport(RenderRun& r, const std::string& v) {
    TDataSets& sets = RunDataSets(r);
    sets.PrepareSaveFields();  // as the dialog shows itself
    if (exportRange) {
        sets.SaveFields.start = (*exportRange)[0];
        sets.SaveFields.end = (*exportRange)[1];
        sets.SaveFields.step = (*exportRange)[2];
        exportRange.reset();
    }
    const QString path = QString::fromStdString(v);
    sets.ExportDataSet(path, path.endsWith(".tsv", Qt::CaseInsensitive));
    return {};
}

std::string CheckPrintState(RenderSetup& s, const std::string&) {
    s.pictureOptional = true;
    return {};
}
std::string RunPrintState(RenderRun& r, const std::string&) {
    const TGraphWindow& g = r.graph;
    const SettingsRecord& s = g.Settings;
    const DataSetList& d = g.DataSets;
    auto real = [](long double v) { return FormatReal(v, 15); };
    Print("XMin=" + real(s.XMin));
    Print("XMax=" + real(s.XMax));
    Print("YMin=" + real(s.YMin));
    Print("YMax=" + real(s.YMax));
    Print("XAxisLabel=" + s.XAxisLabel);
    Print("YAxisLabel=" + s.YAxisLabel);
    Print("Formula=" + r.host.Formula);
    Print("LastGraph=" + std::to_string(s.LastGraph));
    Print(std::string("DataSetsLoaded=") + (g.Flags.DataSetsLoaded ? "1" : "0"));
    Print("DataSetImageCount=" + std::to_string(d.DataSetImageCount));
    Print(std::string("DataSetsMenu=") + (d.DataSetsMenu ? "1" : "0"));
    for (size_t i = 0; i < g.Slots.GraphText.size(); ++i)
        if (!g.Slots.GraphText[i].empty())
            Print("Graph[" + std::to_string(i) + "]=" + g.Slots.GraphText[i] + ":" + g.Slots.GraphRelationText[i]);
    for (const std::string& line : d.DataSetLines) Print("DataSetLine=" + line);
    std::fflush(stdout);
    return {};
}

std::string CheckPrint(RenderSetup& s, const std::string& v) {
    if (!GetSettingsField(DefaultSettings(), v)) return "--print: unknown settings field '" + v + "'";
    s.pictureOptional = true;
    return {};
}
std::string RunPrint(RenderRun& r, const std::string& v) {
    Print(v + "=" + *GetSettingsField(r.graph.Settings, v));
    std::fflush(stdout);
    return {};
}

const RenderActionRegistration rows({
    {"--axis-labels", "TEXT", "the coordinates dialog's \"Axis labels\" field (kept)", 32, nullptr,
     RunAxisLabels},
    {"--coords", "TEXT",
     "the coordinates dialog: its box holds TEXT (one point\n"
     "x,y a line), then \"OK\" adds the data set",
     33, nullptr, RunCoords},
    {"--delete", "WHAT",
     "the delete dialog's choice and \"OK\": last-graph,\n"
     "all-graphs, last-dataset, all-datasets or all",
     34, CheckDelete, RunDelete},
    {"--export-range", "START,END,STEP", "the save dialog's range fields, for the next --export", 35,
     CheckExportRange, RunExportRange},
    {"--export", "FILE",
     "\"Save As Dataset\": the formula box's graph sampled to\n"
     "FILE (tab-separated when it ends in .tsv); -o optional",
     36, CheckExport, RunExport},
    {"--print-state", nullptr,
     "print the view, axis labels, formula box, graphs and\n"
     "data sets at that point; -o optional",
     37, CheckPrintState, RunPrintState},
    {"--print", "FIELD", "print FIELD=VALUE of a settings field; -o optional", 38, CheckPrint, RunPrint},
});

}  // namespace
}  // namespace kurvo::app
