// kurvo32 render with workspace files: --save-workspace, --open and a bare
// FILE.kvo, their exit codes and messages.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace kurvo {
namespace {

struct WorkspaceCli : ::testing::Test {
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    test::ProgramResult Render(std::vector<std::string> args) {
        args.insert(args.begin(), "render");
        return test::RunProgram(KURVO32_BIN, args);
    }
    QByteArray Bytes(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Line n (from 1) of a saved file.
    std::string Line(const char* name, int n) const {
        const QList<QByteArray> lines = Bytes(name).split('\n');
        return n <= lines.size() ? lines[n - 1].chopped(1).toStdString() : std::string("<none>");
    }
};

TEST_F(WorkspaceCli, SavesOpensAndSavesAgain) {
    const std::string first = Path("first.kvo"), second = Path("second"), picture = Path("p.png");
    // Saved before any plot: the window values from the view fields.
    auto r = Render({"--save-workspace", Path("empty.kvo")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Line("empty.kvo", 47), "20");
    EXPECT_EQ(Line("empty.kvo", 69), "-1");
    EXPECT_EQ(Line("empty.kvo", 170), "###Datasets");

    r = Render({"x^2", "sin(x)", "--save-workspace", first});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Line("first.kvo", 170), "x^2:y=");
    EXPECT_EQ(Line("first.kvo", 171), "sin(x):y=");
    // A bare FILE.kvo opens it; the name saved to is taken as given.
    r = Render({"-o", picture, first, "--save-workspace", second});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(picture)));
    EXPECT_EQ(Bytes("second"), Bytes("first.kvo"));
    // Open and save cycles keep the graphs in slots 0 and 1.
    for (int cycle = 0; cycle < 2; ++cycle) {
        r = Render({"--open", first, "--save-workspace", first});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    EXPECT_EQ(Line("first.kvo", 69), "1");
    EXPECT_EQ(Line("first.kvo", 172), "###Datasets");
}

TEST_F(WorkspaceCli, ExitCodes) {
    QFile old(dir.filePath("old.kvo"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("Kurvofile  Created with Kurvo32 v1.40 (32 bit Windows version)\r\n");
    old.close();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"--open", Path("missing.kvo"), "--save-workspace", Path("s.kvo")}, 1, "File not found"},
        {{"--open", Path("old.kvo"), "--save-workspace", Path("s.kvo")}, 1, "earlier version of Kurvo32"},
        {{"x", "--save-workspace", Path("no/such/folder/s.kvo")}, 1, "No such file or directory"},
        {{"--open", Path("old.kvo")}, 2, "-o FILE is required"},
        {{"--save-workspace"}, 2, "--save-workspace"},
    };
    for (const Case& c : cases) {
        const auto r = Render(c.args);
        EXPECT_EQ(r.exitCode, c.code) << c.err << "\n" << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace kurvo
