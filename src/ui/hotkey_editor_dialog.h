#pragma once
// "Hot Key Editor": the menu chooser, the "Menus" list of the chosen
// menu's entries with their shortcuts, and the key field. Every ending
// (OK, Cancel, close box) and every menu switch applies and saves.
#include <QDialog>
#include <memory>

#include "admin/hotkey_editor.h"

class QComboBox;
class QKeySequenceEdit;
class QTableWidget;

namespace kurvo {

class MessageBoxes;

class THotkeyEditorDialog : public QDialog {
    Q_OBJECT
public:
    THotkeyEditorDialog(QWidget* parent, MessageBoxes& boxes, std::unique_ptr<THotkeyEditor> editor);
    QComboBox* Chooser() const { return chooser_; }
    QTableWidget* List() const { return list_; }
    QKeySequenceEdit* KeyField() const { return key_; }
    void SetHotkeyClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillList();
    void Report(const FileResult& result);

    MessageBoxes& boxes_;
    std::unique_ptr<THotkeyEditor> editor_;
    QComboBox* chooser_;
    QTableWidget* list_;
    QKeySequenceEdit* key_;
};

}  // namespace kurvo
