// kurvo32 setup functions: the Functions dialog, its fields set, OK.
#include <cstring>
#include <vector>

#include "plot/graph_window.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"
#include "workspace/mode_files.h"
#include "workspace/user_functions.h"

namespace kurvo::app {
namespace {

const char kNames[] = "fghijkl";

int RunFunctions(SetupContext& c) {
    const SettingsRecord& s = c.graph.Settings;
    if (!UserFunctionsAvailable(s)) {
        c.host.ShowInformation(kFunctionsUnavailable);
        return 1;
    }
    UserFunctionFields fields;
    if (const FileResult r = ReadUserFunctionSources(c.dataFolder, s.CartesianMode, fields); !r.ok())
        c.host.ShowError(r.message);
    for (const std::string& argument : c.arguments) {
        char name = 0;
        std::string text;
        const char* at = SplitField(argument, name, text) && name ? std::strchr(kNames, name) : nullptr;
        if (!at) return SetupFail("functions", "'" + argument + "' is not NAME=TEXT with NAME one of f g h i j k l");
        fields[static_cast<size_t>(at - kNames)] = text;
    }
    if (const std::string message = SaveUserFunctions(c.graph, c.dataFolder, fields); !message.empty())
        c.host.ShowError(message);

    std::vector<std::string> lines;
    ReadTextLines(FindInFolder(c.dataFolder, QString::fromStdString(TranslatedUserFunctionFile(s.CartesianMode))),
                  lines);
    for (size_t n = 0; n < 7; ++n) PrintCp1252Line(std::string(1, kNames[n]) + "=" + LineOr(lines, n));
    return c.host.Messages() > 0 ? 1 : 0;
}

const SetupRegistration registration({
    "functions",
    "the Functions dialog: define the user functions f to l",
    "  NAME=TEXT           set the field of function NAME (f g h i j k l) to TEXT,\n"
    "                      written as in the formula box (x\xC2\xB2+1, sin 2x); the\n"
    "                      fields start with the lines of Cartfun.txt (Cartesian)\n"
    "                      or Polarfun.txt (polar)\n\n"
    "Prints the seven lines of the translated file, f=TEXT to l=TEXT. Exit status 1:\n"
    "parametric or implicit mode, a missing source file (OK still runs), or a\n"
    "function that does not compile (nothing is written).\n",
    {},
    RunFunctions,
    true,
});

}  // namespace
}  // namespace kurvo::app
