// The program under attack: targets that are not regular files, work and
// memory that grow without bound, and failures part way through. Every run
// has a time and address-space limit, so a fault that comes back fails
// the test instead of hanging or swapping the machine.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/test_support.h"

namespace kurvo {
namespace {

constexpr int kKilled = 128 + SIGALRM;

struct AttackCli : ::testing::Test {
    QTemporaryDir dir;
    std::string data = dir.path().toStdString();
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    test::ProgramResult Run(std::vector<std::string> args, unsigned seconds = 30) {
        return test::RunProgramLimited(KURVO32_BIN, args, {seconds, size_t(1536) << 20}, {"LC_ALL=C"});
    }
    void Write(const char* name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Bytes(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Fifo(const char* name) const { ASSERT_EQ(mkfifo(Path(name).c_str(), 0600), 0) << name; }
};

TEST_F(AttackCli, NonRegularTargetsAreRefusedAtOnceWithPathAndReason) {
    struct Case {
        const char* fifo;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"o.png", {"render", "-o", Path("o.png"), "x"}},
        {"o.bmp", {"render", "-o", Path("o.bmp"), "x"}},
        {"o.gif", {"render", "-o", Path("o.gif"), "x"}},
        {"o.svg", {"render", "-o", Path("o.svg"), "x"}},
        {"w.kvo", {"render", "x", "--save-workspace", Path("w.kvo")}},
        {"e.csv", {"render", "x", "--export", Path("e.csv")}},
        {"p.pdf", {"print", "-o", Path("p.pdf"), "x"}},
        {"Cartfun.txt", {"setup", "functions", "--data", data, "f=x+1"}},
        {"list.txt", {"setup", "presets", "--data", data, "--replace", Path("list.txt")}},
    };
    for (const Case& c : cases) {
        Fifo(c.fifo);
        const auto r = Run(c.args);
        EXPECT_NE(r.exitCode, kKilled) << c.fifo << " blocked";
        EXPECT_NE(r.exitCode, 0) << c.fifo;
        EXPECT_NE(r.err.find(Path(c.fifo) + ": Not a regular file"), std::string::npos) << c.fifo << ": " << r.err;
        QFile::remove(dir.filePath(c.fifo));
    }
    // A device that cannot block takes the bytes.
    ASSERT_TRUE(QFile::link("/dev/null", dir.filePath("null.png")));
    EXPECT_EQ(Run({"render", "-o", Path("null.png"), "x"}).exitCode, 0);
}

TEST_F(AttackCli, PrintGoesThroughTheOneWriter) {
    Write("old.pdf", "old");
    ASSERT_TRUE(QFile::link(dir.filePath("old.pdf"), dir.filePath("link.pdf")));
    // A full disk: the old file is kept and the command fails.
    test::ProgramResult r;
    test::WithFileSizeLimit(1000, [&] { r = Run({"print", "-o", Path("old.pdf"), "x"}); });
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_NE(r.err.find(Path("old.pdf")), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Page:"), std::string::npos);
    EXPECT_EQ(Bytes("old.pdf"), "old");
    // A link is written through; a new file gets 0666 less the umask.
    r = Run({"print", "-o", Path("link.pdf"), "x"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(QFileInfo(dir.filePath("link.pdf")).isSymLink());
    EXPECT_TRUE(Bytes("old.pdf").startsWith("%PDF"));
    const mode_t mask = umask(022);
    r = Run({"print", "-o", Path("new.pdf"), "x"});
    umask(mask);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    struct stat info {};
    ASSERT_EQ(stat(Path("new.pdf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(AttackCli, AFileThatCannotBeLoadedChangesNothing) {
    Write("three.csv", "a,b,c\r\n1,2,3\r\n");
    ASSERT_EQ(Run({"render", "cos x", "--save-workspace", Path("good.kvo")}).exitCode, 0);
    const QByteArray good = Bytes("good.kvo");
    const auto replaced = [&](const char* from, const char* to) {
        QByteArray b = good;
        return b.replace(from, to);
    };
    // The file with line `index` (from 0) replaced.
    const auto withLine = [&](qsizetype index, const QByteArray& line) {
        QList<QByteArray> lines = good.split('\n');
        lines[index] = line + "\r";
        return lines.join('\n');
    };
    const qsizetype familyActive = 26, plotStep = 110;
    ASSERT_EQ(good.split('\n')[familyActive], "F\r");
    ASSERT_EQ(good.split('\n')[plotStep], "256\r");
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"a data line that is no point", good + "abc,def\r\n#\r\n"},
        {"a formula that does not compile", replaced("cos x:y=", "cos(:y=")},
        {"a family of no graphs", withLine(familyActive, "T")},
        {"a plot step that is no number", withLine(plotStep, "2%6")},
    };
    for (const Case& c : cases) {
        Write("bad.kvo", c.bytes);
        const auto r = Run({"render", "--axis-labels", "time,speed", "--coords", "0,0\n1,3", "tan x", "--open",
                            Path("bad.kvo"), "--open", Path("three.csv"), "--print-state"});
        EXPECT_NE(r.out.find("Graph[0]=tan x:y="), std::string::npos) << c.what << "\n" << r.out << r.err;
        EXPECT_NE(r.out.find("YAxisLabel=speed"), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_NE(r.out.find("DataSetLine=1,3"), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_NE(r.out.find("DataSetImageCount=1"), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_FALSE(r.err.empty()) << c.what;
    }
}

TEST_F(AttackCli, SelfCallingFunctionsAndFineStepsStayBounded) {
    struct Case {
        std::vector<std::string> definitions;
        std::string call;
    };
    const Case cases[] = {
        {{"f=f(x)+f(x)"}, "f(2)"},
        {{"i=i(i(i(x)))"}, "i(2)"},
        {{"f=g(x)+h(x)", "g=f(x)*h(x)", "h=x"}, "f(2)"},
    };
    Write("Cartfun.txt", "");
    for (const Case& c : cases) {
        std::vector<std::string> setup{"setup", "functions", "--data", data};
        setup.insert(setup.end(), c.definitions.begin(), c.definitions.end());
        ASSERT_EQ(Run(setup).exitCode, 0) << c.call;
        const auto r = Run({"eval", "--data", data, c.call}, 20);
        EXPECT_NE(r.exitCode, kKilled) << c.call;
        EXPECT_NE(r.out.find("ndefined"), std::string::npos) << c.call << ": " << r.out << r.err;
    }
    // Ten graphs sampled a million times each: the picture's recording
    // grows with the picture, not with the samples.
    std::vector<std::string> render{"render", "-o", Path("p.svg"), "--plot-step", "1000000"};
    for (int k = 1; k <= 10; ++k) render.push_back("sin(" + std::to_string(k) + "x)");
    const auto r = Run(render, 120);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("bad_alloc"), std::string::npos) << r.err;
}

TEST_F(AttackCli, AContinuousTransformationKeepsNoHistory) {
    QByteArray points = "x,y\r\n";
    for (int i = 0; i < 100000; ++i)
        points += QByteArray::number(i % 1000 / 100.0) + "," + QByteArray::number(i / 1000 / 10.0) + "\r\n";
    Write("many.csv", points);
    // Thirty images of 100,000 points: 1.9 GB when every step was kept.
    const auto r = Run({"transform", "--translate", "0.01", "0.01", "--times", "30", Path("many.csv")}, 120);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Images: 31"), std::string::npos) << r.out.substr(r.out.size() - std::min<size_t>(r.out.size(), 200));
    EXPECT_EQ(r.err.find("bad_alloc"), std::string::npos);
}

TEST_F(AttackCli, TheFunctionFilesAreWrittenBothOrNeither) {
    Write("Cartfun.txt", "");
    ASSERT_EQ(Run({"setup", "functions", "--data", data, "f=x"}).exitCode, 0);
    const QByteArray source = Bytes("Cartfun.txt"), translated = Bytes("Cartfun_int.txt");
    const std::string locked = Path("Cartfun_int.txt");
    if (std::system(("chattr +i '" + locked + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "no immutable files here";
    const auto r = Run({"setup", "functions", "--data", data, "f=x+1"});
    std::system(("chattr -i '" + locked + "'").c_str());
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Cartfun"), std::string::npos) << r.err;
    EXPECT_EQ(Bytes("Cartfun.txt"), source);
    EXPECT_EQ(Bytes("Cartfun_int.txt"), translated);
}

TEST_F(AttackCli, TextThe8BitFilesCannotHoldIsConvertedOrRefused) {
    // Converted: "É" is one Windows-1252 byte.
    auto r = Run({"setup", "hotkeys", "--data", data, "--set", "Open=\u00e9"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Bytes("hotkeys.txt").contains("\xC9"));
    EXPECT_FALSE(Bytes("hotkeys.txt").contains("\xC3\x89"));
    Write("list.txt", "x\r\n\xE2\x88\x9Ax\r\n");  // "√x" in UTF-8
    Write("long.txt", "x\r\n" + QByteArray(100000, 'y') + "\r\n");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"initdir", "--set", "\u4e2d\u6587"}, "'\u4e2d' is not in the Windows-1252 code page"},
        {{"presets", "--replace", Path("list.txt")}, Path("list.txt") + ": line 2: '\u221a' is not in the Windows-1252"},
        {{"presets", "--replace", Path("long.txt")}, Path("long.txt") + ": line 2 is longer than 255 characters"},
        {{"presets", "--add", "\u221ax"}, "'\u221a' is not in the Windows-1252 code page"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"setup", c.args[0], "--data", data};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        r = Run(args);
        EXPECT_NE(r.exitCode, 0) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("initdir.txt")));
    EXPECT_FALSE(QFile::exists(dir.filePath("Cart.txt")));
}

}  // namespace
}  // namespace kurvo
