// kurvo32 render: plot formulas headless, exactly as typed into the graph
// window one after another, and save the picture. The options are rows of
// RenderActions() (render_actions.h); this file holds the set-up options,
// the reading of the command line and the run.
#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "commands.h"
#include "data_folder.h"
#include "expr/encoding.h"
#include "expr/real_format.h"
#include "headless_host.h"
#include "ordered_args.h"
#include "plot/graph_window.h"
#include "plot/settings_fields.h"
#include "plot/settings_record.h"
#include "render_actions.h"
#include "ui/about_box.h"
#include "ui/qimage_canvas.h"
#include "workspace/atomic_write.h"

namespace kurvo::app {

std::vector<RenderAction>& RenderActions() {
    static std::vector<RenderAction> rows;
    return rows;
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

namespace {

const char* kRenderUsage =
    "Usage: kurvo32 render [OPTIONS] [FORMULA...]\n"
    "Plots each FORMULA in turn, as if typed into the formula box and plotted,\n"
    "and writes the picture. Options apply to the formulas that follow them.\n\n";

// The command being run, for messages.
std::string commandName = "render";
std::vector<const RenderAction*> rows;
const char* kTail =
    "\nA FORMULA may start with \"-\" (-x); after \"--\" every argument is a formula.\n"
    "Text is UTF-8 (x\xC2\xB2 works); numbers use \".\" as the decimal separator.\n"
    "Message boxes are printed on standard error; questions are answered No.\n"
    "Exit status: 0 every formula plotted, 1 a message box was shown (the picture\n"
    "is still written), 2 bad options or the picture could not be written.\n";

int Fail(const std::string& message) { return RenderFail(message); }

QStringList Spellings(const RenderAction& row) { return QString(row.names).split(','); }
QString Bare(const QString& spelling) { return QString(spelling).remove(QRegularExpression("^-+")); }
QStringList Names(const RenderAction& row) {
    QStringList names;
    for (const QString& spelling : Spellings(row)) names << Bare(spelling);
    return names;
}

std::string HelpText(const std::string& usage, const std::string& tail) {
    std::vector<const RenderAction*> rows = kurvo::app::rows;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto* a, const auto* b) { return a->helpOrder < b->helpOrder; });
    std::string text = usage;
    const size_t column = 23;
    for (const RenderAction* row : rows) {
        std::string left = "  ";
        for (const QString& spelling : Spellings(*row)) left += spelling.toStdString() + ", ";
        left.resize(left.size() - 2);
        if (row->valueName) left += std::string(" ") + row->valueName;
        left += left.size() < column ? std::string(column - left.size(), ' ') : "\n" + std::string(column, ' ');
        std::string help = row->help;
        for (size_t nl = help.find('\n'); nl != std::string::npos; nl = help.find('\n', nl + 1))
            help.insert(nl + 1, column, ' ');
        text += left + help + "\n";
    }
    return text + (tail.empty() ? std::string(kTail) : tail);
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

// The mode chosen on the command line, over the one in the settings.
void ApplyMode(const RenderSetup& o, SettingsRecord& s) {
    if (o.mode) {
        s.CartesianMode = *o.mode == "cartesian";
        s.ImplicitMode = *o.mode == "implicit";
        s.Parametric = false;
    }
    if (o.parametric) s.Parametric = true;
}

const RenderAction* RowOf(const QString& name) {
    for (const RenderAction* row : rows)
        if (Names(*row).front() == name) return row;
    return nullptr;
}

}  // namespace

int RenderFail(const std::string& message) {
    std::fprintf(stderr, "kurvo32 %s: %s\n", commandName.c_str(), message.c_str());
    return 2;
}

std::unique_ptr<QGuiApplication> StartHeadlessGui(char* argv0) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the message boxes; keep Qt's note about a
    // missing runtime folder (usual on a headless machine) out of it.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                         const QString& message) {
        if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
        if (previous) previous(type, context, message);
    });
    static int qtArgc = 1;
    static char* qtArgv[] = {argv0, nullptr};
    return std::make_unique<QGuiApplication>(qtArgc, qtArgv);
}

std::string StartRenderGraph(const RenderSetup& setup, HeadlessHost& host, TGraphWindow& graph) {
    if (setup.dataDir) {
        const std::string error =
            ReadDataFolder(*setup.dataDir, graph, [&setup](SettingsRecord& s) { ApplyMode(setup, s); });
        if (!error.empty()) return error;
    } else {
        ApplyMode(setup, graph.Settings);
    }
    host.FillControls(graph.Settings);
    return {};
}

int RunRenderCommand(int argc, char** argv, const RenderFinish& finish) {
    commandName = finish.name;
    rows.clear();
    for (const RenderAction& row : finish.ownRows) rows.push_back(&row);
    // A command's own option replaces the table's option of that name
    // (table's --step H, render's --step NAME=TEXT).
    for (const RenderAction& row : RenderActions())
        if (std::none_of(finish.ownRows.begin(), finish.ownRows.end(),
                         [&row](const RenderAction& own) { return Names(own).front() == Names(row).front(); }))
            rows.push_back(&row);
    // Numbers on the command line and in the fields use ".".
    SetDecimalSeparator('.');
    QList<QCommandLineOption> options;
    for (const RenderAction* row : rows)
        options << (row->valueName ? QCommandLineOption(Names(*row), row->help, row->valueName)
                                   : QCommandLineOption(Names(*row), row->help));
    QStringList shortNames;
    for (const RenderAction* row : rows)
        for (const QString& spelling : Spellings(*row))
            if (!spelling.startsWith("--")) shortNames << Bare(spelling);
    const ParsedArgs parsed = ParseInOrder(argc, argv, options, shortNames);
    if (!parsed.error.empty()) return Fail(parsed.error + " (see kurvo32 " + commandName + " --help)");
    if (parsed.Has("h")) {
        std::printf("%s", HelpText(finish.usage, finish.tail).c_str());
        return 0;
    }
    if (parsed.Has("version")) {
        std::printf("kurvo32 %s\n", ProgramVersion().toStdString().c_str());
        return 0;
    }

    RenderSetup setup;
    for (const OrderedArg& a : parsed.args) {
        if (a.option.isEmpty()) {
            ++setup.formulas;
            continue;
        }
        const RenderAction* row = RowOf(a.option);
        if (!row->parse) continue;
        if (const std::string problem = row->parse(setup, a.value); !problem.empty()) return Fail(problem);
        if (setup.exitNow) return *setup.exitNow;
    }
    if (const std::string problem = finish.check(setup); !problem.empty()) return Fail(problem);

    const auto app = StartHeadlessGui(argv[0]);
    HeadlessHost host(setup.width, setup.height);
    TGraphWindow graph(host);
    if (const std::string problem = StartRenderGraph(setup, host, graph); !problem.empty()) return Fail(problem);

    RenderRun run{setup, host, graph};
    if (setup.formulas == 0) {
        // Nothing will be plotted: the empty graph as the window first shows it.
        graph.Flags.FullRepaint = graph.Flags.ReplotAll = true;
        graph.Repaint();
        graph.Flags.FullRepaint = graph.Flags.ReplotAll = false;
    }
    for (const OrderedArg& a : parsed.args) {
        if (a.option.isEmpty() && IsWorkspaceArgument(a.value)) {
            OpenWorkspaceArgument(run, a.value);
            continue;
        }
        if (a.option.isEmpty()) {
            host.Formula = Utf8ToCp1252(a.value);
            run.formulaTexts.push_back(a.value);
            if (run.takeNextFormula)
                std::exchange(run.takeNextFormula, nullptr)(run);
            else
                graph.PlotCommand();
            continue;
        }
        const RenderAction* row = RowOf(a.option);
        if (!row->run) continue;
        if (const std::string problem = row->run(run, a.value); !problem.empty())
            return Fail(Spellings(*row).front().toStdString() + ": " + problem);
    }

    for (const auto& after : run.afterActions)
        if (const std::string problem = after(run); !problem.empty()) return Fail(problem);

    const int status = host.Informations + host.Errors + host.Questions > 0 ? 1 : 0;
    return finish.run(run, status);
}

namespace {

int RunRender(int argc, char** argv) {
    const auto check = [](const RenderSetup& s) {
        const std::string problem = CheckPictureOutput(s);
        return problem.empty() ? CheckAnimationOutput(s) : problem;
    };
    const RenderFinish finish{"render", kRenderUsage, {}, check, [](RenderRun& run, int status) {
                                  if (run.setup.animateFrames > 0) return WriteRenderAnimation(run, status);
                                  const std::string problem = WriteRenderPicture(run);
                                  return problem.empty() ? status : Fail(problem);
                              },
                              {}};
    return RunRenderCommand(argc, argv, finish);
}

std::string ParseOutput(RenderSetup& s, const std::string& v) {
    s.output = v;
    return {};
}
std::string ParseSizeOption(RenderSetup& s, const std::string& v) {
    return ParseSize(v, s.width, s.height) ? std::string() : "--size needs WxH, each 16 to 10000 pixels";
}
std::string ParseMode(RenderSetup& s, const std::string& v) {
    if (v != "cartesian" && v != "polar" && v != "implicit") return "--mode needs cartesian, polar or implicit";
    s.mode = v;
    return {};
}
std::string ParseData(RenderSetup& s, const std::string& v) {
    s.dataDir = v;
    return {};
}
std::string ParseParametric(RenderSetup& s, const std::string&) {
    s.parametric = true;
    return {};
}
std::string ListFields(RenderSetup& s, const std::string&) {
    for (const auto& name : SettingsFieldNames()) std::printf("%s\n", name.c_str());
    s.exitNow = 0;
    return {};
}

const RenderActionRegistration setupRows({
    {"-o", "FILE", "output picture: .png, .bmp, .gif, .svg or .pdf", 10, ParseOutput, nullptr},
    {"--size", "WxH", "graph area in pixels (default 800x600)", 20, ParseSizeOption, nullptr},
    {"--mode", "MODE", "the graph mode: cartesian, polar or implicit", 80, ParseMode, nullptr},
    {"--parametric", nullptr,
     "the parametric switch (cartesian: x(t),y(t); polar:\n"
     "r(t),angle(t); the two functions separated by a comma)",
     90, ParseParametric, nullptr},
    {"--list-fields", nullptr, "print the settings field names and exit", 110, ListFields, nullptr},
    {"--data", "DIR",
     "read sett.dat, the user functions and the alias list\n"
     "of the mode from DIR (names matched without regard\n"
     "to case); without it the first-run defaults are used\n"
     "and no file is read or written",
     120, ParseData, nullptr},
    {"-h,--help", nullptr, "show this text", 1000, nullptr, nullptr},
    {"--version", nullptr, "show the program's version", 1010, nullptr, nullptr},
});

const Registration registration({"render", "plot formulas and save the picture (PNG, BMP, GIF, SVG, PDF)",
                                 RunRender});

}  // namespace
}  // namespace kurvo::app
