// kurvo32 render: the in-order options that set the window's controls and
// settings (view fields, plot step, relation, angle mode, --set).
#include <QString>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "analysis/graph_curves.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "plot/settings_fields.h"
#include "render_actions.h"

namespace kurvo::app {

bool EvaluateFieldFormula(TGraphWindow& g, const std::string& text, double& value) {
    return EvaluateNumberText(g, Utf8ToCp1252(text), value);
}

namespace {

// A view field takes a formula (-2p, p/2); an edge that is no finite
// number would show as "INF" and be read back as a formula, so it is
// refused here.
std::string SetViewFields(RenderRun& r, const std::string& value, const std::vector<ViewField>& fields) {
    const auto parts = SplitCommas(Utf8ToCp1252(value));
    for (size_t i = 0; i < fields.size(); ++i) {
        double v;
        if (!EvaluateFieldFormula(r.graph, Cp1252ToUtf8(parts[i]), v))
            return "'" + Cp1252ToUtf8(parts[i]) + "' is not a finite number";
    }
    for (size_t i = 0; i < fields.size(); ++i) r.host.SetViewFieldText(fields[i], parts[i]);
    r.graph.SaveViewForUndo();  // as the fields' change event does
    return {};
}

std::string CheckView(RenderSetup&, const std::string& v) {
    return SplitCommas(v).size() == 4 ? std::string() : "--view needs XMIN,XMAX,YMIN,YMAX";
}
std::string RunView(RenderRun& r, const std::string& v) {
    return SetViewFields(r, v, {ViewField::XMin, ViewField::XMax, ViewField::YMin, ViewField::YMax});
}
std::string CheckT(RenderSetup&, const std::string& v) {
    return SplitCommas(v).size() == 2 ? std::string() : "--t needs TMIN,TMAX";
}
std::string RunT(RenderRun& r, const std::string& v) {
    return SetViewFields(r, v, {ViewField::TMin, ViewField::TMax});
}

std::string CheckPlotStep(RenderSetup&, const std::string& v) {
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (v.empty() || *end != 0 || n < 32 || n > 1000000)
        return "--plot-step needs an integer from 32 to 1000000";
    return {};
}
std::string RunPlotStep(RenderRun& r, const std::string& v) {
    r.host.PlotStep = v;
    return {};
}
std::string RunRelation(RenderRun& r, const std::string& v) {
    r.host.Relation = Utf8ToCp1252(v);
    return {};
}
std::string RunDegrees(RenderRun& r, const std::string&) {
    r.graph.Settings.Degrees = true;
    return {};
}
std::string RunAutoY(RenderRun& r, const std::string&) {
    r.graph.Settings.AutoYScale = true;
    return {};
}

std::string RunCompleteImplicit(RenderRun& r, const std::string&) {
    r.graph.Settings.CompleteImplicit() = true;
    return {};
}

std::string CheckSet(RenderSetup&, const std::string& v) {
    SettingsRecord probe = DefaultSettings();
    const std::string problem = SetSettingsField(probe, Utf8ToCp1252(v));
    return problem.empty() ? problem : "--set: " + Cp1252ToUtf8(problem);
}
std::string RunSet(RenderRun& r, const std::string& v) {
    const std::string field = Utf8ToCp1252(v);
    SetSettingsField(r.graph.Settings, field);  // checked while parsing
    // The view fields and the plot step field show what was set.
    const std::string name = field.substr(0, field.find('='));
    const std::pair<const char*, ViewField> edges[] = {
        {"tmin", ViewField::TMin}, {"tmax", ViewField::TMax}, {"xmin", ViewField::XMin},
        {"xmax", ViewField::XMax}, {"ymin", ViewField::YMin}, {"ymax", ViewField::YMax}};
    const std::string lower = QString::fromStdString(name).toLower().toStdString();
    for (const auto& [edge, f] : edges)
        if (lower == edge) r.host.SetViewFieldText(f, *GetSettingsField(r.graph.Settings, name));
    if (lower == "plotsteptext") {
        std::string step = r.graph.Settings.PlotStepText;
        if (const size_t comma = step.find(','); comma != std::string::npos) step.erase(comma, 1);
        r.host.PlotStep = step;
    }
    return {};
}

const RenderActionRegistration rows({
    {"--view", "XMIN,XMAX,YMIN,YMAX", "the view fields; each may be a formula (-2p, p/2)", 30, CheckView,
     RunView},
    {"--t", "TMIN,TMAX", "the t fields", 40, CheckT, RunT},
    {"--plot-step", "N", "the plot step field (32 to 1000000)", 50, CheckPlotStep, RunPlotStep},
    {"--relation", "REL",
     "relation box text: y=, y>, y>=, y<, y<=, y=>, y=<\n"
     "(default y=)",
     60, nullptr, RunRelation},
    {"--degrees", nullptr, "angles in degrees", 70, nullptr, RunDegrees},
    {"--auto-y", nullptr, "automatic y-scaling", 75, nullptr, RunAutoY},
    {"--complete-implicit", nullptr,
     "draw implicit relations completely, every branch\n"
     "(the setting CompleteImplicit)",
     85, nullptr, RunCompleteImplicit},
    {"--set", "FIELD=VALUE",
     "set a settings field; an array element as FIELD[i]\n"
     "(0-based). Booleans 0/1, colours 0xBBGGRR, reals in\n"
     "the program's number format, integers, texts.",
     100, CheckSet, RunSet},
});

}  // namespace
}  // namespace kurvo::app
