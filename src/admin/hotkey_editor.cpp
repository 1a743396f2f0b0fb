#include "admin/hotkey_editor.h"

namespace kurvo {

const std::array<const char*, 6>& HotkeyChooserTexts() {
    static const std::array<const char*, 6> texts{"File", "Settings", "Zooms", "Editors", "Data Sets", "Help"};
    return texts;
}

THotkeyEditor::THotkeyEditor(std::vector<HotkeyMenu> menus, QString hotkeysFile)
    : menus_(std::move(menus)), file_(std::move(hotkeysFile)) {}

void THotkeyEditor::Show() {
    rows_.clear();
    for (const HotkeyLine& entry : menus_[static_cast<size_t>(chosen_)].entries)
        rows_.push_back({CaptionWithoutMarkers(entry.caption), entry.shortcut});
}

void THotkeyEditor::SetHotkey(size_t row, const std::string& shortcut) {
    if (row < rows_.size()) rows_[row].shortcut = shortcut;
}

FileResult THotkeyEditor::Choose(int menu) {
    const FileResult saved = ApplyAndSave();
    chosen_ = menu;
    Show();
    return saved;
}

FileResult THotkeyEditor::ApplyAndSave() {
    auto& entries = menus_[static_cast<size_t>(chosen_)].entries;
    for (size_t i = 0; i < entries.size() && i < rows_.size(); ++i) {
        entries[i].shortcut = rows_[i].shortcut;
        if (OnApply) OnApply(chosen_, i, rows_[i].shortcut);
    }
    return WriteTextLines(file_, HotkeyFileLinesOf(menus_));
}

}  // namespace kurvo
