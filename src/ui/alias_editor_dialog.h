#pragma once
// "Function Alias Editor": the current mode's alias lines in a text box.
// OK checks and saves them, Print sends them to a printer.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QRadioButton;
class QPrinter;

namespace kurvo {

class MessageBoxes;

class TAliasEditorDialog : public QDialog {
    Q_OBJECT
public:
    // `file` names the mode's alias file at the moment it is asked;
    // `saved` receives the lines after a successful save.
    TAliasEditorDialog(QWidget* parent, MessageBoxes& boxes, std::function<QString()> file,
                       std::function<void(const std::vector<std::string>&)> saved);
    QPlainTextEdit* TextBox() const { return text_; }
    QRadioButton* AliasesOnly() const { return aliasesOnly_; }
    std::vector<std::string> Lines() const;
    void OKBtnClick();
    // Prints on `printer`; the Print button asks for one first.
    void PrintTo(QPrinter& printer) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PrintBtnClick();

    MessageBoxes& boxes_;
    std::function<QString()> file_;
    std::function<void(const std::vector<std::string>&)> saved_;
    QPlainTextEdit* text_;
    QRadioButton* whole_;
    QRadioButton* aliasesOnly_;
};

}  // namespace kurvo
