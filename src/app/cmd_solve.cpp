// kurvo32 solve: the simultaneous equation solver on a coefficient file.
#include <QString>

#include "calc/simultaneous_solver.h"
#include "calc_cli.h"
#include "commands.h"
#include "workspace/atomic_write.h"
#include "workspace/data_files.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 solve [--save-coefficients OUT] [--save-answers OUT] FILE\n"
    "Loads the coefficient file FILE into the simultaneous solver (one equation\n"
    "a line, the coefficients and the right-hand side separated by commas),\n"
    "saves the coefficients, solves, saves the answers, and prints the\n"
    "solutions \"x1 = ...\" and the warning \"These equations are ill-conditioned.\"\n"
    "when it shows, or the message box text alone.\n\n"
    "  --save-coefficients OUT   write the coefficients as the window saves them\n"
    "  --save-answers OUT        write the answers as the window saves them\n"
    "  --decimal-comma           use \",\" as the decimal separator for this run\n\n"
    "Exit status: 0 solved without warning, 1 warning or message, 2 bad options\n"
    "or a file that cannot be read or written.\n";

struct PrintingHost : CalcHost {
    void ShowMessage(const std::string& text) override { PrintEngineLine(text); }
};

int RunSolve(int argc, char** argv) {
    CalcCommandLine line("kurvo32 solve", kUsage);
    line.AddValueOption("save-coefficients", "OUT", "write the coefficients");
    line.AddValueOption("save-answers", "OUT", "write the answers");
    if (auto code = line.Parse(argc, argv)) return *code;
    const std::vector<std::string> files = line.Positional();
    if (files.size() != 1) return line.Fail("give one coefficient FILE");

    std::vector<std::string> lines;
    if (auto r = ReadTextLines(QString::fromStdString(files[0]), lines, 0); !r.ok())
        return line.Fail(r.message.find(files[0]) == std::string::npos ? files[0] + ": " + r.message : r.message);
    if (const std::string problem = TSimultaneousSolver::LinesProblem(lines); !problem.empty())
        return line.Fail(FileErrorText(QString::fromStdString(files[0]), problem));
    TSimultaneousSolver solver;
    solver.LoadLines(lines);
    auto save = [&](const char* option, const std::vector<std::string>& content) {
        if (!line.IsSet(option)) return FileResult{};
        return WriteTextLines(line.Value(option), content);
    };
    if (auto r = save("save-coefficients", solver.CoefficientLines()); !r.ok()) return line.Fail(r.message);
    PrintingHost host;
    const bool solved = solver.Solve(host);
    if (auto r = save("save-answers", solver.AnswerLines()); !r.ok()) return line.Fail(r.message);
    if (!solved) return 1;
    for (const std::string& answer : solver.AnswerLines()) PrintEngineLine(answer);
    if (!solver.Status().empty()) PrintEngineLine(solver.Status());
    return solver.Status().empty() ? 0 : 1;
}

const Registration kRegistration({"solve", "solve a file of simultaneous equations", RunSolve});

}  // namespace
}  // namespace kurvo::app
