// The menu table and hotkeys.txt matched to its entries by position.
#include <gtest/gtest.h>

#include "admin/menu_table.h"

namespace kurvo {
namespace {

TEST(MenuTable, HotkeyLinesGoByPositionAcrossTheSixMenus) {
    std::vector<HotkeyMenu> menus = DefaultHotkeyMenus();
    ASSERT_EQ(menus.size(), 6u);
    EXPECT_EQ(menus[0].caption, "&File");
    EXPECT_EQ(menus[4].caption, "Data Sets");
    EXPECT_EQ(menus[5].caption, "&Help");
    const std::vector<std::string> defaults = HotkeyFileLinesOf(menus);
    EXPECT_EQ(defaults.front(), "&Open:Ctrl+O");
    EXPECT_EQ(defaults.back(), "&About:");

    // Eleven File entries less three separators: line 8 is the first of
    // Settings. A line without ":" gives no shortcut; missing lines too.
    std::vector<std::string> lines(9, "x:");
    lines[0] = "&Open:Ctrl+K";
    lines[1] = "no colon";
    lines[8] = "&Cartesian:F9";
    ApplyHotkeyLines(menus, lines);
    EXPECT_EQ(menus[0].entries[0].shortcut, "Ctrl+K");
    EXPECT_EQ(menus[0].entries[1].shortcut, "");
    EXPECT_EQ(menus[1].entries[0].caption, "&Cartesian");
    EXPECT_EQ(menus[1].entries[0].shortcut, "F9");
    EXPECT_EQ(menus[2].entries[0].shortcut, "");  // Zoom in lost its F5
    EXPECT_EQ(HotkeyFileLinesOf(menus).size(), defaults.size());
}

}  // namespace
}  // namespace kurvo
