#pragma once
// The main window: menus, the three toolbars, the graph area and the
// status bar, bound to the graph object. It is the graph object's host
// (the controls it reads, message boxes, Escape polling) and runs the
// start-up of the data folder: folders, settings files, toolbars, user
// functions and menu shortcuts.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "admin/toolbar_record.h"
#include "plot/graph_host.h"
#include "plot/mode_controls.h"
#include "plot/settings_record.h"
#include "workspace/folders.h"
#include "workspace/mode_files.h"

class QAction;
class QActionGroup;
class QBoxLayout;
class QComboBox;
class QElapsedTimer;
class QFileDialog;
class QKeyEvent;
class QPrinter;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace kurvo {

class GraphArea;
class HelpBrowser;
class TCoordinatesDialog;
class TDataMarksDialog;
class TDataSaveDialog;
class TDataSets;
class TDeleteDialog;
class TWorkspaceFile;
class MessageBoxes;
class TGraphWindow;
class TGraphTrace;
class TPasswordDialog;
class TSetPasswordDialog;
class TToolbarConfigDialog;
class THotkeyEditorDialog;
class TAliasEditorDialog;
class TUserDirectoryDialog;
class TEnvironment;
class TKurvoPrintDialog;
class TMatrixDialog;
class TRegressionDialog;
class TStatisticsDialog;
class TTransformationsDialog;
struct TraceMarks;
class TConstantsDialog;
class TFamiliesDialog;
class TFormulaeDialog;
class TFunctionsDialog;
class TExploreTools;

class TMainForm : public QMainWindow, public GraphHost {
    Q_OBJECT
public:
    struct Options {
        // The program folder; empty: the current folder.
        QString programFolder;
        // Where the shipped text files come from when the data folder lacks
        // one; empty: the copy built into the program.
        QString templateFolder;
        // Message boxes; null: real modal boxes.
        MessageBoxes* messages = nullptr;
        // Path of the program for the desktop entry; empty: this program.
        QString executable;
    };

    explicit TMainForm(const Options& options);
    TMainForm() : TMainForm(Options{}) {}
    ~TMainForm() override;

    // ---- state, for the dialogs and for tests
    TGraphWindow& Graph() { return *graph_; }
    SettingsRecord& Settings();
    const Folders& GetFolders() const { return folders_; }
    const ToolbarRecord& Toolbar() const { return toolbarRecord_; }
    const std::string& PasswordRecord() const { return passwordRecord_; }
    const std::vector<std::string>& DataSetLines() const;
    const QString& DialogFolder() const { return dialogFolder_; }
    const std::array<std::string, 7>& UserFunctions() const { return userFunctions_; }
    // Problems met while reading the data folder, as reported.
    const std::vector<std::string>& StartupReports() const { return startupReports_; }

    // ---- controls
    QComboBox* FormulaBox() const { return formulaBox_; }
    QComboBox* RelationBox() const { return relationBox_; }
    QLineEdit* ViewFieldEdit(ViewField field) const;
    QSpinBox* PlotStepSpin() const { return plotStep_; }
    QToolBar* ButtonBar() const { return buttonBar_; }
    QToolBar* RangeBar() const { return rangeBar_; }
    QToolBar* FormulaBar() const { return formulaBar_; }
    GraphArea* Area() const { return area_; }
    QMenu* PopupMenu() const { return popup_; }
    // Status-bar panel 0..4 ("x=", "y=", "r=", "t=", "dy/dx=").
    QLabel* StatusPanel(int index) const { return statusPanels_[static_cast<size_t>(index)]; }
    const TGraphTrace& Trace() const { return *trace_; }
    const ModeControls& ModeControlState() const { return modeControls_; }
    QToolButton* EntryButton(int entry) const;
    // The menus whose entries take shortcuts from hotkeys.txt, in order.
    const std::vector<QMenu*>& HotkeyMenus() const { return hotkeyMenus_; }
    QMenu* CalculatorsMenu() const { return calculatorsMenu_; }
    // A calculator window (0 simple, 1 scientific, 2 quadratic, 3
    // simultaneous), null until its menu entry first shows it.
    QWidget* CalculatorWindow(int index) const { return calculatorWindows_[static_cast<size_t>(index)]; }
    QAction* Action(const QString& caption) const;
    // The picture as shown, null before the first paint.
    const QImage* PictureImage() const;
    // The picture at the screen's pixel ratio: drawn again at that
    // resolution on a high-density screen, the picture itself otherwise.
    // The window shows it and the clipboard receives it.
    const QImage* DisplayImage() const;
    // hotkeys.txt as the menus stand now.
    std::vector<std::string> HotkeyFileLines() const;

    // ---- commands
    void PlotCommand();
    void SaveSettings();
    void ImportExamples();
    void AddFormulaToFile();
    void LoadPresetList();
    void ShowHelp(const QString& page);
    // Output: "&Print", "Printer Setup", "Save as &Picture".
    void PrintGraph();
    void PrinterSetup();
    void SavePicture();
    // What those do once their dialog is answered. PrintOn shows the
    // conversion message and prints nothing when the percentage is not an
    // integer; SavePictureAs appends the filter's extension as needed.
    bool PrintOn(QPrinter& printer, const QString& percentText);
    void SavePictureAs(const QString& name, int filter);
    TKurvoPrintDialog* PrintDialog() const { return printDialog_.get(); }
    QFileDialog* PictureDialog() const { return pictureDialog_; }
    // Data sets (main_form_datasets.cpp). The dialogs are made on first
    // showing and kept; null until then.
    TDataSets& DataSetCommands();
    // The "Data Marks" palette for data set n (1 to 5), for the effects
    // dialog; DataMarks().MarkChosen reports the shape picked.
    void ShowDataMarks(int n);
    TDataMarksDialog& DataMarks();
    TDataSaveDialog* DataSaveDialog() const;
    TCoordinatesDialog* CoordinatesDialog() const;
    TDeleteDialog* DeleteDialog() const;
    void OpenFile();
    void ShowDataSaveDialog();
    void ShowCoordinatesDialog();
    void ShowDeleteDialog();
    // Workspace files (main_form_workspace.cpp).
    TWorkspaceFile& WorkspaceFile();
    void SaveGraphFile();
    // "&Open" on a file named without the dialog (the command line).
    void OpenNamedFile(const QString& path);

    // ---- editor dialogs (main_form_editors.cpp): made on first showing,
    // null before; then kept, so their fields keep what was typed.
    void ShowConstantsDialog();
    void ShowFunctionsDialog();
    void ShowFormulaeDialog();
    void ShowFamiliesDialog();
    TConstantsDialog* ConstantsDialog() const { return constantsDialog_; }
    TFunctionsDialog* FunctionsDialog() const { return functionsDialog_; }
    TFormulaeDialog* FormulaeDialog() const { return formulaeDialog_; }
    // Made when first needed: the graph file reader fills its fields and
    // presses OK to draw a family again.
    TFamiliesDialog* FamiliesDialog();
    // Points of interest, Area, Table of Values and Sliders.
    TExploreTools& Explore() { return *explore_; }

    // ---- GraphHost
    std::string FormulaText() const override;
    void SetFormulaText(const std::string& text) override;
    std::string RelationText() const override;
    void SetRelationIndex(int index) override;
    std::string ViewFieldText(ViewField field) const override;
    void SetViewFieldText(ViewField field, const std::string& text) override;
    bool HasTFields() const override;
    bool HasPlotStepField() const override;
    std::string PlotStepFieldText() const override;
    void ShowInformation(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool EscapePressed() override;
    void Beep() override;
    void SetBusyCursor(bool busy) override;
    int GraphAreaWidth() const override;
    int GraphAreaHeight() const override;
    int ClientWidth() const override;
    std::unique_ptr<Canvas> CreatePicture(int width, int height) override;
    void DataSetsMenuChanged(bool enabled) override;
    void RefreshFromPicture(const Canvas& picture, int width, int height) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Start-up, in the order the steps run.
    void BuildMenus();
    void WireOutputEntries();
    void BindCalculatorEntries();  // main_form_calculators.cpp
    void WireDataSetEntries();
    void WireWorkspaceEntries();
    std::function<void(const std::function<void()>&)> Guard();
    void WireEditors();
    void CreateWindowState();
    void CompleteWorkingFolder();
    void ReadPasswordFile();
    void ReadToolbarFile();
    void BuildToolbars();
    void ReadSettingsFile();
    void BringIntoLineWithSettings();
    void SetUpMode();
    void LoadUserFunctions();
    void ApplyHotkeys();
    void WindowShown();
    void ReportStartupProblems();

    // Helpers.
    QAction* AddEntry(QMenu* menu, const QString& caption, const QString& shortcut = {},
                      bool built = true);
    // A toolbar entry's widget, on `bar` or in `row` of it.
    void AddButton(QToolBar* bar, int entry, QBoxLayout* row = nullptr);
    void AddViewField(QBoxLayout* row, ViewField field, const QString& label, const QString& hint);
    void SetRelationItems();
    GraphMode Mode() const;
    void ResizeGraph();
    // Resizes reach the window from inside Qt's layout code (the animated
    // toolbar layout among them); the replot runs later, from the event loop.
    void QueueResize();
    // The picture takes the graph area's size (square with SquareGraph).
    void ResizePicture();
    void ToggleAutoYScale();
    void ToggleFlagAndReplot(bool SettingsRecord::*flag);
    void SetAngleMode(bool degrees);
    void ShowCoordinateInfo(bool on);
    void SwitchMode(bool cartesian, bool implicit);
    void ToggleParametric();
    // Presets, aliases, fields and menus of the mode just switched to.
    void AfterModeSwitch();
    void EnableByMode();
    // The read-out: status-bar texts and the marks over the picture.
    bool ReadOutOn() const;
    void ShowTraceMarks(const TraceMarks& marks);
    void ToggleTangent();
    void DrawDirectionField();
    // The interactive view: zoom in by dragging, move by dragging, zoom out.
    void SetZoomInMode(bool on);
    void SetMoveMode(bool on);
    void ZoomOut();
    void GraphMouseDown(const QPoint& pos);
    void GraphMouseMove(const QPoint& pos);
    void GraphMouseUp(const QPoint& pos);
    void RedrawAll();
    void UpdateAreaCursor();
    void CopyGraphToClipboard();
    void TypeCharacter(char c);
    void RunGuarded(const std::function<void()>& action);
    QString DataPath(const std::string& name) const;

    Options options_;
    std::unique_ptr<MessageBoxes> ownMessages_;
    MessageBoxes* messages_ = nullptr;

    Folders folders_;
    QString dialogFolder_;
    std::string passwordRecord_;
    ToolbarRecord toolbarRecord_;
    std::array<std::string, 7> userFunctions_;
    std::vector<std::string> startupReports_;
    std::unique_ptr<TGraphWindow> graph_;
    std::unique_ptr<TGraphTrace> trace_;
    ModeControls modeControls_;

    // Menus.
    std::vector<QMenu*> hotkeyMenus_;
    QMenu* dataSetsMenu_ = nullptr;
    QMenu* calculatorsMenu_ = nullptr;
    QMenu* popup_ = nullptr;
    std::vector<QAction*> actions_;

    // Toolbars and their controls.
    QToolBar* buttonBar_ = nullptr;
    QToolBar* rangeBar_ = nullptr;
    QToolBar* formulaBar_ = nullptr;
    std::array<QToolButton*, kToolbarEntryCount> entryButtons_{};
    std::array<QLineEdit*, 6> viewFields_{};
    QSpinBox* plotStep_ = nullptr;
    QComboBox* relationBox_ = nullptr;
    QComboBox* formulaBox_ = nullptr;
    std::array<QLabel*, 5> statusPanels_{};

    GraphArea* area_ = nullptr;
    QPointer<HelpBrowser> help_;
    // Output, made on first use.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TKurvoPrintDialog> printDialog_;
    QFileDialog* pictureDialog_ = nullptr;
    mutable QImage displayImage_;
    mutable qint64 displayKey_ = 0;
    mutable size_t displayOps_ = 0;
    std::array<QPointer<QWidget>, 4> calculatorWindows_;
    // The data set analysis dialogs, made on their first showing.
    void BindAnalysisDialogs();
    TTransformationsDialog* transformationsDialog_ = nullptr;
    TMatrixDialog* matrixDialog_ = nullptr;
    TStatisticsDialog* statisticsDialog_ = nullptr;
    TRegressionDialog* regressionDialog_ = nullptr;
    std::shared_ptr<TDataSets> dataSets_;
    std::unique_ptr<TWorkspaceFile> workspaceFile_;
    QPointer<TDataSaveDialog> dataSaveDialog_;
    QPointer<TCoordinatesDialog> coordinatesDialog_;
    QPointer<TDeleteDialog> deleteDialog_;
    QPointer<TDataMarksDialog> dataMarksDialog_;
    TConstantsDialog* constantsDialog_ = nullptr;
    TFunctionsDialog* functionsDialog_ = nullptr;
    TFormulaeDialog* formulaeDialog_ = nullptr;
    TFamiliesDialog* familiesDialog_ = nullptr;
    TExploreTools* explore_ = nullptr;

    // Escape polling.
    std::unique_ptr<QElapsedTimer> pollClock_;
    bool escapeSeen_ = false;
    int busyDepth_ = 0;
    bool resizePending_ = false;
    bool resizeQueued_ = false;
    // Message boxes open; a box runs its own event loop and takes input.
    int messageDepth_ = 0;
    // Long loops pumping the queue, and the modal widget active when the
    // innermost began (boxes opened later take their input).
    int pollDepth_ = 0;
    QPointer<QWidget> pollModal_;
    void Poll(const std::function<void()>& pump);
    bool UndoKeyIsTheWindows(QObject* watched, const QKeyEvent* key) const;
    // The fields' typing has been plotted: the undo key is the window's again.
    void MarkFieldsPlotted();
    bool shown_ = false;
    bool zoomInMode_ = false;
    bool moveMode_ = false;
    bool dragActive_ = false;
    QPoint dragStart_;
    long double zoomCornerX_ = 0, zoomCornerY_ = 0;

    // Administration (main_form_admin.cpp); dialogs are made on first showing.
    void WireAdminEntries();
    void AskAdminPassword(uint8_t pending);
    void OpenPendingAdminDialog();
    void ShowEnvironment();
    TPasswordDialog* passwordDialog_ = nullptr;
    TSetPasswordDialog* setPasswordDialog_ = nullptr;
    TToolbarConfigDialog* toolbarDialog_ = nullptr;
    THotkeyEditorDialog* hotkeyDialog_ = nullptr;
    TAliasEditorDialog* aliasDialog_ = nullptr;
    TUserDirectoryDialog* userDirectoryDialog_ = nullptr;
    TEnvironment* environment_ = nullptr;

public:
    // The toolbar dialog's OK: only the bars are built again, then the
    // graphs are redrawn.
    void RebuildToolbars(const ToolbarRecord& record);
    // Which dialog a correct administrator password opens: 0 toolbar,
    // 1 function aliases, 2 hot keys, 3 initial folder.
    uint8_t PendingAdminDialog = 0;
    // A plot or another guarded command is running.
    bool Busy() const { return busyDepth_ > 0; }
    bool ZoomInMode() const { return zoomInMode_; }
    bool MoveMode() const { return moveMode_; }
};

}  // namespace kurvo
