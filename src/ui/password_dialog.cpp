#include "ui/password_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/password_dialogs.h"
#include "admin/password_record.h"
#include "expr/encoding.h"
#include "ui/message_boxes.h"

namespace kurvo {

TPasswordDialog::TPasswordDialog(QWidget* parent, MessageBoxes& boxes, const std::string& passwordRecord,
                                 std::function<void()> granted)
    : QDialog(parent), boxes_(boxes), record_(passwordRecord), granted_(std::move(granted)) {
    setWindowTitle("Administrator Password");
    setMinimumWidth(280);  // wide enough for the whole caption
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Enter password:", this));
    field_ = new QLineEdit(this);
    field_->setEchoMode(QLineEdit::Password);
    field_->setObjectName("password");
    layout->addWidget(field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPasswordDialog::OKBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
}

void TPasswordDialog::showEvent(QShowEvent* event) {
    field_->clear();
    field_->setFocus();
    QDialog::showEvent(event);
}

void TPasswordDialog::OKBtnClick() {
    if (!PasswordAccepted(Utf8ToCp1252(field_->text().toStdString()), record_)) {
        boxes_.Information(kIncorrectPassword);
        // The message box hands the focus back to the main window; the
        // next try is typed here, over the wrong one.
        raise();
        activateWindow();
        field_->setFocus();
        field_->selectAll();
        return;
    }
    granted_();
    hide();
}

}  // namespace kurvo
