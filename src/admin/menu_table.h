#pragma once
// The entries of the main window's menu bar, in order: the window builds
// its menus from this table and the hot key editor (window and setup
// command) walks it, so both agree on the positions hotkeys.txt relies on.
#include <string>
#include <vector>

#include "admin/hotkey_lines.h"

namespace kurvo {

struct MenuEntryDef {
    const char* caption;   // with its "&" markers; "-" is a separator
    const char* shortcut;  // the entry's own shortcut, portable text; "" for none
    bool IsSeparator() const { return caption[0] == '-' && caption[1] == '\0'; }
};

struct MenuDef {
    const char* caption;
    std::vector<MenuEntryDef> entries;
    bool hotkeys;  // one of the six menus whose entries take hot keys
};

// Every menu of the menu bar in bar order ("Calculators" takes no hot keys).
const std::vector<MenuDef>& MainMenus();

// A menu's hot-key entries: the non-separator entries with a shortcut each.
struct HotkeyMenu {
    std::string caption;
    std::vector<HotkeyLine> entries;
};

// The six hot-key menus with their own shortcuts, in hotkeys.txt order.
std::vector<HotkeyMenu> DefaultHotkeyMenus();

// hotkeys.txt lines given to the entries by position; lines past the end
// of the file read as empty, which removes the shortcut.
void ApplyHotkeyLines(std::vector<HotkeyMenu>& menus, const std::vector<std::string>& lines);
// hotkeys.txt as the menus stand: every entry, "caption:shortcut".
std::vector<std::string> HotkeyFileLinesOf(const std::vector<HotkeyMenu>& menus);

}  // namespace kurvo
