// kurvo32 setup environment: OK writes sett.dat from the controls and the
// view fields; a bad text stops it with the file untouched.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "plot/settings_record.h"
#include "support/run_program.h"

namespace kurvo {
namespace {

struct SetupEnvironmentCli : ::testing::Test {
    QTemporaryDir dir;
    std::string data = dir.path().toStdString();
    test::ProgramResult Setup(const char* dialog, std::vector<std::string> args) {
        args.insert(args.begin(), {"setup", dialog, "--data", data});
        return test::RunProgram(KURVO32_BIN, args, {"LC_ALL=C", "HOME=" + data});
    }
    QByteArray Read(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    SettingsRecord Settings() const {
        const QByteArray bytes = Read("sett.dat");
        EXPECT_EQ(bytes.size(), int(kSettingsRecordSize));
        return bytes.size() == int(kSettingsRecordSize) ? Deserialize(reinterpret_cast<const uint8_t*>(bytes.data()))
                                                        : DefaultSettings();
    }
};

TEST_F(SetupEnvironmentCli, RefusalsLeaveTheFileUntouched) {
    ASSERT_EQ(Setup("environment", {"SigFigs=9"}).exitCode, 0);
    const QByteArray before = Read("sett.dat");
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* err;
    };
    const Case cases[] = {
        // The dialog's own messages: taken up to the bad text, nothing written.
        {{"ShowGrid=0", "GraphLineWidth=2.5"}, 1, "'2.5' is not a valid integer value"},
        {{"FontSize=big"}, 1, "'big' is not a valid integer value"},
        {{"FontSize=100000"}, 1, "The font size must be from 1 to 200 points."},
        {{"FontSize=0"}, 1, "The font size must be from 1 to 200 points."},
        {{"FontSize=-5"}, 1, "The font size must be from 1 to 200 points."},
        {{"--view", "-1,1,y,2"}, 1, "'y' is not a valid floating point value"},
        // Outside a control's range, or no such control.
        {{"SigFigs=15"}, 2, "SigFigs"},
        {{"AxisLineWidth=0"}, 2, "AxisLineWidth"},
        {{"AutoLimitMax=-1"}, 2, "AutoLimitMax"},
        {{"MarkTypes[0]=12"}, 2, "MarkTypes"},
        {{"--plot-step", "2000000"}, 2, "--plot-step"},
        {{"ShowAxes=yes"}, 2, "ShowAxes"},
        {{"XMin=3"}, 2, "XMin"},
    };
    for (const Case& c : cases) {
        const auto r = Setup("environment", c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args[0] << ": " << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(Read("sett.dat"), before) << c.args[0];
    }
}

TEST_F(SetupEnvironmentCli, OkWritesControlsAndViewFields) {
    const SettingsRecord first = DefaultSettings();
    // The t fields hidden: --t has nowhere to go, the stored range stays.
    ASSERT_EQ(Setup("toolbar", {"--clear", "31,32"}).exitCode, 0);
    auto r = Setup("environment", {"ShowGrid=0", "BackgroundColour=0x00FF00", "GraphColours[2]=0x0000FF",
                                   "GridLineWidth=3", "LargeGrid=0", "--view", "-1,1,-2,2", "--t", "5,6",
                                   "--plot-step", "512"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    SettingsRecord s = Settings();
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_FALSE(s.LargeGrid);
    EXPECT_EQ(s.BackgroundColour, 0x00FF00u);
    EXPECT_EQ(s.GraphColours[2], 0x0000FFu);
    EXPECT_EQ(s.GridLineWidth, 3);
    EXPECT_EQ(s.XMin, -1);
    EXPECT_EQ(s.YMax, 2);
    EXPECT_EQ(s.TMin, first.TMin);
    EXPECT_EQ(s.TMax, first.TMax);
    EXPECT_EQ(s.PlotStepText, "512");

    ASSERT_EQ(Setup("toolbar", {"--check", "31,32"}).exitCode, 0);
    r = Setup("environment", {"--t", "5,6"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    s = Settings();
    EXPECT_EQ(s.TMin, 5);
    EXPECT_EQ(s.TMax, 6);
    EXPECT_FALSE(s.ShowGrid);  // kept from the first OK
}

}  // namespace
}  // namespace kurvo
