// The main window as the graph object's host, and its own commands.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>

#include "admin/environment.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/graph_window.h"
#include "ui/button_icons.h"
#include "ui/graph_area.h"
#include "ui/help_browser.h"
#include "ui/apply_button.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "ui/qimage_canvas.h"
#include "workspace/data_files.h"
#include "workspace/preset_lists.h"
#include "workspace/settings_file.h"

namespace kurvo {

namespace {
QString FromEngine(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToEngine(const QString& text) { return Utf8ToCp1252(text.toStdString()); }
// Long loops look at the event queue at most this often.
constexpr qint64 kPollIntervalMs = 4;

struct DepthCount {
    explicit DepthCount(int& depth) : depth_(depth) { ++depth_; }
    ~DepthCount() { --depth_; }
    DepthCount(const DepthCount&) = delete;
    DepthCount& operator=(const DepthCount&) = delete;
    int& depth_;
};

// Input that could start a command. While a plot runs it is dropped, so
// nothing re-enters the plot through the Escape polling.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}
}  // namespace

// ---- GraphHost ---------------------------------------------------------

std::string TMainForm::FormulaText() const { return ToEngine(formulaBox_->currentText()); }

void TMainForm::SetFormulaText(const std::string& text) { formulaBox_->setEditText(FromEngine(text)); }

std::string TMainForm::RelationText() const { return ToEngine(relationBox_->currentText()); }

std::string TMainForm::ViewFieldText(ViewField field) const {
    const QLineEdit* edit = ViewFieldEdit(field);
    return edit ? ToEngine(edit->text()) : std::string();
}

void TMainForm::SetViewFieldText(ViewField field, const std::string& text) {
    if (QLineEdit* edit = ViewFieldEdit(field)) {
        edit->setText(FromEngine(text));
        edit->setCursorPosition(0);
    }
}

bool TMainForm::HasTFields() const {
    return ViewFieldEdit(ViewField::TMin) && ViewFieldEdit(ViewField::TMax);
}

bool TMainForm::HasPlotStepField() const { return plotStep_ != nullptr; }

std::string TMainForm::PlotStepFieldText() const {
    return plotStep_ ? plotStep_->cleanText().toStdString() : std::string();
}

void TMainForm::ShowInformation(const std::string& text) {
    SetBusyCursor(false);
    const DepthCount box(messageDepth_);
    messages_->Information(FromEngine(text));
}

void TMainForm::ShowError(const std::string& text) {
    SetBusyCursor(false);
    const DepthCount box(messageDepth_);
    messages_->Error(FromEngine(text));
}

bool TMainForm::AskYesNo(const std::string& text) {
    SetBusyCursor(false);
    const DepthCount box(messageDepth_);
    return messages_->Question(FromEngine(text));
}

bool TMainForm::EscapePressed() {
    if (pollClock_->elapsed() < kPollIntervalMs) return false;
    pollClock_->restart();
    // Keeps the window painting during a plot; the event filter lets no
    // input but Escape through, and resizes wait for the plot's end.
    Poll([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 2); });
    const bool pressed = escapeSeen_;
    escapeSeen_ = false;
    return pressed;
}

void TMainForm::Poll(const std::function<void()>& pump) {
    QPointer<QWidget> outer = pollModal_;
    pollModal_ = QApplication::activeModalWidget();
    ++pollDepth_;
    pump();
    --pollDepth_;
    pollModal_ = outer;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Input is held back only while a long loop polls the queue. A box or
    // file dialog opened by a command (from the window or a tool window)
    // runs its own loop and takes its input; Qt's modality keeps that
    // input away from the window.
    const bool polling = pollDepth_ > 0 && messageDepth_ == 0 &&
                         QApplication::activeModalWidget() == pollModal_.data();
    if (polling && IsUserInput(event->type()) && !IsStopPress(event)) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            escapeSeen_ = true;
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::ToolTip && graph_ && !graph_->Settings.ShowHints) return true;
    // Declining the override lets the window's Undo shortcut have the key.
    if (event->type() == QEvent::ShortcutOverride && UndoKeyIsTheWindows(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// The undo key undoes the last action from anywhere in the window, except
// in a field holding typing not yet plotted: there it undoes the typing.
bool TMainForm::UndoKeyIsTheWindows(QObject* watched, const QKeyEvent* key) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
    if (auto* box = qobject_cast<QComboBox*>(widget)) edit = box->lineEdit();
    if (!edit || edit->isModified()) return false;
    QAction* undo = Action("&Undo last action");
    return undo && !undo->shortcut().isEmpty() && undo->shortcut() == QKeySequence(key->keyCombination());
}

void TMainForm::MarkFieldsPlotted() {
    if (formulaBox_) formulaBox_->lineEdit()->setModified(false);
    for (QLineEdit* field : viewFields_)
        if (field) field->setModified(false);
    if (plotStep_)
        if (auto* edit = plotStep_->findChild<QLineEdit*>()) edit->setModified(false);
}

void TMainForm::Beep() { QApplication::beep(); }

void TMainForm::SetBusyCursor(bool busy) {
    const bool showing = QApplication::overrideCursor() != nullptr;
    if (busy && !showing) QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!busy)
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

int TMainForm::GraphAreaWidth() const { return area_->width(); }
int TMainForm::GraphAreaHeight() const { return area_->height(); }
int TMainForm::ClientWidth() const { return area_->width(); }

std::unique_ptr<Canvas> TMainForm::CreatePicture(int width, int height) {
    const Colour background = graph_ ? graph_->Settings.BackgroundColour : 0xC0C0C0;
    return std::make_unique<QImageCanvas>(std::max(1, width), std::max(1, height),
                                          background & 0x80000000u ? 0xC0C0C0 : background);
}

// A repaint drops the read-out's marks along with the old picture.
void TMainForm::RefreshFromPicture(const Canvas&, int, int) { area_->ClearMarks(); }

const QImage* TMainForm::PictureImage() const {
    if (!graph_) return nullptr;
    const auto* canvas = dynamic_cast<const QImageCanvas*>(graph_->RasterPicture());
    return canvas ? &canvas->image() : nullptr;
}

// ---- commands ----------------------------------------------------------

void TMainForm::RunGuarded(const std::function<void()>& action) {
    // A plot runs the event loop between samples; commands that arrive
    // meanwhile would redraw a picture that is still being drawn.
    if (busyDepth_ > 0) return;
    ++busyDepth_;
    escapeSeen_ = false;
    try {
        action();
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
    --busyDepth_;
    SetBusyCursor(false);
    area_->update();
    if (resizePending_ && busyDepth_ == 0) {
        resizePending_ = false;
        QueueResize();
    }
}

void TMainForm::PlotCommand() {
    RunGuarded([this] { graph_->PlotCommand(); });
    MarkFieldsPlotted();
}

void TMainForm::QueueResize() {
    if (resizeQueued_) return;
    resizeQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            resizeQueued_ = false;
            ResizeGraph();
        },
        Qt::QueuedConnection);
}

void TMainForm::ResizeGraph() {
    if (!graph_ || !shown_ || !isVisible()) return;
    if (busyDepth_ > 0) {
        resizePending_ = true;
        return;
    }
    WindowFlags& flags = graph_->Flags;
    flags.FullRepaint = true;
    if (!graph_->Settings.AutoYScale) flags.ReplotAll = true;
    ResizePicture();
    RunGuarded([this] {
        // Redraw every graph into the new picture without adding a slot.
        graph_->Repaint();
    });
    flags.FullRepaint = false;
    flags.ReplotAll = false;
}

void TMainForm::ResizePicture() {
    if (auto* picture = dynamic_cast<QImageCanvas*>(graph_->RasterPicture())) {
        const int height = GraphAreaHeight();
        const int width = graph_->Settings.SquareGraph ? height : GraphAreaWidth();
        const Colour background = graph_->Settings.BackgroundColour;
        picture->Resize(std::max(1, width), std::max(1, height),
                        background & 0x80000000u ? 0xC0C0C0 : background);
    }
}

void TMainForm::SaveSettings() {
    SettingsRecord& s = graph_->Settings;
    try {
        TakeWindowFields(*this, s);
    } catch (const Exception& error) {
        ShowError(error.what());
        return;
    }
    const std::string error = WriteSettingsFile(folders_.DataFolder, s);
    if (!error.empty()) ShowError(error);
}

void TMainForm::ImportExamples() {
    const std::string error = kurvo::ImportExamples(folders_);
    if (!error.empty()) ShowError(error);
}

void TMainForm::AddFormulaToFile() {
    if (busyDepth_ > 0) return;  // a plot is running
    const QString remembered = formulaBox_->currentText();
    const std::string error = AppendPresetLine(folders_.DataFolder, Mode(), ToEngine(remembered));
    if (!error.empty()) {
        ShowError(error);
        return;
    }
    LoadPresetList();
    formulaBox_->setEditText(remembered);
}

void TMainForm::ToggleAutoYScale() {
    if (Busy()) return;
    SettingsRecord& s = graph_->Settings;
    s.AutoYScale = !s.AutoYScale;
    s.LastGraph = 0;
    for (auto& second : graph_->Slots.GraphSecondFormula) second.clear();
    graph_->Flags.ReplotAll = false;
    SetUpMode();
    BringIntoLineWithSettings();
}

void TMainForm::ToggleFlagAndReplot(bool SettingsRecord::*flag) {
    SettingsRecord& s = graph_->Settings;
    s.*flag = !(s.*flag);
    BringIntoLineWithSettings();
    RunGuarded([this] {
        graph_->Flags.FullRepaint = true;
        graph_->Flags.ReplotAll = true;
        graph_->Repaint();
        graph_->Flags.FullRepaint = false;
    });
}

void TMainForm::SetAngleMode(bool degrees) {
    graph_->Trans.Degrees = degrees;
    graph_->Settings.Degrees = degrees;
    BringIntoLineWithSettings();
}

void TMainForm::ShowCoordinateInfo(bool on) {
    SettingsRecord& s = graph_->Settings;
    s.ShowCoordinates = on;
    statusBar()->setVisible(on);
    if (on) {
        SetZoomInMode(false);
        SetMoveMode(false);
    }
    UpdateAreaCursor();
    RunGuarded([this] {
        graph_->Flags.ReplotAll = true;
        graph_->Flags.FullRepaint = true;
        graph_->Repaint();
        graph_->Flags.FullRepaint = false;
        // Draw the current formula again in its own slot.
        if (!graph_->Settings.AutoYScale) --graph_->Settings.LastGraph;
        graph_->PlotCommand();
    });
}

void TMainForm::TypeCharacter(char c) {
    QLineEdit* edit = formulaBox_->lineEdit();
    const std::string text = ToEngine(edit->text());
    const int caret = edit->cursorPosition();
    // The text is not cut at 255 characters by the insertion.
    const std::string result = text.substr(0, caret) + c + text.substr(caret);
    edit->setText(FromEngine(result));
    edit->setCursorPosition(caret + 1);
    edit->setFocus();
}

void TMainForm::ShowHelp(const QString& page) {
    if (!help_) help_ = new HelpBrowser(HelpBrowser::FolderFor(folders_.ProgramFolder), this);
    help_->Open(page);
}

}  // namespace kurvo
