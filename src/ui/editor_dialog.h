#pragma once
// What the editor dialogs (constants, functions, formulae, families) share:
// a non-blocking dialog made once and kept, OK (the default button) runs
// the window's handler and hides the dialog when it succeeds, Cancel only
// hides it, and showing puts the focus in the first field. The logic lives
// in workspace/ and plot/; the main window binds it (main_form_editors.cpp).
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace kurvo {

// Windows-1252 text of the engine and files, shown as Unicode.
QString EngineToQt(const std::string& text);
std::string QtToEngine(const QString& text);

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    EditorDialog(QWidget* parent, const QString& caption);

    // OK's work; true hides the dialog, false keeps it open.
    std::function<bool()> OnOk;
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Shows the dialog without blocking and brings it to the front.
    void ShowNonBlocking();

protected:
    // The OK and Cancel row, added at the bottom of `layout`.
    void AddButtons(QBoxLayout* layout);
    // The "Type '²'" and "Type '³'" buttons; `insert` gets the character.
    // They take no focus, so the field being typed in keeps it.
    void AddTypeButtons(QBoxLayout* layout, const std::function<void(QChar)>& insert);
    virtual QWidget* FirstField() const = 0;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Inserts `c` at the caret of `edit` and moves the caret past it; the text
// is never cut (the fields take texts far longer than 255 characters).
void InsertAtCaret(QLineEdit* edit, QChar c);

}  // namespace kurvo
