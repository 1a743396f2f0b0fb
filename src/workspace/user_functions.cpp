#include "workspace/user_functions.h"

#include <vector>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/graph_window.h"
#include "workspace/atomic_write.h"
#include "workspace/mode_files.h"

namespace kurvo {

const char kFunctionsUnavailable[] = "Sorry Functions are not available in Parametric or Implicit modes.";

bool UserFunctionsAvailable(const SettingsRecord& s) { return !s.Parametric && !s.ImplicitMode; }

FileResult ReadUserFunctionSources(const QString& dataFolder, bool cartesian, UserFunctionFields& fields) {
    std::vector<std::string> lines;
    const QString path = FindInFolder(dataFolder, QString::fromStdString(UserFunctionSourceFile(cartesian)));
    FileResult r = ReadTextLines(path, lines);
    // The editor's message names the file it looked for.
    if (r.problem == FileProblem::Missing) r.message += "\n\n" + path.toStdString();
    if (!r.ok()) return r;
    for (size_t n = 0; n < fields.size(); ++n) fields[n] = LineOr(lines, n);
    return r;
}

std::string SaveUserFunctions(TGraphWindow& graph, const QString& dataFolder, const UserFunctionFields& fields,
                              UserFunctionFields* translated) {
    const bool cartesian = graph.Settings.CartesianMode;
    // The dialog's own translator: the graph's keeps the formula box's
    // translation (its Root flag and second branch).
    TFormulaTrans trans;
    trans.Degrees = graph.Settings.Degrees;
    UserFunctionFields out;
    try {
        TParser check;
        for (size_t n = 0; n < fields.size(); ++n) {
            trans.Root = false;
            trans.Instring = fields[n];
            trans.Translate();
            out[n] = trans.Outstring;
            check.SetExpression(out[n] == "()" ? "(1)" : out[n]);
        }
    } catch (const Exception& error) {
        return error.what();
    }

    // The two files are written together, so they never go out of step.
    const auto file = [&](const std::string& name, const UserFunctionFields& lines) {
        return FileBytes{FindInFolder(dataFolder, QString::fromStdString(name)),
                         TextLinesBytes(std::vector<std::string>(lines.begin(), lines.end()))};
    };
    if (const FileResult r = WriteFilesAtomically(
            {file(UserFunctionSourceFile(cartesian), fields), file(TranslatedUserFunctionFile(cartesian), out)});
        !r.ok())
        return r.message;
    try {
        graph.SetUserFunctionExpressions(out);
    } catch (const Exception& error) {
        return error.what();
    }
    if (translated) *translated = out;
    return {};
}

}  // namespace kurvo
