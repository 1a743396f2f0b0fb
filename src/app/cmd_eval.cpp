// kurvo32 eval: translate, compile and evaluate one formula headless.
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCommandLineOption>
#include <cmath>

#include "commands.h"
#include "data_folder.h"
#include "ordered_args.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "ui/about_box.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 eval [OPTIONS] TEXT\n"
    "Evaluates TEXT once and prints its value.\n\n"
    "  --engine           TEXT is engine syntax (SIN(X)*2); it is not translated\n"
    "  --degrees          translate trigonometric names for degrees\n"
    "  --var NAME=VALUE   set a variable (A..Z without F..L); may repeat; VALUE\n"
    "                     takes \".\" (and \",\" with --decimal-comma)\n"
    "  --show             also print the translation (translated:, second:, ycount:)\n"
    "  --decimal-comma    use \",\" as the decimal separator for this run\n"
    "  --data DIR         start as the graph window does from the data folder DIR:\n"
    "                     the constants and angle mode of sett.dat, the user\n"
    "                     functions f..l and the alias list of the mode\n"
    "  --version          print the program's version\n\n"
    "The constants (e = 2.718281828 and p = 3.141592654 unless sett.dat says\n"
    "otherwise) are set first, as in the graph window; --var overrides them.\n"
    "TEXT may start with \"-\" (-x^2); after \"--\" the argument is TEXT.\n"
    "Exit status: 0 value printed, 2 compile error or bad options, 3 undefined value.\n";

void PrintLine(const std::string& cp1252Text) {
    std::string text = Cp1252ToUtf8(cp1252Text);
    for (char& c : text)
        if (c == '\r') c = '\n';
    std::printf("%s\n", text.c_str());
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "kurvo32 eval: %s\n", message.c_str());
    return 2;
}

// Only the parsers and the translator of the graph object are used; it
// never plots here.
class EvalHost : public GraphHost {
public:
    std::string FormulaText() const override { return {}; }
    void SetFormulaText(const std::string&) override {}
    std::string RelationText() const override { return "y="; }
    std::string ViewFieldText(ViewField) const override { return "0"; }
    void SetViewFieldText(ViewField, const std::string&) override {}
    bool HasTFields() const override { return false; }
    bool HasPlotStepField() const override { return false; }
    std::string PlotStepFieldText() const override { return "256"; }
    void ShowInformation(const std::string&) override {}
    void ShowError(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    int GraphAreaWidth() const override { return 0; }
    int GraphAreaHeight() const override { return 0; }
    std::unique_ptr<Canvas> CreatePicture(int, int) override { return nullptr; }
};

// "." is always a decimal point here (scripts write 0.5), "," only with
// --decimal-comma; the value must be finite.
bool ParseVariableValue(const std::string& text, long double& value) {
    bool ok = TryParseReal(text, value);
    if (!ok && DecimalSeparator() != '.') {
        const char separator = DecimalSeparator();
        SetDecimalSeparator('.');
        ok = TryParseReal(text, value);
        SetDecimalSeparator(separator);
    }
    return ok && std::isfinite(static_cast<double>(value));
}

bool HoldsRelation(const std::string& text) {
    return text.find_first_of("=<>") != std::string::npos;
}

int RunEval(int argc, char** argv) {
    QList<QCommandLineOption> options;
    for (const char* name : {"engine", "degrees", "show", "decimal-comma", "version"})
        options << QCommandLineOption(name);
    options << QCommandLineOption(QStringList{"h", "help"}) << QCommandLineOption("data", "", "DIR")
            << QCommandLineOption("var", "", "NAME=VALUE");
    const ParsedArgs parsed = ParseInOrder(argc, argv, options, {"h"});
    if (!parsed.error.empty()) return Fail(parsed.error + " (see kurvo32 eval --help)");
    bool engine = false, degrees = false, show = false;
    std::vector<std::pair<char, std::string>> vars;
    std::vector<std::string> texts;
    std::optional<std::string> dataDir;
    for (const OrderedArg& a : parsed.args) {
        if (a.option == "h") {
            std::printf("%s", kUsage);
            return 0;
        } else if (a.option == "version") {
            std::printf("kurvo32 %s\n", ProgramVersion().toStdString().c_str());
            return 0;
        } else if (a.option == "engine") {
            engine = true;
        } else if (a.option == "degrees") {
            degrees = true;
        } else if (a.option == "show") {
            show = true;
        } else if (a.option == "decimal-comma") {
            SetDecimalSeparator(',');
        } else if (a.option == "data") {
            dataDir = a.value;
        } else if (a.option == "var") {
            if (a.value.find('=') != 1)
                return Fail("--var needs NAME=VALUE with a one-letter name: " + a.value);
            vars.emplace_back(a.value[0], a.value.substr(2));
        } else {
            texts.push_back(Utf8ToCp1252(a.value));
        }
    }
    if (texts.empty()) return Fail("no TEXT given (see kurvo32 eval --help)");
    if (texts.size() > 1) return Fail("only one TEXT may be given");
    const std::string& text = texts.front();

    // The graph object holds what the window starts with: the settings'
    // constants, the user functions its parsers call, the alias list.
    EvalHost host;
    TGraphWindow graph(host);
    if (dataDir) {
        const std::string error = ReadDataFolder(*dataDir, graph);
        if (!error.empty()) return Fail(error);
        degrees = degrees || graph.Settings.Degrees;
    }
    graph.CopyConstantsToParsers();
    TParser& parser = graph.Parser(1);
    for (const auto& [name, value] : vars) {
        double* cell = parser.Var(name);
        if (!cell) return Fail(std::string("unknown variable ") + name);
        long double v;
        if (!ParseVariableValue(value, v))
            return Fail("--var: '" + value + "' is not a valid floating point value");
        *cell = static_cast<double>(v);
    }

    std::string engineText = text;
    if (!engine) {
        TFormulaTrans& trans = graph.Trans;
        trans.Degrees = degrees;
        trans.Root = false;
        trans.Instring = graph.ResolveAlias(text).substr(0, 255);
        try {
            trans.Translate();
        } catch (const Exception& e) {
            PrintLine(e.what());
            return 2;
        }
        engineText = trans.Outstring;
        if (show) {
            PrintLine("translated: " + trans.Outstring);
            if (trans.Root) PrintLine("second: " + trans.SecondFn);
            if (HoldsRelation(text)) PrintLine("ycount: " + std::to_string(trans.ycount));
        }
    }

    try {
        parser.SetExpression(engineText);
    } catch (const Exception& e) {
        PrintLine(e.what());
        return 2;
    }
    double value = 0;
    if (!parser.TryValue(value)) {
        std::printf("undefined\n");
        return 3;
    }
    PrintLine(FormatReal(value));
    return 0;
}

Registration registration{{"eval", "evaluate a formula: kurvo32 eval [--engine] [--degrees] [--data DIR] [--var N=V]... TEXT", RunEval}};

}  // namespace
}  // namespace kurvo::app
