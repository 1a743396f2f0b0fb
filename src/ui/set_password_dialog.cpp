#include "ui/set_password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/password_dialogs.h"
#include "expr/encoding.h"
#include "ui/message_boxes.h"

namespace kurvo {

TSetPasswordDialog::TSetPasswordDialog(QWidget* parent, MessageBoxes& boxes, std::string& passwordRecord,
                                       QString passFile)
    : QDialog(parent), boxes_(boxes), record_(passwordRecord), passFile_(std::move(passFile)) {
    setWindowTitle("Set Admin Password");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const char* labels[3] = {"Old Password", "New Password", "Repeat New Password"};
    for (size_t i = 0; i < 3; ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setEchoMode(QLineEdit::Password);
        form->addRow(labels[i], fields_[i]);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    setTabOrder(fields_[0], fields_[1]);
    setTabOrder(fields_[1], fields_[2]);
    setTabOrder(fields_[2], buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSetPasswordDialog::OKBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
}

void TSetPasswordDialog::showEvent(QShowEvent* event) {
    for (QLineEdit* f : fields_) f->clear();
    fields_[0]->setFocus();
    QDialog::showEvent(event);
}

void TSetPasswordDialog::OKBtnClick() {
    auto text = [this](size_t i) { return Utf8ToCp1252(fields_[i]->text().toStdString()); };
    const PasswordChange change = ChangePassword(record_, text(0), text(1), text(2), passFile_);
    if (!change.changed) {
        const QString message = QString::fromStdString(Cp1252ToUtf8(change.message));
        // A typing mistake is information; a file that cannot be written is an error.
        if (change.message == kIncorrectPassword || change.message == kPasswordsDiffer)
            boxes_.Information(message);
        else
            boxes_.Error(message);
        return;
    }
    boxes_.Information(QString::fromStdString(change.message));
    hide();
}

}  // namespace kurvo
