// The data set commands: the readers and "&Open", the export's bytes, the
// coordinates dialog's "&OK" and the delete choices, on a graph window
// with a recording host.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "expr/real_format.h"
#include "plot/data_set_plotter.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"
#include "workspace/data_files.h"
#include "workspace/data_sets.h"

namespace kurvo {
namespace {

using Lines = std::vector<std::string>;

TEST(DataSetReaders, CommaAndTabLinesAsStored) {
    struct Case {
        bool tab;
        Lines file;
        std::string field, x, y;
        Lines stored;
    };
    const Case cases[] = {
        {false, {"a,b", "1,2", "3,4"}, "a,b", "a", "b", {"1,2", "3,4", "#"}},
        {false, {"only a header"}, "only a header", "", "", {"", "#"}},
        {false, {}, "", "", "", {"", "#"}},
        {false, {"x,y", "", "junk"}, "x,y", "x", "y", {"", "junk", "#"}},
        {true, {"x\ty", "1\t2", "5", "3\t4\t5"}, "x,y", "x", "y", {"1,2", ",5", "3,4\t5", "#"}},
        {true, {"p,q", "1\t2"}, "p,q", "p", "q", {"1,2", "#"}},
        {true, {"h"}, "h", "", "", {",", "#"}},
    };
    for (const Case& c : cases) {
        const DataSetFileContent got = c.tab ? ReadTabLines(c.file) : ReadCommaLines(c.file);
        EXPECT_EQ(got.labelsField, c.field) << c.field;
        EXPECT_EQ(got.xLabel, c.x) << c.field;
        EXPECT_EQ(got.yLabel, c.y) << c.field;
        EXPECT_EQ(got.lines, c.stored) << c.field;
    }
}

struct DataSetsFixture : ::testing::Test {
    test::FakeHost host;
    std::unique_ptr<TGraphWindow> graph;
    std::unique_ptr<TDataSets> sets;
    QTemporaryDir dir;

    void SetUp() override {
        SetDecimalSeparator('.');
        graph = std::make_unique<TGraphWindow>(host);
        sets = std::make_unique<TDataSets>(*graph);
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray Read(const QString& name) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    const Lines& Stored() { return graph->DataSets.DataSetLines; }
    void Export(const std::string& formula, const std::string& a, const std::string& b,
                const std::string& h, const QString& name = "out.csv", bool tab = false) {
        host.formula = formula;
        sets->SaveFields.start = a;
        sets->SaveFields.end = b;
        sets->SaveFields.step = h;
        sets->ExportDataSet(dir.filePath(name), tab);
    }
};

TEST_F(DataSetsFixture, OpenDispatchesByExtensionInAnyCase) {
    EXPECT_TRUE(sets->OpenFile(Write("DATA.CSV", "a,b\r\n1,2\r\n3,4\r\n")));
    EXPECT_TRUE(sets->OpenFile(Write("more.Tsv", "x\ty\n5\t6\n")));
    EXPECT_EQ(Stored(), (Lines{"1,2", "3,4", "#", "5,6", "#"}));
    EXPECT_EQ(graph->Settings.XAxisLabel, "x");
    EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);
    EXPECT_TRUE(graph->Flags.DataSetsLoaded);
    EXPECT_TRUE(graph->DataSets.DataSetsMenu);
    EXPECT_TRUE(host.informations.empty());

    // Refused without counting anything: unknown kinds, graph files while
    // no graph file reader is attached, files that cannot be read.
    for (const QString& name : {QString("notes.dat"), QString("graph.kvo"), QString("noext")})
        EXPECT_FALSE(sets->OpenFile(Write(name, "1,2\r\n")));
    EXPECT_FALSE(sets->OpenFile(dir.filePath("missing.csv")));
    EXPECT_EQ(host.informations, Lines(3, kCannotReadKind));
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);

    QString opened;
    sets->OpenGraphFile = [&](const QString& path) { opened = path; };
    EXPECT_TRUE(sets->OpenFile(dir.filePath("graph.KVO")));
    EXPECT_EQ(opened, dir.filePath("graph.KVO"));
}

TEST_F(DataSetsFixture, LongFilesAreReadWholeOrRefused) {
    // Past any list's line cap, every point is kept...
    QByteArray bytes = "x,y\r\n";
    for (int i = 0; i < 25000; ++i) bytes += QByteArray::number(i) + ",1\r\n";
    EXPECT_TRUE(sets->OpenFile(Write("long.csv", bytes)));
    ASSERT_EQ(Stored().size(), 25001u);
    EXPECT_EQ(Stored()[24999], "24999,1");
    // ...and a file past the byte bound is refused, not cut short.
    bytes.append(QByteArray(int(kMaxTextBytes), '\n'));
    EXPECT_FALSE(sets->OpenFile(Write("huge.csv", bytes)));
    EXPECT_EQ(host.errors, Lines{"Kurvo32 cannot load this file."});
    EXPECT_EQ(Stored().size(), 25001u);
}

TEST_F(DataSetsFixture, AFileWithABadPointChangesNothing) {
    sets->OpenFile(Write("good.csv", "time,speed\r\n1,2\r\n"));
    for (const char* bad : {"x,y\r\n1;2\r\n", "x,y,z\r\n1,2,3\r\n", "x,y\r\n1,2\r\nabc,def\r\n"}) {
        host.informations.clear();
        EXPECT_FALSE(sets->OpenFile(Write("bad.csv", bad))) << bad;
        EXPECT_EQ(host.informations, Lines{kCannotLoadDataSets}) << bad;
        EXPECT_EQ(Stored(), (Lines{"1,2", "#"})) << bad;
        EXPECT_EQ(graph->DataSets.DataSetImageCount, 1) << bad;
        EXPECT_EQ(graph->Settings.YAxisLabel, "speed") << bad;
        EXPECT_TRUE(graph->Flags.DataSetsLoaded) << bad;
        EXPECT_TRUE(graph->DataSets.DataSetsMenu) << bad;
    }
}

TEST_F(DataSetsFixture, ExportWritesTheSampledPoints) {
    struct Case {
        bool cartesian, parametric, degrees;
        std::string formula, a, b, h;
        bool tab;
        QByteArray bytes;
    };
    const Case cases[] = {
        {true, false, false, "x^2", "0", "1", "0.5", false, "x,y\r\n0,0\r\n0.5,0.25\r\n1,1\r\n"},
        {true, false, false, "x^2", "0", "1", "0.5", true, "x\ty\r\n0\t0\r\n0.5\t0.25\r\n1\t1\r\n"},
        // The undefined point is left out, the ones after it kept.
        {true, false, false, "1/x", "-1", "1", "1", false, "x,y\r\n-1,-1\r\n1,1\r\n"},
        {true, true, false, "t,t^2", "1", "2", "1", false, "x,y\r\n1,1\r\n2,4\r\n"},
        {false, false, false, "2", "0", "0", "1", false, "x,y\r\n2,0\r\n"},
        // Degrees: the angle is converted as the polar plotters do.
        {false, false, true, "2", "60", "60", "1", false, "x,y\r\n1,1.73205080756888\r\n"},
        {false, true, true, "2,60", "0", "0", "1", false, "x,y\r\n1,1.73205080756888\r\n"},
    };
    for (const Case& c : cases) {
        graph->Settings.CartesianMode = c.cartesian;
        graph->Settings.Parametric = c.parametric;
        graph->Settings.Degrees = c.degrees;
        Export(c.formula, c.a, c.b, c.h, "out.csv", c.tab);
        EXPECT_EQ(Read("out.csv"), c.bytes) << c.formula;
        EXPECT_TRUE(host.informations.empty() && host.errors.empty()) << c.formula;
    }
}

TEST_F(DataSetsFixture, ExportRefusalsWriteNothing) {
    struct Case {
        bool implicit;
        std::string a, b, h, message;
    };
    const Case cases[] = {
        {false, "0", "1", "0", kStepNotPositive},
        {false, "0", "1", "-0.5", kStepNotPositive},
        {false, "1e20", "1.0001e20", "0.1", kStepTooSmall},
        {false, "0", "1", "abc", "'abc' is not a valid floating point value"},
        {true, "0", "1", "0.1", kExportNotThisMode},
    };
    Write("out.csv", "old");
    for (const Case& c : cases) {
        host.informations.clear();
        host.errors.clear();
        graph->Settings.ImplicitMode = c.implicit;
        Export("x", c.a, c.b, c.h);
        EXPECT_EQ(Read("out.csv"), "old") << c.message;
        Lines shown = host.informations;
        shown.insert(shown.end(), host.errors.begin(), host.errors.end());
        EXPECT_EQ(shown, Lines{c.message});
    }
    // A folder that does not exist: reported, nothing created.
    graph->Settings.ImplicitMode = false;
    host.errors.clear();
    Export("x", "0", "1", "1", "no/such/out.csv");
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_FALSE(QDir(dir.filePath("no")).exists());
}

TEST_F(DataSetsFixture, ExportReadsBackWithTheAxisLabels) {
    Export("x", "0", "1", "1", "back.tsv", true);
    ASSERT_TRUE(sets->OpenFile(dir.filePath("back.tsv")));
    EXPECT_EQ(Stored(), (Lines{"0,0", "1,1", "#"}));
    EXPECT_EQ(graph->Settings.XAxisLabel, "x");
    EXPECT_EQ(graph->Settings.YAxisLabel, "y");
}

TEST_F(DataSetsFixture, SaveFieldsFollowTheMode) {
    auto& s = graph->Settings;
    s.XMin = -2.5, s.XMax = 7, s.TMin = 0, s.TMax = 6.25;
    sets->SaveFields.step = "3";
    sets->PrepareSaveFields();
    EXPECT_EQ(sets->SaveFields.start + " " + sets->SaveFields.end + " " + sets->SaveFields.step,
              "-2.5 7 0.1");
    EXPECT_FALSE(sets->SaveFields.tLabels);
    s.Parametric = true;
    sets->PrepareSaveFields();
    EXPECT_EQ(sets->SaveFields.start + " " + sets->SaveFields.end, "0 6.25");
    EXPECT_TRUE(sets->SaveFields.tLabels);
}

TEST_F(DataSetsFixture, CoordinatesAddLinesUpToTheFirstEmptyOne) {
    host.formula = "x^2";
    graph->DataSets.AxisLabelsField = "t,h";
    sets->CoordinatesOK({"1,2", "3,4", "", "5,6"});
    sets->CoordinatesOK({"1,2", "3,4", "", "5,6"});
    EXPECT_EQ(Stored(), (Lines{"1,2", "3,4", "#", "1,2", "3,4", "#"}));
    EXPECT_EQ(graph->Settings.XAxisLabel + graph->Settings.YAxisLabel, "th");
    EXPECT_EQ(host.formula, "");
    EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);
    EXPECT_TRUE(graph->DataSets.DataSetsMenu);

    sets->CoordinatesOK({"", "1,2"});
    EXPECT_EQ(host.informations, Lines{kNothingToPlot});
    EXPECT_EQ(Stored().size(), 6u);
    graph->DataSets.AxisLabelsField = "none";
    sets->CoordinatesOK({"7,8"});
    EXPECT_EQ(graph->Settings.XAxisLabel + graph->Settings.YAxisLabel, "");
}

TEST_F(DataSetsFixture, DeleteChoices) {
    struct Case {
        DeleteChoice choice;
        int sets;  // coordinate sets entered before
        int lastGraph, imageCount;
        size_t lines;
        std::string formula;  // the formula box afterwards
    };
    // Three graphs a, b, c (slots 0 to 2), the box holding "typed".
    const Case cases[] = {
        {DeleteChoice::LastGraph, 0, 1, 0, 0, "b"},
        {DeleteChoice::AllGraphs, 1, 0, 1, 2, ""},
        {DeleteChoice::LastDataSet, 1, 2, 0, 0, "typed"},
        {DeleteChoice::LastDataSet, 2, 2, 1, 4, "typed"},
        {DeleteChoice::AllDataSets, 2, 2, 0, 0, "typed"},
        {DeleteChoice::All, 2, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const char* f : {"a", "b", "c"}) {
            host.formula = f;
            graph->PlotCommand();
        }
        for (int k = 0; k < c.sets; ++k) sets->CoordinatesOK({"1,1"});
        graph->Settings.LastGraph = 2;  // the sets took slots of their own
        graph->Settings.XAxisLabel = "t";
        host.formula = "typed";
        sets->Choice = c.choice;
        sets->DeleteGraphs();
        const int i = int(c.choice);
        EXPECT_EQ(graph->Settings.LastGraph, c.lastGraph) << i;
        EXPECT_EQ(graph->DataSets.DataSetImageCount, c.imageCount) << i;
        EXPECT_EQ(Stored().size(), c.lines) << i;
        EXPECT_EQ(graph->Flags.DataSetsLoaded, c.lines > 0) << i;
        EXPECT_EQ(graph->DataSets.DataSetsMenu, c.lines > 0) << i;
        EXPECT_EQ(host.formula, c.formula) << i;
        EXPECT_EQ(graph->Settings.XAxisLabel, "x") << i;
        const bool graphsGone = c.choice == DeleteChoice::AllGraphs || c.choice == DeleteChoice::All;
        EXPECT_EQ(graph->Slots.GraphText[0].empty(), graphsGone) << i;
    }
}

TEST_F(DataSetsFixture, DeleteLastGraphAtTheFirstSlotAndBelow) {
    host.formula = "x";
    graph->PlotCommand();
    sets->Choice = DeleteChoice::LastGraph;
    sets->DeleteGraphs();
    EXPECT_EQ(graph->Settings.LastGraph, -1);
    EXPECT_TRUE(graph->Slots.GraphFormula[0].empty());
    EXPECT_EQ(host.formula, "");
    host.formula = "typed";
    sets->DeleteGraphs();
    EXPECT_EQ(graph->Settings.LastGraph, -1);
    EXPECT_EQ(host.formula, "");
}

}  // namespace
}  // namespace kurvo
