// kurvo32 setup: the editor and administration dialogs from a script, for
// a teacher preparing many machines. Each dialog is shown, its fields set
// from the command line, and OK pressed; message boxes go to standard error.
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>

#include "commands.h"
#include "data_folder.h"
#include "expr/encoding.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "plot/settings_record.h"
#include "ordered_args.h"
#include "setup_dialogs.h"

namespace kurvo::app {

std::vector<SetupDialog>& SetupDialogs() {
    static std::vector<SetupDialog> dialogs;
    return dialogs;
}

const char kModeOptionsUsage[] =
    "  --mode MODE         the graph mode: cartesian, polar or implicit (default:\n"
    "                      the mode of sett.dat)\n"
    "  --parametric        the parametric switch on\n";

namespace {

void PrintMessage(const char* kind, const std::string& cp1252Text) {
    std::string text = Cp1252ToUtf8(cp1252Text);
    // One line per message box, however many lines its text has.
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::fprintf(stderr, "%s: %s\n", kind, text.c_str());
}

const char kCommonUsage[] =
    "  --data DIR          the data folder (required); a missing sett.dat gives\n"
    "                      the settings of a first start\n"
    "  --help              show this text\n";

void PrintSetupHelp() {
    std::printf("Usage: kurvo32 setup DIALOG --data DIR [OPTIONS] [NAME=TEXT]...\n"
                "Runs one of the program's dialogs without a window: the dialog is shown,\n"
                "its fields are set from the command line and OK is pressed. Message boxes\n"
                "are printed on standard error, one line each. Text is UTF-8 on the command\n"
                "line; the files are written as the program writes them.\n\n"
                "Dialogs:\n");
    auto dialogs = SetupDialogs();
    std::sort(dialogs.begin(), dialogs.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& d : dialogs) std::printf("  %-12s %s\n", d.name.c_str(), d.summary.c_str());
    std::printf("\nkurvo32 setup DIALOG --help shows a dialog's options.\n"
                "Exit status: 0 done, 1 a message box stopped the dialog, 2 bad options.\n");
}

void ApplyModeOptions(const QCommandLineParser& options, SettingsRecord& s) {
    if (options.isSet("mode")) {
        const QString mode = options.value("mode");
        s.CartesianMode = mode == "cartesian";
        s.ImplicitMode = mode == "implicit";
        s.Parametric = false;
    }
    if (options.isSet("parametric")) s.Parametric = true;
}

int RunSetup(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        PrintSetupHelp();
        return argc < 2 ? 2 : 0;
    }
    const std::string name = argv[1];
    const auto& dialogs = SetupDialogs();
    const auto found = std::find_if(dialogs.begin(), dialogs.end(), [&](const auto& d) { return d.name == name; });
    if (found == dialogs.end()) {
        std::fprintf(stderr, "kurvo32 setup: unknown dialog '%s' (see kurvo32 setup --help)\n", name.c_str());
        return 2;
    }
    const SetupDialog& dialog = *found;

    // Numbers on the command line and in the files use ".".
    SetDecimalSeparator('.');
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QCoreApplication app(qtArgc, qtArgv);

    QCommandLineParser options;
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.addOption({{"h", "help"}, "Show the dialog's options."});
    options.addOption({"data", "The data folder.", "DIR"});
    if (dialog.modeOptions) {
        options.addOption({"mode", "The graph mode.", "MODE"});
        options.addOption({"parametric", "The parametric switch."});
    }
    if (dialog.addOptions) dialog.addOptions(options);
    QStringList args{"kurvo32 setup " + QString::fromStdString(name)};
    for (int i = 2; i < argc; ++i) args << QString::fromUtf8(argv[i]);
    if (!options.parse(args)) return SetupFail(name, options.errorText().toStdString());
    if (options.isSet("help")) {
        std::printf("Usage: kurvo32 setup %s --data DIR [OPTIONS]\n%s\n\n%s%s%s", name.c_str(),
                    dialog.summary.c_str(), kCommonUsage, dialog.modeOptions ? kModeOptionsUsage : "",
                    dialog.usage.c_str());
        return 0;
    }
    if (!options.isSet("data")) return SetupFail(name, "--data DIR is required");
    if (dialog.modeOptions && options.isSet("mode")) {
        const QString mode = options.value("mode");
        if (mode != "cartesian" && mode != "polar" && mode != "implicit")
            return SetupFail(name, "--mode needs cartesian, polar or implicit, not '" + mode.toStdString() + "'");
    }

    SetupHost host;
    TGraphWindow graph(host);
    const QString folder = options.value("data");
    const std::string problem = ReadDataFolder(folder.toStdString(), graph, [&](SettingsRecord& s) {
        if (dialog.modeOptions) ApplyModeOptions(options, s);
    });
    if (!problem.empty()) return SetupFail(name, problem);
    graph.CopyConstantsToParsers();

    SetupContext context{options, folder, graph, host, {}, args.mid(1)};
    for (const QString& a : options.positionalArguments()) context.arguments.push_back(Utf8ToCp1252(a.toStdString()));
    return dialog.run(context);
}

const Registration registration({"setup", "run a dialog from a script: kurvo32 setup DIALOG --data DIR ...",
                                 RunSetup});

}  // namespace

std::vector<std::pair<QString, QString>> OptionsInOrder(const QStringList& raw, const QStringList& names) {
    // The options every dialog takes, then the asked ones, all with values
    // but help and the parametric switch; the parser already accepted them.
    QList<QCommandLineOption> options{{{"h", "help"}, ""}, {"data", "", "DIR"}, {"mode", "", "MODE"},
                                      {"parametric", ""}};
    for (const QString& name : names) options.append({name, "", "VALUE"});
    std::vector<QByteArray> bytes{"setup"};
    for (const QString& a : raw) bytes.push_back(a.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    std::vector<std::pair<QString, QString>> out;
    for (const OrderedArg& a : ParseInOrder(int(argv.size()), argv.data(), options, {"h"}).args)
        if (names.contains(a.option)) out.emplace_back(a.option, QString::fromStdString(a.value));
    return out;
}

void SetupHost::ShowInformation(const std::string& text) {
    ++Informations;
    PrintMessage("Information", text);
}

void SetupHost::ShowError(const std::string& text) {
    ++Errors;
    PrintMessage("Error", text);
}

bool SetupHost::AskYesNo(const std::string& text) {
    ++Questions;
    PrintMessage("Question (answered No)", text);
    return false;
}

int SetupFail(const std::string& dialog, const std::string& message) {
    std::fprintf(stderr, "kurvo32 setup %s: %s\n", dialog.c_str(), message.c_str());
    return 2;
}

void PrintCp1252Line(const std::string& cp1252Text) { std::printf("%s\n", Cp1252ToUtf8(cp1252Text).c_str()); }

bool SplitField(const std::string& argument, char& name, std::string& text) {
    const size_t eq = argument.find('=');
    if (eq != 1) return false;
    name = argument[0];
    text = argument.substr(2);
    return true;
}

}  // namespace kurvo::app
