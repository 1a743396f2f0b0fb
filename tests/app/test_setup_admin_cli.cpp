// The administration dialogs of kurvo32 setup: what they print, their exit
// status and the files they leave.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace kurvo {
namespace {

struct SetupAdminCli : ::testing::Test {
    QTemporaryDir dir;
    std::string data = dir.path().toStdString();
    test::ProgramResult Setup(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--data", data});
        args.insert(args.begin(), "setup");
        return test::RunProgram(KURVO32_BIN, args, {"LC_ALL=C", "HOME=" + data});
    }
    QByteArray Read(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(SetupAdminCli, DialogsPrintTheirResultAndExitStatus) {
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* out;  // the start of standard output
    };
    const Case cases[] = {
        {{"password", "--check", "KURVO32"}, 0, "accepted\n"},
        {{"password", "--change", "kurvo32", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO"}, 0, "Password changed\n"},
        {{"password", "--check", "abcdefghijklmno"}, 0, "accepted\n"},
        {{"password", "--change", "abcdefghijklmno", "x", "x"}, 1, ""},
        {{"toolbar", "--deselect-all", "--check", "0,37", "--clear", "37"}, 0,
         "flat: 1\nlines: 0\nbutton bar: Open file\nrange bar: x min, x max, y min, y max\n"
         "formula bar: relation box, formula box\nformula box width: 751\n"},
        {{"toolbar", "--check", "43"}, 2, ""},
        {{"hotkeys", "--menu", "Zooms", "--set", "Zoom in=Ctrl+Shift+Z"}, 0, "Zoom in\tCtrl+Shift+Z\nZoom out\tF4\n"},
        {{"hotkeys", "--set", "Nowhere=F2"}, 2, ""},
        // In command-line order: File's row is set before Zooms is shown.
        {{"hotkeys", "--menu", "File", "--set", "Open=F12", "--menu=Zooms"}, 0, "Zoom in\tCtrl+Shift+Z\n"},
        {{"aliases", "--lookup", "quad"}, 0, "quad\n"},
        {{"initdir", "--set", "/tmp/k y"}, 0, "/tmp/k y\n"},
        {{"initdir"}, 0, "/tmp/k y\n"},
    };
    for (const Case& c : cases) {
        const auto r = Setup(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args[0] << " " << c.args[1] << ": " << r.err;
        EXPECT_EQ(r.out.substr(0, std::string(c.out).size()), c.out) << c.args[0] << " " << c.args[1];
    }
    EXPECT_EQ(Read("pass.dat"), QByteArray("\x0C" "ABCDEFGHIJKL", 13));
    EXPECT_EQ(Read("tbrcfg.dat").toHex(), "0100" + QByteArray("01") + QByteArray(84, '0'));
    EXPECT_TRUE(Read("hotkeys.txt").contains("\r\nZoom in:Ctrl+Shift+Z\r\nZoom out:F4\r\n"));
    EXPECT_TRUE(Read("hotkeys.txt").startsWith("&Open:F12\r\n"));
    EXPECT_EQ(Read("initdir.txt"), "/tmp/k y\r\n");
}

TEST_F(SetupAdminCli, WrongAliasListLeavesTheFileAlone) {
    const QString good = dir.filePath("good.txt"), bad = dir.filePath("bad.txt");
    QFile g(good), b(bad);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
    g.write("x^2-3x+2:quad\r\n\r\n");
    b.write("x^2:sq\r\n   \r\n");
    g.close();
    b.close();
    EXPECT_EQ(Setup({"aliases", "--replace", good.toStdString()}).exitCode, 0);
    const auto refused = Setup({"aliases", "--replace", bad.toStdString()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Information: There are errors in your alias list.\n");
    EXPECT_EQ(Read("cartal.txt"), "x^2-3x+2:quad\r\n\r\n");
    EXPECT_EQ(Setup({"aliases", "--lookup", "Quad"}).out, "x^2-3x+2\n");
}

}  // namespace
}  // namespace kurvo
