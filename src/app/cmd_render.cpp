// kurvo32 render: plot formulas headless, exactly as typed into the graph
// window one after another, and save the picture.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "expr/real_format.h"
#include "data_folder.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "plot/relation_box.h"
#include "plot/settings_fields.h"
#include "plot/settings_record.h"
#include "ui/qimage_canvas.h"
#include "workspace/data_files.h"
#include "workspace/mode_files.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 render [OPTIONS] FORMULA...\n"
    "Plots each FORMULA in turn, as if typed into the formula box and plotted,\n"
    "and writes the picture. Options apply to the formulas that follow them.\n\n"
    "  -o FILE              output picture, .png or .bmp (required)\n"
    "  --size WxH           graph area in pixels (default 800x600)\n"
    "  --view XMIN,XMAX,YMIN,YMAX\n"
    "                       the view fields; each may be a formula (-2p, p/2)\n"
    "  --t TMIN,TMAX        the t fields\n"
    "  --plot-step N        the plot step field (32 to 1000000)\n"
    "  --relation REL       relation box text: y=, y>, y>=, y<, y<=, y=>, y=<\n"
    "                       (default y=)\n"
    "  --degrees            angles in degrees\n"
    "  --auto-y             automatic y-scaling\n"
    "  --mode MODE          the graph mode: cartesian, polar or implicit\n"
    "  --parametric         the parametric switch (cartesian: x(t),y(t); polar:\n"
    "                       r(t),angle(t); the two functions separated by a comma)\n"
    "  --set FIELD=VALUE    set a settings field; an array element as FIELD[i]\n"
    "                       (0-based). Booleans 0/1, colours 0xBBGGRR, reals in\n"
    "                       the program's number format, integers, texts.\n"
    "  --list-fields        print the settings field names and exit\n"
    "  --data DIR           read sett.dat, the user functions and the alias list\n"
    "                       of the mode from DIR (names matched without regard\n"
    "                       to case); without it the first-run defaults are used\n"
    "                       and no file is read or written\n\n"
    "A FORMULA may start with \"-\" (-x); after \"--\" every argument is a formula.\n"
    "Text is UTF-8 (x\xC2\xB2 works); numbers use \".\" as the decimal separator.\n"
    "Message boxes are printed on standard error; questions are answered No.\n"
    "Exit status: 0 every formula plotted, 1 a message box was shown (the picture\n"
    "is still written), 2 bad options or the picture could not be written.\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "kurvo32 render: %s\n", message.c_str());
    return 2;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

bool ParseSize(const std::string& text, int& w, int& h) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    char* end = nullptr;
    const long a = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + x) return false;
    const long b = std::strtol(text.c_str() + x + 1, &end, 10);
    if (*end != 0 || x + 1 == text.size()) return false;
    if (a < 16 || b < 16 || a > 10000 || b > 10000) return false;
    w = int(a);
    h = int(b);
    return true;
}

// One step of the command line, run in order.
struct Action {
    enum Kind { Formula, View, TView, PlotStep, Relation, Degrees, AutoY, Set } kind;
    std::string text;
};

struct Options {
    std::string output;
    int width = 800, height = 600;
    std::optional<std::string> dataDir;
    std::optional<std::string> mode;
    bool parametric = false;
    std::vector<Action> actions;
    int formulas = 0;
};

// Returns -1 when the options are fine, else the exit code.
int ParseOptions(int argc, char** argv, Options& o) {
    bool formulasOnly = false;  // after "--"
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (formulasOnly) {
            o.actions.push_back({Action::Formula, Utf8ToCp1252(a)});
            ++o.formulas;
            continue;
        }
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            std::printf("%s", kUsage);
            return 0;
        } else if (a == "--list-fields") {
            for (const auto& name : SettingsFieldNames()) std::printf("%s\n", name.c_str());
            return 0;
        } else if (a == "-o") {
            if (!value(o.output)) return Fail("-o needs a file name");
        } else if (a == "--size") {
            if (!value(v) || !ParseSize(v, o.width, o.height))
                return Fail("--size needs WxH, each 16 to 10000 pixels");
        } else if (a == "--view") {
            if (!value(v) || SplitCommas(v).size() != 4)
                return Fail("--view needs XMIN,XMAX,YMIN,YMAX");
            o.actions.push_back({Action::View, Utf8ToCp1252(v)});
        } else if (a == "--t") {
            if (!value(v) || SplitCommas(v).size() != 2) return Fail("--t needs TMIN,TMAX");
            o.actions.push_back({Action::TView, Utf8ToCp1252(v)});
        } else if (a == "--plot-step") {
            long n = 0;
            char* end = nullptr;
            if (value(v)) n = std::strtol(v.c_str(), &end, 10);
            if (!end || *end != 0 || v.empty() || n < 32 || n > 1000000)
                return Fail("--plot-step needs an integer from 32 to 1000000");
            o.actions.push_back({Action::PlotStep, v});
        } else if (a == "--relation") {
            if (!value(v)) return Fail("--relation needs a relation such as y>=");
            o.actions.push_back({Action::Relation, Utf8ToCp1252(v)});
        } else if (a == "--degrees") {
            o.actions.push_back({Action::Degrees, ""});
        } else if (a == "--auto-y") {
            o.actions.push_back({Action::AutoY, ""});
        } else if (a == "--mode") {
            if (!value(v) || (v != "cartesian" && v != "polar" && v != "implicit"))
                return Fail("--mode needs cartesian, polar or implicit");
            o.mode = v;
        } else if (a == "--parametric") {
            o.parametric = true;
        } else if (a == "--set") {
            if (!value(v)) return Fail("--set needs FIELD=VALUE");
            const std::string field = Utf8ToCp1252(v);
            SettingsRecord probe = DefaultSettings();
            const std::string problem = SetSettingsField(probe, field);
            if (!problem.empty()) return Fail("--set: " + Cp1252ToUtf8(problem));
            o.actions.push_back({Action::Set, field});
        } else if (a == "--data") {
            if (!value(v)) return Fail("--data needs a folder");
            o.dataDir = v;
        } else if (a == "--") {
            formulasOnly = true;
        } else if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
            return Fail("unknown option '" + a + "' (see kurvo32 render --help)");
        } else {
            // A formula: "-x" or "-2x+1" is a formula, not an option.
            o.actions.push_back({Action::Formula, Utf8ToCp1252(a)});
            ++o.formulas;
        }
    }
    if (o.output.empty()) return Fail("-o FILE is required");
    const QString suffix = QFileInfo(QString::fromStdString(o.output)).suffix().toLower();
    if (suffix != "png" && suffix != "bmp") return Fail("the output must end in .png or .bmp");
    if (o.formulas == 0) return Fail("no formula given");
    return -1;
}

// The mode chosen on the command line, over the one in the settings.
void ApplyMode(const Options& o, SettingsRecord& s) {
    if (o.mode) {
        s.CartesianMode = *o.mode == "cartesian";
        s.ImplicitMode = *o.mode == "implicit";
        s.Parametric = false;
    }
    if (o.parametric) s.Parametric = true;
}

// The controls as start-up fills them from the settings.
void FillControls(HeadlessHost& host, const SettingsRecord& s) {
    host.SetViewFieldText(ViewField::TMin, FormatReal(s.TMin));
    host.SetViewFieldText(ViewField::TMax, FormatReal(s.TMax));
    host.SetViewFieldText(ViewField::XMin, FormatReal(s.XMin));
    host.SetViewFieldText(ViewField::XMax, FormatReal(s.XMax));
    host.SetViewFieldText(ViewField::YMin, FormatReal(s.YMin));
    host.SetViewFieldText(ViewField::YMax, FormatReal(s.YMax));
    std::string step = s.PlotStepText;
    if (const size_t comma = step.find(','); comma != std::string::npos) step.erase(comma, 1);
    host.PlotStep = step.empty() ? "256" : step;
}

int RunRender(int argc, char** argv) {
    // Numbers on the command line and in the fields use ".".
    SetDecimalSeparator('.');
    Options o;
    if (const int code = ParseOptions(argc, argv, o); code >= 0) return code;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the message boxes; keep Qt's note about a
    // missing runtime folder (usual on a headless machine) out of it.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                         const QString& message) {
        if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
        if (previous) previous(type, context, message);
    });
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    HeadlessHost host(o.width, o.height);
    TGraphWindow graph(host);
    if (o.dataDir) {
        const std::string error =
            ReadDataFolder(*o.dataDir, graph, [&o](SettingsRecord& s) { ApplyMode(o, s); });
        if (!error.empty()) return Fail(error);
    } else {
        ApplyMode(o, graph.Settings);
    }
    FillControls(host, graph.Settings);
    // The relation box holds the mode's relation; in Cartesian mode "y=".
    const auto relations = RelationBoxItems(graph.Settings, {"y="});
    host.Relation = relations.empty() ? std::string() : relations.front();

    for (const Action& a : o.actions) {
        switch (a.kind) {
            case Action::Formula:
                host.Formula = a.text;
                graph.PlotCommand();
                break;
            case Action::View: {
                const auto parts = SplitCommas(a.text);
                host.SetViewFieldText(ViewField::XMin, parts[0]);
                host.SetViewFieldText(ViewField::XMax, parts[1]);
                host.SetViewFieldText(ViewField::YMin, parts[2]);
                host.SetViewFieldText(ViewField::YMax, parts[3]);
                graph.SaveViewForUndo();  // as the fields' change event does
                break;
            }
            case Action::TView: {
                const auto parts = SplitCommas(a.text);
                host.SetViewFieldText(ViewField::TMin, parts[0]);
                host.SetViewFieldText(ViewField::TMax, parts[1]);
                graph.SaveViewForUndo();
                break;
            }
            case Action::PlotStep: host.PlotStep = a.text; break;
            case Action::Relation: host.Relation = a.text; break;
            case Action::Degrees: graph.Settings.Degrees = true; break;
            case Action::AutoY: graph.Settings.AutoYScale = true; break;
            case Action::Set: {
                SetSettingsField(graph.Settings, a.text);  // checked while parsing
                // The view fields and the plot step field show what was set.
                const std::string name = a.text.substr(0, a.text.find('='));
                const std::pair<const char*, ViewField> edges[] = {
                    {"tmin", ViewField::TMin}, {"tmax", ViewField::TMax}, {"xmin", ViewField::XMin},
                    {"xmax", ViewField::XMax}, {"ymin", ViewField::YMin}, {"ymax", ViewField::YMax}};
                const std::string lower = QString::fromStdString(name).toLower().toStdString();
                for (const auto& [edge, field] : edges)
                    if (lower == edge)
                        host.SetViewFieldText(field, *GetSettingsField(graph.Settings, name));
                if (lower == "plotsteptext") {
                    std::string step = graph.Settings.PlotStepText;
                    if (const size_t comma = step.find(','); comma != std::string::npos)
                        step.erase(comma, 1);
                    host.PlotStep = step;
                }
                break;
            }
        }
    }

    QImageCanvas* picture = host.LastPicture();
    if (!picture) return Fail("nothing was drawn");
    QImage image = picture->image();
    const QString path = QString::fromStdString(o.output);
    const bool bmp = QFileInfo(path).suffix().toLower() == "bmp";
    if (bmp) image = image.convertToFormat(QImage::Format_RGB32);
    if (!image.save(path, bmp ? "BMP" : "PNG"))
        return Fail("cannot write '" + o.output + "'");
    return host.Informations + host.Errors + host.Questions > 0 ? 1 : 0;
}

const Registration registration({"render", "plot formulas and save the picture (PNG or BMP)",
                                 RunRender});

}  // namespace
}  // namespace kurvo::app
