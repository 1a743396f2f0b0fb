#include "ui/main_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "admin/hotkey_lines.h"
#include "admin/password_record.h"
#include "expr/encoding.h"
#include "expr/text_helpers.h"
#include "plot/graph_window.h"
#include "plot/trace.h"
#include "ui/about_box.h"
#include "ui/button_icons.h"
#include "ui/graph_area.h"
#include "ui/help_browser.h"
#include "ui/message_boxes.h"
#include "ui/qimage_canvas.h"
#include "workspace/data_files.h"
#include "workspace/file_type_registration.h"
#include "workspace/required_files.h"
#include "workspace/settings_file.h"

static void InitTemplateResources() { Q_INIT_RESOURCE(data_template); }

namespace kurvo {

namespace {

QString FromEngine(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToEngine(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace

TMainForm::TMainForm(const Options& options)
    : options_(options), pollClock_(std::make_unique<QElapsedTimer>()) {
    if (options_.messages) {
        messages_ = options_.messages;
    } else {
        ownMessages_ = std::make_unique<QtMessageBoxes>(this);
        messages_ = ownMessages_.get();
    }
    QApplication::setApplicationName("Kurvo32");
    setWindowIcon(ApplicationIcon());
    if (options_.templateFolder.isEmpty()) {
        InitTemplateResources();
        options_.templateFolder = ":/data_template";
    }
    area_ = new GraphArea(this);
    setCentralWidget(area_);
    area_->PictureSource = [this] { return PictureImage(); };
    connect(area_, &GraphArea::Resized, this, [this] { ResizeGraph(); });
    connect(area_, &GraphArea::LeftPressed, this, [this](const QPoint& p) { GraphMouseDown(p); });
    connect(area_, &GraphArea::MouseMoved, this, [this](const QPoint& p) { GraphMouseMove(p); });
    connect(area_, &GraphArea::LeftReleased, this, [this](const QPoint& p) { GraphMouseUp(p); });
    connect(area_, &GraphArea::EnterPressed, this, [this] { PlotCommand(); });
    connect(area_, &GraphArea::ContextMenuWanted, this, [this](const QPoint& p) { popup_->popup(p); });
    BuildMenus();
    CreateWindowState();
    qApp->installEventFilter(this);
    pollClock_->start();
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    trace_.reset();
    graph_.reset();
}

SettingsRecord& TMainForm::Settings() { return graph_->Settings; }

QString TMainForm::DataPath(const std::string& name) const {
    return FindInFolder(folders_.DataFolder, QString::fromStdString(name));
}

// ---- menus -------------------------------------------------------------

QAction* TMainForm::AddEntry(QMenu* menu, const QString& caption, const QString& shortcut, bool built) {
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
    // Features not built yet are listed but cannot be chosen.
    action->setEnabled(built);
    action->setProperty("built", built);
    actions_.push_back(action);
    return action;
}

const std::vector<std::string>& TMainForm::DataSetLines() const { return graph_->DataSets.DataSetLines; }

QAction* TMainForm::Action(const QString& caption) const {
    for (QAction* a : actions_)
        if (a->text() == caption) return a;
    return nullptr;
}

void TMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    const bool later = false;  // marks entries whose feature is not built yet

    QMenu* file = bar->addMenu("&File");
    AddEntry(file, "&Open", "Ctrl+O", later);
    AddEntry(file, "Save as &KurvoFile", "Ctrl+S", later);
    AddEntry(file, "Save As &Dataset", {}, later);
    AddEntry(file, "Save as &Picture", {}, later);
    file->addSeparator();
    AddEntry(file, "&Print", "Ctrl+P", later);
    AddEntry(file, "Printer Setup", {}, later);
    file->addSeparator();
    connect(AddEntry(file, "Import Datafiles to Documents folder"), &QAction::triggered, this,
            [this] { ImportExamples(); });
    file->addSeparator();
    connect(AddEntry(file, "E&xit", "Ctrl+Q"), &QAction::triggered, this, &QWidget::close);

    QMenu* settings = bar->addMenu("&Settings");
    auto* modes = new QActionGroup(this);
    for (const char* caption : {"&Cartesian", "&Polar", "&Implicit"}) {
        QAction* a = AddEntry(settings, caption);
        a->setCheckable(true);
        modes->addAction(a);
    }
    connect(Action("&Cartesian"), &QAction::triggered, this, [this] { SwitchMode(true, false); });
    connect(Action("&Polar"), &QAction::triggered, this, [this] { SwitchMode(false, false); });
    connect(Action("&Implicit"), &QAction::triggered, this, [this] { SwitchMode(false, true); });
    QAction* parametric = AddEntry(settings, "&Parametric");
    parametric->setCheckable(true);
    connect(parametric, &QAction::triggered, this, [this] { ToggleParametric(); });
    settings->addSeparator();
    auto* angles = new QActionGroup(this);
    for (const char* caption : {"&Radians", "De&grees"}) {
        QAction* a = AddEntry(settings, caption);
        a->setCheckable(true);
        angles->addAction(a);
    }
    connect(Action("&Radians"), &QAction::triggered, this, [this] { SetAngleMode(false); });
    connect(Action("De&grees"), &QAction::triggered, this, [this] { SetAngleMode(true); });
    settings->addSeparator();
    QAction* autoY = AddEntry(settings, "Automatic &y-scaling");
    autoY->setCheckable(true);
    connect(autoY, &QAction::triggered, this, [this] { ToggleAutoYScale(); });
    QAction* coords = AddEntry(settings, "Show C&oordinate Info");
    coords->setCheckable(true);
    connect(coords, &QAction::triggered, this, [this](bool on) { ShowCoordinateInfo(on); });
    QAction* tangent = AddEntry(settings, "Show &Tangent to graph");
    tangent->setCheckable(true);
    connect(tangent, &QAction::triggered, this, [this] { ToggleTangent(); });
    QAction* derived = AddEntry(settings, "Plot D&erived Function");
    derived->setCheckable(true);
    connect(derived, &QAction::triggered, this,
            [this] { ToggleFlagAndReplot(&SettingsRecord::PlotDerivative); });
    QAction* integral = AddEntry(settings, "Plot I&ntegral Function");
    integral->setCheckable(true);
    connect(integral, &QAction::triggered, this,
            [this] { ToggleFlagAndReplot(&SettingsRecord::PlotIntegral); });
    settings->addSeparator();
    AddEntry(settings, "&Delete Graphs", {}, later);
    connect(AddEntry(settings, "&Add formula to file"), &QAction::triggered, this,
            [this] { AddFormulaToFile(); });
    AddEntry(settings, "E&nvironment", {}, later);
    settings->addSeparator();
    AddEntry(settings, "&Configure Toolbar  (Admin only)", {}, later);
    AddEntry(settings, "Configure Hotkeys  (Admin only)", {}, later);
    AddEntry(settings, "Configure Initial Directory  (Admin only)", {}, later);
    AddEntry(settings, "Set P&assword (Admin only)", {}, later);

    QMenu* zooms = bar->addMenu("&Zooms");
    QAction* zoomIn = AddEntry(zooms, "Zoom in", "F5");
    zoomIn->setCheckable(true);
    connect(zoomIn, &QAction::triggered, this, [this](bool on) { SetZoomInMode(on); });
    connect(AddEntry(zooms, "Zoom out", "F4"), &QAction::triggered, this, [this] { ZoomOut(); });
    QAction* move = AddEntry(zooms, "Move graph", "F6");
    move->setCheckable(true);
    connect(move, &QAction::triggered, this, [this](bool on) { SetMoveMode(on); });
    zooms->addSeparator();
    QAction* squareAxes = AddEntry(zooms, "&Square x  and y axes");
    squareAxes->setCheckable(true);
    connect(squareAxes, &QAction::triggered, this, [this] {
        Settings().SquareAxes = !Settings().SquareAxes;
        RunGuarded([this] {
            if (!Settings().AutoYScale) --Settings().LastGraph;
            graph_->Flags.FullRepaint = true;
            graph_->Flags.ReplotAll = true;
            graph_->PlotCommand();
        });
        BringIntoLineWithSettings();
    });
    QAction* squareGraph = AddEntry(zooms, "S&quare graph shape");
    squareGraph->setCheckable(true);
    connect(squareGraph, &QAction::triggered, this, [this] {
        Settings().SquareGraph = !Settings().SquareGraph;
        ResizePicture();
        RunGuarded([this] {
            graph_->Flags.FullRepaint = true;
            graph_->Flags.ReplotAll = true;
            graph_->Repaint();
            graph_->Flags.FullRepaint = false;
        });
        BringIntoLineWithSettings();
    });
    zooms->addSeparator();
    connect(AddEntry(zooms, "&Undo last action", "Ctrl+Z"), &QAction::triggered, this,
            [this] { RunGuarded([this] { graph_->UndoLastAction(); }); });

    QMenu* editors = bar->addMenu("&Editors");
    AddEntry(editors, "&Constants", {}, later);
    AddEntry(editors, "F&unctions", {}, later);
    AddEntry(editors, "&Formulae", {}, later);
    AddEntry(editors, "Fa&milies", {}, later);
    AddEntry(editors, "&Coordinate Sets", {}, later);
    editors->addSeparator();
    AddEntry(editors, "Function Aliases  (Admin only)", {}, later);

    dataSetsMenu_ = bar->addMenu("Data Sets");
    AddEntry(dataSetsMenu_, "Descriptive &Transformations", {}, later);
    AddEntry(dataSetsMenu_, "&Matrix Tranformations", {}, later);
    AddEntry(dataSetsMenu_, "&Statistics", {}, later);
    AddEntry(dataSetsMenu_, "&Regression", {}, later);

    calculatorsMenu_ = bar->addMenu("Calculators");
    AddEntry(calculatorsMenu_, "Simple Calculator", {}, later);
    AddEntry(calculatorsMenu_, "Scientific Calculator", {}, later);
    AddEntry(calculatorsMenu_, "Quadratics", {}, later);
    AddEntry(calculatorsMenu_, "Simultaneous", {}, later);

    QMenu* help = bar->addMenu("&Help");
    connect(AddEntry(help, "Kurvo &Help Contents", "F1"), &QAction::triggered, this,
            [this] { ShowHelp("index.html"); });
    connect(AddEntry(help, "Kurvo Help &Tutorial"), &QAction::triggered, this,
            [this] { ShowHelp("tutorial.html"); });
    connect(AddEntry(help, "&Calculators Help"), &QAction::triggered, this,
            [this] { ShowHelp("calculators.html"); });
    help->addSeparator();
    connect(AddEntry(help, "&About"), &QAction::triggered, this, [this] { TAboutBox(this).exec(); });

    hotkeyMenus_ = {file, settings, zooms, editors, dataSetsMenu_, help};

    popup_ = new QMenu(this);
    QAction* plot = AddEntry(popup_, "&Plot Graph");
    connect(plot, &QAction::triggered, this, [this] { PlotCommand(); });
    popup_->addAction(Action("&Undo last action"));
    popup_->addSeparator();
    // Kept out of the menu bar: hotkeys.txt matches its lines to the menu
    // bar's entries by position.
    connect(AddEntry(popup_, "Draw &Direction Field"), &QAction::triggered, this,
            [this] { DrawDirectionField(); });
    QAction* snap = AddEntry(popup_, "S&nap Read-out to Graph");
    snap->setCheckable(true);
    connect(snap, &QAction::triggered, this, [this](bool on) { Settings().SnapToGraph = on; });
    popup_->addSeparator();
    connect(AddEntry(popup_, "&Copy Graph to Clipboard"), &QAction::triggered, this,
            [this] { CopyGraphToClipboard(); });
    connect(AddEntry(popup_, "&Save Settings"), &QAction::triggered, this, [this] { SaveSettings(); });
}

std::vector<std::string> TMainForm::HotkeyFileLines() const {
    std::vector<std::string> lines;
    for (QMenu* menu : hotkeyMenus_)
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            lines.push_back(FormatHotkeyLine(
                {ToEngine(a->text()), ToEngine(a->shortcut().toString(QKeySequence::PortableText))}));
        }
    return lines;
}

void TMainForm::ApplyHotkeys() {
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    const std::vector<std::string> lines = files.Lines("hotkeys.txt", HotkeyFileLines());
    for (const auto& r : files.Reports()) startupReports_.push_back(r);
    size_t next = 0;
    for (QMenu* menu : hotkeyMenus_)
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            const std::string shortcut = ShortcutOfLine(LineOr(lines, next++));
            a->setShortcut(QKeySequence(FromEngine(shortcut), QKeySequence::PortableText));
        }
}

}  // namespace kurvo
