#pragma once
// What the calculator windows share: they are non-blocking tool windows,
// centred on the screen at their first showing and only hidden by
// closing, and every button runs through the main window's command guard
// so nothing of theirs runs inside a plot's event polling.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QAbstractButton;
class QPushButton;

namespace kurvo {

// Runs a command unless a plot is running (TMainForm::RunGuarded).
using CommandGuard = std::function<void(const std::function<void()>&)>;

class TToolWindow : public QDialog {
    Q_OBJECT
public:
    TToolWindow(QWidget* parent, const QString& caption);
    // Shows and raises the window; the first time, centred on the screen.
    void ShowTool();
    CommandGuard Guard = [](const std::function<void()>& command) { command(); };
    // The button, check box or radio button with this caption.
    QAbstractButton* Key(const QString& caption) const;

protected:
    void Guarded(const std::function<void()>& command) { Guard(command); }
    // A key of a key pad: never the default button, so Enter stays with
    // the fields.
    QPushButton* NewKey(const QString& caption, int minimumWidth);

private:
    bool placed_ = false;
};

// The engine's Windows-1252 texts and the widgets' Unicode texts.
QString FromCp1252(const std::string& text);
std::string ToCp1252(const QString& text);

}  // namespace kurvo
