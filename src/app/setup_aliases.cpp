// kurvo32 setup aliases: the Function Alias Editor of a graph mode.
#include <QFileInfo>

#include "admin/alias_list.h"
#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"

namespace kurvo::app {
namespace {

int RunAliases(SetupContext& c) {
    if (!c.arguments.empty()) return SetupFail("aliases", "unexpected argument '" + c.arguments[0] + "'");
    const SettingsRecord& s = c.graph.Settings;
    const GraphMode mode{s.CartesianMode, !s.CartesianMode && s.ImplicitMode, s.Parametric};
    const QString path = AliasListPath(c.dataFolder, mode);
    int actions = 0;
    for (const char* name : {"replace", "lookup", "print"}) actions += c.options.isSet(name) ? 1 : 0;
    if (actions > 1) return SetupFail("aliases", "give at most one of --replace, --lookup and --print");

    if (c.options.isSet("lookup")) {
        PrintCp1252Line(c.graph.ResolveAlias(Utf8ToCp1252(c.options.value("lookup").toStdString())));
        return 0;
    }
    std::vector<std::string> lines;
    if (c.options.isSet("replace")) {
        const FileResult r = ReadTextLines(c.options.value("replace"), lines);
        if (!r.ok()) return SetupFail("aliases", "--replace: " + r.message);
        const std::string message = SaveAliasList(path, lines);
        if (!message.empty()) {
            c.host.ShowInformation(message);
            return 1;
        }
    } else if (QFileInfo::exists(path)) {
        const FileResult r = ReadTextLines(path, lines);
        if (!r.ok()) {
            c.host.ShowError(r.message);
            return 1;
        }
    }
    if (c.options.isSet("print")) {
        const QString what = c.options.value("print");
        if (what != "all" && what != "aliases") return SetupFail("aliases", "--print needs all or aliases");
        lines = AliasPrintLines(lines, what == "aliases");
    }
    for (const auto& line : lines) PrintCp1252Line(line);
    return 0;
}

const SetupRegistration registration({
    "aliases",
    "the Function Alias Editor: the alias list of a graph mode",
    "  --replace FILE      OK with FILE's lines in the text box: a line that is not\n"
    "                      empty and has no \":\" stops it with a message (the list\n"
    "                      stays as it was); otherwise the mode's list is rewritten\n"
    "  --lookup TEXT       prints what TEXT becomes when plotted (the alias walk)\n"
    "  --print all|aliases the lines Print sends: whole lines (\"Print Aliases and\n"
    "                      formulas.\") or only the aliases (\"Print Aliases only\")\n\n"
    "Without an action prints the mode's lines (definition:alias). The lists are\n"
    "cartal.txt, pcartal.txt, polal.txt, ppolal.txt and Implal.txt.\n",
    [](QCommandLineParser& p) {
        p.addOption({"replace", "New lines.", "FILE"});
        p.addOption({"lookup", "Text to look up.", "TEXT"});
        p.addOption({"print", "Lines to print.", "all|aliases"});
    },
    RunAliases,
    true,
});

}  // namespace
}  // namespace kurvo::app
