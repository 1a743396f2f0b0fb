// The workspace file: every line position against files built here from
// the layout's tables, the reader's rules on odd files, and opening and
// saving on a graph window (a failed open or save changes nothing).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "expr/real_format.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"
#include "support/test_support.h"
#include "workspace/data_sets.h"
#include "workspace/graph_file.h"
#include "workspace/workspace_file.h"

namespace kurvo {
namespace {

using Lines = std::vector<std::string>;
const char kHeader[] = "Kurvofile  Created with Kurvo32 v1.50 (32 bit Windows version)";

// The layout's tables, written out by hand: file line, field.
#define AT(line, expr) {line, [](GraphFileState& f) -> auto& { return expr; }}
struct BoolAt { int line; bool& (*field)(GraphFileState&); };
struct RealAt { int line; long double& (*field)(GraphFileState&); };
struct IntAt { int line; int32_t& (*field)(GraphFileState&); };
struct ColourAt { int line; Colour& (*field)(GraphFileState&); };
const BoolAt kBooleans[] = {
    AT(2, f.Settings.ShowAsymptotes), AT(3, f.Settings.ShowPlot), AT(4, f.Settings.ShowAxes),
    AT(5, f.Settings.ShowGrid), AT(6, f.Settings.ShowMinorDivisions), AT(7, f.Settings.ShowAxisMarkers),
    AT(8, f.Settings.ShowAxisLabels), AT(9, f.Settings.PiAxis), AT(10, f.Settings.LargeGrid),
    AT(11, f.Settings.AutoYScale), AT(12, f.Settings.Reserved1), AT(13, f.Settings.Degrees),
    AT(14, f.Settings.Reserved2), AT(15, f.Settings.AsymptoteBeep), AT(16, f.Settings.CartesianMode),
    AT(17, f.Settings.Parametric), AT(18, f.Settings.ImplicitMode), AT(19, f.Settings.Reserved3),
    AT(20, f.Settings.PlotDerivative), AT(21, f.Settings.PlotIntegral), AT(22, f.Settings.ShowCoordinates),
    AT(23, f.Settings.SquareAxes), AT(24, f.Settings.ShowTangent), AT(25, f.Settings.ShowHints),
    AT(26, f.Settings.MarkConnect[0]), AT(27, f.Settings.FamilyActive), AT(28, f.Settings.SnapToGraph),
    AT(29, f.Settings.MarkConnect[1]), AT(30, f.Settings.MarkConnect[2]), AT(31, f.Settings.MarkConnect[3]),
    AT(32, f.Settings.MarkConnect[4]), AT(33, f.Settings.SquareGraph), AT(34, f.Settings.ShadeDefinedSide)};
const RealAt kViews[] = {
    AT(45, f.Settings.XMin), AT(46, f.Settings.XMax), AT(47, f.XRange), AT(48, f.Settings.YMin),
    AT(49, f.Settings.YMax), AT(50, f.YRange), AT(51, f.Settings.TMin), AT(52, f.Settings.TMax),
    AT(53, f.TRange), AT(54, f.Settings.XStep), AT(55, f.Settings.ReservedValue1),
    AT(56, f.Settings.ReservedValue2)};
const IntAt kIntegers[] = {
    AT(67, f.Settings.MarkTypes[0]), AT(68, f.Settings.FamilyCount), AT(70, f.Settings.GraphLineWidth),
    AT(71, f.Settings.AxisLineWidth), AT(72, f.Settings.GridLineWidth), AT(73, f.Settings.FontSize),
    AT(93, f.Settings.SigFigs), AT(94, f.Settings.MarkTypes[1]), AT(95, f.Settings.MarkTypes[2]),
    AT(96, f.Settings.MarkTypes[3]), AT(97, f.Settings.MarkTypes[4])};
const ColourAt kColours[] = {
    AT(74, f.Settings.FontColour), AT(75, f.Settings.BackgroundColour), AT(76, f.Settings.AxesColour),
    AT(77, f.Settings.AsymptoteColour), AT(78, f.Settings.DerivativeColour), AT(79, f.Settings.IntegralColour),
    AT(80, f.Settings.GridColour), AT(81, f.Settings.TraceColour), AT(82, f.Settings.TangentColour),
    AT(83, f.Settings.GraphColours[0]), AT(84, f.Settings.GraphColours[1]), AT(85, f.Settings.GraphColours[2]),
    AT(86, f.Settings.GraphColours[3]), AT(87, f.Settings.GraphColours[4]), AT(88, f.Settings.MarkColours[0]),
    AT(89, f.Settings.MarkColours[1]), AT(90, f.Settings.MarkColours[2]), AT(91, f.Settings.MarkColours[3]),
    AT(92, f.Settings.MarkColours[4])};
#undef AT

// A distinct value for every line: booleans T only on `trueLine`, reals
// line + 0.25, integers and colours +-line * 100000 (colours with the top
// bit set are negative), constant k at k * 1.5 - 10; two graphs and two
// data sets.
struct Distinct {
    GraphFileState state;
    Lines file;
    std::string& Line(int n) { return file[size_t(n - 1)]; }

    explicit Distinct(int trueLine = 16) {
        file = {kHeader};
        file.resize(169, "Dummy");
        for (const BoolAt& b : kBooleans) Line(b.line) = (b.field(state) = b.line == trueLine) ? "T" : "F";
        for (const RealAt& r : kViews) {
            r.field(state) = r.line + 0.25L;
            Line(r.line) = std::to_string(r.line) + ".25";
        }
        const auto integer = [](int line) { return (line % 2 ? -1 : 1) * line * 100000; };
        for (const IntAt& i : kIntegers) Line(i.line) = std::to_string(i.field(state) = integer(i.line));
        for (const ColourAt& c : kColours) {
            c.field(state) = Colour(integer(c.line));
            Line(c.line) = std::to_string(integer(c.line));
        }
        Line(69) = "1";  // LastGraph: two graphs, packed
        state.Settings.FontName = "Font Name";
        state.Settings.XAxisLabel = "t label";
        state.Settings.YAxisLabel = "h label";
        state.Settings.PlotStepText = "1,000";
        Line(108) = "Font Name", Line(109) = "t label", Line(110) = "h label", Line(111) = "1,000";
        for (int k = 0; k < 48; ++k) {
            const long double v = k * 1.5L - 10;
            (k < 16 ? state.Settings.Constants : k < 32 ? state.Settings.FamilySteps
                                                        : state.Settings.SavedConstants)[size_t(k % 16)] = v;
            Line(122 + k) = FormatReal(v);
        }
        state.Slots.GraphText[0] = "x^2+1", state.Slots.GraphRelationText[0] = "y=";
        state.Slots.GraphText[2] = "sin(x)", state.Slots.GraphRelationText[2] = "y>=";
        state.DataSetLines = {"1,2", "3,4", "#", "5,6", "#"};
        for (const char* line : {"x^2+1:y=", "sin(x):y>=", "###Datasets", "1,2", "3,4", "#", "5,6", "#"})
            file.push_back(line);
    }
};

QByteArray Bytes(const Lines& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

GraphFileState Read(const Lines& lines, GraphFileProblem* problem = nullptr) {
    GraphFileState state;
    const GraphFileProblem p = ReadGraphLines(lines, state);
    if (problem) *problem = p;
    else EXPECT_TRUE(p.ok()) << p.message;
    return state;
}

TEST(GraphFileLayout, EveryLineInItsPlaceBothWays) {
    SetDecimalSeparator('.');
    for (const BoolAt& t : kBooleans) {
        Distinct d(t.line);
        EXPECT_EQ(GraphFileBytes(d.state), Bytes(d.file)) << "line " << t.line;
        GraphFileState got = Read(d.file);
        for (const BoolAt& b : kBooleans) EXPECT_EQ(b.field(got), b.line == t.line) << t.line << " " << b.line;
    }
    Distinct d;
    GraphFileState got = Read(d.file);
    for (const RealAt& r : kViews) EXPECT_EQ(r.field(got), r.field(d.state)) << "line " << r.line;
    for (const IntAt& i : kIntegers) EXPECT_EQ(i.field(got), i.field(d.state)) << "line " << i.line;
    for (const ColourAt& c : kColours) EXPECT_EQ(c.field(got), c.field(d.state)) << "line " << c.line;
    // Everything else the record holds, the texts and constants included;
    // the graphs close up into slots 0 and 1.
    d.state.Settings.LastGraph = 1;
    EXPECT_EQ(got.Settings, d.state.Settings);
    EXPECT_EQ(got.Slots.GraphText[1], "sin(x)");
    EXPECT_EQ(got.Slots.GraphRelationText[1], "y>=");
    EXPECT_EQ(got.DataSetLines, d.state.DataSetLines);
    EXPECT_EQ(got.DataSetImageCount, 2);

    // The empty workspace: 169 lines and the data mark.
    GraphFileState empty;
    const QByteArray bytes = GraphFileBytes(empty);
    EXPECT_EQ(bytes.count("\r\n"), 170);
    EXPECT_TRUE(bytes.endsWith("\r\n###Datasets\r\n"));
    EXPECT_EQ(Read(SplitTextLines(bytes.toStdString())).Settings.LastGraph, -1);
}

TEST(GraphFileLayout, RealsWrittenWithAPointReadWithEither) {
    const std::pair<long double, const char*> cases[] = {
        {0.5L, "0.5"}, {-10, "-10"}, {3.14159265358979L, "3.14159265358979"}, {1e-6L, "1E-6"},
        {2.5e20L, "2.5E20"}, {1e-5L, "0.00001"}, {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"}, {0, "0"}};
    for (const char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        for (const auto& [value, text] : cases) {
            GraphFileState state;
            state.Settings.XMin = value;
            EXPECT_EQ(SplitTextLines(GraphFileBytes(state).toStdString())[44], text) << separator;
        }
        Distinct d;
        for (const char* text : {"-2.5", "-2,5"}) {
            d.Line(45) = text;
            EXPECT_EQ(Read(d.file).Settings.XMin, -2.5L) << text << " with " << separator;
        }
    }
    SetDecimalSeparator('.');
}

TEST(GraphFileReader, OddFiles) {
    SetDecimalSeparator('.');
    struct Case {
        const char* what;
        std::function<void(Distinct&)> edit;
        std::function<void(const GraphFileState&)> check;
    };
    const Case cases[] = {
        {"t and True are false", [](Distinct& d) { d.Line(3) = "t", d.Line(6) = "True"; },
         [](const GraphFileState& s) { EXPECT_FALSE(s.Settings.ShowPlot || s.Settings.ShowMinorDivisions); }},
        {"texts cut", [](Distinct& d) { d.Line(111) = "12345678901234", d.file[169] = "x:y>=<=?"; },
         [](const GraphFileState& s) {
             EXPECT_EQ(s.Settings.PlotStepText, "1234567890");
             EXPECT_EQ(s.Slots.GraphRelationText[0], "y>=<=");
         }},
        {"no colon: empty text", [](Distinct& d) { d.file[169] = "x^2"; },
         [](const GraphFileState& s) { EXPECT_EQ(s.Slots.GraphText[0], ""); EXPECT_EQ(s.Settings.LastGraph, 1); }},
        {"() keeps its slot", [](Distinct& d) { d.file.insert(d.file.begin() + 169, "()"); },
         [](const GraphFileState& s) { EXPECT_EQ(s.Slots.GraphText[1], "x^2+1"); EXPECT_EQ(s.Settings.LastGraph, 2); }},
        {"no data mark: graphs to the end", [](Distinct& d) { d.file.resize(171); },
         [](const GraphFileState& s) { EXPECT_EQ(s.Settings.LastGraph, 1); EXPECT_TRUE(s.DataSetLines.empty()); }},
        {"150 graph lines: 100 kept",
         [](Distinct& d) { d.file.resize(169); for (int i = 0; i < 150; ++i) d.file.push_back(std::to_string(i) + ":y="); },
         [](const GraphFileState& s) { EXPECT_EQ(s.Settings.LastGraph, 99); EXPECT_EQ(s.Slots.GraphText[99], "99"); }},
        {"stray data lines dropped", [](Distinct& d) { d.file.insert(d.file.end() - 1, {"", "junk", "#"}); },
         [](const GraphFileState& s) {
             EXPECT_EQ(s.DataSetLines, (Lines{"1,2", "3,4", "#", "5,6", "#", "#"}));
             EXPECT_EQ(s.DataSetImageCount, 3);
         }},
        {"implicit codes from the text",
         [](Distinct& d) { d.Line(16) = "F", d.Line(18) = "T", d.file[169] = "y>x=>1:", d.file[170] = "y<x:"; },
         [](const GraphFileState& s) {
             EXPECT_EQ(s.Slots.GraphRelation[0], kRelationGreaterEqual);
             EXPECT_EQ(s.Slots.GraphRelation[1], kRelationLess);
             EXPECT_TRUE(s.Slots.GraphStrict[1]);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Distinct d;
        c.edit(d);
        c.check(Read(d.file));
    }
}

TEST(GraphFileReader, RefusedFiles) {
    SetDecimalSeparator('.');
    const std::string old = "This kvofile was made with an earlier version of Kurvo32 and cannot be read by Kurvo32 v1.50 or later.";
    struct Case {
        std::function<void(Distinct&)> edit;
        std::string message;
        bool information;
        size_t line;  // where reading stopped
    };
    const Case cases[] = {
        {[](Distinct& d) { d.file[0] += " "; }, old, true, 1},
        {[](Distinct& d) { d.file[0] = " " + d.file[0]; }, old, true, 1},
        {[](Distinct& d) { d.file[0] = "\xEF\xBB\xBF" + d.file[0]; }, old, true, 1},
        {[](Distinct& d) { d.file[0].replace(35, 4, "1.40"); }, old, true, 1},
        {[](Distinct& d) { d.file.clear(); }, old, true, 1},
        {[](Distinct& d) { d.file.resize(50); }, "'' is not a valid floating point value", false, 51},
        {[](Distinct& d) { d.Line(70) = "1.5"; }, "'1.5' is not a valid integer value", false, 70},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.kvo");
    for (const Case& c : cases) {
        Distinct d;
        c.edit(d);
        GraphFileProblem problem;
        Read(d.file, &problem);
        EXPECT_EQ(problem.message, c.message);
        EXPECT_EQ(problem.information, c.information) << c.message;
        EXPECT_EQ(problem.line, c.line) << c.message;
        // The file's reader names the file and the line.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const std::string& line : d.file) file.write(QByteArray::fromStdString(line + "\r\n"));
        file.close();
        GraphFileState state;
        EXPECT_EQ(ReadGraphFile(path, state).message,
                  dir.path().toStdString() + "/bad.kvo: line " + std::to_string(c.line) + ": " + c.message);
    }
}

// Opening and saving on a graph window with a recording host.
struct WorkspaceFixture : ::testing::Test {
    test::FakeHost host;
    std::unique_ptr<TGraphWindow> graph;
    std::unique_ptr<TDataSets> sets;
    std::unique_ptr<TWorkspaceFile> file;
    QTemporaryDir dir;

    void SetUp() override {
        SetDecimalSeparator('.');
        Fresh();
        host.formula = "x^2";
        graph->PlotCommand();
        sets->CoordinatesOK({"1,2", "3,4"});
        host.formula = "2x";
        graph->PlotCommand();
    }
    // A window as start-up leaves it, nothing plotted yet.
    void Fresh() {
        file.reset();
        sets.reset();
        graph = std::make_unique<TGraphWindow>(host);
        sets = std::make_unique<TDataSets>(*graph);
        file = std::make_unique<TWorkspaceFile>(*sets);
    }
    QString Write(const char* name, const Lines& lines) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Bytes(lines));
        return f.fileName();
    }
    QByteArray ReadBack(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(WorkspaceFixture, AFailedOpenChangesNothing) {
    const GraphFileState before = file->Capture();
    const auto fields = host.fields;
    Distinct cut;
    cut.file.resize(100);
    Distinct other;
    other.file[0] += " ";
    for (const QString& path : {dir.filePath("missing.kvo"), Write("cut.kvo", cut.file), Write("old.kvo", other.file)}) {
        EXPECT_FALSE(file->Open(path));
        const GraphFileState after = file->Capture();
        EXPECT_EQ(after.Settings, before.Settings);
        EXPECT_EQ(after.Slots.GraphText, before.Slots.GraphText);
        EXPECT_EQ(after.DataSetLines, before.DataSetLines);
        EXPECT_EQ(host.fields, fields);
    }
    EXPECT_EQ(host.errors.size(), 2u);
    EXPECT_EQ(host.informations.size(), 1u);
}

TEST_F(WorkspaceFixture, OpenReplotsAndSaveOpenCyclesKeepTheSlots) {
    Distinct d;
    d.Line(4) = "T";
    d.Line(45) = "-5", d.Line(46) = "5", d.Line(48) = "-4", d.Line(49) = "4", d.Line(54) = "0.01";
    d.Line(111) = "256";
    for (int line : {67, 70, 71, 72, 93, 94, 95, 96, 97}) d.Line(line) = "1";
    d.Line(73) = "8";
    const QString path = Write("lesson.kvo", d.file);
    Fresh();
    for (int cycle = 0; cycle < 3; ++cycle) {
        ASSERT_TRUE(file->Open(path)) << cycle;
        for (size_t i : {0, 1}) EXPECT_FALSE(host.picture().LinesIn(graph->Settings.GraphColours[i]).empty()) << i;
        EXPECT_EQ(graph->Settings.LastGraph, 1) << cycle;
        EXPECT_EQ(graph->Slots.GraphText[1], "sin(x)");
        EXPECT_FALSE(graph->Slots.GraphFormula[1].empty());
        EXPECT_TRUE(graph->Slots.GraphText[2].empty());
        EXPECT_EQ(host.formula, "x^2+1");
        EXPECT_EQ(host.field(ViewField::XMin), "-5");
        EXPECT_EQ(graph->DataSets.DataSetLines, (Lines{"1,2", "3,4", "#", "5,6", "#"}));
        EXPECT_EQ(graph->DataSets.DataSetImageCount, 2);
        EXPECT_TRUE(graph->Flags.DataSetsLoaded && graph->DataSets.DataSetsMenu);
        EXPECT_EQ(graph->Settings.BackgroundColour, Colour(-7500000));
        ASSERT_TRUE(file->Save(path));
    }
    EXPECT_TRUE(host.errors.empty() && host.informations.empty());
    // The next formula takes the next free slot.
    host.formula = "x";
    graph->PlotCommand();
    EXPECT_EQ(graph->Settings.LastGraph, 2);
}

TEST_F(WorkspaceFixture, AFailedSaveKeepsTheOldFile) {
    const QString path = Write("keep.kvo", {"old"});
    bool saved = true;
    test::WithFileSizeLimit(100, [&] { saved = file->Save(path); });
    EXPECT_FALSE(saved);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("File too large"), std::string::npos) << host.errors[0];
    EXPECT_EQ(ReadBack(path), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.kvo"});
}

}  // namespace
}  // namespace kurvo
