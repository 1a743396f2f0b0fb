// The readers, "&Open" and "Save As &Dataset" of TDataSets.
#include <QByteArray>
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "expr/errors.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/data_set_plotter.h"
#include "plot/graph_window.h"
#include "workspace/atomic_write.h"
#include "workspace/data_files.h"
#include "workspace/data_sets.h"

namespace kurvo {

const char kCannotReadKind[] = "Kurvo32 cannot read files of this kind.";
const char kNothingToPlot[] = "I have to have something to plot!";
const char kStepNotPositive[] = "The step must be greater than 0.";
const char kStepTooSmall[] = "The step is too small for this range.";
const char kExportNotThisMode[] =
    "Data sets can only be saved from Cartesian, polar or parametric graphs.";

namespace {

constexpr long double kDegreesToRadians = 0.017453292519943296L;
// More points than any text editor or spreadsheet would open.
constexpr long double kMaxExportPoints = 1e7L;

// Left and right of the first `separator`; without one, "" and the line.
std::pair<std::string, std::string> SplitAt(const std::string& line, char separator) {
    const size_t at = line.find(separator);
    if (at == std::string::npos) return {std::string(), line};
    return {line.substr(0, at), line.substr(at + 1)};
}

template <class Rewrite>
DataSetFileContent ReadLines(const std::vector<std::string>& fileLines, Rewrite rewrite) {
    DataSetFileContent content;
    // The loop reads at least once, and reading past the end of a file
    // gives an empty line.
    const size_t count = std::max<size_t>(fileLines.size(), 2);
    for (size_t i = 1; i < count; ++i) content.lines.push_back(rewrite(LineOr(fileLines, i)));
    content.lines.push_back("#");
    return content;
}

}  // namespace

DataSetFileContent ReadCommaLines(const std::vector<std::string>& fileLines) {
    DataSetFileContent content = ReadLines(fileLines, [](const std::string& line) { return line; });
    content.labelsField = LineOr(fileLines, 0);
    content.xLabel = BeforeComma(content.labelsField);
    content.yLabel = AfterComma(content.labelsField);
    return content;
}

DataSetFileContent ReadTabLines(const std::vector<std::string>& fileLines) {
    DataSetFileContent content = ReadLines(fileLines, [](const std::string& line) {
        const auto [left, right] = SplitAt(line, '\t');
        return left + "," + right;
    });
    const std::string header = LineOr(fileLines, 0);
    if (header.find('\t') != std::string::npos) {
        const auto [left, right] = SplitAt(header, '\t');
        content.labelsField = left + "," + right;
    } else {
        content.labelsField = header;
    }
    content.xLabel = BeforeComma(content.labelsField);
    content.yLabel = AfterComma(content.labelsField);
    return content;
}

TDataSets::TDataSets(TGraphWindow& graph) : graph_(graph) {
    first_.SetHost(&graph);
    second_.SetHost(&graph);
}

bool TDataSets::ReadDataSetFile(const QString& path, DataSetFileContent (*read)(const std::vector<std::string>&)) {
    // A data set has as many lines as it has points: only the byte bound
    // applies, and a file past it is refused rather than cut short.
    if (QFileInfo(path).size() > qint64(kMaxTextBytes)) {
        graph_.Host().ShowError(kCannotLoadDataSets);
        return false;
    }
    std::vector<std::string> lines;
    const FileResult r = ReadTextLines(path, lines, 255, std::numeric_limits<size_t>::max());
    if (!r.ok()) {
        graph_.Host().ShowError(r.message);
        return false;
    }
    // The file is read into its own list and added only when every line
    // is a point: a bad line leaves the loaded sets and labels as they were.
    const DataSetFileContent content = read(lines);
    if (!DataSetLinesReadable(content.lines)) {
        graph_.Host().ShowInformation(kCannotLoadDataSets);
        return false;
    }
    AddFileContent(content);
    return true;
}

bool TDataSets::ReadCommaFile(const QString& path) { return ReadDataSetFile(path, ReadCommaLines); }

bool TDataSets::ReadTabFile(const QString& path) { return ReadDataSetFile(path, ReadTabLines); }

void TDataSets::AddFileContent(const DataSetFileContent& content) {
    DataSetList& sets = graph_.DataSets;
    sets.AxisLabelsField = content.labelsField;
    graph_.Settings.XAxisLabel = content.xLabel;
    graph_.Settings.YAxisLabel = content.yLabel;
    sets.DataSetLines.insert(sets.DataSetLines.end(), content.lines.begin(), content.lines.end());
}

bool TDataSets::OpenFile(const QString& path) {
    const QString kind = QFileInfo(path).suffix().toLower();
    if (kind == "kvo" && OpenGraphFile) {
        OpenGraphFile(path);
        return true;
    }
    bool read = false;
    if (kind == "csv" || kind == "txt" || kind == "sid") {
        read = ReadCommaFile(path);
    } else if (kind == "tsv") {
        read = ReadTabFile(path);
    } else {
        // Counting a set that was never read would leave an empty "Data
        // Sets" menu enabled.
        graph_.Host().ShowInformation(kCannotReadKind);
        return false;
    }
    if (!read) return false;

    graph_.Flags.DataSetsLoaded = true;
    ++graph_.DataSets.DataSetImageCount;
    graph_.Flags.FullRepaint = true;
    graph_.Flags.ReplotAll = true;
    graph_.Repaint();
    graph_.Flags.FullRepaint = false;
    graph_.Repaint();
    // A bad line discards the sets during the repaint; the menu stays off.
    if (graph_.Flags.DataSetsLoaded) graph_.SetDataSetsMenu(true);
    return true;
}

// ---- export ------------------------------------------------------------

void TDataSets::PrepareSaveFields() {
    const SettingsRecord& s = graph_.Settings;
    SaveFields.step = "0.1";
    SaveFields.tLabels = !(s.CartesianMode && !s.ImplicitMode && !s.Parametric);
    SaveFields.start = FormatReal(SaveFields.tLabels ? s.TMin : s.XMin);
    SaveFields.end = FormatReal(SaveFields.tLabels ? s.TMax : s.XMax);
}

std::vector<std::string> TDataSets::ExportLines(const std::string& startText, const std::string& endText,
                                                const std::string& stepText, char separator) {
    const SettingsRecord& s = graph_.Settings;
    if (s.ImplicitMode) throw std::runtime_error(kExportNotThisMode);
    const double a = double(ParseReal(startText));
    const double b = double(ParseReal(endText));
    const double h = double(ParseReal(stepText));
    if (!(h > 0)) throw std::runtime_error(kStepNotPositive);
    // The sum must grow at both ends of the range, or v = v + h stands
    // still and the loop never ends.
    if (a <= b && ((b - a) / h > kMaxExportPoints || !(a + h > a) || !(b + h > b)))
        throw std::runtime_error(kStepTooSmall);

    const std::string text = graph_.Host().FormulaText();
    auto translate = [this, &s](const std::string& formula, TParser& parser) {
        trans_.Degrees = s.Degrees;
        trans_.Root = false;
        trans_.Instring = formula;
        trans_.Translate();
        parser.SetExpression(trans_.Outstring);
        for (int k = 0; k < 16; ++k)
            if (double* cell = parser.Var(kConstantLetters[k])) *cell = double(s.Constants[size_t(k)]);
    };
    const bool parametric = s.Parametric;
    if (parametric) {
        translate(BeforeComma(text), first_);
        translate(AfterComma(text), second_);
    } else {
        translate(text, first_);
    }
    const bool polar = !s.CartesianMode;
    const long double angleUnit = s.Degrees ? kDegreesToRadians : 1.0L;

    auto value = [](TParser& parser, long double& out) {
        try {
            out = parser.Value();
            return true;
        } catch (const Exception&) {
            return false;  // an undefined point is left out
        }
    };
    std::vector<std::string> lines{std::string("x") + separator + "y"};
    for (double v = a; v <= b; v = v + h) {
        long double x = v, y = 0;
        first_.X = first_.T = v;
        second_.T = v;
        bool ok = value(first_, y);
        if (ok && parametric) {
            long double other = 0;
            ok = value(second_, other);
            if (polar) {
                const long double r = y, angle = other * angleUnit;
                x = r * std::cos(angle);
                y = r * std::sin(angle);
            } else {
                x = y;
                y = other;
            }
        } else if (ok && polar) {
            const long double r = y, angle = v * angleUnit;
            x = r * std::cos(angle);
            y = r * std::sin(angle);
        }
        if (ok) lines.push_back(FormatReal(x) + separator + FormatReal(y));
    }
    return lines;
}

bool TDataSets::ExportDataSet(const QString& path, bool tabSeparated) {
    std::vector<std::string> lines;
    try {
        lines = ExportLines(SaveFields.start, SaveFields.end, SaveFields.step, tabSeparated ? '\t' : ',');
    } catch (const Exception& error) {
        graph_.Host().ShowError(error.what());
        return false;
    } catch (const std::exception& error) {
        graph_.Host().ShowInformation(error.what());
        return false;
    }
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes.append(line.data(), qsizetype(line.size()));
        bytes.append("\r\n");
    }
    const FileResult r = WriteFileAtomically(path, bytes);
    if (!r.ok()) {
        graph_.Host().ShowError(r.message);
        return false;
    }
    return true;
}

}  // namespace kurvo
