// kurvo32 points, area, table and render --animate as a user runs them;
// the expected values are worked out by hand or in closed form.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <fstream>

#include "plot/settings_record.h"
#include "support/run_program.h"

using kurvo::test::RunProgram;

namespace {

kurvo::test::ProgramResult Kurvo(const std::vector<std::string>& args) {
    return RunProgram(KURVO32_BIN, args, {"LC_ALL=C", "QT_QPA_PLATFORM=offscreen"});
}

struct OutputCase {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    std::string out;
};

void Check(const std::vector<OutputCase>& cases) {
    for (const OutputCase& c : cases) {
        const auto r = Kurvo(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.name << "\n" << r.err;
        EXPECT_EQ(r.out, c.out) << c.name;
    }
}

TEST(ExploreCli, Points) {
    Check({
        {"parabola", {"points", "--view", "-3,3,-5,5", "x^2-4"}, 0,
         "root 1 x=-2\nminimum 1 x=0 y=-4\ny-intercept 1 y=-4\nroot 1 x=2\n"},
        {"a formula starting with a minus", {"points", "--view", "-2,2,-2,2", "-x^2+1"}, 0,
         "root 1 x=-1\nmaximum 1 x=0 y=1\ny-intercept 1 y=1\nroot 1 x=1\n"},
        {"tangential root and a view edge as a formula", {"points", "--view", "-2p,3,-1,1", "(x-1)^2"}, 0,
         "y-intercept 1 y=1\nroot 1 x=1\nminimum 1 x=1 y=0\n"},
        {"a pole is nothing", {"points", "--view", "-5,5,-5,5", "1/x"}, 0, ""},
        {"a line across a parabola", {"points", "--view", "-4,4,-9,9", "x^2", "x+2"}, 0,
         "root 2 x=-2\nintersection 1 2 x=-1 y=1\nroot 1 x=0\nminimum 1 x=0 y=0\n"
         "y-intercept 1 y=0\ny-intercept 2 y=2\nintersection 1 2 x=2 y=4\n"},
        {"degrees: sin and cos over a turn", {"points", "--degrees", "--view", "0,360,-2,2", "sin x", "cos x"}, 0,
         "root 1 x=0\nmaximum 2 x=0 y=1\ny-intercept 1 y=0\ny-intercept 2 y=1\n"
         "intersection 1 2 x=45 y=0.707106781187\nroot 2 x=90\nmaximum 1 x=90 y=1\n"
         "root 1 x=180\nminimum 2 x=180 y=-1\nintersection 1 2 x=225 y=-0.707106781187\n"
         "root 2 x=270\nminimum 1 x=270 y=-1\nroot 1 x=360\nmaximum 2 x=360 y=1\n"},
        {"a formula that does not compile", {"points", "x+*"}, 2, ""},
        {"a bad option", {"points", "--nonsense", "x"}, 2, ""},
    });
}

TEST(ExploreCli, PointsWithUserFunctionsAndConstants) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    kurvo::SettingsRecord s = kurvo::DefaultSettings();
    s.Constants[0] = 9;  // a
    const auto record = kurvo::Serialize(s);
    std::ofstream(folder + "/sett.dat", std::ios::binary).write(reinterpret_cast<const char*>(record.data()),
                                                                 std::streamsize(record.size()));
    std::ofstream(folder + "/Cartfun_int.txt", std::ios::binary) << "(X^2-A)\r\n()\r\n()\r\n()\r\n()\r\n()\r\n()\r\n";
    // f(x) = x^2 - a with a = 9 from the settings: roots at -3 and 3.
    Check({{"f(x) with a = 9", {"points", "--data", folder, "--view", "-5,5,-10,10", "f(x)"}, 0,
            "root 1 x=-3\nminimum 1 x=0 y=-9\ny-intercept 1 y=-9\nroot 1 x=3\n"}});
}

TEST(ExploreCli, Area) {
    Check({
        {"x^2 from 0 to 3", {"area", "--from", "0", "--to", "3", "x^2"}, 0, "integral=9\narea=9\n"},
        {"x from -1 to 2: 1.5, and 0.5 + 2 of area", {"area", "--from", "-1", "--to", "2", "x"}, 0,
         "integral=1.5\narea=2.5\n"},
        {"between x and x^2: 1/2 - 1/3", {"area", "--from", "0", "--to", "1", "x", "x^2"}, 0,
         "integral=0.166666666667\narea=0.166666666667\n"},
        {"degrees: sin from 0 to 180 is 360/p", {"area", "--degrees", "--from", "0", "--to", "180", "sin x"}, 0,
         "integral=114.591559026\narea=114.591559026\n"},
        {"bounds as formulas: sin over a whole turn", {"area", "--from", "-p", "--to", "p", "sin x"}, 0,
         "integral=0\narea=4\n"},
        {"no --to", {"area", "--from", "0", "x"}, 2, ""},
    });
    const auto r = Kurvo({"area", "--from", "-1", "--to", "1", "1/x"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "The function is not defined everywhere between -1 and 1.\n");
}

TEST(ExploreCli, Table) {
    Check({
        {"two formulas, one undefined at 0.5", {"table", "--from", "0", "--to", "1", "--step", "0.25", "x^2", "1/(x-0.5)"}, 0,
         "x\tx^2\t1/(x-0.5)\n0\t0\t-2\n0.25\t0.0625\t-4\n0.5\t0.25\tundefined\n0.75\t0.5625\t4\n1\t1\t2\n"},
        {"rows while x <= B + H/2", {"table", "--from", "0", "--to", "1", "--step", "0.3", "2x"}, 0,
         "x\t2x\n0\t0\n0.3\t0.6\n0.6\t1.2\n0.9\t1.8\n"},
        {"a step of 0", {"table", "--from", "0", "--to", "1", "--step", "0", "x"}, 2, ""},
        {"too many rows", {"table", "--from", "0", "--to", "100000", "--step", "1", "x"}, 2, ""},
    });
}

// The frames of a GIF file, its shared table and whether it loops for ever.
struct GifFacts {
    int frames = 0;
    bool sharedTable = false;
    bool loopsForEver = false;
    int delay = -1;
    bool framesDiffer = false;
};

GifFacts ReadGif(const std::string& path) {
    GifFacts facts;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK) return facts;
    facts.frames = gif->ImageCount;
    facts.sharedTable = gif->SColorMap != nullptr;
    // The loop block comes before the first frame, so giflib keeps it with that frame.
    const int count = facts.frames > 0 ? gif->SavedImages[0].ExtensionBlockCount : 0;
    for (int i = 0; i + 1 < count; ++i) {
        const ExtensionBlock& b = gif->SavedImages[0].ExtensionBlocks[i];
        const ExtensionBlock& next = gif->SavedImages[0].ExtensionBlocks[i + 1];
        if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
            std::string(reinterpret_cast<char*>(b.Bytes), 11) == "NETSCAPE2.0" && next.ByteCount == 3)
            facts.loopsForEver = next.Bytes[0] == 1 && next.Bytes[1] == 0 && next.Bytes[2] == 0;
    }
    GraphicsControlBlock control;
    if (facts.frames > 0 && DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) facts.delay = control.DelayTime;
    if (facts.frames > 1) {
        const SavedImage& first = gif->SavedImages[0];
        const SavedImage& last = gif->SavedImages[facts.frames - 1];
        const size_t size = size_t(first.ImageDesc.Width) * size_t(first.ImageDesc.Height);
        facts.framesDiffer = std::memcmp(first.RasterBits, last.RasterBits, size) != 0;
    }
    DGifCloseFile(gif, &error);
    return facts;
}

TEST(ExploreCli, Animate) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string gif = dir.path().toStdString() + "/slope.gif";
    // a = 0, 0.5, ..., 2: round(2 / 0.5) + 1 = 5 frames of 250 ms.
    auto r = Kurvo({"render", "--animate", "a=0,2,0.5", "--delay", "250", "-o", gif, "--size", "200x150", "a*x"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const GifFacts facts = ReadGif(gif);
    EXPECT_EQ(facts.frames, 5);
    EXPECT_TRUE(facts.sharedTable);
    EXPECT_TRUE(facts.loopsForEver);
    EXPECT_EQ(facts.delay, 25);
    EXPECT_TRUE(facts.framesDiffer);

    const std::string refused = dir.path().toStdString() + "/refused.gif";
    const std::vector<std::vector<std::string>> bad = {
        {"render", "--animate", "a=0,1,0", "-o", refused, "x"},      // step 0
        {"render", "--animate", "a=0,501,1", "-o", refused, "x"},    // 502 frames
        {"render", "--animate", "e=0,1,0.5", "-o", refused, "x"},    // e is not movable
        {"render", "--animate", "a=0,1,0.5", "-o", dir.path().toStdString() + "/x.png", "x"},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(Kurvo(args).exitCode, 2) << args[2];
        EXPECT_FALSE(QFile::exists(QString::fromStdString(refused))) << args[2];
    }
}

}  // namespace
