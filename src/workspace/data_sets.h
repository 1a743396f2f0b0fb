#pragma once
// The data set commands of one graph window: "&Open" with the comma and
// tab readers, "Save As &Dataset", the coordinates dialog's "&OK" and the
// delete dialog's choices. The Qt dialogs and `kurvo32 render` drive this
// one object; it reports through the graph window's host and never throws.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "expr/formula_trans.h"
#include "expr/parser.h"

namespace kurvo {

class TGraphWindow;
struct SettingsRecord;

extern const char kCannotReadKind[];      // "Kurvo32 cannot read files of this kind."
extern const char kNothingToPlot[];       // "I have to have something to plot!"
extern const char kStepNotPositive[];     // "The step must be greater than 0."
extern const char kStepTooSmall[];        // the range would never be crossed
extern const char kExportNotThisMode[];   // implicit graphs have no points to save

// What a reader takes from a file's lines (header first): the header for
// the "Axis labels" field, the axis labels, and the lines it appends to
// DataSetLines (ending with "#").
struct DataSetFileContent {
    std::string labelsField;
    std::string xLabel, yLabel;
    std::vector<std::string> lines;
};
// Lines stored as read; a file without data lines gives one empty line.
DataSetFileContent ReadCommaLines(const std::vector<std::string>& fileLines);
// Each line rewritten as left + "," + right of its first tab ("," + line
// without a tab). The header is split at its first tab when it has one,
// else at ",", and goes into the field with the tab turned into ",".
DataSetFileContent ReadTabLines(const std::vector<std::string>& fileLines);

// The delete dialog's choices, in its order.
enum class DeleteChoice { LastGraph, AllGraphs, LastDataSet, AllDataSets, All };

class TDataSets {
public:
    explicit TDataSets(TGraphWindow& graph);
    TDataSets(const TDataSets&) = delete;
    TDataSets& operator=(const TDataSets&) = delete;

    TGraphWindow& Graph() { return graph_; }

    // Reads a graph file (".kvo") for OpenFile. Until one is attached such
    // files are refused like any unknown kind.
    std::function<void(const QString& path)> OpenGraphFile;

    // "&Open" on a chosen file, dispatched by its extension (any case).
    // False when nothing was loaded (a message was shown).
    bool OpenFile(const QString& path);
    // One reader: appends one set and sets the axis labels; false (and a
    // message) when the file cannot be read.
    bool ReadCommaFile(const QString& path);
    bool ReadTabFile(const QString& path);

    // The save dialog's range fields, as shown.
    struct SaveRange {
        bool tLabels = false;  // "Tmin"/"Tmax" instead of "Xmin"/"Xmax"
        std::string start = "-3", end = "4", step = "0.01";
    };
    SaveRange SaveFields;
    // Each time the dialog is shown: step "0.1", the view's x or t limits.
    void PrepareSaveFields();
    // "&Save": samples the formula box's formula over SaveFields and
    // writes the file ("x" sep "y" header, CR LF). False when nothing was
    // written (a message was shown).
    bool ExportDataSet(const QString& path, bool tabSeparated);
    // The file's lines for a range; throws the engine's errors and a
    // std::runtime_error with one of the refusals above.
    std::vector<std::string> ExportLines(const std::string& start, const std::string& end,
                                         const std::string& step, char separator);

    // The coordinates dialog's "&OK" with the text box's lines.
    void CoordinatesOK(const std::vector<std::string>& textLines);

    // The delete dialog's choice (kept between uses) and its "OK".
    DeleteChoice Choice = DeleteChoice::All;
    void DeleteGraphs();

private:
    bool ReadDataSetFile(const QString& path, DataSetFileContent (*read)(const std::vector<std::string>&));
    // Appends a read set, counts it, enables the menu and repaints.
    void AddFileContent(const DataSetFileContent& content);
    void SetLabelsFromField();
    void DeleteLastGraph();
    void DeleteAllGraphs();
    void DeleteAllDataSets();

    TGraphWindow& graph_;
    // The export's own formula objects, so saving never disturbs a plot.
    TFormulaTrans trans_;
    TParser first_, second_;
};

}  // namespace kurvo
