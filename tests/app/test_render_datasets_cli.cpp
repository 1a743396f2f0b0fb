// kurvo32 render driving the data set dialogs in command-line order:
// coordinates, delete, "Save As Dataset", and the state they leave.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace kurvo {
namespace {

using test::ProgramResult;
using test::RunProgram;

struct RenderDataSets : ::testing::Test {
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    ProgramResult Render(std::vector<std::string> args) {
        args.insert(args.begin(), "render");
        return RunProgram(KURVO32_BIN, args);
    }
    std::string Read(const std::string& path) const {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
    }
    // The --print-state output from `key` on.
    static std::string StateFrom(const std::string& out, const std::string& key) {
        const size_t at = out.find(key);
        return at == std::string::npos ? std::string() : out.substr(at);
    }
};

TEST_F(RenderDataSets, CoordinatesAndDeletionLeaveTheState) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* state;  // --print-state from "LastGraph=" on
        int exitCode = 0;
    };
    const std::vector<Case> cases = {
        {"lines up to the first empty one, CR LF or LF",
         {"--axis-labels", "t,v", "--coords", "1,2\r\n3,4\n\n5,6"},
         "LastGraph=0\nDataSetsLoaded=1\nDataSetImageCount=1\nDataSetsMenu=1\n"
         "DataSetLine=1,2\nDataSetLine=3,4\nDataSetLine=#\n"},
        {"an empty first line adds nothing",
         {"--coords", "\n1,2"},
         "LastGraph=-1\nDataSetsLoaded=0\nDataSetImageCount=0\nDataSetsMenu=0\n", 1},
        {"last data set of two: the count drops, the lines stay",
         {"--coords", "1,2", "--coords", "3,4", "--delete", "last-dataset"},
         "LastGraph=1\nDataSetsLoaded=1\nDataSetImageCount=1\nDataSetsMenu=1\n"
         "DataSetLine=1,2\nDataSetLine=#\nDataSetLine=3,4\nDataSetLine=#\n"},
        {"last data set of one: all gone, the formula back",
         {"x", "--coords", "1,2", "--delete", "last-dataset"},
         "LastGraph=1\nDataSetsLoaded=0\nDataSetImageCount=0\nDataSetsMenu=0\nGraph[0]=x:y=\n"},
        {"last graph: the one before in the formula box",
         {"x", "x^2", "--delete", "last-graph"},
         "LastGraph=0\nDataSetsLoaded=0\nDataSetImageCount=0\nDataSetsMenu=0\nGraph[0]=x:y=\n"},
        {"everything: the next graph goes to slot 1", {"x", "--coords", "1,2", "--delete", "all"},
         "LastGraph=0\nDataSetsLoaded=0\nDataSetImageCount=0\nDataSetsMenu=0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto args = c.args;
        args.push_back("--print-state");
        const auto r = Render(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_EQ(StateFrom(r.out, "LastGraph="), c.state) << r.out;
    }
    // The labels come from the "Axis labels" field; the empty box's message.
    const auto labels = Render({"--axis-labels", "t,v", "--coords", "1,2", "--print-state"});
    EXPECT_NE(labels.out.find("XAxisLabel=t\nYAxisLabel=v\n"), std::string::npos) << labels.out;
    const auto empty = Render({"--coords", "", "--print-state"});
    EXPECT_NE(empty.err.find("I have to have something to plot!"), std::string::npos) << empty.err;
}

TEST_F(RenderDataSets, ExportWritesTheSampledGraph) {
    const std::string csv = Path("e.csv"), tsv = Path("e.tsv"), kept = Path("kept.csv");
    auto r = Render({"x^2", "--export-range", "0,1,0.5", "--export", csv, "--export", tsv});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Read(csv), "x,y\r\n0,0\r\n0.5,0.25\r\n1,1\r\n");
    // The range was for the first export only: the second takes the view and 0.1.
    const std::string t = Read(tsv);
    EXPECT_EQ(t.substr(0, 21), "x\ty\r\n-10\t100\r\n-9.9\t98");

    // A step of zero is refused and nothing is written over the old file.
    QFile old(QString::fromStdString(kept));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    r = Render({"x^2", "--export-range", "0,1,0", "--export", kept});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("The step must be greater than 0."), std::string::npos) << r.err;
    EXPECT_EQ(Read(kept), "old");
}

TEST_F(RenderDataSets, PrintsAndPictureWithoutFormulasOrOutput) {
    auto r = Render({"--set", "ShowGrid=0", "--print", "ShowGrid", "--print", "XMax"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "ShowGrid=0\nXMax=10\n");
    // No formula: the empty graph with its axes.
    const std::string out = Path("empty.png");
    r = Render({"--size", "200x100", "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(20, 50).rgb(), qRgb(0, 0, 0)) << "the x axis";
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--print", "NoSuchField"}, {"--delete", "some"}, {"--export-range", "1,2"},
          {"x"}}) {
        r = Render(bad);
        EXPECT_EQ(r.exitCode, 2) << bad.front();
        EXPECT_NE(r.err.find(bad.size() > 1 ? bad.front() : "-o"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace kurvo
