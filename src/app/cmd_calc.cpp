// kurvo32 calc: the simple calculator's keys, headless.
#include "calc/simple_calculator.h"
#include "calc_cli.h"
#include "commands.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 calc [--trace] [--decimal-comma] KEYS...\n"
    "Presses the simple calculator's keys and prints its display.\n\n"
    "KEYS are key captions separated by blanks: 0..9, \xC2\xB7 or ., +, -, \xC3\x97 or *,\n"
    "\xC3\xB7 or /, +/-, =, CL. A word of digits and points (12.5) presses one key\n"
    "per character.\n\n"
    "  --trace            print the display after every key, not only at the end\n"
    "  --decimal-comma    use \",\" as the decimal separator for this run\n\n"
    "Exit status: 0, 1 when the last display is \"Division by zero error\",\n"
    "2 for a bad option or an unknown key.\n";

int RunCalc(int argc, char** argv) {
    CalcCommandLine line("kurvo32 calc", kUsage);
    line.AddFlag("trace", "print the display after every key");
    if (auto code = line.Parse(argc, argv)) return *code;
    std::vector<std::string> keys;
    for (const std::string& word : line.Positional())
        for (const std::string& key : KeyWords(word)) keys.push_back(key);

    TSimpleCalculator calc;
    const bool trace = line.IsSet("trace");
    for (const std::string& key : keys) {
        if (!calc.PressKey(key)) return line.Fail("unknown key '" + key + "'");
        if (trace) PrintEngineLine(calc.Display());
    }
    if (!trace || keys.empty()) PrintEngineLine(calc.Display());
    return calc.ErrorShown() ? 1 : 0;
}

const Registration kRegistration({"calc", "press the simple calculator's keys", RunCalc});

}  // namespace
}  // namespace kurvo::app
