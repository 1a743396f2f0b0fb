// The program's own command line, answered without a display, and the
// classroom folder as the headless dialogs see it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/test_support.h"

namespace kurvo {
namespace {

struct CommandLineCli : ::testing::Test {
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QByteArray Read(const std::string& path) const {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(CommandLineCli, AnsweredBeforeAnyDisplayIsTouched) {
    QFile existing(dir.filePath("notes.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    struct Case {
        std::vector<std::string> args;
        int exit;
        std::string out;  // the start of standard output
        std::string err;  // contained in standard error
    } cases[] = {
        {{"--version"}, 0, "kurvo32 0.1.0\n", ""},
        {{"-v"}, 0, "kurvo32 0.1.0\n", ""},
        {{"--help"}, 0, "Kurvo32 - a graph editor", ""},
        {{"-h"}, 0, "Kurvo32 - a graph editor", ""},
        {{"--bogus"}, 2, "", "unknown option '--bogus'"},
        {{"--version=1"}, 2, "", "unknown option '--version=1'"},
        {{"-platform", "offscreen"}, 2, "", "unknown option '-platform'"},
        {{"bogus"}, 2, "", "unknown command 'bogus'"},
        {{""}, 2, "", "unknown command ''"},
        {{"--"}, 2, "", "missing file after '--'"},
        {{"--", "-lesson"}, 2, "", "unknown command '-lesson'"},
        {{"lesson.kvo", "extra"}, 2, "", "unexpected argument 'extra'"},
        {{Path("notes.txt"), "render"}, 2, "", "unexpected argument 'render'"},
        {{"render", "--bogus"}, 2, "", "--bogus"},
    };
    const std::string home = Path("home");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "" : c.args[0]);
        // A window would need this display, which does not exist.
        const auto r = test::RunProgram(KURVO32_BIN, c.args,
                                        {"QT_QPA_PLATFORM=xcb", "DISPLAY=:4711", "WAYLAND_DISPLAY=",
                                         "HOME=" + home, "KURVO32_HOME=" + home + "/kurvo32"});
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        if (c.exit != 0) EXPECT_EQ(r.out, "");
    }
    // Nothing was created for any of them.
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(home)));
}

TEST_F(CommandLineCli, HelpListsEverySubcommand) {
    const auto r = test::RunProgram(KURVO32_BIN, {"--help"});
    for (const char* name : {"eval", "render", "print", "setup", "stats", "fit", "transform", "calc", "scical",
                             "quad", "solve", "--version"})
        EXPECT_NE(r.out.find(std::string("kurvo32 ") + name), std::string::npos) << name;
}

TEST_F(CommandLineCli, ClassroomToolbarWinsAndARefusedChangeNamesPathAndReason) {
    const std::string classroom = Path("etc"), user = Path("user");
    QDir().mkpath(QString::fromStdString(classroom));
    QDir().mkpath(QString::fromStdString(user));
    const std::vector<std::string> env = {"LC_ALL=C", "KURVO32_SYSTEM=" + classroom, "HOME=" + Path("home")};
    auto toolbar = [&](const std::string& data, std::vector<std::string> args) {
        args.insert(args.begin(), {"setup", "toolbar", "--data", data});
        return test::RunProgram(KURVO32_BIN, args, env);
    };
    // The pupil's own record, then the administrator's with three entries
    // left out.
    ASSERT_EQ(toolbar(user, {"--select-all"}).exitCode, 0);
    const auto own = toolbar(user, {});
    ASSERT_EQ(toolbar(classroom, {"--select-all", "--clear", "20,21,22"}).exitCode, 0);
    const QByteArray shared = Read(classroom + "/tbrcfg.dat");
    ASSERT_EQ(shared.size(), 45);

    const auto seen = toolbar(user, {});
    EXPECT_EQ(seen.exitCode, 0);
    EXPECT_NE(seen.out, own.out);
    EXPECT_EQ(seen.out, toolbar(classroom, {}).out);

    // A change the classroom folder cannot take is refused by path and
    // reason, and neither copy changes.
    const QByteArray mine = Read(user + "/tbrcfg.dat");
    test::ProgramResult refused;
    test::WithFileSizeLimit(10, [&] { refused = toolbar(user, {"--check", "20"}); });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find(classroom + "/tbrcfg.dat"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("File too large"), std::string::npos) << refused.err;
    EXPECT_EQ(Read(classroom + "/tbrcfg.dat"), shared);
    EXPECT_EQ(Read(user + "/tbrcfg.dat"), mine);
}

}  // namespace
}  // namespace kurvo
