#pragma once
// "Set Admin Password": old password, new password twice; OK writes
// pass.dat and only then puts the new password in force.
#include <QDialog>
#include <array>
#include <string>

class QLineEdit;

namespace kurvo {

class MessageBoxes;

class TSetPasswordDialog : public QDialog {
    Q_OBJECT
public:
    TSetPasswordDialog(QWidget* parent, MessageBoxes& boxes, std::string& passwordRecord, QString passFile);
    // "Old Password", "New Password", "Repeat New Password".
    QLineEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MessageBoxes& boxes_;
    std::string& record_;
    QString passFile_;
    std::array<QLineEdit*, 3> fields_{};
};

}  // namespace kurvo
