// kurvo32 setup environment: the Effects & Settings dialog. It is shown
// from sett.dat, its controls set from FIELD=TEXT arguments (the settings
// fields it shows), the window's view fields given, and OK pressed.
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "admin/environment.h"
#include "admin/toolbar_record.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "plot/graph_window.h"
#include "plot/settings_fields.h"
#include "render_actions.h"
#include "setup_admin.h"
#include "setup_dialogs.h"

namespace kurvo::app {
namespace {

const char kName[] = "environment";

using C = EnvironmentControls;
using S = SettingsRecord;

// One control: the settings field it shows, the range of its value, and
// how a checked value (read into a scratch record) reaches the control.
// Grid size, axis type and a data set's marks change the settings at
// once, as their clicks do.
struct ControlField {
    const char* name;
    long long min, max;  // min > max: no range beyond the field's type
    std::function<void(C&, const S& parsed, S& settings, size_t i)> take;
};

constexpr long long kColourMax = 0xFFFFFF;

#define KURVO_BOOL(F) {#F, 1, 0, [](C& c, const S& p, S&, size_t) { c.F = p.F; }}
#define KURVO_COLOUR(F) {#F, 0, kColourMax, [](C& c, const S& p, S&, size_t) { c.F = p.F; }}

const std::vector<ControlField>& ControlFields() {
    static const std::vector<ControlField> fields = {
        KURVO_BOOL(ShowAsymptotes), KURVO_BOOL(ShowPlot), KURVO_BOOL(ShowAxes), KURVO_BOOL(ShowGrid),
        KURVO_BOOL(ShowMinorDivisions), KURVO_BOOL(ShowAxisMarkers), KURVO_BOOL(ShowAxisLabels),
        KURVO_BOOL(ShowHints), KURVO_BOOL(AsymptoteBeep), KURVO_BOOL(SnapToGraph), KURVO_BOOL(SquareGraph),
        {"LargeGrid", 1, 0, [](C& c, const S& p, S& s, size_t) { c.LargeGrid = s.LargeGrid = p.LargeGrid; }},
        {"PiAxis", 1, 0, [](C& c, const S& p, S& s, size_t) { c.PiAxis = s.PiAxis = p.PiAxis; }},
        {"SigFigs", 1, 14, [](C& c, const S& p, S&, size_t) { c.SigFigs = p.SigFigs; }},
        KURVO_COLOUR(BackgroundColour), KURVO_COLOUR(AxesColour), KURVO_COLOUR(AsymptoteColour),
        KURVO_COLOUR(DerivativeColour), KURVO_COLOUR(IntegralColour), KURVO_COLOUR(GridColour),
        KURVO_COLOUR(TraceColour), KURVO_COLOUR(TangentColour), KURVO_COLOUR(FontColour),
        {"GraphColours", 0, kColourMax, [](C& c, const S& p, S&, size_t i) { c.GraphColours[i] = p.GraphColours[i]; }},
        {"MarkColours", 0, kColourMax, [](C&, const S& p, S& s, size_t i) { s.MarkColours[i] = p.MarkColours[i]; }},
        {"MarkTypes", 0, 11, [](C&, const S& p, S& s, size_t i) { s.MarkTypes[i] = p.MarkTypes[i]; }},
        {"FontName", 1, 0, [](C& c, const S& p, S&, size_t) { c.FontName = p.FontName; }},
        KURVO_BOOL(AutoLimitsOn),
        {"AutoLimitMin", -100000, 0, [](C& c, const S& p, S&, size_t) { c.AutoLimitMin = p.AutoLimitMin; }},
        {"AutoLimitMax", 0, 100000, [](C& c, const S& p, S&, size_t) { c.AutoLimitMax = p.AutoLimitMax; }},
        KURVO_BOOL(ShadeDefinedSide), KURVO_BOOL(MoveWithMouse),
        {"CompleteImplicit", 1, 0, [](C& c, const S& p, S&, size_t) { c.CompleteImplicit = p.CompleteImplicit(); }},
    };
    return fields;
}

#undef KURVO_BOOL
#undef KURVO_COLOUR

// The thickness fields and the font size box hold what was typed; OK
// reads them as integers.
std::string* TypedField(C& c, const QString& name, long long& min, long long& max) {
    min = 1, max = 10;
    if (name == "graphlinewidth") return &c.GraphLineWidth;
    if (name == "axislinewidth") return &c.AxisLineWidth;
    if (name == "gridlinewidth") return &c.GridLineWidth;
    min = 1, max = 0;
    if (name == "fontsize") return &c.FontSize;
    return nullptr;
}

bool ParseWhole(const std::string& text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 0);
    return !text.empty() && *end == 0;
}

bool InRange(long long value, long long min, long long max) { return min > max || (value >= min && value <= max); }

// One FIELD=TEXT: "" or the problem (exit 2).
std::string SetControl(C& c, S& settings, const std::string& argument) {
    const size_t eq = argument.find('=');
    if (eq == std::string::npos) return "'" + Cp1252ToUtf8(argument) + "' is not FIELD=TEXT";
    const std::string field = argument.substr(0, eq), text = argument.substr(eq + 1);
    const QString name = QString::fromStdString(field).section('[', 0, 0).toLower();
    long long min = 0, max = 0, value = 0;
    if (std::string* typed = TypedField(c, name, min, max)) {
        if (ParseWhole(text, value) && !InRange(value, min, max))
            return field + " must be from " + std::to_string(min) + " to " + std::to_string(max);
        *typed = text;
        return {};
    }
    const auto& fields = ControlFields();
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const ControlField& f) { return name == QString(f.name).toLower(); });
    if (found == fields.end()) return "'" + Cp1252ToUtf8(field) + "' is not a field of the dialog";
    S parsed = settings;
    if (const std::string problem = SetSettingsField(parsed, field, text); !problem.empty())
        return Cp1252ToUtf8(problem);
    const std::string shown = GetSettingsField(parsed, field).value_or("");
    if (ParseWhole(shown, value) && !InRange(value, found->min, found->max))
        return field + " must be from " + std::to_string(found->min) + " to " + std::to_string(found->max);
    const size_t open = field.find('[');
    found->take(c, parsed, settings, open == std::string::npos ? 0 : size_t(std::atoi(field.c_str() + open + 1)));
    return {};
}

// The view fields as typed: "" or the problem (exit 2).
std::string SetFields(SetupHost& host, const QString& text, const std::vector<ViewField>& fields, const char* option) {
    const auto parts = SplitCommas(Utf8ToCp1252(text.toStdString()));
    if (parts.size() != fields.size()) return std::string(option) + " needs " + std::to_string(fields.size()) + " comma-separated values";
    for (size_t i = 0; i < fields.size(); ++i) host.SetViewFieldText(fields[i], parts[i]);
    return {};
}

int RunEnvironment(SetupContext& c) {
    ToolbarRecord toolbar;
    std::string error;
    if (!ReadToolbarFile(c.dataFolder, toolbar, error)) {
        c.host.ShowError(error);
        return 1;
    }
    // The window's fields: the t fields and the plot step field only where
    // the toolbar shows them.
    c.host.TFields = toolbar.Entries[toolbar::TMinField] && toolbar.Entries[toolbar::TMaxField];
    c.host.StepField = toolbar.Entries[toolbar::PlotStepField];
    c.host.FillControls(c.graph.Settings);
    SettingsRecord& settings = c.graph.Settings;

    EnvironmentControls controls;
    LoadEnvironmentControls(controls, settings, c.host);
    for (const std::string& argument : c.arguments)
        if (const std::string problem = SetControl(controls, settings, argument); !problem.empty())
            return SetupFail(kName, problem);
    if (c.options.isSet("plot-step")) {
        long long step = 0;
        if (!ParseWhole(c.options.value("plot-step").toStdString(), step) || !InRange(step, 32, 1000000))
            return SetupFail(kName, "--plot-step needs a whole number from 32 to 1000000");
        controls.PlotStep = int(step);
    }
    if (c.options.isSet("view"))
        if (const std::string problem = SetFields(c.host, c.options.value("view"),
                                                  {ViewField::XMin, ViewField::XMax, ViewField::YMin, ViewField::YMax},
                                                  "--view");
            !problem.empty())
            return SetupFail(kName, problem);
    // Without the t fields on the toolbar there is nothing to type into.
    if (c.options.isSet("t") && c.host.TFields)
        if (const std::string problem = SetFields(c.host, c.options.value("t"), {ViewField::TMin, ViewField::TMax}, "--t");
            !problem.empty())
            return SetupFail(kName, problem);

    // OK, as the dialog's button: take the controls, the plot step into the
    // window, then the view fields and the file.
    try {
        TakeEnvironmentControls(controls, settings);
        if (c.host.StepField)
            c.host.PlotStep = std::to_string(controls.PlotStep);
        else
            settings.PlotStepText = std::to_string(controls.PlotStep);
        error = EnvironmentOK(controls, settings, c.host, c.dataFolder);
    } catch (const Exception& e) {
        c.host.ShowError(e.what());
        return 1;
    }
    if (!error.empty()) {
        c.host.ShowError(error);
        return 1;
    }
    return 0;
}

const SetupRegistration registration({
    kName,
    "the Effects & Settings dialog: display settings, saved to sett.dat by OK",
    "  FIELD=TEXT          set the control of a settings field the dialog shows:\n"
    "                      ShowAxes=0, BackgroundColour=0xFFFFFF, GraphColours[2]=\n"
    "                      0x0000FF, SigFigs=8, GraphLineWidth=3, FontSize=10 ...\n"
    "                      (booleans 0/1, colours 0xBBGGRR; widths and the font\n"
    "                      size as typed, read by OK)\n"
    "  --view X1,X2,Y1,Y2  the window's x and y fields as typed\n"
    "  --t T1,T2           the t fields (ignored unless tbrcfg.dat shows them)\n"
    "  --plot-step N       the dialog's \"Plot Step\" (32 to 1000000)\n\n"
    "OK takes the controls, copies the view fields into the settings and writes\n"
    "sett.dat. A width or font size that is not an integer, or a view field that\n"
    "is not a number: its message, exit 1, sett.dat untouched. A value outside its\n"
    "control's range or an unknown field: exit 2.\n",
    [](QCommandLineParser& p) {
        p.addOption({"view", "The x and y fields.", "X1,X2,Y1,Y2"});
        p.addOption({"t", "The t fields.", "T1,T2"});
        p.addOption({"plot-step", "The plot step.", "N"});
    },
    RunEnvironment,
});

}  // namespace
}  // namespace kurvo::app
