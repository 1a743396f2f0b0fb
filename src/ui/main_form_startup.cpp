// Window creation and showing: the data folder's files in their fixed
// order, then the controls brought into line with the settings.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "admin/password_record.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/graph_window.h"
#include "plot/settings_checks.h"
#include "plot/trace.h"
#include "ui/button_icons.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "workspace/data_files.h"
#include "workspace/file_type_registration.h"
#include "workspace/folders.h"
#include "workspace/preset_lists.h"
#include "workspace/required_files.h"

static void InitDataSetResources() { Q_INIT_RESOURCE(data_template); }

namespace kurvo {

namespace {
QString FromEngine(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

QColor ToQColor(Colour c) {
    if (c & 0x80000000u) return QApplication::palette().color(QPalette::Window);  // system colour
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
}  // namespace

void TMainForm::CreateWindowState() {
    folders_ = FixFolders(options_.programFolder.isEmpty() ? WorkingFolder() : options_.programFolder);
    CompleteWorkingFolder();
    const QString executable =
        options_.executable.isEmpty() ? QCoreApplication::applicationFilePath() : options_.executable;
    // An installed program ships its desktop entry; only a build-folder run
    // registers itself.
    if (RunsFromBuildFolder(executable)) RegisterFileType(executable, BuildFolderIcon());

    if (!ReadUserFolders(folders_)) {
        if (!folders_.DocumentsFolder.isEmpty()) {
            const std::string error = kurvo::ImportExamples(folders_);
            if (!error.empty()) startupReports_.push_back(error);
        }
        dialogFolder_ = QDir(folders_.DocumentsFolder).filePath("Kurvo32") + "/";
    }

    ApplyInitialDirFile(folders_);
    dialogFolder_ = folders_.DocumentsFolder;

    ReadPasswordFile();
    ReadToolbarFile();
    BuildToolbars();
    dataSetsMenu_->menuAction()->setEnabled(false);

    graph_ = std::make_unique<TGraphWindow>(*this);
    trace_ = std::make_unique<TGraphTrace>(*graph_);
    // "Yes" to the no-plotable-points question comes while a plot command
    // runs; the zoom out follows as soon as that command has finished.
    graph_->ZoomOut = [this] { QTimer::singleShot(0, this, [this] { ZoomOut(); }); };

    ReadSettingsFile();
    modeControls_ = StartingModeControls(graph_->Settings);

    graph_->Settings.LastGraph = -1;
    graph_->Slots = GraphSlots{};
    graph_->Settings.FamilyActive = false;
    graph_->Settings.XAxisLabel = "x";
    graph_->Settings.YAxisLabel = "y";
    graph_->Flags = WindowFlags{};

    BringIntoLineWithSettings();
    SetUpMode();
    LoadUserFunctions();
    ApplyHotkeys();
    ReportStartupProblems();
}

// Every shipped settings and list file, and the example data sets, that
// the working folder lacks; the user's own files stay as they are.
void TMainForm::CompleteWorkingFolder() {
    InitDataSetResources();
    for (auto& r : CopyMissingFiles(options_.templateFolder, folders_.DataFolder)) startupReports_.push_back(r);
    for (auto& r : CopyMissingFiles(":/datafiles_template", QDir(folders_.ProgramFolder).filePath("Datafiles")))
        startupReports_.push_back(r);
}

void TMainForm::ReadPasswordFile() {
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    const auto bytes = SerializePassword(kFirstPassword);
    const auto record = files.Record("pass.dat", {bytes.begin(), bytes.end()});
    passwordRecord_ = DeserializePassword(record.data());
    for (const auto& r : files.Reports()) startupReports_.push_back(r);
}

void TMainForm::ReadToolbarFile() {
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    const auto bytes = SerializeToolbar(DefaultToolbar());
    const auto record = files.Record("tbrcfg.dat", {bytes.begin(), bytes.end()});
    toolbarRecord_ = DeserializeToolbar(record.data());
    for (const auto& r : files.Reports()) startupReports_.push_back(r);
}

void TMainForm::ReadSettingsFile() {
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    const auto bytes = Serialize(DefaultSettings());
    const auto record = files.Record("sett.dat", {bytes.begin(), bytes.end()});
    graph_->Settings = Deserialize(record.data());
    for (const auto& r : files.Reports()) startupReports_.push_back(r);
    // A damaged record is reported once and left in the file untouched.
    if (const std::string damage = SettingsDamage(graph_->Settings); !damage.empty()) {
        startupReports_.push_back(SettingsDamageReport(damage) + "\n\n" + files.PathOf("sett.dat").toStdString());
        graph_->Settings = DefaultSettings();
    }
    graph_->UndoRecord = graph_->Settings;

    // Tool tips follow ShowHints through the window's event filter.
    graph_->Trans.Degrees = graph_->Settings.Degrees;
    LoadPresetList();
}

void TMainForm::LoadPresetList() {
    const std::string name = PresetListFile(Mode());
    std::vector<std::string> lines;
    if (QFileInfo::exists(DataPath(name))) {
        const std::string error = kurvo::LoadPresetList(folders_.DataFolder, Mode(), lines);
        if (!error.empty()) {
            ShowError(error);
            return;
        }
    } else {
        // A missing list is restored from the shipped one, so the box is
        // never left empty.
        RequiredFiles files(folders_.DataFolder, options_.templateFolder);
        lines = files.Lines(name);
        for (const auto& r : files.Reports()) startupReports_.push_back(r);
    }
    formulaBox_->clear();
    for (const auto& line : lines) formulaBox_->addItem(FromEngine(line));
    formulaBox_->setEditText(lines.empty() ? QString() : FromEngine(lines.front()));
}

void TMainForm::BringIntoLineWithSettings() {
    SettingsRecord& s = graph_->Settings;
    if (HasTFields()) {
        SetViewFieldText(ViewField::TMin, TGraphWindow::ViewFieldValueText(s.TMin));
        SetViewFieldText(ViewField::TMax, TGraphWindow::ViewFieldValueText(s.TMax));
    }
    SetViewFieldText(ViewField::XMin, TGraphWindow::ViewFieldValueText(s.XMin));
    SetViewFieldText(ViewField::XMax, TGraphWindow::ViewFieldValueText(s.XMax));
    SetViewFieldText(ViewField::YMin, TGraphWindow::ViewFieldValueText(s.YMin));
    SetViewFieldText(ViewField::YMax, TGraphWindow::ViewFieldValueText(s.YMax));
    graph_->View.XRange = s.XMax - s.XMin;
    graph_->View.YRange = s.YMax - s.YMin;
    if (plotStep_) {
        int32_t step = 256;
        try {
            std::string text = s.PlotStepText;
            if (FindText(text, ",")) text = ReplaceFirst(text, ",", "");  // thousands separator
            step = ParseInt(text);
        } catch (const Exception&) {
            // A damaged step text keeps the default step.
        }
        plotStep_->setValue(step);
    }
    if (toolbarRecord_.Entries[toolbar::GraphCoordinates]) {
        statusBar()->setVisible(s.ShowCoordinates);
        Action("Show C&oordinate Info")->setChecked(s.ShowCoordinates);
    }
    Action("Show &Tangent to graph")->setChecked(s.ShowTangent);
    Action("S&nap Read-out to Graph")->setChecked(s.SnapToGraph);
    Action("Automatic &y-scaling")->setChecked(s.AutoYScale);
    Action("&Square x  and y axes")->setChecked(s.SquareAxes);
    Action(s.Degrees ? "De&grees" : "&Radians")->setChecked(true);
    Action("Plot D&erived Function")->setChecked(s.PlotDerivative);
    Action("Plot I&ntegral Function")->setChecked(s.PlotIntegral);
    Action("S&quare graph shape")->setChecked(s.SquareGraph);
    Action("&Parametric")->setChecked(s.Parametric);
    if (QToolButton* angle = EntryButton(toolbar::AngleMode))
        angle->setIcon(ButtonIcon(s.Degrees ? 10 : 26));
}

GraphMode TMainForm::Mode() const {
    GraphMode mode;
    if (!graph_) return mode;
    mode.cartesian = graph_->Settings.CartesianMode;
    mode.implicit = !mode.cartesian && graph_->Settings.ImplicitMode;
    mode.parametric = graph_->Settings.Parametric;
    return mode;
}

void TMainForm::SetUpMode() {
    const GraphMode mode = Mode();
    const char* caption = mode.cartesian ? "&Cartesian" : mode.implicit ? "&Implicit" : "&Polar";
    Action(caption)->setChecked(true);
    SetRelationItems();
    const bool autoY = graph_->Settings.AutoYScale;
    const bool tMode = !mode.cartesian || mode.parametric;
    if (HasTFields()) {
        viewFields_[0]->setEnabled(tMode || mode.implicit);
        viewFields_[1]->setEnabled(tMode || mode.implicit);
    }
    for (int i = 2; i < 4; ++i) viewFields_[i]->setEnabled(mode.implicit || !tMode || !autoY);
    for (int i = 4; i < 6; ++i) viewFields_[i]->setEnabled(mode.implicit || !autoY);
    EnableByMode();
}

void TMainForm::SetRelationItems() {
    const GraphMode mode = Mode();
    const int index = std::max(0, relationBox_->currentIndex());
    relationBox_->clear();
    if (mode.implicit) return;
    if (mode.cartesian && !mode.parametric) {
        RequiredFiles files(folders_.DataFolder, options_.templateFolder);
        for (const auto& line : files.Lines("Carttyp.txt"))
            if (!line.empty()) relationBox_->addItem(FromEngine(line));
        for (const auto& r : files.Reports()) startupReports_.push_back(r);
    } else if (mode.cartesian) {
        relationBox_->addItem("x,y=");
    } else {
        relationBox_->addItem(mode.parametric ? FromEngine("r,\xF8=") : "r=");
    }
    relationBox_->setCurrentIndex(std::min(index, relationBox_->count() - 1));
}

void TMainForm::LoadUserFunctions() {
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    userFunctions_ = UserFunctionExpressions(files.Lines(TranslatedUserFunctionFile(Mode().cartesian)));
    for (const auto& r : files.Reports()) startupReports_.push_back(r);
    try {
        graph_->SetUserFunctionExpressions(userFunctions_);
    } catch (const std::exception& error) {
        startupReports_.push_back(error.what());
    }
}

void TMainForm::ReportStartupProblems() {
    for (const auto& report : startupReports_) ShowError(report);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    WindowShown();
}

void TMainForm::WindowShown() {
    setWindowTitle("Kurvo32 Graph Editor");
    BringIntoLineWithSettings();
    formulaBox_->lineEdit()->setCursorPosition(formulaBox_->currentText().size());
    formulaBox_->setFocus();
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    graph_->SetAliasLines(files.Lines(AliasListFile(Mode())));
    for (const auto& r : files.Reports()) ShowError(r);
    area_->SetBackground(ToQColor(graph_->Settings.BackgroundColour));
    SetUpMode();
    ResizeGraph();
}

}  // namespace kurvo
