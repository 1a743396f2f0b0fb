// kurvo32 render's picture formats and kurvo32 print, run as programs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "support/run_program.h"

namespace kurvo {
namespace {

using test::ProgramResult;
using test::RunProgram;

struct OutputCli : ::testing::Test {
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    static QByteArray Bytes(const std::string& path) {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static ProgramResult Run(const char* command, std::vector<std::string> args) {
        args.insert(args.begin(), command);
        return RunProgram(KURVO32_BIN, args);
    }
};

TEST_F(OutputCli, EveryFormatByItsExtensionAndTheNamingRuleOfTheSaveDialog) {
    struct Case {
        std::vector<std::string> options;
        const char* file;
        const char* starts;
    } cases[] = {
        {{"-o", Path("a.gif")}, "a.gif", "GIF8"},
        {{"-o", Path("a.svg")}, "a.svg", "<?xml"},
        {{"-o", Path("a.PDF")}, "a.PDF", "%PDF"},
        {{"--save-picture", Path("g"), "--filter", "gif"}, "g.gif", "GIF"},
        {{"--save-picture", Path("h.bmp")}, "h.bmp", "BM"},
    };
    for (const auto& c : cases) {
        auto args = c.options;
        args.push_back("sin x");
        const auto r = Run("render", args);
        EXPECT_EQ(r.exitCode, 0) << c.file << ": " << r.err;
        EXPECT_TRUE(Bytes(Path(c.file)).startsWith(c.starts)) << c.file;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("h.bmp.bmp")));
    EXPECT_TRUE(Bytes(Path("a.svg")).contains(R"(width="800" height="600")"));
    EXPECT_EQ(Run("render", {"-o", Path("a.jpg"), "x"}).exitCode, 2);
}

TEST_F(OutputCli, ScaleDrawsLargerAndTheClipboardGivesThePictureBack) {
    ASSERT_EQ(Run("render", {"--size", "300x200", "-o", Path("one.png"), "x"}).exitCode, 0);
    ASSERT_EQ(Run("render", {"--size", "300x200", "--scale", "2", "-o", Path("two.png"), "x"}).exitCode, 0);
    ASSERT_EQ(Run("render", {"--size", "300x200", "--via-clipboard", "-o", Path("clip.png"), "x"}).exitCode, 0);
    EXPECT_EQ(QImage(dir.filePath("two.png")).size(), QSize(600, 400));
    EXPECT_EQ(QImage(dir.filePath("clip.png")).convertToFormat(QImage::Format_RGB32),
              QImage(dir.filePath("one.png")).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Run("render", {"--scale", "5", "-o", Path("x.png"), "x"}).exitCode, 2);
}

TEST_F(OutputCli, UnwritableOutputsExitTwoAndLeaveTheOldFile) {
    {
        QFile old(dir.filePath("keep.gif"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QDir(dir.path()).mkdir("folder.svg");
    const auto folder = Run("render", {"-o", Path("folder.svg"), "x"});
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_NE(folder.err.find("The picture could not be saved: "), std::string::npos) << folder.err;
    EXPECT_EQ(Run("render", {"-o", Path("none/x.pdf"), "x"}).exitCode, 2);
    EXPECT_EQ(Bytes(Path("keep.gif")), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.gif"});
}

TEST_F(OutputCli, PrintReportsThePageTheRectangleAndTheCaption) {
    // A4 at 300 dpi is about 2480 x 3508 printer pixels; a 2:1 area at 50 %
    // takes half the width and a quarter of the height, centred.
    auto r = Run("print", {"-o", Path("p.pdf"), "--size", "1000x500", "--percent", "50", "2x+1", "x\xC2\xB2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    int w = 0, h = 0;
    ASSERT_EQ(sscanf(r.out.c_str(), "Page: %d x %d", &w, &h), 2) << r.out;
    EXPECT_NEAR(w, 2480, 2);
    EXPECT_NEAR(h, 3508, 2);
    const int hw = w / 2, hh = h / 2, v = h / 4;
    const std::string rect = std::to_string(hw - hw * 50 / 100) + "," + std::to_string(hh - v * 50 / 100) + "," +
                             std::to_string(hw + hw * 50 / 100) + "," + std::to_string(hh + v * 50 / 100);
    EXPECT_EQ(r.out, "Page: " + std::to_string(w) + " x " + std::to_string(h) + "\nRectangle: " + rect +
                         "\nCaption: y= x\xC2\xB2\n");
    EXPECT_TRUE(Bytes(Path("p.pdf")).startsWith("%PDF"));

    r = Run("print", {"-o", Path("q.pdf"), "--page", "Letter", "--resolution", "100", "--mode", "polar", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(sscanf(r.out.c_str(), "Page: %d x %d", &w, &h), 2) << r.out;
    EXPECT_EQ(r.out, "Page: " + std::to_string(w) + " x " + std::to_string(h) + "\nRectangle: 0,0," +
                         std::to_string(w / 2 * 2) + "," + std::to_string(h / 2 * 2) + "\nCaption: y= 2\n");
    EXPECT_NEAR(w, 850, 1);
    EXPECT_NEAR(h, 1100, 1);

    const std::pair<const char*, const char*> refused[] = {
        {"5x", "'5x' is not a valid integer value"},
        {"-5", "The percentage must be from 0 to 1000."},
        {"100000", "The percentage must be from 0 to 1000."},
    };
    for (const auto& [percent, message] : refused) {
        r = Run("print", {"-o", Path("n.pdf"), "--percent", percent, "x"});
        EXPECT_EQ(r.exitCode, 1) << percent;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(dir.filePath("n.pdf")));
    }
    EXPECT_EQ(Run("print", {"-o", Path("p.png"), "x"}).exitCode, 2);
}

}  // namespace
}  // namespace kurvo
