// kurvo32 setup presets: the mode's preset formula list, as the formula box
// loads it, as "&Add formula to file" extends it, or as the Formulae dialog
// replaces it.
#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "workspace/atomic_write.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"
#include "workspace/preset_lists.h"

namespace kurvo::app {
namespace {

GraphMode ModeOf(const SettingsRecord& s) { return {s.CartesianMode, !s.CartesianMode && s.ImplicitMode, s.Parametric}; }

// A file of formulas from the user: UTF-8 when it reads as UTF-8, else
// Windows-1252 as the program's own files. What the list file cannot hold
// (a character outside the code page, a long line, too many lines) is
// refused with the line.
FileResult ReadFormulaFile(const QString& path, std::vector<std::string>& lines) {
    QByteArray read;
    if (FileResult r = ReadFileBytes(path, read, kMaxTextBytes); !r.ok()) return r;
    const std::string bytes = read.toStdString();
    const std::vector<std::string> whole = SplitTextLines(bytes, 0);
    const QString utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const bool is8Bit = utf8.contains(QChar::ReplacementCharacter);
    const std::string problem = is8Bit ? ListLinesProblem(whole) : ListLinesFromUtf8(whole, lines);
    if (!problem.empty()) return {FileProblem::Unreadable, FileErrorText(path, problem)};
    if (is8Bit) lines = whole;
    return {};
}

int RunPresets(SetupContext& c) {
    if (!c.arguments.empty()) return SetupFail("presets", "unexpected argument '" + c.arguments.front() + "'");
    const bool add = c.options.isSet("add"), replace = c.options.isSet("replace");
    if (add && replace) return SetupFail("presets", "--add and --replace cannot be combined");
    const GraphMode mode = ModeOf(c.graph.Settings);

    std::vector<std::string> lines;
    if (add) {
        std::string text, lost;
        if (!Utf8ToCp1252Exact(c.options.value("add").toStdString(), text, &lost))
            return SetupFail("presets", "--add cannot be stored: " + NotStorable(lost));
        if (const std::string message = AppendPresetLine(c.dataFolder, mode, text); !message.empty()) {
            c.host.ShowError(message);
            return 1;
        }
    } else if (replace) {
        std::vector<std::string> box;
        const QString source = c.options.value("replace");
        if (const FileResult r = ReadFormulaFile(source, box); !r.ok())
            return SetupFail("presets", "cannot read " + r.message);
        // Showing the dialog loads the list first; its failure is reported,
        // and OK still writes the box.
        if (const std::string message = LoadPresetList(c.dataFolder, mode, lines); !message.empty())
            c.host.ShowError(message);
        if (const std::string message = SavePresetList(c.dataFolder, mode, box); !message.empty()) {
            c.host.ShowError(message);
            return 1;
        }
    }
    lines.clear();
    if (const std::string message = LoadPresetList(c.dataFolder, mode, lines); !message.empty()) {
        c.host.ShowError(message);
        return 1;
    }
    for (const std::string& line : lines) PrintCp1252Line(line);
    return c.host.Messages() > 0 ? 1 : 0;
}

const SetupRegistration registration({
    "presets",
    "the preset formula list of a mode: show, add a formula, or replace it",
    "  --add TEXT          add TEXT as the list's last line (\"&Add formula to\n"
    "                      file\"); the list must exist\n"
    "  --replace FILE      the Formulae dialog: its text becomes FILE's lines\n"
    "                      (UTF-8 or Windows-1252), OK writes the list\n\n"
    "Prints the formula box's choices afterwards, one per line. The list of the\n"
    "mode is Cart.txt, Cartpara.txt (parametric), Polar.txt, ParaPol.txt\n"
    "(parametric polar) or Implic.txt. Exit status 1: \"Cannot open file PATH\",\n"
    "or \"File not found\" for --add.\n",
    [](QCommandLineParser& p) {
        p.addOption({"add", "Add a formula.", "TEXT"});
        p.addOption({"replace", "Replace the list.", "FILE"});
    },
    RunPresets,
    true,
});

}  // namespace
}  // namespace kurvo::app
