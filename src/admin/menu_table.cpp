#include "admin/menu_table.h"

#include "workspace/data_files.h"

namespace kurvo {

const std::vector<MenuDef>& MainMenus() {
    static const std::vector<MenuDef> menus{
        {"&File",
         {{"&Open", "Ctrl+O"},
          {"Save as &KurvoFile", "Ctrl+S"},
          {"Save As &Dataset", ""},
          {"Save as &Picture", ""},
          {"-", ""},
          {"&Print", "Ctrl+P"},
          {"Printer Setup", ""},
          {"-", ""},
          {"Import Datafiles to Documents folder", ""},
          {"-", ""},
          {"E&xit", "Ctrl+Q"}},
         true},
        {"&Settings",
         {{"&Cartesian", ""},
          {"&Polar", ""},
          {"&Implicit", ""},
          {"&Parametric", ""},
          {"-", ""},
          {"&Radians", ""},
          {"De&grees", ""},
          {"-", ""},
          {"Automatic &y-scaling", ""},
          {"Show C&oordinate Info", ""},
          {"Show &Tangent to graph", ""},
          {"Plot D&erived Function", ""},
          {"Plot I&ntegral Function", ""},
          {"-", ""},
          {"&Delete Graphs", ""},
          {"&Add formula to file", ""},
          {"E&nvironment", ""},
          {"-", ""},
          {"&Configure Toolbar  (Admin only)", ""},
          {"Configure Hotkeys  (Admin only)", ""},
          {"Configure Initial Directory  (Admin only)", ""},
          {"Set P&assword (Admin only)", ""}},
         true},
        {"&Zooms",
         {{"Zoom in", "F5"},
          {"Zoom out", "F4"},
          {"Move graph", "F6"},
          {"-", ""},
          {"&Square x  and y axes", ""},
          {"S&quare graph shape", ""},
          {"-", ""},
          {"&Undo last action", "Ctrl+Z"}},
         true},
        {"&Editors",
         {{"&Constants", ""},
          {"F&unctions", ""},
          {"&Formulae", ""},
          {"Fa&milies", ""},
          {"&Coordinate Sets", ""},
          {"-", ""},
          {"Function Aliases  (Admin only)", ""}},
         true},
        {"Data Sets",
         {{"Descriptive &Transformations", ""},
          {"&Matrix Tranformations", ""},
          {"&Statistics", ""},
          {"&Regression", ""}},
         true},
        {"Calculators",
         {{"Simple Calculator", ""},
          {"Scientific Calculator", ""},
          {"Quadratics", ""},
          {"Simultaneous", ""}},
         false},
        {"&Help",
         {{"Kurvo &Help Contents", "F1"},
          {"Kurvo Help &Tutorial", ""},
          {"&Calculators Help", ""},
          {"-", ""},
          {"&About", ""}},
         true},
    };
    return menus;
}

std::vector<HotkeyMenu> DefaultHotkeyMenus() {
    std::vector<HotkeyMenu> out;
    for (const MenuDef& menu : MainMenus()) {
        if (!menu.hotkeys) continue;
        HotkeyMenu m{menu.caption, {}};
        for (const MenuEntryDef& e : menu.entries)
            if (!e.IsSeparator()) m.entries.push_back({e.caption, e.shortcut});
        out.push_back(std::move(m));
    }
    return out;
}

void ApplyHotkeyLines(std::vector<HotkeyMenu>& menus, const std::vector<std::string>& lines) {
    size_t next = 0;
    for (HotkeyMenu& menu : menus)
        for (HotkeyLine& entry : menu.entries) entry.shortcut = ShortcutOfLine(LineOr(lines, next++));
}

std::vector<std::string> HotkeyFileLinesOf(const std::vector<HotkeyMenu>& menus) {
    std::vector<std::string> lines;
    for (const HotkeyMenu& menu : menus)
        for (const HotkeyLine& entry : menu.entries) lines.push_back(FormatHotkeyLine(entry));
    return lines;
}

}  // namespace kurvo
