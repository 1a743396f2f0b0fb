#pragma once
// "Set User Directory": the folder the file dialogs open in. OK keeps the
// field's folder (initdir.txt) and leaves the dialog open; its close box
// closes it.
#include <QDialog>
#include <functional>

#include "workspace/folders.h"

class QLineEdit;

namespace kurvo {

class MessageBoxes;

class TUserDirectoryDialog : public QDialog {
    Q_OBJECT
public:
    // `changed` runs after OK stored a folder.
    TUserDirectoryDialog(QWidget* parent, MessageBoxes& boxes, Folders& folders, std::function<void()> changed);
    QLineEdit* Field() const { return field_; }
    void OKBtnClick();
    void DefaultBtnClick();

private:
    MessageBoxes& boxes_;
    Folders& folders_;
    std::function<void()> changed_;
    QLineEdit* field_;
};

}  // namespace kurvo
