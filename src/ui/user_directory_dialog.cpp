#include "ui/user_directory_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/initial_folder.h"
#include "ui/message_boxes.h"

namespace kurvo {

TUserDirectoryDialog::TUserDirectoryDialog(QWidget* parent, MessageBoxes& boxes, Folders& folders,
                                           std::function<void()> changed)
    : QDialog(parent), boxes_(boxes), folders_(folders), changed_(std::move(changed)) {
    setWindowTitle("Set User Directory");
    auto* layout = new QVBoxLayout(this);
    field_ = new QLineEdit(folders_.DocumentsFolder, this);
    field_->setMinimumWidth(380);
    layout->addWidget(field_);
    auto* row = new QHBoxLayout;
    auto* browse = new QPushButton("&Browse ...", this);
    auto* ok = new QPushButton("&OK", this);
    auto* byDefault = new QPushButton("&Default", this);
    for (QPushButton* b : {browse, ok, byDefault}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    layout->addLayout(row);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, windowTitle(), field_->text());
        if (!folder.isEmpty()) field_->setText(folder);
    });
    connect(ok, &QPushButton::clicked, this, &TUserDirectoryDialog::OKBtnClick);
    connect(byDefault, &QPushButton::clicked, this, &TUserDirectoryDialog::DefaultBtnClick);
}

void TUserDirectoryDialog::OKBtnClick() {
    const std::string error = SetInitialFolder(folders_, field_->text());
    if (!error.empty()) {
        boxes_.Error(QString::fromStdString(error));
        return;
    }
    changed_();
}

void TUserDirectoryDialog::DefaultBtnClick() {
    const DefaultFolder folder = DefaultUserFolder(folders_);
    if (!folder.message.empty()) boxes_.Information(QString::fromStdString(folder.message));
    field_->setText(folder.folder);
}

}  // namespace kurvo
