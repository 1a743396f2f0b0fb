// The administration entries: the password gate in front of the toolbar,
// alias, hot key and initial folder dialogs, the password change and the
// effects and settings dialog. Each dialog is made on its first showing.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

#include "admin/alias_list.h"
#include "admin/hotkey_editor.h"
#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "ui/alias_editor_dialog.h"
#include "ui/data_marks_dialog.h"
#include "ui/environment_dialog.h"
#include "ui/graph_area.h"
#include "ui/hotkey_editor_dialog.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "ui/password_dialog.h"
#include "ui/set_password_dialog.h"
#include "ui/toolbar_config_dialog.h"
#include "ui/user_directory_dialog.h"
#include "workspace/data_files.h"

namespace kurvo {

namespace {

QColor ToQColor(Colour c) {
    const Colour r = ResolveColour(c);
    return QColor(RedOf(r), GreenOf(r), BlueOf(r));
}

std::vector<QAction*> EntriesOf(QMenu* menu) {
    std::vector<QAction*> entries;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) entries.push_back(a);
    return entries;
}

}  // namespace

void TMainForm::WireAdminEntries() {
    auto bind = [this](const char* caption, std::function<void()> slot) {
        QAction* a = Action(caption);
        a->setEnabled(true);
        a->setProperty("built", true);
        // A plot in progress runs the event loop; these dialogs wait for it.
        connect(a, &QAction::triggered, this, [this, slot] {
            if (busyDepth_ == 0) slot();
        });
    };
    bind("&Configure Toolbar  (Admin only)", [this] { AskAdminPassword(0); });
    bind("Function Aliases  (Admin only)", [this] { AskAdminPassword(1); });
    bind("Configure Hotkeys  (Admin only)", [this] { AskAdminPassword(2); });
    bind("Configure Initial Directory  (Admin only)", [this] { AskAdminPassword(3); });
    bind("Set P&assword (Admin only)", [this] {
        if (!setPasswordDialog_)
            setPasswordDialog_ =
                new TSetPasswordDialog(this, *messages_, passwordRecord_, DataPath("pass.dat"));
        setPasswordDialog_->show();
        setPasswordDialog_->raise();
    });
    bind("E&nvironment", [this] { ShowEnvironment(); });
}

void TMainForm::AskAdminPassword(uint8_t pending) {
    PendingAdminDialog = pending;
    if (!passwordDialog_)
        passwordDialog_ = new TPasswordDialog(this, *messages_, passwordRecord_, [this] {
            if (busyDepth_ == 0) OpenPendingAdminDialog();
        });
    passwordDialog_->show();
    passwordDialog_->raise();
    passwordDialog_->activateWindow();
}

void TMainForm::OpenPendingAdminDialog() {
    switch (PendingAdminDialog) {
        case 0:
            if (!toolbarDialog_)
                toolbarDialog_ = new TToolbarConfigDialog(this, *messages_, toolbarRecord_, DataPath("tbrcfg.dat"),
                                                          [this](const ToolbarRecord& r) { RebuildToolbars(r); });
            toolbarDialog_->exec();
            break;
        case 1:
            if (!aliasDialog_)
                aliasDialog_ = new TAliasEditorDialog(
                    this, *messages_, [this] { return AliasListPath(folders_.DataFolder, Mode()); },
                    [this](const std::vector<std::string>& lines) { graph_->SetAliasLines(lines); });
            aliasDialog_->exec();
            break;
        case 2:
            if (!hotkeyDialog_) {
                std::vector<HotkeyMenu> menus;
                for (QMenu* menu : hotkeyMenus_) {
                    HotkeyMenu m{Utf8ToCp1252(menu->title().toStdString()), {}};
                    for (QAction* a : EntriesOf(menu))
                        m.entries.push_back({Utf8ToCp1252(a->text().toStdString()),
                                             a->shortcut().toString(QKeySequence::PortableText).toStdString()});
                    menus.push_back(std::move(m));
                }
                auto editor = std::make_unique<THotkeyEditor>(std::move(menus), DataPath("hotkeys.txt"));
                // The running program takes the shortcuts at once.
                editor->OnApply = [this](int menu, size_t entry, const std::string& shortcut) {
                    const auto entries = EntriesOf(hotkeyMenus_[static_cast<size_t>(menu)]);
                    if (entry < entries.size())
                        entries[entry]->setShortcut(
                            QKeySequence(QString::fromStdString(shortcut), QKeySequence::PortableText));
                };
                hotkeyDialog_ = new THotkeyEditorDialog(this, *messages_, std::move(editor));
            }
            hotkeyDialog_->exec();
            break;
        case 3:
            if (!userDirectoryDialog_)
                userDirectoryDialog_ = new TUserDirectoryDialog(this, *messages_, folders_,
                                                                [this] { dialogFolder_ = folders_.DocumentsFolder; });
            userDirectoryDialog_->exec();
            break;
        default:
            break;
    }
}

void TMainForm::RebuildToolbars(const ToolbarRecord& record) {
    // Only the bars are made again: the graph slots, the settings in
    // memory and what the user typed into the boxes and fields stay.
    const QString formula = formulaBox_->currentText();
    const int relation = relationBox_->currentIndex();
    std::array<QString, 6> fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (viewFields_[i]) fields[i] = viewFields_[i]->text();
    const int step = plotStep_ ? plotStep_->value() : -1;

    toolbarRecord_ = record;
    BuildToolbars();
    LoadPresetList();
    formulaBox_->setEditText(formula);
    SetRelationItems();
    if (relation >= 0 && relation < relationBox_->count()) relationBox_->setCurrentIndex(relation);
    BringIntoLineWithSettings();
    for (size_t i = 0; i < fields.size(); ++i)
        if (viewFields_[i] && !fields[i].isNull()) viewFields_[i]->setText(fields[i]);
    if (plotStep_ && step > 0) plotStep_->setValue(step);
    SetUpMode();
    RedrawAll();
}

void TMainForm::ShowEnvironment() {
    if (!environment_) {
        TEnvironment::Window window;
        window.settings = [this]() -> SettingsRecord& { return Settings(); };
        window.host = this;
        window.dataFolder = folders_.DataFolder;
        window.setPlotStep = [this](int step) {
            // Without the toolbar field the plot step comes from the settings.
            if (plotStep_)
                plotStep_->setValue(step);
            else
                Settings().PlotStepText = std::to_string(step);
        };
        window.redrawAll = [this] {
            area_->SetBackground(ToQColor(Settings().BackgroundColour));
            ResizePicture();
            RedrawAll();
        };
        window.showDataMarks = [this](int n) { ShowDataMarks(n); };
        environment_ = new TEnvironment(this, *messages_, std::move(window));
        // The palette stores the type; the dialog's button shows it.
        DataMarks().MarkChosen = [this](int) {
            if (environment_) environment_->ShowMarkType();
        };
    }
    environment_->show();
    environment_->raise();
}

}  // namespace kurvo
