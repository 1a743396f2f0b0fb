// kurvo32 render with the families dialog (--step, --family) and the
// settings record (--settings-out): the members drawn, the record's bytes,
// the messages and exit codes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "plot/settings_record.h"
#include "support/run_program.h"
#include "workspace/settings_file.h"

namespace kurvo {
namespace {

struct RenderFamilyCli : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override {
        // a = 1 in the data folder, through the writer sett.dat always has.
        SettingsRecord s = DefaultSettings();
        s.Constants[0] = 1;
        s.TMax = 6;  // a value the t field gives back exactly
        ASSERT_EQ(WriteSettingsFile(dir.path(), s), "");
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    test::ProgramResult Render(std::vector<std::string> args) {
        args.insert(args.begin(), {"render", "--data", dir.path().toStdString()});
        return test::RunProgram(KURVO32_BIN, args);
    }
    QByteArray Bytes(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The picture without its outer rows and columns, which a full repaint
    // draws differently from plots added one by one.
    QImage Inside(const char* name) const {
        const QImage image(dir.filePath(name));
        return image.copy(1, 1, image.width() - 2, image.height() - 2);
    }
};

// 80-bit extended reals as the file holds them, built by hand.
const QByteArray kOne("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 10);
const QByteArray kTwo("\x00\x00\x00\x00\x00\x00\x00\x80\x00\x40", 10);

TEST_F(RenderFamilyCli, MembersAreDrawnWithTheStepsAndTheRecordSaysSo) {
    auto r = Render({"--step", "a=2", "--family", "3", "a*x^2", "-o", Path("family.png"), "--settings-out",
                     Path("family.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = Render({"x^2", "3*x^2", "5*x^2", "-o", Path("plots.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Inside("family.png"), Inside("plots.png"));

    const QByteArray s = Bytes("family.dat");
    ASSERT_EQ(s.size(), 1528);
    // FamilyActive, FamilyCount, FamilySteps[a], Constants[a] set back.
    EXPECT_EQ(s[1012], 1);
    EXPECT_EQ(s.mid(1016, 4), QByteArray("\x03\0\0\0", 4));
    EXPECT_EQ(s.mid(1180, 10), kTwo);
    EXPECT_EQ(s.mid(1020, 10), kOne);

    // The step is kept; a later formula joins the family's picture, which
    // stays active.
    r = Render({"--step", "a=2", "--family", "2", "a*x", "--family", "2", "a*x^2", "x", "--settings-out",
                Path("later.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Bytes("later.dat")[1012], 1);
    EXPECT_EQ(Bytes("later.dat").mid(1180, 10), kTwo);

    // Nothing changed: the record sett.dat holds, byte for byte.
    r = Render({"--settings-out", Path("copy.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Bytes("copy.dat"), Bytes("sett.dat"));
}

TEST_F(RenderFamilyCli, PlotsAfterAFamilyFollowItsMembersAndAreSavedAsSeen) {
    auto r = Render({"--step", "a=1", "--family", "3", "a*x^2", "x-1", "1-x", "-o", Path("seen.png"),
                     "--save-workspace", Path("f.kvo"), "--print-state"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const char* graphs[] = {"Graph[0]=a*x^2:y=", "Graph[1]=a*x^2:y=", "Graph[2]=a*x^2:y=",
                            "Graph[3]=x-1:y=", "Graph[4]=1-x:y="};
    for (const char* g : graphs) EXPECT_NE(r.out.find(g), std::string::npos) << g << "\n" << r.out;
    EXPECT_NE(r.out.find("LastGraph=4"), std::string::npos) << r.out;

    // Reopened, the same five graphs come back in their slots, drawn alike.
    r = Render({Path("f.kvo"), "-o", Path("reopened.png"), "--print-state"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* g : graphs) EXPECT_NE(r.out.find(g), std::string::npos) << g << "\n" << r.out;
    EXPECT_EQ(Inside("seen.png"), Inside("reopened.png"));
    r = Render({"x^2", "2*x^2", "3*x^2", "x-1", "1-x", "-o", Path("plots.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Inside("seen.png"), Inside("plots.png"));
}

TEST_F(RenderFamilyCli, MessagesAndExitCodes) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        // The letter empties the field, so OK then finds it empty.
        {{"--family", "4q", "a*x"},
         1,
         "Information: Only numeric chars\nInformation: Please fill in the number of graphs field.\n"},
        {{"--family", "0", "a*x"}, 1, "The number of graphs must be from 1 to 99."},
        {{"--step", "y=2", "--family", "2", "a*x"}, 2, "--step"},
        {{"--family", "2"}, 2, "--family: no FORMULA follows it"},
        {{"x", "--settings-out", Path("no/such/folder/s.dat")}, 2, "No such file or directory"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", Path("m.png")});
        const auto r = Render(args);
        EXPECT_EQ(r.exitCode, c.code) << c.err << "\n" << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace kurvo
