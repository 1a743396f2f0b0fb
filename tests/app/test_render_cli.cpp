// kurvo32 render, run as a program: exit codes, messages, the picture.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "plot/settings_record.h"
#include "support/run_program.h"

namespace kurvo {
namespace {

using test::ProgramResult;
using test::RunProgram;

struct RenderCli : ::testing::Test {
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    ProgramResult Render(std::vector<std::string> args) {
        args.insert(args.begin(), "render");
        return RunProgram(KURVO32_BIN, args);
    }
    // Whether a pixel of `colour` lies within `slack` rows of (x, y).
    static bool ColourNear(const QImage& image, int x, int y, QColor colour, int slack = 1) {
        for (int dy = -slack; dy <= slack; ++dy)
            if (image.pixelColor(x, y + dy).rgb() == colour.rgb()) return true;
        return false;
    }
};

TEST_F(RenderCli, PlotsFormulasAndWritesThePicture) {
    const std::string out = Path("a.png");
    const auto r = Render({"-o", out, "2x+1", "x\xC2\xB2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 600));
    // View -10..10 both ways on 800x600: 40 pixels per x unit, 30 per y unit.
    // y = 2x+1 at x = 1 is y = 3: column 440, row 600 - 13 * 30 = 210, in
    // the first graph colour (green).
    EXPECT_TRUE(ColourNear(image, 440, 210, QColor(0, 128, 0)));
    // y = x² at x = 2 is 4: column 480, row 180, in the second colour (navy).
    EXPECT_TRUE(ColourNear(image, 480, 180, QColor(0, 0, 128)));
    // Background silver away from everything.
    EXPECT_EQ(image.pixelColor(795, 5).rgb(), QColor(192, 192, 192).rgb());
}

TEST_F(RenderCli, SizeViewAndBitmapOutput) {
    const std::string out = Path("b.BMP");
    const auto r = Render({"--size", "300x200", "--view", "0,2p,-1,1", "-o", out, "sin x"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(300, 200));
    // sin x peaks at x = p/2, a quarter of the way across, at the top edge.
    EXPECT_TRUE(ColourNear(image, 75, 0, QColor(0, 128, 0), 2));
}

TEST_F(RenderCli, SetChangesSettingsFields) {
    const std::string out = Path("c.png");
    const auto r = Render({"--set", "GraphColours[0]=0x0000FF", "--set", "BackgroundColour=0xFFFFFF",
                           "--set", "ShowGrid=0", "-o", out, "2x+1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QImage image(QString::fromStdString(out));
    EXPECT_TRUE(ColourNear(image, 440, 210, QColor(255, 0, 0)));  // 0x0000FF is red
    EXPECT_EQ(image.pixelColor(795, 5).rgb(), QColor(255, 255, 255).rgb());
}

TEST_F(RenderCli, BadOptionsExitWithTwo) {
    const std::string out = Path("d.png");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"--set", "NoSuchField=1", "-o", out, "x"}, "unknown settings field"},
        {{"--set", "ShowGrid=2", "-o", out, "x"}, "ShowGrid"},
        {{"--set", "GraphColours[5]=0xFF", "-o", out, "x"}, "GraphColours"},
        {{"--set", "GraphColours=0xFF", "-o", out, "x"}, "array"},
        {{"--set", "FontSize=big", "-o", out, "x"}, "FontSize"},
        {{"x"}, "-o"},
        {{"-o", Path("e.jpg"), "x"}, ".png"},
        {{"--size", "0x10", "-o", out, "x"}, "--size"},
        {{"--mode", "spherical", "-o", out, "x"}, "--mode"},
        {{"--bogus", "-o", out, "x"}, "--bogus"},
        {{"--bogus=1", "-o", out, "x"}, "'--bogus'"},
        {{"-o", out, "x", "--view"}, "'--view'"},
        {{"--degrees=1", "-o", out, "x"}, "'--degrees'"},
        // A view edge that is no finite number is refused where it enters.
        {{"--view", "inf,10,-1,1", "-o", out, "x"}, "--view: 'inf'"},
        {{"--view", "0,10^400,-1,1", "-o", out, "x"}, "--view: '10^400'"},
        {{"--t", "1/0,1", "-o", out, "x"}, "--t: '1/0'"},
    };
    for (const Case& c : cases) {
        const auto r = Render(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.message << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
}

TEST_F(RenderCli, ExtremeWidthsAndFontSizesStillDraw) {
    int n = 0;
    for (const char* set : {"GraphLineWidth=2147483647", "AxisLineWidth=2147483647", "GridLineWidth=2147483647",
                            "FontSize=-2147483648", "FontSize=2147483647"}) {
        const std::string out = Path(("w" + std::to_string(n++) + ".png").c_str());
        const auto r = Render({"--set", set, "-o", out, "2x+1"});
        ASSERT_EQ(r.exitCode, 0) << set << "\n" << r.err;
        EXPECT_TRUE(ColourNear(QImage(QString::fromStdString(out)), 440, 210, QColor(0, 128, 0))) << set;
    }
}

TEST_F(RenderCli, DamagedSettingsFileIsReportedAndLeftAlone) {
    QFile settings(dir.filePath("sett.dat"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QByteArray(1528, '\xFF'));
    settings.close();
    const std::string out = Path("d.png");
    const auto r = Render({"--data", dir.path().toStdString(), "-o", out, "2x+1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("sett.dat is damaged: XMin is not a finite number. The default settings are used."),
              std::string::npos) << r.err;
    EXPECT_TRUE(ColourNear(QImage(QString::fromStdString(out)), 440, 210, QColor(0, 128, 0)));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray(1528, '\xFF'));
}

TEST_F(RenderCli, GraphModes) {
    const QColor green(0, 128, 0);
    struct Case {
        std::vector<std::string> options;
        const char* formula;
        int x, y;  // a pixel the curve passes through (800x600, -10..10)
    };
    const std::vector<Case> cases = {
        // r = 2 at t = pi/4: (1.414, 1.414), column 457, row 258.
        {{"--mode", "polar"}, "2", 457, 258},
        // x = 3cos t, y = 3sin t at t = pi/4: (2.121, 2.121), column 485, row 236.
        {{"--parametric"}, "3cos(t),3sin(t)", 485, 236},
        // x^2 + y^2 = 16 at x = 2: y = 3.464, column 480, row 196.
        {{"--mode", "implicit"}, "x\xC2\xB2+y\xC2\xB2=16", 480, 196},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string out = Path(("mode" + std::to_string(n++) + ".png").c_str());
        std::vector<std::string> args = c.options;
        for (const std::string& a : {std::string("-o"), out, std::string(c.formula)}) args.push_back(a);
        const auto r = Render(args);
        ASSERT_EQ(r.exitCode, 0) << c.formula << "\n" << r.err;
        QImage image(QString::fromStdString(out));
        EXPECT_TRUE(ColourNear(image, c.x, c.y, green)) << c.formula;
    }
}

TEST_F(RenderCli, UnwritableOutputExitsWithTwo) {
    const auto r = Render({"-o", Path("missing/dir/f.png"), "x"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("The picture could not be saved: "), std::string::npos) << r.err;
}

TEST_F(RenderCli, FullDiskExitsWithTwoAndSaysWhy) {
    const QString full = dir.filePath("full.png");
    ASSERT_TRUE(QFile::link("/dev/full", full));
    const auto r = Render({"-o", full.toStdString(), "x"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
}

TEST_F(RenderCli, OptionSpellingsAndVersion) {
    const std::string out = Path("s.png");
    auto r = Render({"--view=0,2p,-1,1", "--size=300x200", "-o", out, "--", "-x"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // y = -x at x = 0.5: column 24, row 150 of 300x200 over 0..2p, -1..1.
    EXPECT_TRUE(ColourNear(QImage(QString::fromStdString(out)), 24, 150, QColor(0, 128, 0), 2));
    r = Render({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("kurvo32 ", 0), 0u) << r.out;
}

TEST_F(RenderCli, MessageBoxesGoToStderrAndExitWithOne) {
    const std::string out = Path("g.png");
    const auto r = Render({"-o", out, "x", "2x+", "x^2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Error: Error parsing expression"), std::string::npos) << r.err;
    // The other formulas were plotted and the picture written.
    QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(ColourNear(image, 600, 150, QColor(0, 128, 0)));  // y = x at x = 5
    EXPECT_TRUE(ColourNear(image, 480, 180, QColor(0, 0, 0)));    // y = x^2 at x = 2, slot 2
}

TEST_F(RenderCli, NegativeFormulaIsNotAnOption) {
    const std::string out = Path("h.png");
    const auto r = Render({"-o", out, "-x", "--", "-o"});  // the constant o, not an option
    EXPECT_EQ(r.exitCode, 0) << r.err;
    QImage image(QString::fromStdString(out));
    EXPECT_TRUE(ColourNear(image, 600, 450, QColor(0, 128, 0)));  // y = -x at x = 5
}

TEST_F(RenderCli, DataFolderSuppliesSettingsAndAliases) {
    SettingsRecord s = DefaultSettings();
    s.BackgroundColour = 0x00FFFFFF;
    s.GraphColours[0] = 0x000000FF;
    s.LastGraph = 42;  // start-up resets it
    const auto bytes = Serialize(s);
    QFile settings(dir.filePath("SETT.DAT"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    settings.close();
    QFile aliases(dir.filePath("CartAL.txt"));
    ASSERT_TRUE(aliases.open(QIODevice::WriteOnly));
    aliases.write("2x+1:line\r\n");
    aliases.close();

    const std::string out = Path("i.png");
    const auto r = Render({"--data", dir.path().toStdString(), "-o", out, "Line"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QImage image(QString::fromStdString(out));
    EXPECT_TRUE(ColourNear(image, 440, 210, QColor(255, 0, 0)));
    EXPECT_EQ(image.pixelColor(795, 5).rgb(), QColor(255, 255, 255).rgb());
}

TEST_F(RenderCli, HelpDescribesTheOptions) {
    const auto r = Render({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* option : {"-o FILE", "--size", "--view", "--t", "--plot-step", "--relation",
                               "--degrees", "--auto-y", "--mode", "--set", "--data"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace kurvo
