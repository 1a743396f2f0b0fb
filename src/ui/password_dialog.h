#pragma once
// "Administrator Password": the gate in front of the four administrator
// dialogs. A correct password runs `Granted` (which shows the chosen
// dialog modally) and then hides this one.
#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;

namespace kurvo {

class MessageBoxes;

class TPasswordDialog : public QDialog {
    Q_OBJECT
public:
    TPasswordDialog(QWidget* parent, MessageBoxes& boxes, const std::string& passwordRecord,
                    std::function<void()> granted);
    QLineEdit* Field() const { return field_; }
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MessageBoxes& boxes_;
    const std::string& record_;
    std::function<void()> granted_;
    QLineEdit* field_;
};

}  // namespace kurvo
