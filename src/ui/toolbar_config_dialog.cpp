#include "ui/toolbar_config_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "expr/encoding.h"
#include "ui/message_boxes.h"

namespace kurvo {

TToolbarConfigDialog::TToolbarConfigDialog(QWidget* parent, MessageBoxes& boxes, const ToolbarRecord& inForce,
                                           QString toolbarFile, std::function<void(const ToolbarRecord&)> apply)
    : QDialog(parent), boxes_(boxes), inForce_(inForce), file_(std::move(toolbarFile)), apply_(std::move(apply)) {
    setWindowTitle("ToolBar Configuration");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Check the buttons you want to appear on the toolbar.", this));
    layout->addWidget(new QLabel("and clear those you do not want.", this));
    list_ = new QListWidget(this);
    for (const ToolbarEntry& e : ToolbarEntries()) {
        auto* item = new QListWidgetItem(QString::fromStdString(Cp1252ToUtf8(e.caption)), list_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    list_->setMinimumHeight(300);
    layout->addWidget(list_);
    auto* row = new QHBoxLayout;
    auto* all = new QPushButton("Select All", this);
    auto* none = new QPushButton("Deselect All", this);
    row->addWidget(all);
    row->addWidget(none);
    layout->addLayout(row);
    flat_ = new QCheckBox("Use flat pop up buttons", this);
    lines_ = new QCheckBox("Place lines between the toolbars", this);
    layout->addWidget(flat_);
    layout->addWidget(lines_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(all, &QPushButton::clicked, this, [this] {
        FromDialog();
        config_.SelectAll();
        ToDialog();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        FromDialog();
        config_.DeselectAll();
        ToDialog();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &TToolbarConfigDialog::OKBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TToolbarConfigDialog::showEvent(QShowEvent* event) {
    config_.Show(inForce_);
    ToDialog();
    QDialog::showEvent(event);
}

void TToolbarConfigDialog::ToDialog() {
    for (int i = 0; i < kToolbarEntryCount; ++i)
        list_->item(i)->setCheckState(config_.Checks[i] ? Qt::Checked : Qt::Unchecked);
    flat_->setChecked(config_.Flat);
    lines_->setChecked(config_.Lines);
}

void TToolbarConfigDialog::FromDialog() {
    for (int i = 0; i < kToolbarEntryCount; ++i) config_.Checks[i] = list_->item(i)->checkState() == Qt::Checked;
    config_.Flat = flat_->isChecked();
    config_.Lines = lines_->isChecked();
}

void TToolbarConfigDialog::OKBtnClick() {
    FromDialog();
    const FileResult written = config_.OK(file_);
    if (!written.ok()) {
        boxes_.Error(QString::fromStdString(written.message));
        return;
    }
    apply_(config_.Record());
    accept();
}

}  // namespace kurvo
