// The administration dialogs' logic against files built by hand: the
// password change, toolbar layout, hot key editor, alias check and the
// environment dialog's OK, with writes that fail keeping the old file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "admin/alias_list.h"
#include "admin/environment.h"
#include "admin/hotkey_editor.h"
#include "admin/password_dialogs.h"
#include "admin/password_record.h"
#include "admin/toolbar_layout.h"
#include "expr/errors.h"
#include "plot/fake_graph_host.h"
#include "workspace/data_files.h"

namespace kurvo {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `write` with files limited to 4 bytes, as a full disk looks.
template <class F>
auto WithTinyFileLimit(F write) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{}, small{};
    getrlimit(RLIMIT_FSIZE, &old);
    small = old;
    small.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &small);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    return result;
}

class AdminFiles : public ::testing::Test {
protected:
    QString Path(const char* name) const { return QDir(dir_.path()).filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(AdminFiles, PasswordChangeNeedsTheExactOldPasswordAndWritesFirst) {
    struct Case {
        const char* old, *typedOld, *fresh, *repeat;
        const char* message;
        const char* stored;  // the record afterwards
    };
    const Case cases[] = {
        {"Teacher", "teacher", "x", "x", kIncorrectPassword, "Teacher"},
        {"Teacher", "Teacher", "abc", "abd", kPasswordsDiffer, "Teacher"},
        {"Teacher", "Teacher", "abcdefghijklmno", "abcdefghijklmno", kPasswordChanged, "abcdefghijkl"},
        {"", "", "", "", kPasswordChanged, ""},
    };
    for (const Case& c : cases) {
        std::string record = c.old;
        const PasswordChange r = ChangePassword(record, c.typedOld, c.fresh, c.repeat, Path("pass.dat"));
        EXPECT_EQ(r.message, c.message) << c.typedOld;
        EXPECT_EQ(record, c.stored) << c.typedOld;
    }
    // The last change wrote the empty password: length 0, twelve zeros.
    EXPECT_EQ(ReadAll(Path("pass.dat")), QByteArray(13, '\0'));

    // Afterwards all fifteen typed characters open the dialogs, but only
    // the twelve stored ones change the password.
    std::string record = "abcdefghijkl";
    EXPECT_TRUE(PasswordAccepted("ABCDEFGHIJKLMNO", record));
    EXPECT_EQ(ChangePassword(record, "abcdefghijklmno", "n", "n", Path("pass.dat")).message,
              kIncorrectPassword);

    // A write that fails keeps the old password, in memory and on disk.
    const QByteArray before = ReadAll(Path("pass.dat"));
    record = "";
    const PasswordChange failed =
        WithTinyFileLimit([&] { return ChangePassword(record, "", "secret", "secret", Path("pass.dat")); });
    EXPECT_FALSE(failed.changed);
    EXPECT_NE(failed.message.find("File too large"), std::string::npos) << failed.message;
    EXPECT_EQ(record, "");
    EXPECT_EQ(ReadAll(Path("pass.dat")), before);
}

TEST_F(AdminFiles, ToolbarLayoutFollowsTheChosenEntries) {
    TToolbarConfig dialog;
    dialog.Show(DefaultToolbar());
    EXPECT_EQ(DescribeLayout(dialog.Record(), 800)[5], "formula box width: 678");

    // No entry 0-30: no button bar; no Plot Graph: the box is 73 wider.
    for (int i = 0; i <= toolbar::LastButtonBarEntry; ++i) dialog.Checks[i] = false;
    dialog.Checks[toolbar::PlotGraph] = false;
    dialog.Checks[toolbar::TMinField] = false;
    dialog.Flat = false;
    dialog.Lines = true;
    const std::vector<std::string> expected{
        "flat: 0",
        "lines: 1",
        "range bar: t max field, x min, x max, y min, y max, Separator, Auto scaling, Square graph",
        "formula bar: relation box, formula box, Separator, Separator, Save to file, Separator, "
        "x squared, x cubed",
        "formula box width: 751",
    };
    EXPECT_EQ(DescribeLayout(dialog.Record(), 800), expected);

    ASSERT_TRUE(dialog.OK(Path("tbrcfg.dat")).ok());
    QByteArray bytes(45, '\1');
    bytes[0] = 0;
    for (int i = 0; i <= 31; ++i) bytes[2 + i] = 0;  // entries 0-30 and t min
    bytes[2 + toolbar::PlotGraph] = 0;
    EXPECT_EQ(ReadAll(Path("tbrcfg.dat")), bytes);
}

TEST_F(AdminFiles, HotkeyEditorSavesEveryMenuOnEachSwitchAndEnding) {
    std::vector<std::pair<int, std::string>> applied;
    THotkeyEditor editor(DefaultHotkeyMenus(), Path("hotkeys.txt"));
    editor.OnApply = [&](int menu, size_t entry, const std::string& s) {
        if (entry == 0) applied.emplace_back(menu, s);
    };
    editor.Show();
    EXPECT_EQ(editor.Rows()[0].caption, "Open");
    EXPECT_EQ(editor.Rows()[0].shortcut, "Ctrl+O");
    editor.SetHotkey(1, "Ctrl+Shift+S");
    ASSERT_TRUE(editor.Choose(2).ok());  // Zooms: the File edit is saved
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(Path("hotkeys.txt"), lines).ok());
    EXPECT_EQ(lines[0], "&Open:Ctrl+O");
    EXPECT_EQ(lines[1], "Save as &KurvoFile:Ctrl+Shift+S");
    EXPECT_EQ(editor.Rows()[0].caption, "Zoom in");
    editor.SetHotkey(0, "");
    ASSERT_TRUE(editor.End().ok());
    ASSERT_TRUE(ReadTextLines(Path("hotkeys.txt"), lines).ok());
    EXPECT_EQ(lines, HotkeyFileLinesOf(editor.Menus()));
    EXPECT_EQ(editor.Menus()[2].entries[0].shortcut, "");
    EXPECT_TRUE(ReadAll(Path("hotkeys.txt")).startsWith("&Open:Ctrl+O\r\nSave as &KurvoFile:Ctrl+Shift+S\r\n"));
    EXPECT_EQ(applied, (std::vector<std::pair<int, std::string>>{{0, "Ctrl+O"}, {2, ""}}));
}

TEST_F(AdminFiles, AliasListIsCheckedBeforeItIsWritten) {
    const QString path = Path("cartal.txt");
    ASSERT_TRUE(WriteTextLines(path, {"x^2:sq"}).ok());
    struct Case {
        std::vector<std::string> lines;
        const char* message;
    };
    const Case cases[] = {
        {{"x^2-3x+2:quad", "", "2x:dbl"}, ""},           // a blank line is allowed
        {{"x^2-3x+2:quad", "   "}, kAliasListErrors},     // spaces are not empty
        {{"x^2-3x+2 quad"}, kAliasListErrors},
    };
    for (const Case& c : cases) {
        const QByteArray before = ReadAll(path);
        EXPECT_EQ(SaveAliasList(path, c.lines), c.message);
        if (*c.message) EXPECT_EQ(ReadAll(path), before);
    }
    EXPECT_EQ(ReadAll(path), "x^2-3x+2:quad\r\n\r\n2x:dbl\r\n");
    EXPECT_EQ(AliasPrintLines({"x^2:sq", "none", "a:b:c"}, true),
              (std::vector<std::string>{"sq", "", "b:c"}));
}

TEST_F(AdminFiles, EnvironmentOkTakesTheControlsInOrderAndWritesTheRecord) {
    test::FakeHost window;
    SettingsRecord s = DefaultSettings();
    s.TMin = -1;
    s.TMax = 7;
    EnvironmentControls c;
    window.step = "1024";
    LoadEnvironmentControls(c, s, window);
    EXPECT_EQ(c.PlotStep, 1024);
    EXPECT_EQ(c.GraphLineWidth, std::to_string(s.GraphLineWidth));

    // A width that is not an integer: colours before it are taken, the
    // flags after it are not, nothing is written.
    c.BackgroundColour = 0x00123456;
    c.AxisLineWidth = "2.5";
    c.ShowGrid = !s.ShowGrid;
    const bool grid = s.ShowGrid;
    EXPECT_THROW(EnvironmentOK(c, s, window, dir_.path()), EConvertError);
    EXPECT_EQ(s.BackgroundColour, 0x00123456u);
    EXPECT_EQ(s.ShowGrid, grid);
    EXPECT_FALSE(QFile::exists(Path("sett.dat")));

    // Hidden t fields keep the stored t range.
    c.AxisLineWidth = "3";
    window.tFields = false;
    window.fields = {"99", "99", "-2", "2", "-3", "3"};
    c.PlotStep = 384;
    ASSERT_EQ(EnvironmentOK(c, s, window, dir_.path()), "");
    const SettingsRecord saved = Deserialize(reinterpret_cast<const uint8_t*>(ReadAll(Path("sett.dat")).data()));
    EXPECT_EQ(saved.TMin, -1);
    EXPECT_EQ(saved.TMax, 7);
    EXPECT_EQ(saved.XMin, -2);
    EXPECT_EQ(saved.YMax, 3);
    EXPECT_EQ(saved.AxisLineWidth, 3);
    EXPECT_EQ(saved.ShowGrid, !grid);
    EXPECT_EQ(saved.PlotStepText, "384");
    EXPECT_EQ(ReadAll(Path("sett.dat")).size(), 1528);
}

}  // namespace
}  // namespace kurvo
