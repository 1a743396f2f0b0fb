// kurvo32 transform: the Transformations and Matrix Transformation dialogs
// on the first data set of the files given. KIND names the dialog's choice
// and is followed by its fields' texts; --times N presses Apply with
// "Continuous" checked and Stop after N applications. The view and angle
// options are render's own rows, run the same way.
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "analysis/transformations.h"
#include "analysis_cli.h"
#include "commands.h"
#include "expr/encoding.h"
#include "headless_host.h"
#include "plot/graph_window.h"
#include "render_actions.h"

namespace kurvo::app {
namespace {

const char kName[] = "transform";

// A KIND option: the dialog's choice and the fields that the arguments
// after it fill, in order (the matrix dialog's when `matrix` is not empty).
struct Kind {
    const char* name;
    const char* fields;  // for --help and messages, one word a field
    const char* help;
    uint8_t code;        // TransformationKind
    std::vector<std::string TDescriptiveTransformation::*> descriptive;
    std::vector<std::string TMatrixTransformation::*> matrix;
    size_t FieldCount() const { return descriptive.size() + matrix.size(); }
};

const std::vector<Kind>& Kinds() {
    using D = TDescriptiveTransformation;
    using M = TMatrixTransformation;
    static const std::vector<Kind> kinds = {
        {"rotate", "CENTRE ANGLE", "rotation about CENTRE (x,y) by ANGLE", kRotation, {&D::RotationCentre, &D::Angle}, {}},
        {"enlarge", "CENTRE K", "enlargement about CENTRE by the scale factor K", kEnlargement,
         {&D::ScaleCentre, &D::ScaleX}, {}},
        {"stretch", "CENTRE KX KY", "stretch about CENTRE by KX and KY", kStretch,
         {&D::ScaleCentre, &D::ScaleX, &D::ScaleY}, {}},
        {"reflect-line", "TEXT", "reflection in the line y=TEXT (mx+c)", kReflectInLine, {&D::LineText}, {}},
        {"reflect-x", "C", "reflection in the line x=C", kReflectInX, {&D::XLine}, {}},
        {"translate", "DX DY", "translation by DX, DY (the shift box's two lines)", kTranslation,
         {&D::ShiftX, &D::ShiftY}, {}},
        {"matrix", "A B C D", "the matrix (A B / C D)", kRotation, {}, {&M::A, &M::B, &M::C, &M::D}},
    };
    return kinds;
}

// render's rows that transform takes, by their first spelling.
const char* const kSharedRows[] = {"--degrees", "--auto-y", "--set", "--data", "--size", "--view"};

const RenderAction* SharedRow(const QString& name) {
    for (const RenderAction& row : RenderActions())
        if (QString(row.names).split(',').front() == "--" + name) return &row;
    return nullptr;
}

std::string HelpText() {
    std::string text =
        "Usage: kurvo32 transform KIND [OPTIONS] FILE...\n"
        "Reads each FILE as \"&Open\" does, applies one transformation to the first\n"
        "data set as the dialog's Apply does, and prints every line of the data set\n"
        "list (\"#\" lines included), then \"Images: N\", the number of images.\n\n"
        "KIND, followed by the dialog's field texts (angles and scale factors and the\n"
        "matrix are formulas):\n";
    auto line = [&text](const std::string& left, const std::string& help) {
        text += "  " + left + (left.size() < 25 ? std::string(25 - left.size(), ' ') : "\n" + std::string(27, ' '));
        std::string body = help;
        for (size_t nl = body.find('\n'); nl != std::string::npos; nl = body.find('\n', nl + 1))
            body.insert(nl + 1, 27, ' ');
        text += body + "\n";
    };
    for (const Kind& kind : Kinds()) line(std::string("--") + kind.name + " " + kind.fields, kind.help);
    text += "\nOptions:\n";
    line("--times N", "apply N times, as Apply with \"Continuous\" checked\nuntil Stop (default 1)");
    line("--picture OUT", "write the graph picture (.png or .bmp) after loading\nand after every application");
    for (const char* name : kSharedRows)
        if (const RenderAction* row = SharedRow(QString(name).mid(2)))
            line(std::string(name) + (row->valueName ? std::string(" ") + row->valueName : ""), row->help);
    line("-h, --help", "show this text");
    return text +
           "\nNumbers use \".\". Message boxes are printed on standard error.\n"
           "Exit status: 0 done, 1 a message was shown, 2 bad options, a file that\n"
           "cannot be read or a picture that cannot be written.\n";
}

int Fail(const std::string& message) { return AnalysisFail(kName, message); }

// The dialog's Apply after loading: one application, or --times of them
// as a continuous run; then the list and the image count.
int Transform(RenderRun& run, const Kind& kind, const std::vector<std::string>& fields, long times) {
    TGraphWindow& graph = run.graph;
    HeadlessHost& host = run.host;
    std::string pictureProblem;
    auto writePicture = [&] {
        if (!run.setup.output.empty() && pictureProblem.empty()) pictureProblem = WriteRenderPicture(run);
        return pictureProblem.empty();
    };
    if (!writePicture()) return Fail(pictureProblem);

    TDescriptiveTransformation descriptive(graph);
    TMatrixTransformation matrix(graph);
    const bool isMatrix = !kind.matrix.empty();
    descriptive.TransformationKind = kind.code;
    for (size_t i = 0; i < kind.FieldCount(); ++i)
        (isMatrix ? matrix.*kind.matrix[i] : descriptive.*kind.descriptive[i]) = fields[i];
    ApplyLoop& loop = isMatrix ? matrix.Loop : descriptive.Loop;
    if (!isMatrix && !descriptive.CheckFields()) {
        host.ShowInformation(kFillInFieldsMessage);
    } else {
        loop.Continuous = times > 1;
        loop.Press();
        long applied = 0;
        loop.Run(
            [&] {
                const ApplyResult result = isMatrix ? matrix.ApplyOnce() : descriptive.ApplyOnce();
                if (result == ApplyResult::Applied && !writePicture()) return ApplyResult::Failed;
                return result;
            },
            // Stop is pressed once the N-th application is done.
            [&] { return ++applied < times; });
    }
    if (!pictureProblem.empty()) return Fail(pictureProblem);

    for (const std::string& line : graph.DataSets.DataSetLines) std::printf("%s\n", Cp1252ToUtf8(line).c_str());
    std::printf("Images: %d\n", int(graph.DataSets.DataSetImageCount));
    return MessageStatus(host);
}

int RunTransform(int argc, char** argv) {
    QList<QCommandLineOption> options;
    for (const Kind& kind : Kinds()) options << QCommandLineOption(kind.name, kind.fields);
    options << QCommandLineOption("times", "times", "N") << QCommandLineOption("picture", "picture", "OUT");
    for (const char* name : kSharedRows)
        if (const RenderAction* row = SharedRow(QString(name).mid(2)))
            options << (row->valueName ? QCommandLineOption(QString(name).mid(2), row->help, row->valueName)
                                       : QCommandLineOption(QString(name).mid(2), row->help));
    ParsedArgs parsed;
    int status = 0;
    if (!ParseAnalysisArgs(kName, HelpText(), argc, argv, options, parsed, status)) return status;

    RenderSetup setup;
    const Kind* kind = nullptr;
    std::vector<std::string> fields, files;
    std::vector<std::pair<const RenderAction*, std::string>> shared;
    long times = 1;
    for (size_t i = 0; i < parsed.args.size(); ++i) {
        const OrderedArg& a = parsed.args[i];
        if (a.option.isEmpty()) {
            files.push_back(a.value);
            continue;
        }
        const auto k = std::find_if(Kinds().begin(), Kinds().end(), [&](const Kind& k) { return a.option == k.name; });
        if (k != Kinds().end()) {
            if (kind) return Fail("give one transformation, not --" + std::string(kind->name) + " and --" + k->name);
            kind = &*k;
            for (size_t n = 0; n < kind->FieldCount(); ++n) {
                if (++i >= parsed.args.size() || !parsed.args[i].option.isEmpty())
                    return Fail("--" + std::string(kind->name) + " needs " + kind->fields);
                fields.push_back(Utf8ToCp1252(parsed.args[i].value));
            }
        } else if (a.option == "times") {
            char* end = nullptr;
            times = std::strtol(a.value.c_str(), &end, 10);
            if (a.value.empty() || *end != 0 || times < 1 || times > 1000000)
                return Fail("--times needs a number from 1 to 1000000");
        } else if (a.option == "picture") {
            const QString suffix = QFileInfo(QString::fromStdString(a.value)).suffix().toLower();
            if (suffix != "png" && suffix != "bmp") return Fail("--picture needs a file name ending in .png or .bmp");
            setup.output = a.value;
        } else if (const RenderAction* row = SharedRow(a.option)) {
            if (row->parse)
                if (const std::string problem = row->parse(setup, a.value); !problem.empty()) return Fail(problem);
            shared.emplace_back(row, a.value);
        }
    }
    if (!kind) return Fail("no transformation given (see kurvo32 transform --help)");
    return RunOnDataSets(
        kName, argv[0], setup, files,
        [&](RenderRun& run) {
            for (const auto& [row, value] : shared)
                if (row->run)
                    if (const std::string problem = row->run(run, value); !problem.empty())
                        return QString(row->names).split(',').front().toStdString() + ": " + problem;
            return std::string();
        },
        [&](RenderRun& run) { return Transform(run, *kind, fields, times); });
}

const Registration registration(
    {"transform", "the transformation dialogs on data set files", RunTransform});

}  // namespace
}  // namespace kurvo::app
