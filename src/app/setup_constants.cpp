// kurvo32 setup constants: the Constants dialog, its fields set, OK.
#include <cstring>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "setup_dialogs.h"
#include "workspace/constants_editor.h"

namespace kurvo::app {
namespace {

int RunConstants(SetupContext& c) {
    ConstantFields fields = ConstantFieldTexts(c.graph.Settings);
    for (const std::string& argument : c.arguments) {
        char name = 0;
        std::string text;
        const char* letter = nullptr;
        if (SplitField(argument, name, text)) letter = std::strchr(kConstantLetters, name);
        if (!letter || name == 0) return SetupFail("constants", "'" + argument + "' is not NAME=TEXT with a constant's name");
        const int k = static_cast<int>(letter - kConstantLetters);
        if (k == kConstantE || k == kConstantP)
            return SetupFail("constants", std::string("field ") + name + " is read-only");
        fields[static_cast<size_t>(k)] = text;
    }
    const std::string message = ApplyConstantFields(c.graph, fields, c.dataFolder);
    if (!message.empty()) c.host.ShowError(message);
    for (int k = 0; k < 16; ++k)
        PrintCp1252Line(std::string(1, kConstantLetters[k]) + "=" + FormatReal(c.graph.Settings.Constants[k]));
    return message.empty() ? 0 : 1;
}

const SetupRegistration registration({
    "constants",
    "the Constants dialog: set constants, OK writes sett.dat",
    "  NAME=TEXT           set the field of constant NAME (a b c d m n o q r s u v\n"
    "                      w z; e and p are read-only) to TEXT, a formula such as\n"
    "                      p/4; empty a and b become 0, the others 1 when empty or 0\n\n"
    "Prints the sixteen constants after OK, NAME=VALUE in the order\n"
    "a b c d e m n o p q r s u v w z. Exit status 1: a field is not a valid\n"
    "formula (the constants before it are changed, sett.dat is not written).\n",
    {},
    RunConstants,
});

}  // namespace
}  // namespace kurvo::app
