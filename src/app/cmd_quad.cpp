// kurvo32 quad: the quadratic equation solver, headless.
#include "calc/quadratic_solver.h"
#include "calc_cli.h"
#include "commands.h"
#include "expr/encoding.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 quad [--decimal-comma] A B C [A B C]...\n"
    "Fills the quadratic solver's fields a, b and c with each triple and\n"
    "presses Solve. Prints \"Message: TEXT\" when a message box shows, then\n"
    "\"Solution 1: T\", \"Solution 2: T\" and \"Prompt: P\".\n"
    "Every argument is a field text: \"-3\", \"\" and \"x\" are taken as typed.\n\n"
    "  --decimal-comma    use \",\" as the decimal separator for this run\n\n"
    "Exit status: 0 when the last solve showed roots, 1 when not, 2 for a bad\n"
    "option or a number of fields that is not a multiple of three.\n";

struct PrintingHost : CalcHost {
    void ShowMessage(const std::string& text) override { PrintEngineLine("Message: " + text); }
};

int RunQuad(int argc, char** argv) {
    CalcCommandLine line("kurvo32 quad", kUsage);
    if (auto code = line.Parse(argc, argv)) return *code;
    const std::vector<std::string> fields = line.Positional();
    if (fields.empty() || fields.size() % 3 != 0) return line.Fail("give the fields A B C, three at a time");

    TQuadraticSolver solver;
    PrintingHost host;
    bool solved = false;
    for (size_t i = 0; i < fields.size(); i += 3) {
        solver.A = Utf8ToCp1252(fields[i]);
        solver.B = Utf8ToCp1252(fields[i + 1]);
        solver.C = Utf8ToCp1252(fields[i + 2]);
        solved = solver.Solve(host);
        PrintEngineLine("Solution 1: " + solver.Solution1);
        PrintEngineLine("Solution 2: " + solver.Solution2);
        PrintEngineLine("Prompt: " + solver.Prompt);
    }
    return solved ? 0 : 1;
}

const Registration kRegistration({"quad", "solve quadratic equations", RunQuad});

}  // namespace
}  // namespace kurvo::app
