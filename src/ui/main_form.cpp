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
#include <QPrinter>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "admin/hotkey_lines.h"
#include "admin/menu_table.h"
#include "admin/password_record.h"
#include "expr/encoding.h"
#include "expr/text_helpers.h"
#include "plot/graph_window.h"
#include "plot/trace.h"
#include "ui/about_box.h"
#include "ui/button_icons.h"
#include "ui/graph_area.h"
#include "ui/explore_tools.h"
#include "ui/help_browser.h"
#include "ui/message_boxes.h"
#include "ui/print_dialog.h"
#include "ui/qimage_canvas.h"
#include "workspace/data_files.h"
#include "workspace/file_type_registration.h"
#include "workspace/folders.h"
#include "workspace/required_files.h"
#include "workspace/settings_file.h"
#include "workspace/workspace_file.h"

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
    area_->PictureSource = [this] { return DisplayImage(); };
    connect(area_, &GraphArea::Resized, this, [this] { QueueResize(); });
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
    return DataFilePath(folders_.DataFolder, QString::fromStdString(name));
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
    // Every entry comes from the menu table, listed but not choosable
    // until a command is bound to it.
    QMenuBar* bar = menuBar();
    std::vector<QMenu*> menus;
    for (const MenuDef& def : MainMenus()) {
        QMenu* menu = bar->addMenu(def.caption);
        for (const MenuEntryDef& e : def.entries) {
            if (e.IsSeparator())
                menu->addSeparator();
            else
                AddEntry(menu, e.caption, e.shortcut, false);
        }
        menus.push_back(menu);
        if (def.hotkeys) hotkeyMenus_.push_back(menu);
    }
    dataSetsMenu_ = menus[4];
    calculatorsMenu_ = menus[5];
    auto bind = [this](const char* caption, auto&& slot) {
        QAction* a = Action(caption);
        a->setEnabled(true);
        a->setProperty("built", true);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto check = [this](const char* caption, QActionGroup* group = nullptr) {
        QAction* a = Action(caption);
        a->setCheckable(true);
        if (group) group->addAction(a);
        return a;
    };

    bind("Import Datafiles to Documents folder", [this] { ImportExamples(); });
    bind("E&xit", [this] { close(); });

    auto* modes = new QActionGroup(this);
    for (const char* caption : {"&Cartesian", "&Polar", "&Implicit"}) check(caption, modes);
    bind("&Cartesian", [this] { SwitchMode(true, false); });
    bind("&Polar", [this] { SwitchMode(false, false); });
    bind("&Implicit", [this] { SwitchMode(false, true); });
    check("&Parametric");
    bind("&Parametric", [this] { ToggleParametric(); });
    auto* angles = new QActionGroup(this);
    for (const char* caption : {"&Radians", "De&grees"}) check(caption, angles);
    bind("&Radians", [this] { SetAngleMode(false); });
    bind("De&grees", [this] { SetAngleMode(true); });
    for (const char* caption : {"Automatic &y-scaling", "Show C&oordinate Info", "Show &Tangent to graph",
                                "Plot D&erived Function", "Plot I&ntegral Function", "Zoom in",
                                "Move graph", "&Square x  and y axes", "S&quare graph shape"})
        check(caption);
    bind("Automatic &y-scaling", [this] { ToggleAutoYScale(); });
    bind("Show C&oordinate Info", [this](bool on) { ShowCoordinateInfo(on); });
    bind("Show &Tangent to graph", [this] { ToggleTangent(); });
    bind("Plot D&erived Function", [this] { ToggleFlagAndReplot(&SettingsRecord::PlotDerivative); });
    bind("Plot I&ntegral Function", [this] { ToggleFlagAndReplot(&SettingsRecord::PlotIntegral); });
    bind("&Add formula to file", [this] { AddFormulaToFile(); });

    bind("Zoom in", [this](bool on) { SetZoomInMode(on); });
    bind("Zoom out", [this] { ZoomOut(); });
    bind("Move graph", [this](bool on) { SetMoveMode(on); });
    bind("&Square x  and y axes", [this] {
        Settings().SquareAxes = !Settings().SquareAxes;
        RunGuarded([this] {
            if (Settings().FamilyActive) {
                graph_->RedrawFamily();
                return;
            }
            if (!Settings().AutoYScale) --Settings().LastGraph;
            graph_->Flags.FullRepaint = true;
            graph_->Flags.ReplotAll = true;
            graph_->PlotCommand();
        });
        BringIntoLineWithSettings();
    });
    bind("S&quare graph shape", [this] {
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
    bind("&Undo last action", [this] { RunGuarded([this] { graph_->UndoLastAction(); }); });

    bind("Kurvo &Help Contents", [this] { ShowHelp("index.html"); });
    bind("Kurvo Help &Tutorial", [this] { ShowHelp("tutorial.html"); });
    bind("&Calculators Help", [this] { ShowHelp("calculators.html"); });
    bind("&About", [this] { TAboutBox(this).exec(); });
    WireAdminEntries();

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
    // Implicit mode only; the tick follows the setting, which Effects &
    // Settings changes too.
    QAction* complete = AddEntry(popup_, "Complete &Implicit Curves");
    complete->setCheckable(true);
    connect(complete, &QAction::triggered, this, [this](bool on) {
        Settings().CompleteImplicit() = on;
        RedrawAll();
    });
    connect(popup_, &QMenu::aboutToShow, this, [this, complete] {
        complete->setVisible(Settings().ImplicitMode);
        complete->setChecked(Settings().CompleteImplicit());
    });
    popup_->addSeparator();
    connect(AddEntry(popup_, "&Copy Graph to Clipboard"), &QAction::triggered, this,
            [this] { CopyGraphToClipboard(); });
    connect(AddEntry(popup_, "&Save Settings"), &QAction::triggered, this, [this] { SaveSettings(); });
    WireOutputEntries();
    BindCalculatorEntries();
    BindAnalysisDialogs();
    WireDataSetEntries();
    WireWorkspaceEntries();
    WireEditors();
    explore_ = new TExploreTools(*this);
}

std::vector<std::string> TMainForm::HotkeyFileLines() const {
    std::vector<std::string> lines;
    for (QMenu* menu : hotkeyMenus_)
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->property("noHotkey").toBool()) continue;
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
            if (a->isSeparator() || a->property("noHotkey").toBool()) continue;
            const std::string shortcut = ShortcutOfLine(LineOr(lines, next++));
            a->setShortcut(QKeySequence(FromEngine(shortcut), QKeySequence::PortableText));
        }
}

}  // namespace kurvo
