#pragma once
// "Kurvo Print": the platform's print dialog with the group "Size" and its
// field "Percentage of page size" (up-down from 0 in steps of 5). Made on
// first use and kept, so the field keeps what the user typed.
#include <QString>
#include <memory>

class QLineEdit;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace kurvo {

class TKurvoPrintDialog {
public:
    TKurvoPrintDialog(QPrinter& printer, QWidget* parent);
    ~TKurvoPrintDialog();

    // Shows the dialog; false when it was cancelled.
    bool Execute();
    QString PercentText() const;
    QLineEdit* PercentField() const { return percent_; }
    QPrintDialog* Dialog() const { return dialog_.get(); }

private:
    void Step(int by);

    std::unique_ptr<QPrintDialog> dialog_;
    QLineEdit* percent_ = nullptr;
};

}  // namespace kurvo
