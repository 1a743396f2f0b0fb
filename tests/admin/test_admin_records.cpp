// pass.dat and tbrcfg.dat against bytes built by hand, the password check
// and the hotkeys.txt line format.
#include <gtest/gtest.h>

#include <string>

#include "admin/hotkey_lines.h"
#include "admin/password_record.h"
#include "admin/toolbar_record.h"

namespace kurvo {
namespace {

TEST(PasswordRecordFile, BytesAreLengthThenTwelveCharacters) {
    const PasswordBytes expected = {5, 'T', 'e', 'a', 'c', 'h', 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(SerializePassword("Teach"), expected);
    EXPECT_EQ(DeserializePassword(expected.data()), "Teach");

    // Fifteen characters keep their first twelve.
    const auto cut = SerializePassword("abcdefghijklmno");
    EXPECT_EQ(cut[0], 12);
    EXPECT_EQ(std::string(cut.begin() + 1, cut.end()), "abcdefghijkl");

    const PasswordBytes empty{};
    EXPECT_EQ(DeserializePassword(empty.data()), "");

    // A damaged length byte never reads past the record.
    PasswordBytes damaged = {200, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l'};
    EXPECT_EQ(DeserializePassword(damaged.data()), "abcdefghijkl");
}

TEST(PasswordRecordFile, CheckIgnoresCaseAndLooksAtTwelveCharacters) {
    EXPECT_TRUE(PasswordAccepted("TEACHER", "Teacher"));
    EXPECT_TRUE(PasswordAccepted("teacher", "TeAcHeR"));
    EXPECT_FALSE(PasswordAccepted("teache", "teacher"));
    EXPECT_TRUE(PasswordAccepted("", ""));
    EXPECT_FALSE(PasswordAccepted("x", ""));
    // All fifteen typed characters are accepted against the twelve stored.
    EXPECT_TRUE(PasswordAccepted("abcdefghijklmno", "abcdefghijkl"));
    const auto stored = SerializePassword(kFirstPassword);
    EXPECT_TRUE(PasswordAccepted(kFirstPassword, DeserializePassword(stored.data())));
}

TEST(ToolbarRecordFile, BytesFollowTheEntryList) {
    ToolbarRecord record;
    record.FlatButtons = true;
    record.LinesBetween = false;
    record.Entries[0] = true;    // Open file
    record.Entries[17] = true;   // Plot step field
    record.Entries[42] = true;   // x cubed
    ToolbarBytes expected{};
    expected[0] = 1;
    expected[2 + 0] = 1;
    expected[2 + 17] = 1;
    expected[2 + 42] = 1;
    EXPECT_EQ(SerializeToolbar(record), expected);
    EXPECT_EQ(DeserializeToolbar(expected.data()), record);

    // The switches take any non-zero byte; an entry needs exactly 1.
    ToolbarBytes odd{};
    odd[0] = 7;
    odd[1] = 2;
    odd[2] = 2;
    odd[3] = 1;
    const ToolbarRecord read = DeserializeToolbar(odd.data());
    EXPECT_TRUE(read.FlatButtons);
    EXPECT_TRUE(read.LinesBetween);
    EXPECT_FALSE(read.Entries[0]);
    EXPECT_TRUE(read.Entries[1]);

    const auto all = SerializeToolbar(DefaultToolbar());
    for (int i = 0; i < kToolbarEntryCount; ++i) EXPECT_EQ(all[2 + i], 1) << i;
}

TEST(ToolbarRecordFile, EntryListHasTheFixedOrder) {
    const auto& entries = ToolbarEntries();
    EXPECT_STREQ(entries.front().caption, "Open file");
    EXPECT_STREQ(entries.back().caption, "x cubed");
    EXPECT_STREQ(entries[toolbar::PlotGraph].caption, "Plot Graph");
    EXPECT_STREQ(entries[toolbar::PlotStepField].caption, "Plot step field");
    EXPECT_STREQ(entries[toolbar::TMinField].caption, "t min field");
    EXPECT_STREQ(entries[toolbar::GraphCoordinates].caption, "Graph coordinates");
    EXPECT_STREQ(entries[toolbar::XSquared].hint, "Type the \xB2 symbol");
    // Pictures 0 to 24 are each used once, in list order.
    int next = 0;
    for (const auto& e : entries)
        if (e.picture >= 0) EXPECT_EQ(e.picture, next++) << e.caption;
    EXPECT_EQ(next, 25);
}

TEST(HotkeyLines, TextAfterTheFirstColonIsTheShortcut) {
    EXPECT_EQ(ShortcutOfLine("&Open:Ctrl+O"), "Ctrl+O");
    EXPECT_EQ(ShortcutOfLine("&Open:"), "");
    EXPECT_EQ(ShortcutOfLine("no colon here"), "");
    EXPECT_EQ(ShortcutOfLine("a:b:c"), "b:c");
    EXPECT_EQ(FormatHotkeyLine({"&Open", "Ctrl+O"}), "&Open:Ctrl+O");
    EXPECT_EQ(CaptionWithoutMarkers("Save as &KurvoFile"), "Save as KurvoFile");
    EXPECT_EQ(CaptionWithoutMarkers("&&x"), "x");
}

}  // namespace
}  // namespace kurvo
