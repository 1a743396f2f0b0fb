// kurvo32 scical: the scientific calculator, headless.
#include "calc/scientific_calculator.h"
#include "calc_cli.h"
#include "commands.h"
#include "expr/encoding.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 scical [--radians] [--echo] [--decimal-comma] ITEM...\n"
    "Runs one scientific calculator through the items in order. An item is\n"
    "  --keys KEYS        key captions separated by blanks: 0..9, \xC2\xB7 or ., + - ( ),\n"
    "                     \xC3\x97 or *, \xC3\xB7 or /, Pi, sin, cos, tan, ln, log, x^2, x^3, ^,\n"
    "                     Ans, A, B, C, D, X, Y, -->, Expr, EXE, CL, and the switches\n"
    "                     Inverse, Hyperbolic, Degrees, Radians\n"
    "  LINE               typed into the Input field in place of its text, then EXE\n"
    "                     (after -- when it begins with - and a letter)\n\n"
    "Every EXE prints the Result field.\n"
    "  --radians          start in radians (the calculator starts in degrees)\n"
    "  --echo             print the Input text and a tab before each result\n"
    "  --decimal-comma    use \",\" as the decimal separator for this run\n\n"
    "Exit status: 0, 1 when the last EXE showed the syntax error, 2 for a bad\n"
    "option or an unknown key.\n";

int RunScical(int argc, char** argv) {
    CalcCommandLine line("kurvo32 scical", kUsage);
    line.AddFlag("radians", "start in radians");
    line.AddFlag("echo", "print the Input text before each result");
    line.AddValueOption("keys", "KEYS", "key captions");
    if (auto code = line.Parse(argc, argv)) return *code;

    TScientificCalculator calc;
    calc.CalcDegrees = !line.IsSet("radians");
    const bool echo = line.IsSet("echo");
    bool lastFailed = false;
    auto exe = [&] {
        const std::string input = calc.Input;
        lastFailed = !calc.Execute();
        PrintEngineLine(echo ? input + "\t" + calc.Result : calc.Result);
    };
    for (const auto& item : line.Items()) {
        if (item.option.empty()) {
            calc.Input = Utf8ToCp1252(item.text);
            exe();
            continue;
        }
        for (const std::string& key : KeyWords(item.text)) {
            if (key == "EXE")
                exe();
            else if (!calc.PressKey(key))
                return line.Fail("unknown key '" + key + "'");
        }
    }
    return lastFailed ? 1 : 0;
}

const Registration kRegistration({"scical", "run the scientific calculator", RunScical});

}  // namespace
}  // namespace kurvo::app
