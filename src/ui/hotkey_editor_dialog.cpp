#include "ui/hotkey_editor_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "expr/encoding.h"
#include "ui/message_boxes.h"

namespace kurvo {

namespace {
QString FromEngine(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
}  // namespace

THotkeyEditorDialog::THotkeyEditorDialog(QWidget* parent, MessageBoxes& boxes,
                                         std::unique_ptr<THotkeyEditor> editor)
    : QDialog(parent), boxes_(boxes), editor_(std::move(editor)) {
    setWindowTitle("Hot Key Editor");
    auto* layout = new QVBoxLayout(this);
    chooser_ = new QComboBox(this);
    for (const char* text : HotkeyChooserTexts()) chooser_->addItem(text);
    layout->addWidget(chooser_);
    layout->addWidget(new QLabel("Menus", this));
    list_ = new QTableWidget(0, 2, this);
    list_->setHorizontalHeaderLabels({"Menu item", "Hot key"});
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setMinimumSize(360, 280);
    layout->addWidget(list_);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel("Hot key", this));
    key_ = new QKeySequenceEdit(QKeySequence(Qt::Key_F3), this);
    keyRow->addWidget(key_);
    auto* set = new QPushButton("Set &hotkey", this);
    set->setDefault(true);
    set->setAutoDefault(true);
    keyRow->addWidget(set);
    layout->addLayout(keyRow);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("&OK", this);
    auto* cancel = new QPushButton("&Cancel", this);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(set, &QPushButton::clicked, this, &THotkeyEditorDialog::SetHotkeyClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(chooser_, &QComboBox::activated, this, [this](int index) {
        Report(editor_->Choose(index));
        FillList();
    });
    connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row < 0 || list_->item(row, 0)->text() == "-") return;
        key_->setKeySequence(QKeySequence(list_->item(row, 1)->text(), QKeySequence::PortableText));
        key_->setFocus();
    });
}

void THotkeyEditorDialog::showEvent(QShowEvent* event) {
    editor_->Show();
    FillList();
    QDialog::showEvent(event);
}

void THotkeyEditorDialog::FillList() {
    const auto& rows = editor_->Rows();
    list_->setRowCount(static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        list_->setItem(static_cast<int>(i), 0, new QTableWidgetItem(FromEngine(rows[i].caption)));
        list_->setItem(static_cast<int>(i), 1, new QTableWidgetItem(FromEngine(rows[i].shortcut)));
    }
    if (!rows.empty()) list_->selectRow(0);
}

void THotkeyEditorDialog::SetHotkeyClick() {
    const int row = list_->currentRow();
    if (row < 0) return;
    // Only the first chord counts: menu shortcuts are single key combinations.
    const QKeySequence typed = key_->keySequence();
    const QString text =
        typed.isEmpty() ? QString() : QKeySequence(typed[0]).toString(QKeySequence::PortableText);
    editor_->SetHotkey(static_cast<size_t>(row), Utf8ToCp1252(text.toStdString()));
    list_->item(row, 1)->setText(text);
    list_->selectRow(row);
    list_->scrollToItem(list_->item(row, 0));
}

void THotkeyEditorDialog::done(int result) {
    // Cancel does not discard: every ending applies and saves.
    Report(editor_->End());
    QDialog::done(result);
}

void THotkeyEditorDialog::Report(const FileResult& result) {
    if (!result.ok()) boxes_.Error(QString::fromStdString(result.message));
}

}  // namespace kurvo
