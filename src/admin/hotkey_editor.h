#pragma once
// The hot key editor's logic: a menu chooser, the rows of the chosen menu
// (caption without "&", shortcut text) and the apply-and-save that every
// ending and every menu switch runs. The window gives the menus as its
// actions stand and applies the result to them; `kurvo32 setup hotkeys`
// gives the menu table with hotkeys.txt.
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "admin/menu_table.h"
#include "workspace/data_files.h"

namespace kurvo {

// The chooser's texts, in the menus' order.
const std::array<const char*, 6>& HotkeyChooserTexts();

class THotkeyEditor {
public:
    struct Row {
        std::string caption;   // "&" removed
        std::string shortcut;  // portable text, "" for none
    };

    // `menus`: the six hot-key menus as they stand; `hotkeysFile` is
    // rewritten by every apply and save.
    THotkeyEditor(std::vector<HotkeyMenu> menus, QString hotkeysFile);

    int Chosen() const { return chosen_; }
    const std::vector<Row>& Rows() const { return rows_; }
    const std::vector<HotkeyMenu>& Menus() const { return menus_; }

    // Showing: the rows of the chosen menu, first row selected.
    void Show();
    // "Set &hotkey": the row takes the key field's combination.
    void SetHotkey(size_t row, const std::string& shortcut);
    // The chooser: applies and saves the menu shown, then fills the rows of
    // `menu`.
    FileResult Choose(int menu);
    // "&OK", "&Cancel", the close box: all apply and save.
    FileResult End() { return ApplyAndSave(); }

    // Called for each entry of the menu shown when rows are applied, so the
    // running program takes the shortcuts at once.
    std::function<void(int menu, size_t entry, const std::string& shortcut)> OnApply;

private:
    FileResult ApplyAndSave();

    std::vector<HotkeyMenu> menus_;
    QString file_;
    int chosen_ = 0;
    std::vector<Row> rows_;
};

}  // namespace kurvo
